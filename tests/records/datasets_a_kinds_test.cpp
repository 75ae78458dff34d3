// The data set kinds of terrain, army, ruin, site and flag records: known by
// their extensions, and shown as their codecs write them plus a byte the
// codec would not write.
#include <utility>

#include "datasets/army_type.hpp"
#include "datasets/flag.hpp"
#include "datasets/ruin_set.hpp"
#include "datasets/site_set.hpp"
#include "datasets/terrain_bonus.hpp"
#include "datasets/terrain_subtype.hpp"
#include "datasets/terrain_type.hpp"
#include "records_testing.hpp"

namespace kestrel::records {
namespace {

// Each kind by its extension, in any case and below any folder.
TEST(DataSetKinds, KnownByTheirExtensions) {
    const std::pair<const char*, const char*> kFiles[]{
        {"TERRAIN\\DATA\\MARSH.TER", "terrain-type"},
        {"TERRAIN/SUBTYPE/swamp.stt", "terrain-subtype"},
        {"GOLDMINE.Bon", "terrain-bonus"},
        {"ARMY\\KNIGHTS.ARM", "army-type"},
        {"TOWER.RUI", "ruin-set"},
        {"SITES/TEMPLE.SIT", "site-set"},
        {"FLAGS\\BANNER.FLG", "flag"},
    };
    for (const auto& [file, kind] : kFiles) {
        const FileKind* found = kindOfFile(file);
        ASSERT_TRUE(found) << file;
        EXPECT_EQ(found->name, kind) << file;
    }
}

TEST(ShownRecords, TerrainTypeWithItsMarksAndTheSpareLastByte) {
    datasets::TerrainType t = datasets::newTerrainType("MARSH");
    t.name = "Marshland";
    t.adjoins = "WATER";
    t.subtypes = {"SWAMP", "GRASS"};
    t.moveCost = 3;
    t.terrainClass = datasets::TerrainClass::kForest;
    t.gridMoveCost = 4;
    t.gridClass = datasets::TerrainClass::kNone;
    t.marks[0][0] = t.marks[4][1] = t.marks[8][2] = true;
    core::Bytes file = datasets::writeTerrainType(t);
    file[87] = 0x5A;
    testing::expectShownAs("terrain-type", file, "terrain_type");
}

TEST(ShownRecords, TerrainSubtypeWithJunkBehindItsCondensedName) {
    core::Bytes file = datasets::writeTerrainSubtype({"SWAMP", "Swamp Lands", "Swamp"});
    file[25 + 9] = 0x41;
    testing::expectShownAs("terrain-subtype", file, "terrain_subtype");
}

TEST(ShownRecords, TerrainBonusWithJunkBehindItsName) {
    core::Bytes file = datasets::writeTerrainBonus({"GOLDMINE", "Gold Mine of the Old Kings"});
    file[9 + 30] = 0x21;
    testing::expectShownAs("terrain-bonus", file, "terrain_bonus");
}

datasets::ArmyType knights() {
    datasets::ArmyType a = datasets::newArmyType("KNIGHTS");
    a.name = "Knights";
    a.description = "Heavy horse of the \"Old\" Kingdom.";
    a.medalChance = 35;
    a.strength = 7;
    a.move = 16;
    a.subtypes = {"MOUNTED", ""};
    a.moveBonuses = {"FLY", "GRASS", "", ""};
    a.combatBonus = "PLAINS";
    a.combatBonusValue = 2;
    a.newCost = 450;
    a.ability = {12, 3, 0, "SAPPERS"};  // Engineer +N
    a.moveSound = 4;
    a.facing = 1;
    a.triggers = {4, -1};
    a.triggerNumbers = {2, 0};
    return a;
}

TEST(ShownRecords, ArmyTypeWithReservedAndPaddingBytes) {
    core::Bytes file = datasets::writeArmyType(knights());
    file[224] = 0x01;  // reserved
    file[245] = 0x80;  // the ability entry's spare byte
    testing::expectShownAs("army-type", file, "army_type");
}

// The earlier layout, chosen by its length: no medal chance, everything
// later a byte or two sooner; an unknown ability code and move sound.
TEST(ShownRecords, EarlierArmyTypeWithItsUnusedByte) {
    datasets::ArmyType a = knights();
    a.ability.code = 7;
    a.moveSound = 11;
    core::Bytes file = datasets::writeArmyType(a, datasets::kEarlierArmyTypeLayout);
    file[223] = 0x7F;
    testing::expectShownAs("army-type", file, "earlier_army_type");
}

TEST(ShownRecords, RuinSetWithJunkBehindItsEntryName) {
    core::Bytes file = datasets::writeRuinSet({"TOWER", true});
    file[7] = 0x33;
    testing::expectShownAs("ruin-set", file, "ruin_set");
}

TEST(ShownRecords, SiteSetWithItsPaddingAndUnusedBytes) {
    datasets::SiteSet s = datasets::newSiteSet("TEMPLE");
    s.name = "Temple of Light";
    s.ability = {25, 1, 2, "HOLY"};  // Bless
    s.animateRazed = true;
    core::Bytes file = datasets::writeSiteSet(s);
    file[25] = 0x10;
    file[45] = 0xFF;
    testing::expectShownAs("site-set", file, "site_set");
}

TEST(ShownRecords, FlagWithBytesBeyondItsRecord) {
    core::Bytes file = datasets::writeFlag({"BANNER"});
    file.push_back(0x0D);
    file.push_back(0x0A);
    testing::expectShownAs("flag", file, "flag");
}

}  // namespace
}  // namespace kestrel::records
