// The dialogs that the main window's Game and Scenario buttons open. Each is
// made by one function, so the main window's table names them all.
#pragma once
#include <memory>

#include "core/data_root.hpp"
#include "scenario/scenario_editor.hpp"
#include "shell/current_scenario.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

using EditorFactory = std::unique_ptr<ui::Dialog> (*)(ui::Host& host, const core::DataRoot& root,
                                                      CurrentScenario& scenario);

// The editors of the floors below take what they need of the current
// scenario as a value: its name, or nothing.
template <scenario::ScenarioEditorFactory make>
std::unique_ptr<ui::Dialog> ofScenario(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario) {
    return make(host, root, scenario.name());
}
template <std::unique_ptr<ui::Dialog> (*make)(ui::Host&, const core::DataRoot&)>
std::unique_ptr<ui::Dialog> ofNoScenario(ui::Host& host, const core::DataRoot& root, CurrentScenario&) {
    return make(host, root);
}

}  // namespace kestrel::shell
