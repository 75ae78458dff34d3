#include "shell/load_scenario_dialog.hpp"

#include "resources/layouts.hpp"
#include "shell/scenario_lifecycle.hpp"

namespace kestrel::shell {

LoadScenarioDialog::LoadScenarioDialog(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario)
    : ui::Dialog(host, resources::kLoadScenario), root_(root), scenario_(scenario) {}

void LoadScenarioDialog::onInit() {
    std::vector<std::string> names;
    for (auto& listed : listScenarios(root_)) names.push_back(std::move(listed.name));
    setItems(kListId, names);
    setSelection(kListId, -1);
}

bool LoadScenarioDialog::onOk() {
    if (selection(kListId) < 0) {
        scenario_.clear();
        return true;
    }
    // The name is looked up again: two scenarios of one name load the first found.
    if (const auto folder = findScenarioFolder(root_, selectedText(kListId))) scenario_.set(*folder);
    return true;
}

void LoadScenarioDialog::onDoubleClick(int id) {
    if (id == kListId) onCommand(ui::kIdOk);
}

std::unique_ptr<ui::Dialog> makeLoadScenarioDialog(ui::Host& host, const core::DataRoot& root,
                                                   CurrentScenario& scenario) {
    return std::make_unique<LoadScenarioDialog>(host, root, scenario);
}

}  // namespace kestrel::shell
