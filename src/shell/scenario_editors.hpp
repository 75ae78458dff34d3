// The dialogs that the main window's Game and Scenario buttons open. Each is
// made by one function, so the main window's table names them all.
#pragma once
#include <memory>

#include "core/data_root.hpp"
#include "shell/current_scenario.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

using EditorFactory = std::unique_ptr<ui::Dialog> (*)(ui::Host& host, const core::DataRoot& root,
                                                      CurrentScenario& scenario);

}  // namespace kestrel::shell
