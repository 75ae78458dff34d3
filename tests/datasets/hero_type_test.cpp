#include "datasets/hero_type.hpp"

#include <gtest/gtest.h>

#include "datasets/hero_type_editor.hpp"
#include "dataset_testing.hpp"

namespace kestrel::datasets {
namespace {

using namespace std::string_literals;
using Ids = HeroTypeIds;

// A hero type with a distinct value in the first and last slot of every table.
HeroType fullHero() {
    HeroType h = newHeroType("WARDEN");
    h.maleName = "Warden";
    h.femaleName = "Wardeness";
    h.description = "Keeps the marches.";
    h.medalChance = -100;
    h.strength = 9;
    h.move = 99;
    h.hits = 8;
    h.view = 7;
    h.moveTerrains = {"HILLS", "GRASS", "WATER", "FOREST"};
    h.combatTerrain = "ROAD";
    h.combatBonus = 6;
    h.maleLevels[0] = "Sentry";
    h.maleLevels[9] = "Lord Warden";
    h.femaleLevels[0] = "Watcher";
    h.femaleLevels[9] = "Lady Warden";
    h.xp[0] = 1;
    h.xp[9] = 1000;
    h.ap[0] = 3;
    h.ap[9] = 9;
    h.abilities[0] = {20, -2, 300, "FIREBALL"};
    h.abilities[9] = {34, 5, -1, "X"};
    h.costs[0] = 4;
    h.costs[9] = 9;
    h.defaultNames[0] = {"Aldric", false};
    h.defaultNames[9] = {"Fifteen letters", true};
    h.moveSound = 7;
    h.facing = 1;
    h.triggers = {1, 2, 3, 7};
    h.triggerCounts = {10, 0, 5, 1};
    return h;
}

// Every byte of the record; the 11th level slots, the XP and AP slots 11 and
// the padding stay zero.
TEST(HeroTypeRecord, FieldsAtTheirCurrentOffsets) {
    const core::Bytes r = writeHeroType(fullHero());
    EXPECT_EQ(r, patched(core::Bytes(1380, 0),
                         {{0, "Warden"}, {32, "Wardeness"}, {64, "Keeps the marches."}, {192, "WARDEN"},
                          {201, "WARDENm"}, {210, "WARDENf"},
                          {219, "\x9C\x09\x63\x08\x07"},  // medal chance -100, strength, move, hits, view
                          {224, "HILLS"}, {233, "GRASS"}, {242, "WATER"}, {251, "FOREST"}, {260, "ROAD"}, {269, "\x06"},
                          {271, "Sentry"}, {271 + 9 * 32, "Lord Warden"},
                          {623, "Watcher"}, {623 + 9 * 32, "Lady Warden"},
                          {976, "\x01"}, {994, "\xE8\x03"}, {998, "\x03"}, {1016, "\x09"},
                          {1020, "\x14\0\xFE\xFF\x2C\x01" "FIREBALL"s}, {1164, "\x22\0\x05\0\xFF\xFF" "X"s},
                          {1180, "\x04"}, {1198, "\x09"}, {1200, "Aldric"}, {1344, "Fifteen letters"},
                          // Fem of name 10, move sound, facing, four triggers and their counts.
                          {1369, "\x01\x07\x01\x01\x02\x03\x07\x0A\0\x05\x01"s}}));
    EXPECT_EQ(readHeroType(r), fullHero());
}

// The earlier layout of 1378 bytes has no medal chance (read as zero) and no
// padding byte before the XP table: the fields from 219 on lie one byte
// earlier, from the XP table on two. It is written back in the current layout.
TEST(HeroTypeRecord, EarlierLayoutOf1378BytesReadsWithMedalChanceZero) {
    // clang-format off
    const core::Bytes old = patched(core::Bytes(1378, 0), {
        {0, "Warden"}, {32, "Wardeness"}, {64, "Keeps the marches."}, {192, "WARDEN"}, {201, "WARDENm"},
        {210, "WARDENf"}, {219, "\x09\x63\x08\x07"}, {223, "HILLS"}, {232, "GRASS"}, {241, "WATER"}, {250, "FOREST"},
        {259, "ROAD"}, {268, "\x06"}, {270, "Sentry"}, {270 + 9 * 32, "Lord Warden"}, {622, "Watcher"},
        {622 + 9 * 32, "Lady Warden"}, {974, "\x01"}, {992, "\xE8\x03"}, {996, "\x03"}, {1014, "\x09"},
        {1018, "\x14\0\xFE\xFF\x2C\x01" "FIREBALL"s}, {1162, "\x22\0\x05\0\xFF\xFF" "X"s}, {1178, "\x04"},
        {1196, "\x09"}, {1198, "Aldric"}, {1342, "Fifteen letters"}, {1367, "\x01\x07\x01\x01\x02\x03\x07\x0A\0\x05\x01"s}});
    // clang-format on
    HeroType expected = fullHero();
    expected.medalChance = 0;
    EXPECT_EQ(readHeroType(old), expected);
    EXPECT_EQ(writeHeroType(readHeroType(old)), writeHeroType(expected));
}

TEST(HeroTypeIds, TheLayoutHoldsEveryControlOfTheTablesWithItsKind) {
    const ui::Layout& l = ui::layoutFor(154);
    EXPECT_EQ(l.caption, "Edit Hero Data");
    const auto kindOf = [&](int id) {
        const ui::ControlDef* def = l.find(id);
        return def ? def->kind : ui::ControlKind::Frame;
    };
    for (const auto& ids : Ids::kLevels) {
        EXPECT_EQ(kindOf(ids.maleName), ui::ControlKind::Edit);
        EXPECT_EQ(l.find(ids.femaleName)->limit, 31);
        EXPECT_EQ(kindOf(ids.xp), ui::ControlKind::NumberEdit);
        EXPECT_EQ(kindOf(ids.ap), ui::ControlKind::NumberEdit);
    }
    for (const auto& ids : Ids::kAbilities) {
        EXPECT_EQ(kindOf(ids.ability.list), ui::ControlKind::ComboList);
        EXPECT_EQ(l.find(ids.ability.text)->limit, 8);
        EXPECT_EQ(kindOf(ids.cost), ui::ControlKind::NumberEdit);
    }
    for (const auto& ids : Ids::kDefaultNames) {
        EXPECT_EQ(l.find(ids.name)->limit, 15);
        EXPECT_EQ(l.find(ids.female)->label, "Fem");
    }
    for (const int id : {1105, 1106, 1107, 1108, 1110}) {
        EXPECT_EQ(kindOf(id), ui::ControlKind::ComboEdit) << id;
        EXPECT_TRUE(l.find(id)->sorted) << id;
    }
    EXPECT_EQ(l.find(1121)->label, "Import Male Picture");
    EXPECT_EQ(l.find(1016)->label, "Import Female Picture");
    EXPECT_EQ(l.find(1109)->label, "Can Fly");
    EXPECT_EQ(l.find(1033)->limit, 127);
    EXPECT_EQ(l.find(1036)->limit, 31);
}

// The last slot of each table shows in its own controls, and OK writes the record unchanged.
TEST(HeroTypeEditor, ShowsEveryFieldAndOkWritesTheSameBytes) {
    EditorRun e(Kind::HeroType, "WARDEN");
    e.run(writeHeroType(fullHero()), [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kMedalChance), "-100");
        EXPECT_EQ(w.text(Ids::kLevels[9].femaleName), "Lady Warden");
        EXPECT_EQ(w.text(Ids::kLevels[9].xp), "1000");
        EXPECT_EQ(w.text(Ids::kLevels[9].ap), "9");
        EXPECT_EQ(w.selection(Ids::kAbilities[9].ability.list), 21);
        EXPECT_EQ(w.text(Ids::kAbilities[9].ability.second), "-1");
        EXPECT_EQ(w.text(Ids::kAbilities[9].cost), "9");
        EXPECT_EQ(w.text(Ids::kDefaultNames[9].name), "Fifteen letters");
        EXPECT_TRUE(w.checked(Ids::kDefaultNames[9].female));
        EXPECT_FALSE(w.checked(Ids::kDefaultNames[0].female));
        EXPECT_EQ(w.selection(Ids::kMoveSound), 7);
        EXPECT_EQ(w.selection(Ids::kFacing), 1);
        EXPECT_EQ(w.selection(Ids::kTriggers[3]), 7);
        EXPECT_EQ(w.text(Ids::kTriggerCounts[3]), "1");
        clickOk(w);
    });
    EXPECT_TRUE(e.messages().empty());
    EXPECT_EQ(e.saved(), writeHeroType(fullHero()));
}

}  // namespace
}  // namespace kestrel::datasets
