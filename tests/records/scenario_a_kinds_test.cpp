// The golden texts of a scenario's headers, general data, sides, areas,
// terrain and items, and of the map editor's hand-off; which kind a file's
// name picks.
#include <variant>

#include "campaign/campaign_file.hpp"
#include "records/file_json.hpp"
#include "records_testing.hpp"
#include "scenario/area_file.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/scenario_header.hpp"
#include "scenario/scenario_items.hpp"
#include "scenario/scenario_terrain.hpp"
#include "scenario/sides.hpp"
#include "shell/map_handoff.hpp"

namespace kestrel::records {
namespace {

TEST(ScenarioKindNames, ExactBaseNamesOfAnyCaseAndGitsTemporaryNames) {
    const struct {
        std::string_view file, kind;
    } cases[] = {
        {"TERRAIN.DAT", "scenario-terrain"}, {"item.dat", "scenario-items"},
        {"Xy12Ab_SIDES.DAT", "sides"},       {"SCENARIO\\ISLANDS\\SCENARIO.DAT", "scenario"},
        {"WORLD/NORTH/World.Dat", "world"},  {"misc.dat", "misc-data"},
        {"Q1w2E3_AREA.DAT", "areas"},        {"EDIT.DAT", "map-handoff"},
    };
    for (const auto& c : cases) {
        const FileKind* kind = kindOfFile(c.file);
        ASSERT_NE(kind, nullptr) << c.file;
        EXPECT_EQ(kind->name, c.kind) << c.file;
    }
    // Data-set records go by their extension, not by these names.
    for (const std::string_view file : {"PLAINS.TER", "SWORD.ITM", "TERRAIN.DA", "MYTERRAIN.DAT"}) {
        const FileKind* kind = kindOfFile(file);
        EXPECT_TRUE(!kind || (kind->name != "scenario-terrain" && kind->name != "scenario-items")) << file;
    }
}

TEST(ShownRecords, ScenarioHeaderWithAWorldAndJunkBehindTheAuthor) {
    scenario::ScenarioHeader header = scenario::newScenarioHeader("ISLANDS");
    header.worldFolder = "NORTH";
    header.worldName = "The Northlands";
    header.name = "Island Hopping";
    header.description = "Six isles,\r\ntwo crowns.";
    core::Bytes file = scenario::writeScenarioHeader(header);
    file[88 + 5] = 0x21;  // behind "Me"
    testing::expectShownAs("scenario", file, "scenario_header");
}

TEST(ShownRecords, WorldHeaderOfAWorldAndOfACampaignAlike) {
    core::Bytes file = scenario::writeWorldHeader(scenario::newWorldHeader("NORTH"));
    EXPECT_EQ(campaign::writeCampaignWorld("NORTH"), file);
    file[11] = 0x07;  // behind the folder name
    testing::expectShownAs("world", file, "world_header");
}

TEST(ShownRecords, MiscDataWithSetsMonstersAndAPaddingByte) {
    scenario::MiscData data = scenario::defaultMiscData();
    data.preGold = "$";
    data.maxBonus = 12;
    data.ruinSets[0] = "CRYPTS";
    data.siteSets[7] = "SHRINES";
    data.monsters[1] = {"Stone Troll", 9};
    data.citySets = {"STONE", "", "", "None"};
    core::Bytes file = scenario::writeMiscData(data);
    file[347] = 0x01;  // the padding byte
    testing::expectShownAs("misc-data", file, "misc_data");
}

// The file is cut inside the second side: the neutrals' record is missing.
TEST(ShownRecords, SidesWithLevelManaGoldReservedBytesAndACut) {
    scenario::Sides sides = scenario::defaultSides();
    scenario::Side& red = sides[0];
    red.used = true;
    red.name = "Red Kingdom";
    red.description = "Lords of the \"burning\" coast";
    red.shields = {"BRED", "ORED", "CRED"};
    red.advisor = "SAGE";
    red.stackingLimit = 6;
    red.manaType = 1;
    red.maxMana = 40;
    red.initialMana = 10;
    red.level = scenario::kLevelLord;
    red.startingGold = 2500;
    red.enhanced = true;
    red.regulars = {"PIKEMEN", "ARCHERS", "", "", "", "", "", "KNIGHTS"};
    red.allies = {"DRAGON", "", "", ""};
    red.mercenaries = {"ORCS", "", ""};
    red.ship = "GALLEY";
    red.heroes = {"WARLORD", "", "", "WIZARD"};
    red.armyFlag = "REDFLAG";
    red.reserved.at188[0] = 0x11;
    red.reserved.at229[30] = 0x22;
    sides[1].level = 7;  // no name
    sides[1].startingGold = -1;
    core::Bytes file = scenario::writeSides(sides);
    file.resize(scenario::SideLayout::kSize + 230);
    testing::expectShownAs("sides", file, "sides");
}

// Starting gold takes any signed 32-bit value and nothing beyond.
TEST(SidesJson, StartingGoldIsSigned32Bit) {
    const core::Bytes file = scenario::writeSides(scenario::defaultSides());
    const std::string json = fileToJson(testing::kind("sides"), file);
    const std::string key = "\"side[2].startingGold\": 100";
    const std::size_t at = json.find(key);
    ASSERT_NE(at, std::string::npos);
    const auto withGold = [&](std::string_view gold) {
        return fileFromJson(testing::kind("sides"), json.substr(0, at) + "\"side[2].startingGold\": " +
                                                        std::string(gold) + json.substr(at + key.size()));
    };
    const auto negative = withGold("-5");
    ASSERT_TRUE(std::holds_alternative<core::Bytes>(negative));
    core::Bytes expected = file;
    const std::size_t gold = 2 * scenario::SideLayout::kSize + 220;
    expected[gold] = 0xFB;
    expected[gold + 1] = expected[gold + 2] = expected[gold + 3] = 0xFF;
    EXPECT_EQ(std::get<core::Bytes>(negative), expected);

    const auto tooMuch = withGold("2147483648");
    ASSERT_TRUE(std::holds_alternative<JsonRefusal>(tooMuch));
    EXPECT_EQ(std::get<JsonRefusal>(tooMuch).message,
              "2147483648 does not fit the field (from -2147483648 to 2147483647)");
}

// The file is cut inside the fourth area.
TEST(ShownRecords, AreasWithBytesBeyondTheNameAndACut) {
    scenario::AreaNames areas;
    areas.names[0] = "Misty Vale";
    areas.names[2] = "Highmarch Reach";  // 15 characters and the NUL
    core::Bytes file = scenario::writeAreaNames(areas);
    file[34 + 20] = 0x33;  // area 1, behind its name field
    file[11] = 0x44;       // behind "Misty Vale"
    file.resize(3 * scenario::AreaLayout::kRecordSize + 5);
    testing::expectShownAs("areas", file, "areas");
}

TEST(ShownRecords, ScenarioTerrainWithClassesTextsAndTheUntouchedByte) {
    scenario::ScenarioTerrain terrain = scenario::newScenarioTerrain();
    terrain.terrain[0] = "GRASS";
    terrain.terrain[1] = "SEA";
    terrain.terrain[20] = "LAVA";
    terrain.firstClass[1] = 1;
    terrain.secondClass[20] = 12;  // no name
    terrain.roads = {"ROAD", ""};
    terrain.forests = {"PINES", "", "OAKS", ""};
    terrain.bonuses = {"HILLS", "MARSH", "BOTH"};
    terrain.bonusTexts = {"Hill walkers", "Marsh striders", ""};
    terrain.moveIcons = {"WAVES", "SAIL", "WINGS"};
    terrain.river = "RIVER";
    terrain.untouched = 0x7F;
    core::Bytes file = scenario::writeScenarioTerrain(terrain);
    file[361 + 31] = 0x55;  // behind "Marsh striders"
    testing::expectShownAs("scenario-terrain", file, "scenario_terrain");
}

TEST(ShownRecords, ScenarioItemsWithJunkBehindAName) {
    scenario::ScenarioItems items;
    items.optionalChance = 35;
    items.compulsory[0] = "CROWN";
    items.compulsory[15] = "ORB";
    items.optional[3] = "SWORD";
    items.unplaced[7] = "GRAIL";
    core::Bytes file = scenario::writeScenarioItems(items);
    file[290 + 7 * 9 + 8] = 0x66;  // behind "GRAIL"
    testing::expectShownAs("scenario-items", file, "scenario_items");
}

TEST(ShownRecords, MapHandoffWithJunkInItsLastByte) {
    core::Bytes file = shell::handoffRecord("ISLANDS");
    file[15] = 0x77;
    testing::expectShownAs("map-handoff", file, "map_handoff");
}

}  // namespace
}  // namespace kestrel::records
