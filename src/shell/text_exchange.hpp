// The main window's text exchange buttons: the operation, then its message.
#pragma once
#include "core/data_root.hpp"
#include "shell/current_scenario.hpp"
#include "ui/host.hpp"

namespace kestrel::shell {

// "Export Data": writes KS_Data.Txt and says whether it could.
void exportDataTexts(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario);
// "Export Scen": writes KS_<folder>.Txt of the current scenario.
void exportScenarioTexts(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario);
// "Import Data": the translations of a file the user chooses, into the data sets.
void importDataTexts(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario);
// "Import Scen": the same into the current scenario's files.
void importScenarioTexts(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario);

}  // namespace kestrel::shell
