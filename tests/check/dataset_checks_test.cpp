// The data-set checks: the ranges the editors allow, the names one data set
// gives to another, and the pictures of the entries.
#include <gtest/gtest.h>

#include "check/check_testing.hpp"
#include "sample/indexed_image.hpp"
#include "sample/pcx_writer.hpp"

namespace kestrel::testing {
namespace {

namespace fs = std::filesystem;

// A record file of the copy changed at one leaf.
Plant number(std::string name, std::string file, std::string kind, std::string leaf, std::int64_t value,
             core::Finding expected) {
    return {std::move(name), [=](const fs::path& root) { RecordEdit(root, file, kind).number(0, 0, leaf, value); },
            std::move(expected)};
}
Plant text(std::string name, std::string file, std::string kind, std::string leaf, std::string value,
           core::Finding expected) {
    return {std::move(name), [=](const fs::path& root) { RecordEdit(root, file, kind).text(0, 0, leaf, value); },
            std::move(expected)};
}
Plant removed(std::string name, std::string file, core::Finding expected) {
    return {std::move(name), [=](const fs::path& root) { fs::remove(root / file); }, std::move(expected)};
}
Plant written(std::string name, std::string file, core::Bytes bytes, core::Finding expected) {
    return {std::move(name), [=](const fs::path& root) { writeBytes(root / file, bytes); }, std::move(expected)};
}

core::Bytes pcx(int width, int height) { return sample::encodePcx8(sample::IndexedImage::blank(width, height, 0, {})); }

const std::string kSubtypes = "does not exist in TERRAIN/SUBTYPE";

class DataSetFault : public PlantedFault {};

TEST_P(DataSetFault, IsFoundAlone) { expectFoundAlone(GetParam()); }

std::string plantName(const ::testing::TestParamInfo<Plant>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    Ranges, DataSetFault,
    ::testing::Values(
        number("UnsignedByte", "ARMY/PIKEMEN.ARM", "army-type", "strength", 21,
               error("ARMY/PIKEMEN.ARM", "0", "strength", "the value 21 is outside 0 to 20")),
        number("EarlierLayout", "ARMY/WOLVES.ARM", "army-type", "hits", 9,
               error("ARMY/WOLVES.ARM", "0", "hits", "the value 9 is outside 0 to 8")),
        number("ListOrNothingChosen", "ARMY/PIKEMEN.ARM", "army-type", "facing", 8,
               error("ARMY/PIKEMEN.ARM", "0", "facing", "the value 8 is outside -1 to 7")),
        number("AbilityValue", "ARMY/PIKEMEN.ARM", "army-type", "ability.second", 100,
               error("ARMY/PIKEMEN.ARM", "0", "ability.second", "the value 100 is outside 0 to 99")),
        number("AbilityNotListed", "SITES/HARBOURS.SIT", "site-set", "ability.code", 11,
               error("SITES/HARBOURS.SIT", "0", "ability.code",
                     "the value 11 means nothing; expected one of 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 19, 21, 23, "
                     "25, 26, 27")),
        number("CheckBox", "SITES/TEMPLES.SIT", "site-set", "animateRazed", -1,
               error("SITES/TEMPLES.SIT", "0", "animateRazed", "the value -1 is outside 0 to 1")),
        number("SignedChance", "HERO/KNIGHT.HER", "hero-type", "medalChance", -101,
               error("HERO/KNIGHT.HER", "0", "medalChance", "the value -101 is outside -100 to 100")),
        number("EarlierHeroLayout", "HERO/RANGER.HER", "hero-type", "xp[9]", 1001,
               error("HERO/RANGER.HER", "0", "xp[9]", "the value 1001 is outside 0 to 1000")),
        number("ListOnly", "HERO/KNIGHT.HER", "hero-type", "triggers[3]", 8,
               error("HERO/KNIGHT.HER", "0", "triggers[3]",
                     "the value 8 means nothing; expected 0 (None) to 7 (Search)")),
        number("Class", "TERRAIN/DATA/HILLS.TER", "terrain-type", "gridClass", 13,
               error("TERRAIN/DATA/HILLS.TER", "0", "gridClass", "the value 13 is outside -1 to 12")),
        number("Mark", "TERRAIN/DATA/HILLS.TER", "terrain-type", "marks[8].row[2]", 2,
               error("TERRAIN/DATA/HILLS.TER", "0", "marks[8].row[2]", "the value 2 is outside 0 to 1")),
        number("BitField", "ITEMS/BLADE.ITM", "item", "icon", 32,
               error("ITEMS/BLADE.ITM", "0", "icon", "the value 32 is outside 0 to 31")),
        number("PowerClass", "ITEMS/CROWN.ITM", "item", "powerClass", 5,
               error("ITEMS/CROWN.ITM", "0", "powerClass",
                     "the value 5 means nothing; expected 0 (Minor Item) to 4 (Greater Artefact)")),
        number("Signed16", "SPELL/HEAL.SPL", "spell", "manaCost", -1,
               error("SPELL/HEAL.SPL", "0", "manaCost", "the value -1 is outside 0 to 99")),
        number("ShieldKind", "SHIELD/OLION.SHI", "shield", "kindCode", 3,
               error("SHIELD/OLION.SHI", "0", "kindCode", "the value 3 means nothing; expected one of 0, 1, 2")),
        number("RuinFlag", "RUINS/TOWERS.RUI", "ruin-set", "removeTop", 2,
               error("RUINS/TOWERS.RUI", "0", "removeTop", "the value 2 is outside 0 to 1"))),
    plantName);

INSTANTIATE_TEST_SUITE_P(
    Names, DataSetFault,
    ::testing::Values(text("TerrainAdjoins", "TERRAIN/DATA/LAKE.TER", "terrain-type", "adjoins", "SWAMP",
                           warning("TERRAIN/DATA/LAKE.TER", "0", "adjoins", "terrain subtype 'SWAMP' " + kSubtypes)),
                      text("TerrainSubtype", "TERRAIN/DATA/ROAD.TER", "terrain-type", "subtype[1]", "MUD",
                           warning("TERRAIN/DATA/ROAD.TER", "0", "subtype[1]", "terrain subtype 'MUD' " + kSubtypes)),
                      text("ArmyMoveBonus", "ARMY/PIKEMEN.ARM", "army-type", "moveBonus[3]", "SWAMP",
                           warning("ARMY/PIKEMEN.ARM", "0", "moveBonus[3]", "terrain subtype 'SWAMP' " + kSubtypes)),
                      text("FlyInLowerCase", "ARMY/GRIFFINS.ARM", "army-type", "moveBonus[0]", "fly",
                           warning("ARMY/GRIFFINS.ARM", "0", "moveBonus[0]", "terrain subtype 'fly' " + kSubtypes)),
                      text("ArmyCombatBonus", "ARMY/WOLVES.ARM", "army-type", "combatBonus", "DUNES",
                           warning("ARMY/WOLVES.ARM", "0", "combatBonus", "terrain subtype 'DUNES' " + kSubtypes)),
                      text("HeroMoveTerrain", "HERO/RANGER.HER", "hero-type", "moveTerrains[2]", "MARSH",
                           warning("HERO/RANGER.HER", "0", "moveTerrains[2]", "terrain subtype 'MARSH' " + kSubtypes)),
                      text("HeroCombatTerrain", "HERO/KNIGHT.HER", "hero-type", "combatTerrain", "SNOW",
                           warning("HERO/KNIGHT.HER", "0", "combatTerrain", "terrain subtype 'SNOW' " + kSubtypes)),
                      text("HeroSpell", "HERO/KNIGHT.HER", "hero-type", "abilities[1].text", "METEOR",
                           warning("HERO/KNIGHT.HER", "0", "abilities[1].text",
                                   "spell 'METEOR' does not exist in SPELL"))),
    plantName);

INSTANTIATE_TEST_SUITE_P(
    Pictures, DataSetFault,
    ::testing::Values(removed("Missing", "ARMY/PIKEMEN.PCX",
                              error("ARMY/PIKEMEN.ARM", "", "",
                                    "the picture is missing: neither ARMY/PIKEMEN.BMP nor ARMY/PIKEMEN.PCX exists")),
                      removed("MissingShield", "SHIELD/CSTAR.PCX",
                              error("SHIELD/CSTAR.SHI", "", "",
                                    "the picture is missing: neither SHIELD/CSTAR.BMP nor SHIELD/CSTAR.PCX exists")),
                      removed("MissingHeroPicture", "HERO/KNIGHTf.PCX",
                              error("HERO/KNIGHT.HER", "0", "femalePicture",
                                    "the picture is missing: neither HERO/KNIGHTf.BMP nor HERO/KNIGHTf.PCX exists")),
                      written("NotAPicture", "FLAGS/BANNER.PCX", core::Bytes(40, 7),
                              error("FLAGS/BANNER.PCX", "", "", "no picture the editor can read")),
                      written("BmpBeforePcx", "TERRAIN/BONUS/SHRINE.BMP", core::Bytes{'B', 'M', 1, 2},
                              error("TERRAIN/BONUS/SHRINE.BMP", "", "", "the picture does not decode")),
                      written("SmallIconSheet", "SETS/Fantasy/ITEMS.PCX", pcx(256, 96),
                              error("SETS/Fantasy/ITEMS.PCX", "", "",
                                    "the icon sheet is 256 by 96 pixels; its 32 icons need 256 by 128"))),
    plantName);

// Names that are free text, and texts of abilities that name nothing.
TEST(DataSetChecks, FreeTextsNameNothing) {
    const Plant plant{"free texts",
                      [](const fs::path& root) {
                          RecordEdit(root, "ARMY/PIKEMEN.ARM", "army-type").text(0, 0, "subtype[1]", "NOWHERE");
                          RecordEdit(root, "HERO/KNIGHT.HER", "hero-type")
                              .number(0, 0, "abilities[3].code", 13)
                              .text(0, 0, "abilities[3].text", "NOWHERE");
                          RecordEdit(root, "SPELL/WOLFCALL.SPL", "spell").text(0, 0, "abilities[0].text", "NOWHERE");
                      },
                      {}};
    EXPECT_EQ(findingsWith(plant), std::vector<core::Finding>{});
}

// A picture found in any case, and a hero picture named by its record.
TEST(DataSetChecks, PicturesAreFoundAsTheRecordsNameThem) {
    const Plant plant{"renamed",
                      [](const fs::path& root) {
                          fs::rename(root / "CITY/TOWNS.PCX", root / "CITY/towns.pcx");
                          fs::rename(root / "HERO/RANGERm.PCX", root / "HERO/SCOUT.PCX");
                          RecordEdit(root, "HERO/RANGER.HER", "hero-type").text(0, 0, "malePicture", "SCOUT");
                      },
                      {}};
    EXPECT_EQ(findingsWith(plant), std::vector<core::Finding>{});
}

}  // namespace
}  // namespace kestrel::testing
