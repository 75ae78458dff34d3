#include "check/scenario_parts.hpp"
#include "core/cp1252.hpp"
#include "scenario/scenario_items.hpp"
#include "scenario/scenario_terrain.hpp"

namespace kestrel::check {

namespace {

// The map views paint with the pictures of these names below TERRAIN\DATA.
void expectPictures(Findings& findings, const RootIndex& index, const RecordFile& file, std::string_view field,
                    std::size_t slots, std::string_view what) {
    const std::string folder = folderOf(datasets::Kind::TerrainType) + "/";
    for (std::size_t i = 0; i < slots; ++i) {
        const std::string leaf = std::string(field) + "[" + std::to_string(i) + "]";
        const std::string name = file.text(0, 0, leaf);
        if (name.empty() || index.find(folder + name + ".BMP") || index.find(folder + name + ".PCX")) continue;
        findings.warning(file.entry->path, "0", leaf,
                         std::string(what) + " " + check::quoted(name) + " has no picture " + folder +
                             core::cp1252ToUtf8(name) + ".BMP or .PCX");
    }
}

// The counts are computed on saving: one past the last name that is not empty.
void checkUsedCount(Findings& findings, const RecordFile& file, std::string_view countField, std::string_view names,
                    std::size_t slots) {
    std::int64_t used = 0;
    for (std::size_t i = 0; i < slots; ++i)
        if (!file.text(0, 0, std::string(names) + "[" + std::to_string(i) + "]").empty())
            used = static_cast<std::int64_t>(i) + 1;
    const std::int64_t count = file.number(0, 0, countField);
    if (count != used)
        findings.error(file.entry->path, "0", countField,
                       "the count is " + std::to_string(count) + "; the " + std::string(names) + " names give " +
                           std::to_string(used));
}

}  // namespace

void checkScenarioTerrain(Findings& findings, const DataSets& sets, const ScenarioFiles& files) {
    const RecordFile* file = files.get("scenario-terrain");
    if (!file || file->content.parts[0].records[0].cut()) return;
    using L = scenario::ScenarioTerrainLayout;
    using datasets::Kind;
    const std::array<NameFields, 4> pool{{
        {"forests", "forest type", Kind::TerrainType, L::kForests},
        {"river", "river type", Kind::TerrainType, 0},
        {"bonuses", "terrain bonus", Kind::TerrainBonus, L::kBonuses},
        {"moveIcons", "move icon", Kind::TerrainBonus, L::kIcons},
    }};
    expectEntries(findings, sets, *file, pool);
    expectPictures(findings, *files.index, *file, "terrain", L::kSlots, "terrain type");
    expectPictures(findings, *files.index, *file, "roads", L::kRoads, "road type");
    checkUsedCount(findings, *file, "slotCount", "terrain", L::kSlots);
    checkUsedCount(findings, *file, "roadCount", "roads", L::kRoads);
    checkUsedCount(findings, *file, "forestCount", "forests", L::kForests);
}

void checkScenarioItems(Findings& findings, const DataSets& sets, const ScenarioFiles& files) {
    const RecordFile* file = files.get("scenario-items");
    if (!file) return;
    using L = scenario::ScenarioItemsLayout;
    const std::array<NameFields, 3> pool{{
        {"compulsory", "item", datasets::Kind::Item, L::kGroupNames},
        {"optional", "item", datasets::Kind::Item, L::kGroupNames},
        {"unplaced", "item", datasets::Kind::Item, L::kUnplacedNames},
    }};
    expectEntries(findings, sets, *file, pool);
}

}  // namespace kestrel::check
