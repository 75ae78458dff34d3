// Load Scenario: the names of every scenario found, sorted; OK (or a double
// click) makes the chosen one current, OK without a choice clears it.
#pragma once
#include <memory>

#include "core/data_root.hpp"
#include "shell/current_scenario.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

class LoadScenarioDialog : public ui::Dialog {
public:
    static constexpr int kListId = 1007;

    LoadScenarioDialog(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario);
    void onInit() override;
    bool onOk() override;
    void onDoubleClick(int id) override;

private:
    const core::DataRoot& root_;
    CurrentScenario& scenario_;
};

std::unique_ptr<ui::Dialog> makeLoadScenarioDialog(ui::Host& host, const core::DataRoot& root,
                                                   CurrentScenario& scenario);

}  // namespace kestrel::shell
