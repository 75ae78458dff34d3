#include "shell/file_editor.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "campaign/campaign_list.hpp"
#include "core/text_case.hpp"
#include "datasets/catalogue.hpp"
#include "datasets/entry_editors.hpp"
#include "scenario/city_file.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/diplomacy_dialog.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/placement_dialogs.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/ruins_sites_dialog.hpp"
#include "scenario/scenario_cities_dialog.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_header.hpp"
#include "scenario/scenario_items.hpp"
#include "scenario/scenario_items_dialog.hpp"
#include "scenario/scenario_terrain.hpp"
#include "scenario/scenario_terrain_dialog.hpp"
#include "scenario/sides.hpp"
#include "scenario/site_file.hpp"
#include "shell/scenario_data_dialog.hpp"
#include "shell/scenario_editors.hpp"
#include "shell/sides_dialog.hpp"

namespace kestrel::shell {

namespace {

struct ScenarioFileEditor {
    std::string_view file;
    EditorFactory make;
};

// The editor of each file of a scenario's folder that one edits; the map's
// files belong to the map editor program.
constexpr std::array<ScenarioFileEditor, 13> kScenarioFileEditors{{
    {scenario::kScenarioHeaderFile, makeScenarioDataDialog},
    {scenario::kMiscDataFile, makeScenarioDataDialog},
    {scenario::kSidesFile, makeSidesDialog},
    {scenario::kCityFile, ofScenario<scenario::makeScenarioCitiesDialog>},
    {scenario::kCityIniFile, ofScenario<scenario::makeScenarioCitiesDialog>},
    {scenario::kRuinFile, ofScenario<scenario::makeScenarioRuinsDialog>},
    {scenario::kSiteFile, ofScenario<scenario::makeScenarioSitesDialog>},
    {scenario::kItemPlacementFile, ofScenario<scenario::makeItemPlacementDialog>},
    {scenario::kArmyPlacementFile, ofScenario<scenario::makeArmyPlacementDialog>},
    {scenario::kHeroPlacementFile, ofScenario<scenario::makeHeroPlacementDialog>},
    {scenario::kDiplomacyFile, ofScenario<scenario::makeDiplomacyDialog>},
    {scenario::kScenarioTerrainFile, ofScenario<scenario::makeScenarioTerrainDialog>},
    {scenario::kScenarioItemsFile, ofScenario<scenario::makeScenarioItemsDialog>},
}};

constexpr std::size_t kScenarioNameLimit = 8;

std::vector<std::string_view> components(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t end = std::min(path.find('/'), path.find('\\'));
        parts.push_back(path.substr(0, end));
        path = end == std::string_view::npos ? std::string_view{} : path.substr(end + 1);
    }
    return parts;
}

// Whether the first components of `parts` are the folders of `directory`
// ("TERRAIN\DATA"); the rest are returned.
std::optional<std::vector<std::string_view>> below(std::string_view directory,
                                                   const std::vector<std::string_view>& parts) {
    const auto folders = components(directory);
    if (parts.size() <= folders.size()) return std::nullopt;
    for (std::size_t i = 0; i < folders.size(); ++i)
        if (!core::equalsNoCase(parts[i], folders[i])) return std::nullopt;
    return std::vector<std::string_view>(parts.begin() + static_cast<std::ptrdiff_t>(folders.size()), parts.end());
}

bool endsWithNoCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && core::equalsNoCase(text.substr(text.size() - end.size()), end);
}

// A data set's record names its entry; any file of a campaign's own folder
// names the campaign.
std::optional<std::string> entryOf(const datasets::KindInfo& kind, const std::vector<std::string_view>& parts) {
    const auto rest = below(kind.directory, parts);
    if (!rest) return std::nullopt;
    if (kind.folderPerEntry) return rest->size() == 2 ? std::optional<std::string>((*rest)[0]) : std::nullopt;
    const std::string_view file = (*rest)[0];
    if (rest->size() != 1 || file.size() <= kind.extension.size() || !endsWithNoCase(file, kind.extension))
        return std::nullopt;
    return std::string(file.substr(0, file.size() - kind.extension.size()));
}

FileEditor entryEditor(const datasets::KindInfo& kind, std::string entry) {
    const datasets::EntryHandlers handlers =
        kind.kind == datasets::Kind::Campaign ? campaign::campaignHandlers() : datasets::EntryHandlers{};
    return {{},
            [&kind, handlers, entry = std::move(entry)](ui::Host& host, const core::DataRoot& root, CurrentScenario&) {
                return handlers.makeEditor(kind, host, root, entry);
            }};
}

std::optional<FileEditor> scenarioFileEditor(const std::vector<std::string_view>& parts) {
    const auto rest = below(scenario::kScenariosFolder, parts);
    if (!rest || rest->size() != 2 || rest->front().size() > kScenarioNameLimit) return std::nullopt;
    for (const auto& [file, make] : kScenarioFileEditors)
        if (core::equalsNoCase((*rest)[1], file)) return FileEditor{std::string(rest->front()), make};
    return std::nullopt;
}

}  // namespace

std::optional<FileEditor> fileEditor(std::string_view path) {
    const auto parts = components(path);
    if (auto editor = scenarioFileEditor(parts)) return editor;
    for (const datasets::KindInfo& kind : datasets::catalogue())
        if (auto entry = entryOf(kind, parts)) return entryEditor(kind, std::move(*entry));
    return std::nullopt;
}

}  // namespace kestrel::shell
