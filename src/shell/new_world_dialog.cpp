#include "shell/new_world_dialog.hpp"

#include "resources/layouts.hpp"
#include "scenario/scenario_header.hpp"
#include "shell/scenario_lifecycle.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::shell {

NewWorldDialog::NewWorldDialog(ui::Host& host, const core::DataRoot& root)
    : ui::Dialog(host, resources::kNewWorld), root_(root) {}

bool NewWorldDialog::onOk() {
    std::string name;
    if (!ui::DataExchange(*this).text(kNameId, scenario::kFolderNameLimit, name)) return false;
    const CreateResult result = createWorld(root_, name);
    switch (result) {
        case CreateResult::EmptyName:
            return true;
        case CreateResult::Created:
            host().success(worldMessage(result));
            return true;
        case CreateResult::TooLong:
        case CreateResult::Exists:
        case CreateResult::CannotWrite:
            break;
    }
    host().error(worldMessage(result));
    return false;
}

std::unique_ptr<ui::Dialog> makeNewWorldDialog(ui::Host& host, const core::DataRoot& root, CurrentScenario&) {
    return std::make_unique<NewWorldDialog>(host, root);
}

}  // namespace kestrel::shell
