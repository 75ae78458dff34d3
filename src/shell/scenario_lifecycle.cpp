#include "shell/scenario_lifecycle.hpp"

#include <array>

#include "core/folder_search.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_header.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::shell {

namespace {

using scenario::kFolderNameLimit;
using SL = scenario::ScenarioHeaderLayout;

constexpr std::string_view kSearchRoot = "SCENARIO\\";
constexpr std::string_view kListPattern = "SCENARIO.DA*";
constexpr std::string_view kLoadPattern = "SCENARIO.DAT";
// Copied into every new scenario, in this order.
constexpr std::array<std::string_view, 3> kTemplatePictures{"STRAT_S.PCX", "STRAT_L.PCX", "SCENARIO.PCX"};

std::string message(CreateResult result, std::string_view exists, std::string_view writeError,
                    std::string_view created) {
    switch (result) {
        case CreateResult::Created:
            return std::string(created);
        case CreateResult::EmptyName:
            return {};
        case CreateResult::TooLong:
            return ui::formatMessage(ui::kTooLongMessage, static_cast<long>(kFolderNameLimit));
        case CreateResult::Exists:
            return std::string(exists);
        case CreateResult::CannotWrite:
            return std::string(writeError);
    }
    return {};
}

// The checks both creations make before they touch the disk. The name is
// checked before any folder is made, so a name with a separator, "..", a
// device name or a character a Windows file system refuses makes nothing.
std::optional<CreateResult> refuse(const core::DataRoot& root, std::string_view name, const std::string& header) {
    if (name.empty()) return CreateResult::EmptyName;
    if (name.size() > kFolderNameLimit) return CreateResult::TooLong;
    if (!core::isPortableFileName(name)) return CreateResult::CannotWrite;
    // A header that opens makes the name taken; a bare folder does not.
    if (root.read(header, 1)) return CreateResult::Exists;
    return std::nullopt;
}

// The header of a found file, when it opens.
std::optional<scenario::ScenarioHeader> readHeader(const core::DataRoot& root, const core::FoundFile& file) {
    const auto bytes = root.read(file.path(), SL::kSize);
    if (!bytes) return std::nullopt;
    return scenario::readScenarioHeader(*bytes);
}

}  // namespace

std::string scenarioMessage(CreateResult result) {
    return message(result, kScenarioExistsMessage, kScenarioWriteErrorMessage, kScenarioCreatedMessage);
}

std::string worldMessage(CreateResult result) {
    return message(result, kWorldExistsMessage, kWorldWriteErrorMessage, kWorldCreatedMessage);
}

CreateResult createScenario(const core::DataRoot& root, std::string_view name) {
    const std::string header = scenario::scenarioFile(name, scenario::kScenarioHeaderFile);
    if (const auto refused = refuse(root, name, header)) return *refused;
    const std::string folder = std::string(scenario::kScenariosFolder) + "\\" + std::string(name);
    root.makeDirectory(scenario::kScenariosFolder);
    root.makeDirectory(folder);
    if (!root.writeAtomic(header, scenario::writeScenarioHeader(scenario::newScenarioHeader(name))))
        return CreateResult::CannotWrite;
    // A missing template is no failure: the scenario exists with its header.
    for (const auto picture : kTemplatePictures)
        root.copy("WSDATA\\" + std::string(picture), scenario::scenarioFile(name, picture));
    return CreateResult::Created;
}

CreateResult createWorld(const core::DataRoot& root, std::string_view name) {
    const std::string header = scenario::worldFile(name, scenario::kWorldHeaderFile);
    if (const auto refused = refuse(root, name, header)) return *refused;
    root.makeDirectory(scenario::kWorldsFolder);
    root.makeDirectory(std::string(scenario::kWorldsFolder) + "\\" + std::string(name));
    if (!root.writeAtomic(header, scenario::writeWorldHeader(scenario::newWorldHeader(name))))
        return CreateResult::CannotWrite;
    return CreateResult::Created;
}

std::vector<ListedScenario> listScenarios(const core::DataRoot& root) {
    std::vector<ListedScenario> listed;
    for (const auto& file : core::searchFolders(root, kSearchRoot, kListPattern))
        if (auto header = readHeader(root, file))
            listed.push_back({std::move(header->name), std::move(header->folder)});
    return listed;
}

std::optional<std::string> findScenarioFolder(const core::DataRoot& root, std::string_view name) {
    for (const auto& file : core::searchFolders(root, kSearchRoot, kLoadPattern)) {
        const auto header = readHeader(root, file);
        if (header && header->name == name) return header->folder;
    }
    return std::nullopt;
}

}  // namespace kestrel::shell
