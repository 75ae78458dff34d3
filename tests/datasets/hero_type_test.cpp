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

// Where the fields of fullHero() lie in the current layout and the earlier one.
struct Placed {
    const char* field;
    std::size_t now, before;
};
constexpr Placed kPlaced[]{
    {"strength", 220, 219},       {"move", 221, 220},
    {"move terrain 1", 224, 223}, {"move terrain 4", 251, 250},
    {"combat terrain", 260, 259}, {"combat bonus", 269, 268},
    {"male level 1", 271, 270},   {"male level 10", 559, 558},
    {"female level 1", 623, 622}, {"female level 10", 911, 910},
    {"xp 1", 976, 974},           {"xp 10", 994, 992},
    {"ap 1", 998, 996},           {"ap 10", 1016, 1014},
    {"ability 1", 1020, 1018},    {"ability 10", 1164, 1162},
    {"cost 1", 1180, 1178},       {"cost 10", 1198, 1196},
    {"name 1", 1200, 1198},       {"name 10", 1344, 1342},
    {"fem 10", 1369, 1367},       {"move sound", 1370, 1368},
    {"facing", 1371, 1369},       {"trigger 1", 1372, 1370},
    {"count 4", 1379, 1377},
};

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

// The current record with the medal chance and the padding byte taken out,
// so every field sits where the earlier layout has it.
core::Bytes earlier(const core::Bytes& current) {
    core::Bytes old;
    old.insert(old.end(), current.begin(), current.begin() + 219);
    old.insert(old.end(), current.begin() + 220, current.begin() + 975);
    old.insert(old.end(), current.begin() + 976, current.end());
    return old;
}

TEST(HeroTypeRecord, EarlierLayoutOf1378BytesReadsWithMedalChanceZero) {
    const core::Bytes now = writeHeroType(fullHero());
    const core::Bytes old = earlier(now);
    ASSERT_EQ(old.size(), 1378u);
    for (const auto& p : kPlaced) EXPECT_EQ(old[p.before], now[p.now]) << p.field;
    HeroType expected = fullHero();
    expected.medalChance = 0;
    EXPECT_EQ(readHeroType(old), expected);
    core::Bytes converted = now;
    converted[219] = 0;
    EXPECT_EQ(writeHeroType(readHeroType(old)), converted);
}

TEST(HeroTypeRecord, OtherLengthsReadAsTheCurrentLayout) {
    const core::Bytes now = writeHeroType(fullHero());
    // One byte short of the current layout, or one too many: still current.
    for (const std::size_t length : {std::size_t{1379}, std::size_t{1381}}) {
        core::Bytes r = now;
        r.resize(length, 0xEE);
        HeroType h = readHeroType(r);
        EXPECT_EQ(h.medalChance, -100) << length;
        EXPECT_EQ(h.strength, 9) << length;
        EXPECT_EQ(h.triggerCounts[3], length == 1379 ? 0 : 1) << length;
    }
    // Fields past the end of a short record read as zero or empty.
    core::Bytes cut(now.begin(), now.begin() + 976);  // ends before the XP table
    const HeroType h = readHeroType(cut);
    EXPECT_EQ(h.femaleLevels[9], "Lady Warden");
    EXPECT_EQ(h.xp[0], 0);
    EXPECT_EQ(h.abilities[0], SpecialAbility{});
    EXPECT_EQ(h.facing, 0);
    EXPECT_EQ(readHeroType({}), HeroType{});
}

TEST(HeroTypeRecord, MedalChanceIsASignedByte) {
    for (const auto& [chance, byte] : {std::pair{-25, 231}, {-100, 156}, {-1, 255}, {100, 100}, {0, 0}}) {
        HeroType h = newHeroType("M");
        h.medalChance = chance;
        const core::Bytes r = writeHeroType(h);
        EXPECT_EQ(r[219], byte) << chance;
        EXPECT_EQ(readHeroType(r).medalChance, chance) << byte;
    }
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
