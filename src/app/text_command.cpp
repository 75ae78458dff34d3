#include "app/text_command.hpp"

#include "app/command_line.hpp"
#include "core/cp1252.hpp"
#include "core/data_root.hpp"
#include "scenario/scenario_files.hpp"
#include "textx/data_export.hpp"
#include "textx/data_import.hpp"
#include "textx/scenario_export.hpp"
#include "textx/scenario_import.hpp"

namespace kestrel::app {

namespace {

// The scenario folder NAME names, as it exists whatever case was typed;
// nothing, and a line on `err`, when there is none. Folder names are kept in
// the game's code page.
std::optional<std::string> scenarioFolder(const core::DataRoot& root, const std::string& name, std::ostream& err) {
    std::error_code ec;
    const auto typed = core::utf8ToCp1252(name);
    const auto folder = typed && textx::isScenarioFolderName(*typed)
                            ? root.resolve(std::string(scenario::kScenariosFolder) + "\\" + *typed)
                            : std::nullopt;
    if (!folder || !std::filesystem::is_directory(*folder, ec)) {
        err << "kstred: there is no scenario folder " << scenario::kScenariosFolder << "\\" << name << '\n';
        return std::nullopt;
    }
    return folder->filename().string();
}

// The message, then what happened, on the stream the message goes to.
int tellImport(const textx::ImportResult& result, std::ostream& out, std::ostream& err) {
    const bool ok = textx::succeeded(result);
    std::ostream& to = ok ? out : err;
    to << textx::message(result) << '\n';
    if (result.opened && result.unreadCharset.empty()) to << textx::summary(result) << '\n';
    return ok ? 0 : 1;
}

}  // namespace

int exportDataCommand(const std::filesystem::path& rootPath, const std::optional<std::filesystem::path>& po,
                      std::ostream& out, std::ostream& err) {
    if (!dataRootIsFolder(rootPath, err)) return 2;
    const core::DataRoot root(rootPath);
    if (!(po ? textx::exportDataSetsPo(root, *po) : textx::exportDataSets(root))) {
        err << textx::kCannotOpenDataFile << '\n';
        return 1;
    }
    out << textx::kExportedMessage << '\n';
    return 0;
}

int exportScenarioCommand(const std::filesystem::path& rootPath, const std::string& name,
                          const std::optional<std::filesystem::path>& po, std::ostream& out, std::ostream& err) {
    if (!dataRootIsFolder(rootPath, err)) return 2;
    const core::DataRoot root(rootPath);
    // The file is named after the folder as it exists.
    const auto scenario = scenarioFolder(root, name, err);
    if (!scenario) return 1;
    if (!(po ? textx::exportScenarioPo(root, *scenario, *po) : textx::exportScenario(root, *scenario))) {
        err << textx::kCannotOpenTextFile << '\n';
        return 1;
    }
    out << textx::kExportedMessage << '\n';
    return 0;
}

int importDataCommand(const std::filesystem::path& rootPath, const std::filesystem::path& file, std::ostream& out,
                      std::ostream& err) {
    if (!dataRootIsFolder(rootPath, err)) return 2;
    return tellImport(textx::importDataFile(core::DataRoot(rootPath), file), out, err);
}

int importScenarioCommand(const std::filesystem::path& rootPath, const std::string& name,
                          const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
    if (!dataRootIsFolder(rootPath, err)) return 2;
    const core::DataRoot root(rootPath);
    const auto scenario = scenarioFolder(root, name, err);
    if (!scenario) return 1;
    return tellImport(textx::importScenarioFile(root, *scenario, file), out, err);
}

}  // namespace kestrel::app
