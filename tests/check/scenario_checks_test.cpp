// A scenario's files against each other, their map, their sides and the data
// sets: one planted fault of every kind, each found alone at its place.
#include <gtest/gtest.h>

#include "check/check_testing.hpp"

namespace kestrel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kIsles = "SCENARIO/ISLANDS/";

// A fault made by changing leaves of one of ISLANDS' record files.
Plant edited(std::string name, const std::string& file, std::string kind, std::function<void(RecordEdit&)> change,
             core::Finding expected) {
    expected.path = kIsles + file;
    return {std::move(name),
            [file, kind, change](const fs::path& root) {
                RecordEdit edit(root, kIsles + file, kind);
                change(edit);
            },
            std::move(expected)};
}

Plant removed(std::string name, const std::string& file, core::Finding expected) {
    return {std::move(name), [file](const fs::path& root) { fs::remove(root / (kIsles + file)); }, std::move(expected)};
}

// Expected findings without their path: edited() puts the file's in.
core::Finding err(std::string record, std::string field, std::string message) {
    return error("", std::move(record), std::move(field), std::move(message));
}
core::Finding warn(std::string record, std::string field, std::string message) {
    return warning("", std::move(record), std::move(field), std::move(message));
}

using Edit = RecordEdit&;

const Plant kFaults[] = {
    // What New Scenario makes.
    removed("NoScenarioHeader", "SCENARIO.DAT",
            error("SCENARIO/ISLANDS", "", "", "the folder has no SCENARIO.DAT; the editor does not know it as a scenario")),
    removed("NoLargeOverview", "STRAT_L.PCX",
            error("SCENARIO/ISLANDS", "", "",
                  "the scenario has no STRAT_L.BMP or STRAT_L.PCX; the placement editors cannot show the map")),
    // The header and the general data.
    edited("WorldMissing", "SCENARIO.DAT", "scenario", [](Edit e) { e.text(0, 0, "world.folder", "NOWHERE"); },
           warn("0", "world.folder", "world 'NOWHERE' does not exist in WORLD")),
    edited("FolderNamedElsewhere", "SCENARIO.DAT", "scenario", [](Edit e) { e.text(0, 0, "folder", "ATLANTIS"); },
           err("0", "folder",
               "the scenario's folder is named 'ATLANTIS'; it lies in 'ISLANDS', and loading it opens the named folder")),
    edited("RuinSetMissing", "MISC.DAT", "misc-data", [](Edit e) { e.text(0, 0, "ruinSets[1]", "CRYPTS"); },
           warn("0", "ruinSets[1]", "ruin set 'CRYPTS' of slot 1 does not exist in RUINS")),
    edited("SiteSetMissing", "MISC.DAT", "misc-data", [](Edit e) { e.text(0, 0, "siteSets[7]", "WELLS"); },
           warn("0", "siteSets[7]", "site set 'WELLS' of slot 7 does not exist in SITES")),
    edited("CitySetMissing", "MISC.DAT", "misc-data", [](Edit e) { e.text(0, 0, "citySets[3]", "HAMLETS"); },
           warn("0", "citySets[3]", "city set 'HAMLETS' of slot 3 does not exist in CITY")),
    edited("MonsterTooStrong", "MISC.DAT", "misc-data", [](Edit e) { e.number(0, 0, "monsters[2].strength", 10); },
           err("0", "monsters[2].strength", "the value 10 is outside 0 to 9")),
    edited("BonusTooHigh", "MISC.DAT", "misc-data", [](Edit e) { e.number(0, 0, "maxBonus", 100); },
           err("0", "maxBonus", "the value 100 is outside 0 to 99")),
    // The sides.
    edited("RegularMissing", "SIDES.DAT", "sides", [](Edit e) { e.text(0, 0, "side[2].regulars[5]", "GRYPHON"); },
           warn("0", "side[2].regulars[5]", "army type 'GRYPHON' of side 2 (Wolf Clans) does not exist in ARMY")),
    edited("NeutralAllyMissing", "SIDES.DAT", "sides", [](Edit e) { e.text(0, 0, "side[8].allies[3]", "KRAKEN"); },
           warn("0", "side[8].allies[3]", "army type 'KRAKEN' of side 8 (Neutrals) does not exist in ARMY")),
    edited("ShipMissing", "SIDES.DAT", "sides", [](Edit e) { e.text(0, 0, "side[1].ship", "GALLEY"); },
           warn("0", "side[1].ship", "army type 'GALLEY' of side 1 (Blue Isles) does not exist in ARMY")),
    edited("HeroTypeMissing", "SIDES.DAT", "sides", [](Edit e) { e.text(0, 0, "side[0].heroes[3]", "PALADIN"); },
           warn("0", "side[0].heroes[3]", "hero type 'PALADIN' of side 0 (Red Kings) does not exist in HERO")),
    edited("AdvisorMissing", "SIDES.DAT", "sides", [](Edit e) { e.text(0, 0, "side[1].advisor", "ORACLE"); },
           warn("0", "side[1].advisor", "advisor 'ORACLE' of side 1 (Blue Isles) does not exist in ADVISOR")),
    edited("FlagMissing", "SIDES.DAT", "sides", [](Edit e) { e.text(0, 0, "side[2].armyFlag", "BANNERS"); },
           warn("0", "side[2].armyFlag", "flag 'BANNERS' of side 2 (Wolf Clans) does not exist in FLAGS")),
    edited("ShieldMissing", "SIDES.DAT", "sides", [](Edit e) { e.text(0, 0, "side[1].shields[2]", "CDRAGON"); },
           warn("0", "side[1].shields[2]", "shield 'CDRAGON' of kind C of side 1 (Blue Isles) does not exist in SHIELD")),
    edited("ShieldOfAnotherKind", "SIDES.DAT", "sides", [](Edit e) { e.text(0, 0, "side[0].shields[0]", "OLION"); },
           warn("0", "side[0].shields[0]",
                "shield 'OLION' of side 0 (Red Kings) is no shield of kind B, whose names begin with B")),
    edited("StackTooHigh", "SIDES.DAT", "sides", [](Edit e) { e.number(0, 0, "side[1].stackingLimit", 9); },
           err("0", "side[1].stackingLimit", "the value 9 is outside 4 to 8")),
    edited("GoldTooMuch", "SIDES.DAT", "sides", [](Edit e) { e.number(0, 0, "side[0].startingGold", 10001); },
           err("0", "side[0].startingGold", "the value 10001 is outside 0 to 10000")),
    edited("ManaTypeUnknown", "SIDES.DAT", "sides", [](Edit e) { e.number(0, 0, "side[2].manaType", 4); },
           err("0", "side[2].manaType", "the value 4 means nothing; expected 0 (None) to 3 (Black)")),
    edited("LevelUnknown", "SIDES.DAT", "sides", [](Edit e) { e.number(0, 0, "side[2].level", 3); },
           err("0", "side[2].level", "the value 3 means nothing; expected -1 (Human) to 2 (Kestrel)")),
    // The map.
    edited("MapOfNoSize", "MAP.DAT", "map", [](Edit e) { e.number(0, 0, "width", 30); },
           err("header", "width",
               "the map is 30 x 40; the editor makes maps of 32 x 40, 40 x 50, 60 x 75, 80 x 100, 100 x 125 or "
               "128 x 160")),
    edited("MapCellCountWrong", "MAP.DAT", "map", [](Edit e) { e.number(0, 0, "cellCount", 1000); },
           err("header", "cellCount", "the cellCount is 1000; a map of 32 x 40 has 1280")),
    edited("TileOnEmptySlot", "MAP.DAT", "map", [](Edit e) { e.number(1, 4 * 32 + 3, "terrainSlot", 15); },
           err("tile[3,4]", "terrainSlot", "terrain slot 15 names no terrain type in TERRAIN.DAT; 1 tile uses it")),
    edited("TileOnNoSlot", "MAP.DAT", "map",
           [](Edit e) {
               e.number(1, 9 * 32 + 30, "terrainSlot", 25);
               e.number(1, 9 * 32 + 31, "terrainSlot", 25);
           },
           err("tile[30,9]", "terrainSlot", "terrain slot 25 is not one of the 22 slots; 2 tiles use it")),
    // Cities, ruins and sites, capitals and owners.
    edited("CityOffTheMap", "CITY.DAT", "cities", [](Edit e) { e.number(0, 2, "x", 40); },
           err("2", "x", "the position (40, 5) is off the map of 32 x 40")),
    // Beyond any map the range says it, once.
    edited("CityBeyondAnyMap", "CITY.DAT", "cities", [](Edit e) { e.number(0, 4, "x", 200); },
           err("4", "x", "the value 200 is outside 0 to 128")),
    edited("CityChanceTooHigh", "CITY.DAT", "cities", [](Edit e) { e.number(0, 1, "chance", 101); },
           err("1", "chance", "the value 101 is outside 0 to 100")),
    edited("CityLevelUnknown", "CITY.DAT", "cities", [](Edit e) { e.number(0, 1, "level", 4); },
           err("1", "level", "the value 4 means nothing; expected 0 (Ruin (0)) to 3 (Citadel (3))")),
    edited("CityProductionMissing", "CITY.DAT", "cities", [](Edit e) { e.text(0, 0, "production[3]", "GOLEMS"); },
           warn("0", "production[3]", "army type 'GOLEMS' does not exist in ARMY")),
    edited("RuinOffTheMap", "RUIN.DAT", "ruins", [](Edit e) { e.number(0, 1, "y", 45); },
           err("1", "y", "the position (27, 45) is off the map of 32 x 40")),
    edited("RuinGuardUnknown", "RUIN.DAT", "ruins", [](Edit e) { e.number(0, 0, "guard", 8); },
           err("0", "guard", "the value 8 is outside -2 to 7")),
    edited("SiteTypeUnknown", "SITE.DAT", "sites", [](Edit e) { e.number(0, 1, "type", 8); },
           err("1", "type", "the value 8 is outside 0 to 7")),
    edited("SiteOffTheMap", "SITE.DAT", "sites", [](Edit e) { e.number(0, 0, "x", 32); },
           err("0", "x", "the position (32, 9) is off the map of 32 x 40")),
    edited("CapitalOfNoCity", "CITY.INI", "capitals-owners", [](Edit e) { e.text(0, 1, "city", "Atlantis"); },
           err("capitals[1]", "city", "city 'Atlantis' is no city of CITY.DAT")),
    edited("OwnerOfNoSide", "CITY.INI", "capitals-owners", [](Edit e) { e.number(1, 0, "side", 9); },
           err("owners[0]", "side", "the value 9 is outside 0 to 8")),
    edited("OwnerProductionMissing", "CITY.INI", "capitals-owners",
           [](Edit e) { e.text(1, 2, "production[1]", "GOLEMS"); },
           warn("owners[2]", "production[1]", "army type 'GOLEMS' does not exist in ARMY")),
    // Item, army and hero placement.
    edited("PlacedItemNotInPool", "ITEM.INI", "item-placements", [](Edit e) { e.text(0, 2, "item", "SCEPTRE"); },
           err("2", "item", "item 'SCEPTRE' is none of the scenario's items in ITEM.DAT")),
    edited("ItemWithNoHero", "ITEM.INI", "item-placements", [](Edit e) { e.text(0, 0, "holder", "Sir Nobody"); },
           err("0", "holder", "hero 'Sir Nobody' is no hero of HERO.INI")),
    edited("ItemInNoRuin", "ITEM.INI", "item-placements", [](Edit e) { e.text(0, 1, "holder", "Lost Vault"); },
           err("1", "holder", "ruin 'Lost Vault' is no ruin of RUIN.DAT")),
    edited("ItemOffTheMap", "ITEM.INI", "item-placements", [](Edit e) { e.number(0, 2, "y", 40); },
           err("2", "y", "the position (12, 40) is off the map of 32 x 40")),
    edited("ItemPlacedNowhere", "ITEM.INI", "item-placements", [](Edit e) { e.number(0, 2, "ground", 0); },
           err("2", "ground", "the item is placed nowhere: neither ground, hero nor ruin is set")),
    edited("ItemRowTooFar", "ITEM.INI", "item-placements", [](Edit e) { e.number(0, 0, "y", 160); },
           err("0", "y", "the value 160 is outside 0 to 159")),
    edited("ArmyNotOfItsSide", "ARMY.INI", "army-placements", [](Edit e) { e.text(0, 3, "army", "PIKEMEN"); },
           err("3", "army", "army type 'PIKEMEN' is none of the army types of side 2 (Wolf Clans) in SIDES.DAT")),
    edited("ArmyOfUnusedSide", "ARMY.INI", "army-placements", [](Edit e) { e.number(0, 0, "side", 3); },
           err("0", "army", "army type 'PIKEMEN' is none of the army types of side 3 (Not Used) in SIDES.DAT")),
    edited("ArmyOffTheMap", "ARMY.INI", "army-placements", [](Edit e) { e.number(0, 1, "x", 32); },
           err("1", "x", "the position (32, 10) is off the map of 32 x 40")),
    edited("ArmyTooMany", "ARMY.INI", "army-placements", [](Edit e) { e.number(0, 2, "number", 9); },
           err("2", "number", "the value 9 is outside 0 to 8")),
    edited("HeroOffTheMap", "HERO.INI", "hero-placements", [](Edit e) { e.number(0, 0, "y", 41); },
           err("0", "y", "the position (7, 41) is off the map of 32 x 40")),
    edited("HeroLevelTooHigh", "HERO.INI", "hero-placements", [](Edit e) { e.number(0, 0, "level", 11); },
           err("0", "level", "the value 11 is outside 0 to 10")),
    edited("HeroOfNeutrals", "HERO.INI", "hero-placements", [](Edit e) { e.number(0, 0, "side", 8); },
           err("0", "side", "the value 8 is outside 0 to 7")),
    // Diplomacy.
    edited("StandingUnknown", "DIPLOM.INI", "diplomacy", [](Edit e) { e.number(0, 0, "value", 7); },
           err("0", "value", "the standing 7 is outside 0 to 3")),
    edited("IndexValueTooHigh", "DIPLOM.INI", "diplomacy", [](Edit e) { e.number(0, 3, "value", 101); },
           err("3", "value", "the index value 101 is outside -100 to 100")),
    edited("RelationOfNoSide", "DIPLOM.INI", "diplomacy", [](Edit e) { e.number(0, 1, "secondSide", 8); },
           err("1", "secondSide", "the value 8 is outside 0 to 7")),
    edited("RelationKindUnknown", "DIPLOM.INI", "diplomacy", [](Edit e) { e.number(0, 2, "kind", 2); },
           err("2", "kind", "the value 2 means nothing; expected 0 (Standing) to 1 (Index Value)")),
    // Scenario terrain and items.
    edited("TerrainPictureMissing", "TERRAIN.DAT", "scenario-terrain", [](Edit e) { e.text(0, 0, "terrain[1]", "MARSH"); },
           warn("0", "terrain[1]", "terrain type 'MARSH' has no picture TERRAIN/DATA/MARSH.BMP or .PCX")),
    edited("RoadPictureMissing", "TERRAIN.DAT", "scenario-terrain", [](Edit e) { e.text(0, 0, "roads[0]", "CAUSEWAY"); },
           warn("0", "roads[0]", "road type 'CAUSEWAY' has no picture TERRAIN/DATA/CAUSEWAY.BMP or .PCX")),
    edited("ForestMissing", "TERRAIN.DAT", "scenario-terrain", [](Edit e) { e.text(0, 0, "forests[0]", "PINES"); },
           warn("0", "forests[0]", "forest type 'PINES' does not exist in TERRAIN/DATA")),
    edited("RiverMissing", "TERRAIN.DAT", "scenario-terrain", [](Edit e) { e.text(0, 0, "river", "STREAM"); },
           warn("0", "river", "river type 'STREAM' does not exist in TERRAIN/DATA")),
    edited("BonusMissing", "TERRAIN.DAT", "scenario-terrain", [](Edit e) { e.text(0, 0, "bonuses[2]", "SPRING"); },
           warn("0", "bonuses[2]", "terrain bonus 'SPRING' does not exist in TERRAIN/BONUS")),
    edited("MoveIconMissing", "TERRAIN.DAT", "scenario-terrain", [](Edit e) { e.text(0, 0, "moveIcons[1]", "WAVES"); },
           warn("0", "moveIcons[1]", "move icon 'WAVES' does not exist in TERRAIN/BONUS")),
    edited("SlotCountWrong", "TERRAIN.DAT", "scenario-terrain", [](Edit e) { e.number(0, 0, "slotCount", 11); },
           err("0", "slotCount", "the count is 11; the terrain names give 12")),
    edited("SlotClassUnknown", "TERRAIN.DAT", "scenario-terrain", [](Edit e) { e.number(0, 0, "secondClass[4]", 12); },
           err("0", "secondClass[4]", "the value 12 means nothing; expected 0 (Basic) to 11 (3x3)")),
    edited("PoolItemMissing", "ITEM.DAT", "scenario-items", [](Edit e) { e.text(0, 0, "unplaced[7]", "GRAIL"); },
           warn("0", "unplaced[7]", "item 'GRAIL' does not exist in ITEMS")),
    edited("OptionalChanceTooHigh", "ITEM.DAT", "scenario-items", [](Edit e) { e.number(0, 0, "optionalChance", 101); },
           err("0", "optionalChance", "the value 101 is outside 0 to 100")),
    removed("NoSmallOverview", "STRAT_S.PCX",
            error("SCENARIO/ISLANDS", "", "",
                  "the scenario has no STRAT_S.BMP or STRAT_S.PCX; the placement editors cannot show the map")),
    // More records than the editors hold, each of them sound.
    {"DiplomacyListTooLong",
     [](const fs::path& root) {
         core::Bytes bytes{101, 0};
         bytes.resize(2 + 101 * 10, 0);
         writeBytes(root / (kIsles + "DIPLOM.INI"), bytes);
     },
     error(kIsles + "DIPLOM.INI", "", "count", "the count is 101; the editor holds at most 100")},
};

