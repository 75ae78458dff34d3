#include "app/sample_root.hpp"

#include <tuple>

#include "campaign/campaign_file.hpp"
#include "campaign/campaign_text.hpp"
#include "campaign/option_file.hpp"
#include "campaign/reward_file.hpp"
#include "datasets/advisor.hpp"
#include "datasets/army_type.hpp"
#include "datasets/catalogue.hpp"
#include "datasets/catalogue_ops.hpp"
#include "datasets/city_set.hpp"
#include "datasets/flag.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/item.hpp"
#include "datasets/ruin_set.hpp"
#include "datasets/shield.hpp"
#include "datasets/site_set.hpp"
#include "datasets/spell.hpp"
#include "datasets/terrain_bonus.hpp"
#include "datasets/terrain_subtype.hpp"
#include "datasets/terrain_type.hpp"
#include "sample/item_sheet.hpp"
#include "sample/map_art.hpp"
#include "sample/pcx_writer.hpp"
#include "sample/template_art.hpp"
#include "scenario/city_file.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/area_file.hpp"
#include "scenario/map_file.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_header.hpp"
#include "scenario/scenario_items.hpp"
#include "scenario/scenario_terrain.hpp"
#include "scenario/sides.hpp"
#include "scenario/site_file.hpp"
#include "shell/scenario_lifecycle.hpp"
#include "textx/data_export.hpp"
#include "textx/text_reader.hpp"

