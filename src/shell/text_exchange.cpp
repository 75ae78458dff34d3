#include "shell/text_exchange.hpp"

#include "textx/data_export.hpp"
#include "textx/data_import.hpp"
#include "textx/scenario_import.hpp"
#include "textx/scenario_export.hpp"

namespace kestrel::shell {

namespace {

void tellImport(ui::Host& host, const textx::ImportResult& result) {
    if (!result.opened || textx::succeeded(result))
        host.notice(textx::message(result));
    else
        host.error(textx::message(result));
}

}  // namespace

void exportDataTexts(ui::Host& host, const core::DataRoot& root, CurrentScenario&) {
    if (textx::exportDataSets(root))
        host.notice(textx::kExportedMessage);
    else
        host.error(textx::kCannotOpenDataFile);
}

void exportScenarioTexts(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario) {
    if (textx::exportScenario(root, scenario.name()))
        host.notice(textx::kExportedMessage);
    else
        host.error(textx::kCannotOpenTextFile);
}

void importDataTexts(ui::Host& host, const core::DataRoot& root, CurrentScenario&) {
    const auto chosen = host.chooseFileToOpen(textx::kImportFilters);
    if (!chosen || chosen->empty()) return;
    tellImport(host, textx::importDataFile(root, *chosen));
}

void importScenarioTexts(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario) {
    const auto chosen = host.chooseFileToOpen(textx::kImportFilters);
    if (!chosen || chosen->empty()) return;
    tellImport(host, textx::importScenarioFile(root, scenario.name(), *chosen));
}

}  // namespace kestrel::shell