class ScenarioFault : public PlantedFault {};

TEST_P(ScenarioFault, IsFoundAlone) { expectFoundAlone(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Planted, ScenarioFault, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return info.param.name; });

// A 40 x 50 map of PLAINS whose stored columns past the width hold slots
// no tile of the map can have.
core::Bytes mapWithSlotsOffTheMap() {
    const std::int16_t header[] = {40, 50, 64, 6, 3200, 250, 200, 0, 0};
    core::Bytes bytes;
    for (const std::int16_t word : header)
        bytes.insert(bytes.end(), {std::uint8_t(word & 0xff), std::uint8_t(word >> 8)});
    for (int i = 0; i < 3200; ++i) {
        const std::uint8_t slot = i % 64 < 40 ? 0 : 25;
        bytes.insert(bytes.end(), {slot, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }
    return bytes;
}

// What the editors store themselves, or what nobody reads, is no fault.
TEST(ScenarioChecks, NamesTheEditorsStoreOrNobodyReadsAreSound) {
    const Plant sound{"Sound",
                      [](const fs::path& root) {
                          RecordEdit(root, kIsles + "MISC.DAT", "misc-data").text(0, 0, "citySets[2]", "None");
                          RecordEdit(root, kIsles + "SIDES.DAT", "sides")
                              .text(0, 0, "side[4].regulars[0]", "GRYPHON")
                              .text(0, 0, "side[4].shields[0]", "OLION");
                          RecordEdit(root, kIsles + "ITEM.INI", "item-placements").number(0, 0, "x", 99);
                          RecordEdit(root, kIsles + "SCENARIO.DAT", "scenario").text(0, 0, "folder", "islands");
                          fs::rename(root / (kIsles + "STRAT_L.PCX"), root / (kIsles + "STRAT_L.BMP"));
                          writeBytes(root / (kIsles + "MAP.DAT"), mapWithSlotsOffTheMap());
                      },
                      {}};
    EXPECT_EQ(findingsWith(sound), std::vector<core::Finding>{});
}

// A file that cannot be read is reported once; what refers to it is not judged.
TEST(ScenarioChecks, AnUnreadableSourceLeavesItsReferencesAlone) {
    for (const char* file : {"SIDES.DAT", "ITEM.DAT", "HERO.INI", "RUIN.DAT", "CITY.DAT", "TERRAIN.DAT"}) {
        const Plant p{file,
                      [file](const fs::path& root) {
                          fs::remove(root / (kIsles + file));
                          fs::create_directory(root / (kIsles + file));
                      },
                      error(kIsles + file, "", "", "a folder where a file is expected")};
        SCOPED_TRACE(file);
        expectFoundAlone(p);
    }
}

// Cut files are reported by their length; the checks that compare them with
// others survive whatever part is missing.
TEST(ScenarioChecks, CutFilesAreReportedAtTheFileAlone) {
    for (const char* file : {"SCENARIO.DAT", "MISC.DAT", "SIDES.DAT", "MAP.DAT", "CITY.DAT", "CITY.INI", "ITEM.INI",
                             "ARMY.INI", "DIPLOM.INI", "TERRAIN.DAT", "ITEM.DAT"})
        for (const double share : {0.0, 0.01, 0.5, 0.999}) {
            const Plant cut{file,
                            [file, share](const fs::path& root) {
                                core::Bytes bytes = readBytes(root / (kIsles + file));
                                bytes.resize(static_cast<std::size_t>(static_cast<double>(bytes.size()) * share));
                                writeBytes(root / (kIsles + file), bytes);
                            },
                            {}};
            SCOPED_TRACE(std::string(file) + " cut to " + std::to_string(share));
            const std::vector<core::Finding> found = findingsWith(cut);
            ASSERT_FALSE(found.empty());
            for (const core::Finding& f : found) EXPECT_EQ(f.path, kIsles + file) << core::findingLine(f);
        }
}

}  // namespace
}  // namespace kestrel::testing