namespace kestrel::app {

namespace {

// As New makes it, replacing an entry of that name left from before.
bool makeEntry(const core::DataRoot& root, datasets::Kind kind, std::string_view name, const core::Bytes& record) {
    const auto& info = datasets::info(kind);
    datasets::deleteEntry(root, info, name);
    return datasets::createEntry(root, info, name, record) == datasets::NewResult::Created;
}

bool writeCitySets(const core::DataRoot& root) {
    const std::pair<const char*, datasets::CitySet> sets[] = {
        {"TOWNS", datasets::newCitySet()},
        {"HILLS", {{"Cairn", "Hamlet", "Hillfort", "High Keep"}}},
        {"COAST", {{"Wreck", "Fishery", "Harbour", "Sea Gate"}}},
    };
    bool ok = true;
    for (const auto& [name, set] : sets) ok = makeEntry(root, datasets::Kind::CitySet, name, datasets::writeCitySet(set)) && ok;
    return ok;
}

bool writeItems(const core::DataRoot& root) {
    struct Sample {
        const char* entry;
        const char* name;
        const char* description;
        int icon, power, value;
    };
    const Sample samples[] = {
        {"BLADE", "Blade of Embers", "A sword that never cools.", 0, 2, 900},
        {"DAWNRING", "Ring of Dawn", "Glows faintly at sunrise.", 9, 1, 400},
        {"CROWN", "Crown of the Marsh", "Worn by the old fen kings.", 30, 4, 5000},
    };
    bool ok = true;
    for (const auto& s : samples) {
        datasets::Item item = datasets::newItem(s.entry);
        item.name = s.name;
        item.description = s.description;
        item.icon = s.icon;
        item.powerClass = s.power;
        item.value = s.value;
        ok = makeEntry(root, datasets::Kind::Item, s.entry, datasets::writeItem(item)) && ok;
    }
    return ok;
}

datasets::HeroType sampleHero(const char* entry, const char* male, const char* female, const char* description) {
    datasets::HeroType h = datasets::newHeroType(entry);
    h.maleName = male;
    h.femaleName = female;
    h.description = description;
    return h;
}

// The earlier layout has neither the medal chance nor the padding byte
// before the XP table.
core::Bytes earlierHeroLayout(core::Bytes record) {
    record.erase(record.begin() + 975);
    record.erase(record.begin() + 219);
    return record;
}

bool writeHeroTypes(const core::DataRoot& root) {
    datasets::HeroType knight = sampleHero("KNIGHT", "Knight", "Dame", "A sworn blade of the realm.");
    knight.medalChance = -25;
    knight.strength = 5;
    knight.move = 14;
    knight.moveTerrains = {"HILLS", "GRASS", "", ""};
    knight.combatTerrain = "GRASS";
    knight.combatBonus = 1;
    const char* male[] = {"Squire", "Knight", "Banneret", "Baron"};
    const char* female[] = {"Page", "Dame", "Lady Banneret", "Baroness"};
    for (int i = 0; i < 4; ++i) {
        knight.maleLevels[i] = male[i];
        knight.femaleLevels[i] = female[i];
        knight.xp[i] = 100 * i * i;
        knight.ap[i] = i + 1;
    }
    knight.abilities[0] = {1, 1, 0, ""};         // Leadership +1
    knight.abilities[1] = {20, 0, 0, "FIREBALL"};  // Spell FIREBALL
    knight.abilities[2] = {34, 2, 0, ""};        // Giantslayer +2
    knight.costs = {1, 3, 2};
    knight.defaultNames[0] = {"Aldric", false};
    knight.defaultNames[1] = {"Brenna", true};
    knight.defaultNames[2] = {"Corwin", false};
    knight.moveSound = 3;
    knight.facing = 2;
    knight.triggers[0] = 4;
    knight.triggerCounts[0] = 2;

    datasets::HeroType ranger = sampleHero("RANGER", "Ranger", "Huntress", "Scouts the wild roads.");
    ranger.strength = 3;
    ranger.view = 4;
    ranger.moveTerrains[0] = "FOREST";
    ranger.maleLevels[0] = "Tracker";
    ranger.femaleLevels[0] = "Tracker";
    ranger.xp[0] = 50;
    ranger.ap[0] = 1;
    ranger.abilities[0] = {23, 2, 0, ""};  // View Range +2
    ranger.costs[0] = 2;
    ranger.defaultNames[0] = {"Fenn", false};
    ranger.defaultNames[1] = {"Wren", true};

    const bool ok = makeEntry(root, datasets::Kind::HeroType, "KNIGHT", datasets::writeHeroType(knight));
    return makeEntry(root, datasets::Kind::HeroType, "RANGER", earlierHeroLayout(datasets::writeHeroType(ranger))) && ok;
}

bool writeAdvisors(const core::DataRoot& root) {
    datasets::Advisor sage = datasets::newAdvisor();
    sage.texts = {"Hear me, Highness.", "A word, Highness.", "Highness, consider this.", "Mark me well.",
                  "I read the omens:", "The stars say this fight is", "By my reckoning it is", "The bones say it is",
                  "hopeless", "grim", "ill-starred", "hard going", "a close thing, but not ours", "a coin toss",
                  "a close thing, and ours", "promising", "well in hand", "all but won", "already won"};
    const bool ok = makeEntry(root, datasets::Kind::Advisor, "SAGE", datasets::writeAdvisor(sage));
    return makeEntry(root, datasets::Kind::Advisor, "HERALD", datasets::writeAdvisor(datasets::newAdvisor())) && ok;
}

bool writeArmyTypes(const core::DataRoot& root) {
    datasets::ArmyType pikes = datasets::newArmyType("PIKEMEN");
    pikes.name = "Pikemen";
    pikes.description = "Steady foot soldiers with long pikes.";
    pikes.medalChance = 10;
    pikes.strength = 4;
    pikes.move = 10;
    pikes.subtypes = {"FOOT", ""};
    pikes.moveBonuses = {"HILLS", "ROAD", "", ""};
    pikes.combatBonus = "HILLS";
    pikes.combatBonusValue = 1;
    pikes.ability = {37, 1, 0, ""};  // Banding +1
    pikes.moveSound = 2;             // March
    pikes.triggers = {5, 1};         // Select, Group All
    pikes.triggerNumbers = {1, 2};

    datasets::ArmyType griffins = datasets::newArmyType("GRIFFINS");
    griffins.name = "Griffins";
    griffins.description = "Winged hunters of the high crags.";
    griffins.medalChance = 5;
    griffins.strength = 6;
    griffins.move = 20;
    griffins.hits = 3;
    griffins.subtypes = {"FLYER", "BEAST"};
    griffins.moveBonuses[0] = std::string(datasets::kFlyMoveBonus);
    griffins.ability = {4, 1, 0, ""};  // Fear +1
    griffins.newCost = 600;
    griffins.setupPoints = 250;
    griffins.moveSound = 6;  // Flap
    griffins.facing = 2;     // East

    datasets::ArmyType sappers = datasets::newArmyType("SAPPERS");
    sappers.name = "Sappers";
    sappers.description = "Diggers and builders of siege works.";
    sappers.moveBonuses = {"FOREST", "", "", ""};
    sappers.ability = {12, 2, 0, ""};  // Engineer +2
    sappers.moveSound = 8;             // Wagon
    sappers.triggers = {4, 0};         // Attack
    sappers.triggerNumbers = {3, 0};

    // Made before the medal chance was added, and never saved since.
    datasets::ArmyType wolves = datasets::newArmyType("WOLVES");
    wolves.name = "Wolves";
    wolves.description = "A pack from the northern woods.";
    wolves.strength = 3;
    wolves.move = 16;
    wolves.moveBonuses = {"FOREST", "", "", ""};
    wolves.combatBonus = "FOREST";
    wolves.combatBonusValue = 2;
    wolves.moveSound = 7;  // Pad
    wolves.facing = 6;     // West

    bool ok = true;
    for (const auto* army : {&pikes, &griffins, &sappers})
        ok = makeEntry(root, datasets::Kind::ArmyType, army->entryName, datasets::writeArmyType(*army)) && ok;
    const core::Bytes earlier = datasets::writeArmyType(wolves, datasets::kEarlierArmyTypeLayout);
    return makeEntry(root, datasets::Kind::ArmyType, wolves.entryName, earlier) && ok;
}

bool writeSiteSets(const core::DataRoot& root) {
    datasets::SiteSet harbours = datasets::newSiteSet("HARBOURS");
    harbours.name = "Harbours";
    harbours.ability = {19, 0, 0, ""};  // Port
    harbours.canRaze = false;
    harbours.animateNormal = true;
    datasets::SiteSet temples = datasets::newSiteSet("TEMPLES");
    temples.name = "Old Temples";
    temples.ability = {25, 1, 0, ""};  // Bless
    temples.animateRazed = true;
    bool ok = true;
    for (const auto* set : {&harbours, &temples})
        ok = makeEntry(root, datasets::Kind::SiteSet, set->entryName, datasets::writeSiteSet(*set)) && ok;
    return ok;
}

bool writeFlags(const core::DataRoot& root) {
    bool ok = true;
    for (const char* name : {"BANNER", "PENNANT", "STANDARD"})
        ok = makeEntry(root, datasets::Kind::Flag, name, datasets::writeFlag(datasets::newFlag(name))) && ok;
    return ok;
}

bool writeRuinSets(const core::DataRoot& root) {
    bool ok = true;
    for (const auto& [name, removeTop] : {std::pair{"TOMBS", true}, std::pair{"TOWERS", false}})
        ok = makeEntry(root, datasets::Kind::RuinSet, name, datasets::writeRuinSet({name, removeTop})) && ok;
    return ok;
}

bool writeSpells(const core::DataRoot& root) {
    struct Sample {
        const char* entry;
        const char* name;
        const char* description;
        std::int16_t mana;
        datasets::SpecialAbility ability;
    };
    const Sample samples[] = {
        {"FIREBALL", "Fireball", "A ball of flame that scorches a whole stack.", 8, {39, 2, 0, ""}},
        {"HEAL", "Heal", "Closes the wounds of every army in the stack.", 4, {18, 2, 0, ""}},
        {"WOLFCALL", "Call the Wolves", "Summons wolves from the wild to fight.", 12, {22, 2, 1, "WOLVES"}},
    };
    bool ok = true;
    for (const auto& s : samples) {
        datasets::Spell spell = datasets::newSpell(s.entry);
        spell.name = s.name;
        spell.description = s.description;
        spell.manaCost = s.mana;
        spell.abilities[0] = s.ability;
        ok = makeEntry(root, datasets::Kind::Spell, s.entry, datasets::writeSpell(spell)) && ok;
    }
    return ok;
}

// A few features of each kind; LION is one in all three lists.
bool writeShields(const core::DataRoot& root) {
    using K = datasets::ShieldKind;
    struct Sample {
        K kind;
        const char* name;
        const char* heraldicName;
    };
    const Sample samples[] = {
        {K::Base, "GULES", "Gules"},
        {K::Base, "AZURE", "Azure"},
        {K::Base, "LION", "Or, semy of lions"},
        {K::Ordinary, "CROSS", "A cross"},
        {K::Ordinary, "CHEVRON", "A chevron"},
        {K::Ordinary, "LION", "A bend lioned"},
        {K::Charge, "STAR", "A mullet"},
        {K::Charge, "LION", "A lion rampant"},
    };
    bool ok = true;
    for (const auto& s : samples) {
        datasets::Shield shield = datasets::newShield(s.kind, s.name);
        shield.heraldicName = s.heraldicName;
        ok = makeEntry(root, datasets::Kind::Shield, datasets::shieldFileName(s.kind, s.name),
                       datasets::writeShield(shield)) && ok;
    }
    return ok;
}

// Three sides of ISLANDS in play, each with its own armies, heroes, advisor,
// shield and flag from the sample data sets; the other five unused.
bool writeSampleSides(const core::DataRoot& root) {
    scenario::Sides sides = scenario::defaultSides();
    scenario::Side& red = sides[0];
    red.used = true;
    red.name = "Red Kings";
    red.description = "Old lords of the eastern isle, slow to anger and slower to forget.";
    red.shields = {"BGULES", "OLION", "CLION"};
    red.advisor = "SAGE";
    red.regulars = {"PIKEMEN", "GRIFFINS", "", "", "", "", "", ""};
    red.allies[0] = "WOLVES";
    red.mercenaries[0] = "SAPPERS";
    red.heroes = {"KNIGHT", "RANGER", "", ""};
    red.armyFlag = "BANNER";
    red.level = scenario::kLevelKnight;
    red.startingGold = 500;
    red.manaType = 1;  // White
    red.maxMana = 20;
    red.initialMana = 5;

    scenario::Side& blue = sides[1];
    blue.used = true;
    blue.name = "Blue Isles";
    blue.description = "Sea traders who would rather buy a harbour than storm it.";
    blue.shields = {"BAZURE", "OCROSS", "CSTAR"};
    blue.advisor = "HERALD";
    blue.regulars = {"PIKEMEN", "SAPPERS", "", "", "", "", "", ""};
    blue.mercenaries = {"GRIFFINS", "WOLVES", ""};
    blue.heroes = {"RANGER", "", "", ""};
    blue.armyFlag = "PENNANT";
    blue.level = scenario::kLevelLord;
    blue.startingGold = 1500;
    blue.enhanced = true;

    scenario::Side& wolves = sides[2];
    wolves.used = true;
    wolves.name = "Wolf Clans";
    wolves.shields = {"BLION", "OCHEVRON", "CLION"};
    wolves.advisor = "SAGE";
    wolves.regulars = {"WOLVES", "", "", "", "", "", "", ""};
    wolves.heroes = {"KNIGHT", "", "", ""};
    wolves.armyFlag = "STANDARD";
    wolves.level = scenario::kLevelKestrel;
    wolves.stackingLimit = 6;
    wolves.getMercenaries = false;
    wolves.manaType = 3;  // Black
    wolves.maxMana = 40;

    scenario::Side& neutrals = sides[scenario::SidesFileLayout::kNeutrals];
    neutrals.regulars = {"WOLVES", "PIKEMEN", "", "", "", "", "", ""};
    neutrals.stackingLimit = 4;
    return scenario::saveSides(root, "ISLANDS", sides);
}

bool writeTerrainSubtypes(const core::DataRoot& root) {
    const datasets::TerrainSubtype subtypes[] = {
        {"GRASS", "Grassland", "Grass"}, {"HILLS", "Rolling Hills", "Hills"}, {"WATER", "Open Water", "Water"},
        {"FOREST", "Deep Forest", "Forest"}, {"ROAD", "Paved Road", "Road"},
    };
    bool ok = true;
    for (const auto& s : subtypes)
        ok = makeEntry(root, datasets::Kind::TerrainSubtype, s.entryName, datasets::writeTerrainSubtype(s)) && ok;
    return ok;
}

bool writeTerrainBonuses(const core::DataRoot& root) {
    const datasets::TerrainBonus bonuses[] = {{"GOLDMINE", "Gold Mine"}, {"SHRINE", "Shrine of the Old Stones"}};
    bool ok = true;
    for (const auto& b : bonuses)
        ok = makeEntry(root, datasets::Kind::TerrainBonus, b.entryName, datasets::writeTerrainBonus(b)) && ok;
    return ok;
}

bool writeTerrainTypes(const core::DataRoot& root) {
    using C = datasets::TerrainClass;
    struct Sample {
        const char* entry;
        const char* name;
        const char* adjoins;
        const char* first;
        const char* second;
        int moveCost, terrainClass, gridMoveCost, gridClass;
        const char* marks;  // rows of nine columns, 'x' for a real tile
    };
    const Sample samples[] = {
        {"PLAINS", "Plains", "", "GRASS", "", 2, C::kBasic, 0, C::kBasic, "......... ......... ........."},
        {"HILLS", "Hills", "GRASS", "HILLS", "GRASS", 3, C::kBasic, 3, C::kBasic, "......... .x..x..x. ........."},
        {"LAKE", "Lake", "GRASS", "WATER", "", 9, C::kWater, 0, C::kWater, "......... ......... ........."},
        {"ROAD", "Road", "GRASS", "ROAD", "GRASS", 1, C::kRoad, 1, C::kRoad, ".x..x..x. xxxxxxxxx .x..x..x."},
        {"WOODS", "Woods", "GRASS", "FOREST", "", 3, C::kForest, 4, C::kForest, "xxx.x.xxx x.x.x.x.x xxx.x.xxx"},
        {"RIVER", "River", "WATER", "WATER", "GRASS", 5, C::kRiver, 5, C::kRiver, "x.....x.x .x...x..x ..x.x...x"},
    };
    bool ok = true;
    for (const auto& s : samples) {
        datasets::TerrainType t = datasets::newTerrainType(s.entry);
        t.name = s.name;
        t.adjoins = s.adjoins;
        t.subtypes = {s.first, s.second};
        t.moveCost = s.moveCost;
        t.terrainClass = s.terrainClass;
        t.gridMoveCost = s.gridMoveCost;
        t.gridClass = s.gridClass;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 9; ++c) t.marks[c][r] = s.marks[r * 10 + c] == 'x';
        ok = makeEntry(root, datasets::Kind::TerrainType, s.entry, datasets::writeTerrainType(t)) && ok;
    }
    return ok;
}

// The world MIDLANDS and the scenario ISLANDS in it, made as New World and
// New Scenario make them, then named as the general data dialog would.
bool writeSampleScenario(const core::DataRoot& root) {
    const std::string worldHeader = scenario::worldFile("MIDLANDS", scenario::kWorldHeaderFile);
    const std::string header = scenario::scenarioFile("ISLANDS", scenario::kScenarioHeaderFile);
    root.remove(worldHeader);
    root.remove(header);
    if (shell::createWorld(root, "MIDLANDS") != shell::CreateResult::Created ||
        shell::createScenario(root, "ISLANDS") != shell::CreateResult::Created)
        return false;
    const scenario::WorldHeader world = scenario::newWorldHeader("MIDLANDS");
    scenario::ScenarioHeader isles = scenario::newScenarioHeader("ISLANDS");
    isles.worldFolder = world.folder;
    isles.worldName = world.name;
    isles.name = "The Isles";
    isles.author = "Kestrel Sample";
    isles.description = "Four islands and the narrow seas between them. Hold the harbours to hold the isles.";
    return root.writeAtomic(header, scenario::writeScenarioHeader(isles)) &&
           root.writeAtomic(scenario::scenarioFile("ISLANDS", scenario::kWorldHeaderFile),
                            scenario::writeWorldHeader(world));
}

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
            if (cell.overlayKind() == 1) look = Look::Road;
            else if (cell.terrainSlot() == kSea) look = Look::Sea;
            else if (cell.terrainSlot() == kHills) look = Look::Hills;
            else if (cell.terrainSlot() == kWoods) look = Look::Forest;
            looks.push_back(look);
        }
    for (const auto& [name, width, height] : {std::tuple{"STRAT_L.PCX", 200, 250}, std::tuple{"STRAT_S.PCX", 100, 125}}) {
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
    const scenario::Monster monsters[] = {{"Sea Serpent", 7}, {"Troll", 5}, {"Goblin", 2}, {"Wraith", 6},
                                          {"Giant Crab", 4},  {"Bandits", 3}, {"", 0},      {"Old Dragon", 9}};
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

// Six cities on the four islands of ISLANDS, producing the sample's army
// types (GRIFFINS is no neutral army: the city dialog shows it as typed); a
// capital for each side in play and the first owners of three cities.
bool writeSampleCities(const core::DataRoot& root) {
    struct Sample {
        const char* name;
        const char* description;
        int x, y, level, income, manaType, mana, cityType, chance;
        std::array<std::string, 4> production;
    };
    const Sample samples[] = {
        {"Ravenholm", "Seat of the Red Kings, walled in grey stone above the harbour.", 6, 6, 3, 30, 1, 10, 2, 100,
         {"PIKEMEN", "GRIFFINS", "", ""}},
        {"Saltmere", "Salt pans and fishing boats on the road east.", 10, 10, 1, 12, 0, 0, 0, 100,
         {"PIKEMEN", "", "", ""}},
        {"Greywater", "Harbour town of the Blue Isles.", 22, 5, 2, 25, 2, 6, 1, 100, {"PIKEMEN", "SAPPERS", "", ""}},
        {"Eastport", "", 25, 10, 1, 10, 0, 0, 1, 80, {"SAPPERS", "", "", ""}},
        {"Thornwick", "A village in the thorn woods.", 8, 27, 1, 8, 0, 0, 3, 60, {"WOLVES", "", "", ""}},
        {"Wolfden", "Where the clans gather before the hunt.", 22, 31, 2, 18, 3, 15, 3, 100,
         {"WOLVES", "WOLVES", "", ""}},
    };
    std::vector<scenario::City> cities;
    for (const auto& s : samples) {
        scenario::City c;
        c.name = s.name;
        c.description = s.description;
        c.x = s.x;
        c.y = s.y;
        c.level = s.level;
        c.income = s.income;
        c.manaType = s.manaType;
        c.mana = s.mana;
        c.cityType = s.cityType;
        c.chance = s.chance;
        c.production = s.production;
        cities.push_back(c);
    }
    const auto record = [](int side, const char* city, int chance, std::array<std::string, 4> production) {
        return scenario::CityIniRecord{chance, side, city, std::move(production)};
    };
    scenario::CityIni ini;
    ini.capitals = {record(0, "Ravenholm", 100, {"PIKEMEN", "GRIFFINS", "", ""}),
                    record(1, "Greywater", 100, {"SAPPERS", "", "", ""}),
                    record(2, "Wolfden", 70, {"WOLVES", "", "", ""}),
                    record(2, "Thornwick", 30, {"WOLVES", "", "", ""})};
    ini.owners = {record(0, "Saltmere", 100, {"PIKEMEN", "", "", ""}),
                  record(1, "Eastport", 75, {"SAPPERS", "", "", ""}),
                  record(8, "Thornwick", 50, {"WOLVES", "", "", ""})};
    return scenario::saveCities(root, "ISLANDS", cities) && scenario::saveCityIni(root, "ISLANDS", ini);
}

// Five ruins and four sites on the islands of ISLANDS, off the cities' tiles,
// of the ruin and site sets its general data names.
bool writeSampleRuinsSites(const core::DataRoot& root) {
    using namespace scenario;
    const auto ruin = [](const char* name, const char* description, int type, int chance, MapPosition at, int guard,
                         std::initializer_list<RuinFlag> flags) {
        ScenarioRuin r;
        r.head = {name, description, static_cast<std::int16_t>(type), static_cast<std::int16_t>(chance), at};
        r.guard = static_cast<std::int16_t>(guard);
        for (const auto flag : flags) r.flags[flag] = 1;
        return r;
    };
    std::vector<ScenarioRuin> ruins{
        ruin("Barrow of Kings", "Old kings sleep under the turf, and so does their gold.", 0, 100, {4, 8}, 1,
             {kRewardGold, kRewardItem, kAGrade}),
        ruin("Drowned Tower", "Half the tower stands in the sea at high tide.", 1, 75, {27, 7}, -1,
             {kRewardMana, kWhiteMana}),
        ruin("Old Crypt", "Looted long ago; only the wind searches it now.", 0, 50, {6, 33}, -2, {kRuinEmpty}),
        ruin("Dragon Hoard", "A cave that smells of smoke and old coins.", 1, 100, {25, 34}, 7,
             {kRewardGold, kRewardItem, kRewardAllies, kSpecialRuin}),
        ruin("Sage's Cairn", "A hermit keeps the stones and answers one question a year.", 0, 90, {8, 4}, 2,
             {kRewardSage, kGrayMana}),
    };
    ruins[0].ability = {1, 1, 0, ""};         // Leadership +1
    ruins[1].ability = {23, 2, 0, ""};        // View +2
    ruins[3].ability = {22, 1, 0, "WOLVES"};  // Summon
    ruins[3].specialFile = "HOARD";
    const std::vector<ScenarioSite> sites{
        {{"Gull Harbour", "Ships from the western isles put in here.", 0, 100, {13, 9}}},
        {{"Moon Temple", "Pilgrims climb the steps at every full moon.", 2, 80, {20, 9}}},
        {{"Burnt Harbour", "Burnt in the last war; the quays still stand.", 0, 100, {19, 29}}, 1},
        {{"Shrine of Waves", "", 2, 60, {11, 33}}},
    };
    return saveRuins(root, "ISLANDS", ruins) && saveSites(root, "ISLANDS", sites);
}

// How the three sides of ISLANDS stand at the start: standings both ways
// between the kings and the isles, war and an index value from the clans.
bool writeSampleDiplomacy(const core::DataRoot& root) {
    using scenario::kIndexValueKind, scenario::kStandingKind;
    const std::vector<scenario::Relation> relations{
        {60, 0, 1, kStandingKind, 1},      // Red Kings at peace with Blue Isles
        {100, 1, 0, kStandingKind, 0},     // Blue Isles allied with Red Kings
        {80, 2, 0, kStandingKind, 3},      // Wolf Clans at war with Red Kings
        {50, 2, 1, kIndexValueKind, -40},  // Wolf Clans towards Blue Isles
    };
    return scenario::saveDiplomacy(root, "ISLANDS", relations);
}

// The item pool of ISLANDS: the blade must be placed, the ring and the crown
// may be, one time in two.
bool writeSampleItemPool(const core::DataRoot& root) {
    scenario::ScenarioItems items;
    items.optionalChance = 50;
    items.compulsory[0] = "BLADE";
    items.optional[0] = "DAWNRING";
    items.optional[1] = "CROWN";
    return scenario::saveScenarioItems(root, "ISLANDS", items);
}

// Where things start on ISLANDS: heroes and armies of the three sides, two
// neutral groups, and the item pool's three items with a hero, in a ruin and
// on the ground. The kings' first hero shares a tile with their pikemen.
bool writeSamplePlacements(const core::DataRoot& root) {
    using scenario::ArmyPlacement, scenario::HeroPlacement, scenario::ItemPlacement;
    const auto hero = [](int side, const char* name, bool female, int heroClass, int level, int chance,
                         scenario::MapPosition at, datasets::SpecialAbility ability) {
        HeroPlacement h;
        h.side = static_cast<std::int16_t>(side);
        h.name = name;
        h.female = female;
        h.heroClass = static_cast<std::int16_t>(heroClass);
        h.level = static_cast<std::int16_t>(level);
        h.chance = static_cast<std::int16_t>(chance);
        h.at = at;
        h.abilities[0] = std::move(ability);
        return h;
    };
    std::vector<HeroPlacement> heroes{
        hero(0, "Sir Aldric", false, 0, 2, 100, {7, 12}, {1, 1, 0, ""}),  // Leadership +1
        hero(0, "Lady Wren", true, 1, 0, 60, {9, 13}, {3, 1, 0, ""}),     // Morale +1
        hero(1, "Marina", true, 0, 1, 100, {21, 10}, {15, 0, 0, ""}),     // Speed
        hero(2, "Grimtooth", false, 0, 3, 80, {24, 28}, {4, 2, 0, ""}),   // Fear +2
    };
    heroes[0].experience = 120;
    heroes[0].strength = 5;
    heroes[2].allTerrain = 1;
    heroes[3].abilities[1] = {30, 1, 0, ""};  // First Strike +1
    const auto army = [](int side, int number, const char* name, scenario::MapPosition at, int chance) {
        return ArmyPlacement{static_cast<std::int16_t>(chance), at, static_cast<std::int16_t>(number),
                             static_cast<std::int16_t>(side), name};
    };
    const std::vector<ArmyPlacement> armies{
        army(0, 2, "PIKEMEN", {7, 12}, 100), army(0, 1, "GRIFFINS", {5, 10}, 75),
        army(1, 3, "SAPPERS", {21, 10}, 100), army(2, 4, "WOLVES", {20, 30}, 90),
        army(8, 6, "WOLVES", {12, 31}, 100),  army(8, 2, "PIKEMEN", {4, 13}, 50),
    };
    const std::vector<ItemPlacement> items{
        {"BLADE", 0, 1, 0, 100, {0, 0}, "Sir Aldric"},
        {"DAWNRING", 0, 0, 1, 50, {0, 0}, "Barrow of Kings"},
        {"CROWN", 1, 0, 0, 75, {12, 12}, ""},
    };
    return scenario::saveHeroPlacements(root, "ISLANDS", heroes) &&
           scenario::saveArmyPlacements(root, "ISLANDS", armies) &&
           scenario::saveItemPlacements(root, "ISLANDS", items);
}

// The campaign ISLES: two episodes on ISLANDS in the world MIDLANDS, with
// their texts, a loss text, a reward after the first, options for both.
bool writeSampleCampaign(const core::DataRoot& root) {
    campaign::Campaign saga = campaign::newCampaign("ISLES");
    saga.name = "The Isles Saga";
    saga.episodes = 2;
    saga.rows[0] = {"ISLANDS", "SAILS", "LANDING", "START1", "END1"};
    saga.rows[1] = {"ISLANDS", "", "CROWNING", "START2", "END2"};
    saga.world = "MIDLANDS";
    const auto write = [&](std::string_view file, const core::Bytes& bytes) {
        return root.writeAtomic(campaign::campaignPath("ISLES", file), bytes);
    };
    const auto text = [&](std::string_view file, std::string_view lines) {
        return write(file, campaign::writeCampaignText(lines));
    };
    campaign::Reward reward;
    reward.count = 2;
    reward.kinds = {1, 2, 0, 0};  // Strength, Move
    reward.amounts = {2, 1, 0, 0};
    campaign::Options foggy = campaign::defaultOptions();
    for (std::size_t i = 0; i < campaign::kOptionFields.size(); ++i)
        if (campaign::kOptionFields[i].label == "Fog of War") foggy.values[i] = 1;
    return makeEntry(root, datasets::Kind::Campaign, "ISLES", campaign::writeCampaign(saga)) &&
           write(campaign::kCampaignWorldFile, campaign::writeCampaignWorld(saga.world)) &&
           text("START1.TXT", "The Red Kings sail for the isles.\r\nTake the harbour before winter.") &&
           text("END1.TXT", "The harbour is yours.\r\n") &&
           text("START2.TXT", "The Wolf Clans gather in the north.") &&
           text("END2.TXT", "The isles are one crown.") &&
           text(campaign::lossTextName(0), "The fleet turns home in shame.") &&
           write(campaign::rewardFileName(0), campaign::writeReward(reward)) &&
           write(campaign::optionFileName(0), campaign::writeOptions(campaign::defaultOptions())) &&
           write(campaign::optionFileName(1), campaign::writeOptions(foggy));
}

// A translator's file for Import Data: the sample's own export with some of
// its texts in French (Windows-1252) on their "#LOC:" lines, the rest left.
bool writeSampleTranslation(const core::DataRoot& root) {
    struct Translation {
        std::string_view id, tag, text;
    };
    static constexpr Translation kFrench[] = {
        {"City\\HILLS.CIT", "#LVL1:", "Hameau"},
        {"City\\HILLS.CIT", "#LVL2:", "Fort des collines"},
        {"City\\HILLS.CIT", "#LVL3:", "Haut donjon"},
        {"Army\\PIKEMEN.ARM", "#NAME:", "Piquiers"},
        {"Hero\\RANGER.HER", "#NAME(M):", "R\xF4" "deur"},
        {"Hero\\RANGER.HER", "#NAME(F):", "Chasseresse"},
        {"Hero\\RANGER.HER", "#LVL1(M):", "Pisteur"},
        {"Items\\BLADE.ITM", "#NAME:", "Lame des Braises"},
        {"Items\\BLADE.ITM", "#DESC:", "Une \xE9p\xE9" "e qui ne refroidit jamais."},
        {"Spell\\FIREBALL.SPL", "#NAME:", "Boule de feu"},
    };
    const std::string exported = textx::dataSetText(root);
    std::string text, id;
    std::string_view translation;
    for (std::size_t at = 0; at < exported.size();) {
        const std::size_t end = exported.find("\r\n", at);
        std::string line = exported.substr(at, end - at);
        at = end + 2;
        const textx::Classified c = textx::classify(line);
        if (c.kind == textx::LineKind::Id) id = c.path;
        if (!translation.empty()) line.insert(line.find("<>") + 1, translation);  // the "#LOC:" line
        translation = {};
        for (const Translation& t : kFrench)
            if (c.kind == textx::LineKind::Tag && t.id == id && t.tag == c.tag) translation = t.text;
        (text += line) += "\r\n";
    }
    return root.makeDirectory("TRANSLAT") &&
           root.writeAtomic("TRANSLAT\\DATA_FR.TXT", core::Bytes(text.begin(), text.end()));
}

}  // namespace

bool writeSampleRoot(const core::DataRoot& root) {
    // Pictures first: New copies the templates into every entry it makes.
    return sample::writeTemplatePictures(root) && sample::writeItemSheet(root) && writeCitySets(root) &&
           writeArmyTypes(root) && writeSiteSets(root) && writeFlags(root) &&
           writeHeroTypes(root) && writeAdvisors(root) &&
           writeItems(root) && writeRuinSets(root) && writeTerrainSubtypes(root) && writeTerrainBonuses(root) &&
           writeTerrainTypes(root) && writeSpells(root) && writeShields(root) && writeSampleScenario(root) &&
           writeSampleScenarioData(root) && writeSampleMapArt(root) &&
           writeSampleSides(root) && writeSampleCities(root) && writeSampleRuinsSites(root) &&
           writeSampleDiplomacy(root) && writeSampleItemPool(root) && writeSamplePlacements(root) &&
           writeSampleCampaign(root) && writeSampleTranslation(root);
}

}  // namespace kestrel::app
