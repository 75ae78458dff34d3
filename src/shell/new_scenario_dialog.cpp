#include "shell/new_scenario_dialog.hpp"

#include "resources/layouts.hpp"
#include "scenario/scenario_header.hpp"
#include "shell/scenario_lifecycle.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::shell {

NewScenarioDialog::NewScenarioDialog(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario)
    : ui::Dialog(host, resources::kNewScenario), root_(root), scenario_(scenario) {}

bool NewScenarioDialog::onOk() {
    std::string name;
    if (!ui::DataExchange(*this).text(kNameId, scenario::kFolderNameLimit, name)) return false;
    const CreateResult result = createScenario(root_, name);
    switch (result) {
        case CreateResult::EmptyName:
            return true;
        case CreateResult::Created:
            host().success(scenarioMessage(result));
            scenario_.set(name);
            return true;
        case CreateResult::TooLong:
        case CreateResult::Exists:
        case CreateResult::CannotWrite:
            break;
    }
    host().error(scenarioMessage(result));
    return false;
}

std::unique_ptr<ui::Dialog> makeNewScenarioDialog(ui::Host& host, const core::DataRoot& root,
                                                  CurrentScenario& scenario) {
    return std::make_unique<NewScenarioDialog>(host, root, scenario);
}

}  // namespace kestrel::shell
