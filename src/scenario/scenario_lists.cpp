#include "scenario/scenario_lists.hpp"

#include <algorithm>

#include "core/record_fields.hpp"
#include "core/text_case.hpp"
#include "datasets/catalogue.hpp"
#include "datasets/catalogue_ops.hpp"
#include "datasets/terrain_type.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_items.hpp"
#include "ui/dialog.hpp"

namespace kestrel::scenario {

namespace {

static_assert(kMaxPlacedHeroes == HeroPlacementLayout::kMaxRecords);
static_assert(kMaxScenarioRuins == RuinLayout::kMaxRecords);

int fill(const std::vector<std::string>& names, ui::Dialog* dialog, ComboIds comboIds) {
    if (dialog)
        for (const int id : comboIds) dialog->setItems(id, names);
    return static_cast<int>(names.size());
}

bool keeps(TerrainFilter filter, int terrainClass) {
    using C = datasets::TerrainClass;
    switch (filter) {
        case TerrainFilter::All:
            return true;
        case TerrainFilter::ExceptRoadsRiversForests:
            return terrainClass != C::kRoad && terrainClass != C::kForest && terrainClass != C::kRiver;
        case TerrainFilter::Roads:
            return terrainClass == C::kRoad;
        case TerrainFilter::Rivers:
            return terrainClass == C::kRiver;
        case TerrainFilter::Forests:
            return terrainClass == C::kForest;
    }
    return false;
}

std::vector<std::string> setSlotNames(const core::DataRoot& root, std::string_view scenario, bool ruins) {
    std::vector<std::string> names(kMiscSlots, std::string(kNotUsed));
    const auto bytes = root.read(scenarioFile(scenario, kMiscDataFile), MiscDataLayout::kSize);
    if (!bytes) return names;
    const MiscData data = readMiscData(*bytes);
    const auto& sets = ruins ? data.ruinSets : data.siteSets;
    for (std::size_t i = 0; i < sets.size(); ++i)
        if (!sets[i].empty()) names[i] = sets[i];
    return names;
}

}  // namespace

std::vector<std::string> terrainTypeNames(const core::DataRoot& root, TerrainFilter filter) {
    const auto& kind = datasets::info(datasets::Kind::TerrainType);
    std::vector<std::string> names = datasets::listEntries(root, kind);
    if (filter != TerrainFilter::All) {
        std::erase_if(names, [&](const std::string& name) {
            const auto record = root.read(datasets::recordPath(kind, name), datasets::TerrainTypeLayout::kSize);
            return !record || !keeps(filter, datasets::readTerrainType(*record).terrainClass);
        });
    }
    std::stable_sort(names.begin(), names.end(), core::lessInList);
    return names;
}

int fillTerrainTypeNames(const core::DataRoot& root, TerrainFilter filter, ui::Dialog* dialog, ComboIds comboIds) {
    return fill(terrainTypeNames(root, filter), dialog, comboIds);
}

std::vector<std::string> ruinSetSlotNames(const core::DataRoot& root, std::string_view scenario) {
    return setSlotNames(root, scenario, true);
}

std::vector<std::string> siteSetSlotNames(const core::DataRoot& root, std::string_view scenario) {
    return setSlotNames(root, scenario, false);
}

int fillRuinSetSlots(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog, ComboIds comboIds) {
    return fill(ruinSetSlotNames(root, scenario), dialog, comboIds);
}

int fillSiteSetSlots(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog, ComboIds comboIds) {
    return fill(siteSetSlotNames(root, scenario), dialog, comboIds);
}

std::vector<std::string> monsterSlotNames(const core::DataRoot& root, std::string_view scenario, GuardChoices guards) {
    std::vector<std::string> names;
    if (guards == GuardChoices::With) names = {std::string(kNoGuard), std::string(kAnyMonster)};
    const auto bytes = root.read(scenarioFile(scenario, kMiscDataFile), MiscDataLayout::kSize);
    const MiscData data = bytes ? readMiscData(*bytes) : MiscData{};
    for (const auto& monster : data.monsters)
        names.push_back(monster.name.empty() ? std::string(kUnknownMonster) : monster.name);
    return names;
}

int fillMonsterSlots(const core::DataRoot& root, std::string_view scenario, GuardChoices guards, ui::Dialog* dialog,
                     ComboIds comboIds) {
    fill(monsterSlotNames(root, scenario, guards), dialog, comboIds);
    return kMiscSlots;
}

std::vector<std::string> scenarioItemNames(const core::DataRoot& root, std::string_view scenario) {
    const auto items = loadScenarioItems(root, scenario);
    return items ? poolNames(*items) : std::vector<std::string>{};
}

int fillScenarioItemNames(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog,
                          ComboIds comboIds) {
    return fill(scenarioItemNames(root, scenario), dialog, comboIds);
}

std::vector<std::string> scenarioHeroNames(const core::DataRoot& root, std::string_view scenario) {
    std::vector<std::string> names;
    for (auto& hero : loadHeroPlacements(root, scenario).value_or(std::vector<HeroPlacement>{}))
        if (!hero.name.empty()) names.push_back(std::move(hero.name));
    return names;
}

int fillScenarioHeroNames(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog,
                          ComboIds comboIds) {
    return fill(scenarioHeroNames(root, scenario), dialog, comboIds);
}

std::vector<std::string> scenarioRuinNames(const core::DataRoot& root, std::string_view scenario) {
    std::vector<std::string> names;
    for (auto& ruin : loadRuins(root, scenario).value_or(std::vector<ScenarioRuin>{}))
        if (!ruin.head.name.empty()) names.push_back(std::move(ruin.head.name));
    return names;
}

int fillScenarioRuinNames(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog,
                          ComboIds comboIds) {
    return fill(scenarioRuinNames(root, scenario), dialog, comboIds);
}

}  // namespace kestrel::scenario
