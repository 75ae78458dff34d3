// New World: a folder name typed in, the world created on OK. The current
// scenario stays as it is.
#pragma once
#include <memory>

#include "core/data_root.hpp"
#include "shell/current_scenario.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

class NewWorldDialog : public ui::Dialog {
public:
    static constexpr int kNameId = 1005;

    NewWorldDialog(ui::Host& host, const core::DataRoot& root);
    bool onOk() override;

private:
    const core::DataRoot& root_;
};

std::unique_ptr<ui::Dialog> makeNewWorldDialog(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario);

}  // namespace kestrel::shell
