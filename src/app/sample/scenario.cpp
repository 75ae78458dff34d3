#include "app/sample/scenario.hpp"

#include "app/sample/map.hpp"
#include "scenario/city_file.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_header.hpp"
#include "scenario/scenario_items.hpp"
#include "scenario/sides.hpp"
#include "scenario/site_file.hpp"
#include "shell/scenario_lifecycle.hpp"

namespace kestrel::app {

namespace {

// The world MIDLANDS and the scenario ISLANDS in it, made as New World and
// New Scenario make them, then named as the general data dialog would.
bool writeScenarioHeaders(const core::DataRoot& root) {
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
        {"Ravenholm",
         "Seat of the Red Kings, walled in grey stone above the harbour.",
         6,
         6,
         3,
         30,
         1,
         10,
         2,
         100,
         {"PIKEMEN", "GRIFFINS", "", ""}},
        {"Saltmere",
         "Salt pans and fishing boats on the road east.",
         10,
         10,
         1,
         12,
         0,
         0,
         0,
         100,
         {"PIKEMEN", "", "", ""}},
        {"Greywater", "Harbour town of the Blue Isles.", 22, 5, 2, 25, 2, 6, 1, 100, {"PIKEMEN", "SAPPERS", "", ""}},
        {"Eastport", "", 25, 10, 1, 10, 0, 0, 1, 80, {"SAPPERS", "", "", ""}},
        {"Thornwick", "A village in the thorn woods.", 8, 27, 1, 8, 0, 0, 3, 60, {"WOLVES", "", "", ""}},
        {"Wolfden",
         "Where the clans gather before the hunt.",
         22,
         31,
         2,
         18,
         3,
         15,
         3,
         100,
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
        army(0, 2, "PIKEMEN", {7, 12}, 100), army(0, 1, "GRIFFINS", {5, 10}, 75), army(1, 3, "SAPPERS", {21, 10}, 100),
        army(2, 4, "WOLVES", {20, 30}, 90),  army(8, 6, "WOLVES", {12, 31}, 100), army(8, 2, "PIKEMEN", {4, 13}, 50),
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

}  // namespace

bool writeSampleScenario(const core::DataRoot& root) {
    return writeScenarioHeaders(root) && writeSampleMap(root) && writeSampleSides(root) && writeSampleCities(root) &&
           writeSampleRuinsSites(root) && writeSampleDiplomacy(root) && writeSampleItemPool(root) &&
           writeSamplePlacements(root);
}

}  // namespace kestrel::app
