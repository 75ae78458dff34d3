#include <map>

#include "check/scenario_parts.hpp"
#include "scenario/map_file.hpp"
#include "scenario/scenario_terrain.hpp"

namespace kestrel::check {

namespace {

std::string sizesText() {
    std::string text;
    const auto sizes = scenario::mapSizes();
    for (std::size_t i = 0; i < sizes.size(); ++i)
        text += (i == 0                  ? ""
                 : i + 1 == sizes.size() ? " or "
                                         : ", ") +
                std::to_string(sizes[i].width) + " x " + std::to_string(sizes[i].height);
    return text;
}

// The editor makes six sizes and reads every other field from the width.
bool checkHeader(Findings& findings, const RecordFile& map) {
    const std::int64_t width = map.number(0, 0, "width"), height = map.number(0, 0, "height");
    const scenario::MapSize* size = nullptr;
    for (const scenario::MapSize& s : scenario::mapSizes())
        if (s.width == width && s.height == height) size = &s;
    if (!size) {
        findings.error(map.entry->path, "header", "width",
                       "the map is " + std::to_string(width) + " x " + std::to_string(height) +
                           "; the editor makes maps of " + sizesText());
        return false;
    }
    const std::array<std::pair<std::string_view, int>, 3> derived{
        {{"stride", size->stride}, {"strideShift", size->strideShift}, {"cellCount", size->cellCount}}};
    bool sound = true;
    for (const auto& [field, expected] : derived)
        if (map.number(0, 0, field) != expected) {
            findings.error(map.entry->path, "header", field,
                           "the " + std::string(field) + " is " + std::to_string(map.number(0, 0, field)) +
                               "; a map of " + std::to_string(width) + " x " + std::to_string(height) + " has " +
                               std::to_string(expected));
            sound = false;
        }
    return sound;
}

struct SlotUse {
    std::size_t firstTile = 0, tiles = 0;
};

std::string tilesText(std::size_t n) { return std::to_string(n) + (n == 1 ? " tile uses" : " tiles use"); }

}  // namespace

void checkMap(Findings& findings, const ScenarioFiles& files) {
    const RecordFile* map = files.get("map");
    const auto bounds = mapBounds(files);
    if (!map || !bounds || !checkHeader(findings, *map)) return;
    const std::int64_t stride = map->number(0, 0, "stride");
    std::map<std::int64_t, SlotUse> slots;
    for (std::size_t i = 0; i < map->records(1); ++i) {
        if (static_cast<std::int64_t>(i) % stride >= bounds->width) continue;  // stored, but off the map
        SlotUse& use = slots[map->number(1, i, "terrainSlot")];
        if (use.tiles++ == 0) use.firstTile = i;
    }
    const RecordFile* terrain = files.get("scenario-terrain");
    if (files.unsound("scenario-terrain")) return;
    for (const auto& [slot, use] : slots) {
        const std::string at = recordLabel(map->content, 1, use.firstTile);
        const std::string slotText = "terrain slot " + std::to_string(slot);
        if (slot >= static_cast<std::int64_t>(scenario::ScenarioTerrainLayout::kSlots))
            findings.error(map->entry->path, at, "terrainSlot",
                           slotText + " is not one of the " + std::to_string(scenario::ScenarioTerrainLayout::kSlots) +
                               " slots; " + tilesText(use.tiles) + " it");
        else if (!terrain)
            findings.error(
                map->entry->path, at, "terrainSlot",
                "the scenario has no TERRAIN.DAT to paint " + slotText + " with; " + tilesText(use.tiles) + " it");
        else if (terrain->text(0, 0, "terrain[" + std::to_string(slot) + "]").empty())
            findings.error(map->entry->path, at, "terrainSlot",
                           slotText + " names no terrain type in TERRAIN.DAT; " + tilesText(use.tiles) + " it");
    }
}

}  // namespace kestrel::check
