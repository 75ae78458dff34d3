#include "app/sample/map.hpp"

#include <tuple>

#include "sample/map_art.hpp"
#include "sample/pcx_writer.hpp"
#include "scenario/area_file.hpp"
#include "scenario/map_file.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_terrain.hpp"

namespace kestrel::app {

namespace {

// The terrain slots of the sample map: grids of cells up to slot 10, blocks of 3x3 cells above.
enum SampleSlot { kPlains = 0, kSea = 1, kHills = 2, kWoods = 11 };

// STRAT_L and STRAT_S of ISLANDS drawn from its map, in place of the
// template pictures New Scenario gave it, so the markers fall on the islands.
bool writeSampleOverviews(const core::DataRoot& root, const core::Bytes& map, const scenario::MapHeader& header) {
    std::vector<sample::OverviewLook> looks;
    for (int y = 0; y < header.height; ++y)
        for (int x = 0; x < header.width; ++x) {
            const scenario::MapCell cell = scenario::readMapCell(map, scenario::mapCellOffset(header, x, y));
            using Look = sample::OverviewLook;
            Look look = Look::Grass;
            if (cell.overlayKind() == 1)
                look = Look::Road;
            else if (cell.terrainSlot() == kSea)
                look = Look::Sea;
            else if (cell.terrainSlot() == kHills)
                look = Look::Hills;
            else if (cell.terrainSlot() == kWoods)
                look = Look::Forest;
            looks.push_back(look);
        }
    for (const auto& [name, width, height] :
         {std::tuple{"STRAT_L.PCX", 200, 250}, std::tuple{"STRAT_S.PCX", 100, 125}}) {
        const auto picture = sample::drawMapOverview(looks, header.width, header.height, width, height);
        if (!root.writeAtomic(scenario::scenarioFile("ISLANDS", name), sample::encodePcx8(picture))) return false;
    }
    return true;
}

// The sample scenario's general data, and a small map of four islands in a
// sea: plains with some hills and woods, a road across the first island, one
// area per island. Written after the scenario itself.
bool writeSampleScenarioData(const core::DataRoot& root) {
    scenario::MiscData misc = scenario::defaultMiscData();
    misc.postGold = "gc";
    misc.maxBonus = 8;
    misc.ruinSets[0] = "TOMBS";
    misc.ruinSets[1] = "TOWERS";
    misc.siteSets[0] = "HARBOURS";
    misc.siteSets[2] = "TEMPLES";
    misc.citySets[0] = "TOWNS";
    misc.citySets[1] = "COAST";
    const scenario::Monster monsters[] = {{"Sea Serpent", 7}, {"Troll", 5},   {"Goblin", 2}, {"Wraith", 6},
                                          {"Giant Crab", 4},  {"Bandits", 3}, {"", 0},       {"Old Dragon", 9}};
    std::copy(std::begin(monsters), std::end(monsters), misc.monsters.begin());

    const scenario::MapSize& size = scenario::mapSizes()[0];
    const scenario::MapHeader header = scenario::mapHeaderFor(size);
    core::Bytes map = scenario::newMapFile(size);
    struct Island {
        int cx, cy, rx, ry;
    };
    const Island islands[] = {{8, 9, 6, 7}, {23, 8, 6, 6}, {9, 29, 6, 7}, {23, 30, 5, 6}};
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            scenario::MapCell cell;
            cell.setTerrainSlot(kSea);
            cell.setVariant((x * 5 + y * 3) % 8);
            for (int i = 0; i < 4; ++i) {
                const auto& is = islands[i];
                const int dx = x - is.cx, dy = y - is.cy;
                if (dx * dx * is.ry * is.ry + dy * dy * is.rx * is.rx > is.rx * is.rx * is.ry * is.ry) continue;
                cell.setArea(i + 1);
                if (dx * dx + dy * dy <= 2)
                    cell.setTerrainSlot(kHills);
                else if (i % 2 == 1 && dy > 1)
                    cell.setTerrainSlot(kWoods);  // blocks of 3x3: variant picks the block
                else
                    cell.setTerrainSlot(kPlains);
                // Grid slots take any of their 32 cells.
                cell.setVariant(cell.terrainSlot() == kWoods ? i : (x * 3 + y * 7) % 32);
            }
            scenario::putMapCell(map, scenario::mapCellOffset(header, x, y), cell);
        }
    // A paved road (road type 0) across the first island and a track (1)
    // down the third, clear of the cities; each road tile's cell joins the
    // road tiles beside it.
    const auto onRoad = [&](int x, int y, int road) {
        if (x < 0 || y < 0 || x >= size.width || y >= size.height) return false;
        const int area = scenario::readMapCell(map, scenario::mapCellOffset(header, x, y)).area();
        return road == 0 ? area == 1 && y == islands[0].cy : area == 3 && x == islands[2].cx + 2;
    };
    for (int road = 0; road < 2; ++road)
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x) {
                if (!onRoad(x, y, road)) continue;
                const int joins = (onRoad(x, y - 1, road) ? sample::kRoadNorth : 0) |
                                  (onRoad(x + 1, y, road) ? sample::kRoadEast : 0) |
                                  (onRoad(x, y + 1, road) ? sample::kRoadSouth : 0) |
                                  (onRoad(x - 1, y, road) ? sample::kRoadWest : 0);
                const std::size_t at = scenario::mapCellOffset(header, x, y);
                scenario::MapCell cell = scenario::readMapCell(map, at);
                cell.setOverlayKind(1);
                cell.setRoadPicture(road);
                cell.setRoadColumn(sample::roadColumnFor(joins));
                cell.setRoadRow(sample::roadRowFor(joins));
                scenario::putMapCell(map, at, cell);
            }
    return scenario::saveMiscData(root, "ISLANDS", misc) &&
           root.writeAtomic(scenario::scenarioFile("ISLANDS", scenario::kMapFile), map) &&
           writeSampleOverviews(root, map, header);
}

