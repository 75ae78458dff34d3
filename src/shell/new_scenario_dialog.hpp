// New Scenario: a folder name typed in, the scenario created on OK and made
// the current one.
#pragma once
#include <memory>

#include "core/data_root.hpp"
#include "shell/current_scenario.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

class NewScenarioDialog : public ui::Dialog {
public:
    static constexpr int kNameId = 1006;

    NewScenarioDialog(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario);
    bool onOk() override;

private:
    const core::DataRoot& root_;
    CurrentScenario& scenario_;
};

std::unique_ptr<ui::Dialog> makeNewScenarioDialog(ui::Host& host, const core::DataRoot& root,
                                                  CurrentScenario& scenario);

}  // namespace kestrel::shell
