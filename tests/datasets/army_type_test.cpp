#include "datasets/army_type.hpp"

#include <gtest/gtest.h>

#include "datasets/army_type_editor.hpp"
#include "dataset_testing.hpp"

namespace kestrel::datasets {
namespace {

using Ids = ArmyTypeIds;

using namespace std::string_literals;

// clang-format off
ArmyType sampleArmy() {
    ArmyType a{"Fifteen Letters", "Rides at dawn.", "RIDERS", 100, 20, 99, 8, 10, 100, 99, {"HORSE", "MOUNTED"},
               {"GRASS", "ROAD", "HILLS", "ABCDEFGH"}, "PLAINS", 9, 10000, 9999, {34, 2, 99, "GIANTS"}, 10, 7};
    a.triggers = {-1, 7};
    a.triggerNumbers = {10, 3};
    return a;
}
// clang-format on

// Medal chance and the six stats, texts of nine bytes, combat bonus, a reserved
// and an unused byte, costs, the ability, sound, facing, triggers and their numbers.
TEST(ArmyTypeRecord, FieldsAtTheirOffsets) {
    const core::Bytes r = writeArmyType(sampleArmy());
    EXPECT_EQ(r, patched(core::Bytes(252, 0),
                         {{0, "Fifteen Letters"}, {16, "Rides at dawn."}, {144, "RIDERS"},
                          {153, "\x64\x14\x63\x08\x0A\x64\x63" "HORSE"}, {169, "MOUNTED"}, {178, "GRASS"},
                          {187, "ROAD"}, {196, "HILLS"}, {205, "ABCDEFGH"}, {214, "PLAINS"},
                          {223, "\x09\0\0\x10\x27\x0F\x27\x22\0\x02\0\x63\0" "GIANTS"s},
                          {246, "\x0A\x07\xFF\x07\x0A\x03"}}));
    EXPECT_EQ(readArmyType(r), sampleArmy());
}

TEST(ArmyTypeRecord, SmallValuesReadUnsignedAndTheTailSigned) {
    const ArmyType a = readArmyType(core::Bytes(252, 0xFF));
    EXPECT_EQ((std::array{a.medalChance, a.strength, a.viewRange, a.combatBonusValue}),
              (std::array{255, 255, 255, 255}));
    EXPECT_EQ((std::array{a.newCost, a.moveSound, a.facing, a.triggers[1], a.triggerNumbers[1]}),
              (std::array{-1, -1, -1, -1, -1}));
}

// A record of the earlier layout, each field at its own offset: no medal chance,
// the stats from 153, the texts and the costs one byte earlier, an unused byte at 223.
core::Bytes earlierRecord() {
    return patched(core::Bytes(250, 0),
                   {{0, "Old Wolves"}, {16, "From before medals."}, {144, "WOLVES"},
                    {153, "\x03\x10\x02\x01\x04\x05" "BEAST"}, {168, "PACK"}, {177, "FOREST"}, {186, "HILLS"},
                    {195, "GRASS"}, {204, "ROAD"}, {213, "FOREST"},
                    {222, "\x02\x77\x96\0\x4B\0\x26\0\x03\0\x04\0" "ACID"s}, {244, "\x07\x06\x04\xFF\x02\x0A"}});
}

// clang-format off
ArmyType earlierArmy() {
    ArmyType a{"Old Wolves", "From before medals.", "WOLVES", 20, 3, 16, 2, 1, 4, 5, {"BEAST", "PACK"},
               {"FOREST", "HILLS", "GRASS", "ROAD"}, "FOREST", 2, 150, 75, {38, 3, 4, "ACID"}, 7, 6};
    a.triggers = {4, -1};
    a.triggerNumbers = {2, 10};
    return a;
}
// clang-format on

TEST(ArmyTypeRecord, EarlierLayoutReadsAtItsOwnOffsetsWithMedalChance20) {
    EXPECT_EQ(readArmyType(earlierRecord()), earlierArmy());
    core::Bytes again = earlierRecord();
    again[223] = 0;  // the unused byte is not kept
    EXPECT_EQ(writeArmyType(earlierArmy(), kEarlierArmyTypeLayout), again);
}

// Every length but the current one is the earlier layout: it opens with the
// medal chance 20 and OK writes the current layout.
TEST(ArmyTypeEditor, EarlierLayoutOpensWithMedalChance20AndOkWritesTheCurrentLayout) {
    for (const std::size_t length : {250u, 251u, 253u}) {
        core::Bytes r = earlierRecord();
        r.resize(length, 0);
        EditorRun e(Kind::ArmyType, "RIDERS");
        e.run(r, [](ui::Window& w) {
            EXPECT_EQ(w.text(Ids::kMedalChance), "20");
            EXPECT_EQ(w.text(Ids::kSubtypes[1]), "PACK");
            EXPECT_EQ(w.text(Ids::kMoveBonuses[3]), "ROAD");
            EXPECT_EQ(w.text(Ids::kAbility.text), "ACID");
            EXPECT_EQ(w.selection(Ids::kAbility.list), 16);  // Acid +N
            EXPECT_EQ(w.selection(Ids::kFacing), 6);
            EXPECT_EQ(w.selection(Ids::kTriggers[1]), -1);
            clickOk(w);
        });
        ArmyType expected = earlierArmy();
        expected.entryName = "RIDERS";
        EXPECT_EQ(e.saved(), writeArmyType(expected)) << length;
    }
}

// The box stands for an upper-case FLY in the first move bonus, and for
// nothing else; while it is checked, what is typed there is ignored.
TEST(ArmyTypeEditor, CanFlyStandsForUpperCaseFlyOnly) {
    const auto type = [](const char* text) { return [=](ui::Window& w) { w.userType(Ids::kMoveBonuses[0], text); }; };
    const auto uncheck = [&](ui::Window& w) {
        w.userCheck(Ids::kCanFly, false);
        type("SWAMP")(w);
    };
    // The first move bonus stored, the box, the bonus shown, the play and the bonus stored after OK.
    const std::tuple<std::string, bool, std::string, std::function<void(ui::Window&)>, std::string> cases[]{
        {"FLY", true, "", type("GRASS"), "FLY"},
        {"FLY", true, "", uncheck, "SWAMP"},
        {"fly", false, "fly", [](ui::Window&) {}, "fly"},
    };
    for (const auto& [stored, canFly, shown, play, saved] : cases) {
        SCOPED_TRACE(saved);
        ArmyType a = newArmyType("RIDERS");
        a.moveBonuses = {stored, "HILLS", "", ""};
        EditorRun e(Kind::ArmyType, "RIDERS");
        e.run(writeArmyType(a), [&](ui::Window& w) {
            EXPECT_EQ(w.checked(Ids::kCanFly), canFly);
            EXPECT_EQ((std::array{w.text(Ids::kMoveBonuses[0]), w.text(Ids::kMoveBonuses[1])}),
                      (std::array<std::string, 2>{shown, "HILLS"}));
            play(w);
            clickOk(w);
        });
        a.moveBonuses[0] = saved;
        EXPECT_EQ(e.saved(), writeArmyType(a));
    }
}

}  // namespace
}  // namespace kestrel::datasets