// The pictures the map views paint ISLANDS with, its TERRAIN.DAT (slots with
// their classes, roads, forest, river, move bonuses and icons) and its areas.
// Written after the terrain types, whose New gives each the template picture.
bool writeSampleMapArt(const core::DataRoot& root) {
    using sample::GroundLook;
    const std::pair<const char*, sample::IndexedImage> pictures[] = {
        {"WSDATA\\PICTS", sample::drawSymbolSheet()},
        {"TERRAIN\\DATA\\PLAINS", sample::drawGroundSheet(GroundLook::Grass)},
        {"TERRAIN\\DATA\\LAKE", sample::drawGroundSheet(GroundLook::Sea)},
        {"TERRAIN\\DATA\\HILLS", sample::drawGroundSheet(GroundLook::Hills)},
        {"TERRAIN\\DATA\\WOODS", sample::drawBlockSheet(sample::BlockLook::Forest)},
        {"TERRAIN\\DATA\\ROAD", sample::drawRoadSheet(sample::RoadLook::Paved)},
        {"TERRAIN\\DATA\\TRACK", sample::drawRoadSheet(sample::RoadLook::Track)},
    };
    for (const auto& [base, picture] : pictures)
        if (!root.writeAtomic(std::string(base) + ".PCX", sample::encodePcx8(picture))) return false;
    // TRACK has pictures but no terrain type: the dialog shows it as typed.
    scenario::ScenarioTerrain terrain = scenario::newScenarioTerrain();
    const struct {
        SampleSlot slot;
        const char* name;
        std::int16_t first, second;  // classes by their place in the dialog's lists
    } slots[] = {{kPlains, "PLAINS", 0, 0}, {kSea, "LAKE", 1, 1}, {kHills, "HILLS", 0, 6}, {kWoods, "WOODS", 11, 0}};
    for (const auto& s : slots) {
        terrain.terrain[s.slot] = s.name;
        terrain.firstClass[s.slot] = s.first;
        terrain.secondClass[s.slot] = s.second;
    }
    terrain.roads = {"ROAD", "TRACK"};
    terrain.forests[0] = "WOODS";
    terrain.river = "RIVER";
    terrain.bonuses = {"GOLDMINE", "SHRINE", "SHRINE"};
    terrain.bonusTexts = {"Miners know the hill paths", "Pilgrims know the woods", "Guides of hill and wood"};
    terrain.moveIcons = {"SHRINE", "GOLDMINE", "SHRINE"};
    terrain.forestFlags = {0, 1};
    scenario::AreaNames areas;
    const char* names[] = {"The Narrow Seas", "Redmarch", "Bluehaven", "Thornfield", "Wolfmoor"};
    std::copy(std::begin(names), std::end(names), areas.names.begin());
    return scenario::saveScenarioTerrain(root, "ISLANDS", terrain) &&
           root.writeAtomic(scenario::scenarioFile("ISLANDS", scenario::kAreaFile), scenario::writeAreaNames(areas));
}

}  // namespace

bool writeSampleMap(const core::DataRoot& root) { return writeSampleScenarioData(root) && writeSampleMapArt(root); }

}  // namespace kestrel::app
