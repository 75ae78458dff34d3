#include "datasets/hero_type.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "core/fixed_text.hpp"
#include "core/le.hpp"
#include "datasets/hero_type_editor.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::datasets {
namespace {

using testing::TempRoot;
using Ids = HeroTypeIds;

std::string textAt(const core::Bytes& r, std::size_t offset, std::size_t size) {
    return core::readFixedText(r, offset, size);
}

void putText(core::Bytes& r, std::size_t offset, std::string_view text) {
    std::copy(text.begin(), text.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
}

TEST(HeroTypeRecord, NewWritesItsDefaultsAndZerosElsewhere) {
    core::Bytes expected(1380, 0);
    putText(expected, 0, "KNIGHT");    // male name
    putText(expected, 32, "KNIGHT");   // female name
    putText(expected, 192, "KNIGHT");  // entry name
    putText(expected, 201, "KNIGHTm");
    putText(expected, 210, "KNIGHTf");
    expected[220] = 2;   // strength
    expected[221] = 12;  // move
    expected[222] = 2;   // hits
    expected[223] = 2;   // view
    expected[1371] = 4;  // facing South
    EXPECT_EQ(writeHeroType(newHeroType("KNIGHT")), expected);
    EXPECT_EQ(readHeroType(expected), newHeroType("KNIGHT"));
}

TEST(HeroTypeRecord, SevenLetterNameGivesEightLetterPictureNamesThatKeepTheirNul) {
    const core::Bytes r = writeHeroType(newHeroType("ABCDEFG"));
    EXPECT_EQ(textAt(r, 192, 9), "ABCDEFG");
    EXPECT_EQ(textAt(r, 201, 9), "ABCDEFGm");
    EXPECT_EQ(textAt(r, 210, 9), "ABCDEFGf");
    EXPECT_EQ(r[209], 0);
    EXPECT_EQ(r[218], 0);
    EXPECT_EQ(r[219], 0);  // the medal chance behind them is untouched
}

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

TEST(HeroTypeRecord, FieldsAtTheirCurrentOffsets) {
    const core::Bytes r = writeHeroType(fullHero());
    ASSERT_EQ(r.size(), 1380u);
    EXPECT_EQ(textAt(r, 0, 32), "Warden");
    EXPECT_EQ(textAt(r, 32, 32), "Wardeness");
    EXPECT_EQ(textAt(r, 64, 128), "Keeps the marches.");
    EXPECT_EQ(r[219], 156);  // -100
    EXPECT_EQ(r[220], 9);
    EXPECT_EQ(r[221], 99);
    EXPECT_EQ(r[222], 8);
    EXPECT_EQ(r[223], 7);
    EXPECT_EQ(textAt(r, 224, 9), "HILLS");
    EXPECT_EQ(textAt(r, 251, 9), "FOREST");
    EXPECT_EQ(textAt(r, 260, 9), "ROAD");
    EXPECT_EQ(r[269], 6);
    EXPECT_EQ(r[270], 0);  // reserved
    EXPECT_EQ(textAt(r, 271, 32), "Sentry");
    EXPECT_EQ(textAt(r, 271 + 9 * 32, 32), "Lord Warden");
    EXPECT_EQ(textAt(r, 623, 32), "Watcher");
    EXPECT_EQ(textAt(r, 623 + 9 * 32, 32), "Lady Warden");
    for (std::size_t off = 591; off < 623; ++off) EXPECT_EQ(r[off], 0) << "male slot 11 at " << off;
    for (std::size_t off = 943; off < 976; ++off) EXPECT_EQ(r[off], 0) << "female slot 11 and padding at " << off;
    EXPECT_EQ(core::getS16(r, 976), 1);
    EXPECT_EQ(core::getS16(r, 994), 1000);
    EXPECT_EQ(core::getS16(r, 996), 0);  // xp slot 11
    EXPECT_EQ(core::getS16(r, 998), 3);
    EXPECT_EQ(core::getS16(r, 1016), 9);
    EXPECT_EQ(core::getS16(r, 1018), 0);  // ap slot 11
    EXPECT_EQ(core::getS16(r, 1020), 20);
    EXPECT_EQ(core::getS16(r, 1022), -2);
    EXPECT_EQ(core::getS16(r, 1024), 300);
    EXPECT_EQ(textAt(r, 1026, 9), "FIREBALL");
    EXPECT_EQ(core::getS16(r, 1164), 34);
    EXPECT_EQ(core::getS16(r, 1168), -1);
    EXPECT_EQ(core::getS16(r, 1180), 4);
    EXPECT_EQ(core::getS16(r, 1198), 9);
    EXPECT_EQ(textAt(r, 1200, 16), "Aldric");
    EXPECT_EQ(textAt(r, 1344, 16), "Fifteen letters");
    EXPECT_EQ(r[1359], 0);
    EXPECT_EQ(r[1360], 0);
    EXPECT_EQ(r[1369], 1);
    EXPECT_EQ(r[1370], 7);
    EXPECT_EQ(r[1371], 1);
    EXPECT_EQ((core::Bytes{r.begin() + 1372, r.end()}), (core::Bytes{1, 2, 3, 7, 10, 0, 5, 1}));
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

TEST(HeroTypeAbilities, PositionsAndCodes) {
    const auto choices = heroAbilities();
    ASSERT_EQ(choices.size(), 22u);
    EXPECT_EQ(choices[0].name, "Nothing");
    EXPECT_EQ(choices[16].name, "Spell <code>");
    EXPECT_EQ(abilityCode(choices, 16), 20);
    EXPECT_EQ(choices[21].name, "Giantslayer +N");
    EXPECT_EQ(abilityCode(choices, 21), 34);
    EXPECT_EQ(abilityCode(choices, 10), 11);
    EXPECT_EQ(abilityPosition(choices, 11), 10);
    for (const std::int16_t missing : {10, 17, 31, 35, -1}) EXPECT_EQ(abilityPosition(choices, missing), 0) << missing;
    EXPECT_EQ(heroMoveSounds().back(), "Wagon (7)");
    EXPECT_EQ(heroFacings()[kHeroFacingSouth], "South");
    EXPECT_EQ(heroSoundTriggers().back(), "Search");
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

// Opens the editor on HERO\WARDEN.HER, lets `play` act on it and notes
// whether it closed.
struct HeroEditorRun {
    TempRoot t;
    ui::HeadlessHost host;
    bool closed = false;
    void run(const std::optional<core::Bytes>& record, const std::function<void(ui::Window&)>& play) {
        t.mkdir("HERO");
        if (record) t.write("HERO/WARDEN.HER", *record);
        HeroTypeEditor editor(host, t.root(), "WARDEN");
        host.onNextModal([&](ui::Window& w) {
            play(w);
            closed = w.isClosed();
        });
        host.runModal(editor);
    }
    core::Bytes file() const { return t.read("HERO/WARDEN.HER"); }
};

TEST(HeroTypeEditor, ShowsEveryFieldAndOkWritesTheSameBytes) {
    HeroEditorRun e;
    e.t.write("TERRAIN/SUBTYPE/FOREST.STT", core::Bytes(41, 0));
    e.run(writeHeroType(fullHero()), [](ui::Window& w) {
        EXPECT_EQ(w.caption(), "Edit Hero - WARDEN");
        EXPECT_EQ(w.text(Ids::kFemaleName), "Wardeness");
        EXPECT_EQ(w.text(Ids::kMedalChance), "-100");
        EXPECT_EQ(w.text(Ids::kMove), "99");
        EXPECT_EQ(w.text(Ids::kLevels[9].femaleName), "Lady Warden");
        EXPECT_EQ(w.text(Ids::kLevels[9].xp), "1000");
        EXPECT_EQ(w.selection(Ids::kAbilities[0].ability.list), 16);
        EXPECT_EQ(w.text(Ids::kAbilities[0].ability.text), "FIREBALL");
        EXPECT_EQ(w.selection(Ids::kAbilities[9].ability.list), 21);
        EXPECT_EQ(w.text(Ids::kAbilities[9].ability.second), "-1");
        EXPECT_EQ(w.text(Ids::kAbilities[9].cost), "9");
        EXPECT_EQ(w.text(Ids::kDefaultNames[9].name), "Fifteen letters");
        EXPECT_TRUE(w.checked(Ids::kDefaultNames[9].female));
        EXPECT_FALSE(w.checked(Ids::kDefaultNames[0].female));
        EXPECT_EQ(w.selection(Ids::kMoveSound), 7);
        EXPECT_EQ(w.selection(Ids::kFacing), 1);
        EXPECT_EQ(w.selection(Ids::kTriggers[3]), 7);
        EXPECT_EQ(w.text(Ids::kTriggerCounts[0]), "10");
        // Stored terrain names: one in the list, the rest shown as typed.
        EXPECT_EQ(w.items(Ids::kMoveTerrains[0]), std::vector<std::string>{"FOREST"});
        EXPECT_EQ(w.selection(Ids::kMoveTerrains[3]), 0);
        EXPECT_EQ(w.text(Ids::kMoveTerrains[0]), "HILLS");
        EXPECT_EQ(w.text(Ids::kCombatTerrain), "ROAD");
        EXPECT_FALSE(w.checked(Ids::kCanFly));
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(e.closed);
    EXPECT_TRUE(e.host.messages().empty());
    EXPECT_EQ(e.file(), writeHeroType(fullHero()));
}

TEST(HeroTypeEditor, EarlierLayoutOpensWithMedalZeroAndOkWritesTheCurrentOne) {
    const core::Bytes now = writeHeroType(fullHero());
    HeroEditorRun e;
    e.run(earlier(now), [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kMedalChance), "0");
        EXPECT_EQ(w.text(Ids::kStrength), "9");
        EXPECT_EQ(w.text(Ids::kLevels[0].maleName), "Sentry");
        EXPECT_EQ(w.text(Ids::kAbilities[0].ability.text), "FIREBALL");
        EXPECT_EQ(w.text(Ids::kTriggerCounts[3]), "1");
        w.userClick(ui::kIdOk);
    });
    core::Bytes expected = now;
    expected[219] = 0;
    const core::Bytes after = e.file();
    ASSERT_EQ(after.size(), 1380u);
    EXPECT_EQ(after, expected);
    for (const auto& p : kPlaced) EXPECT_EQ(after[p.now], now[p.now]) << p.field;
}

TEST(HeroTypeEditor, MedalChanceMinus25IsStoredAs231AndShowsAgain) {
    HeroEditorRun e;
    e.run(writeHeroType(newHeroType("WARDEN")), [](ui::Window& w) {
        w.userType(Ids::kMedalChance, "-25");
        w.userClick(ui::kIdOk);
    });
    EXPECT_EQ(e.file()[219], 231);
    e.run(std::nullopt, [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kMedalChance), "-25");
        w.userClick(ui::kIdCancel);
    });
}

TEST(HeroTypeEditor, MissingAbilityCodeOpensAsNothingAndIsWrittenAsZero) {
    HeroType h = newHeroType("WARDEN");
    h.abilities[4] = {10, 3, 4, "ODD"};
    HeroEditorRun e;
    e.run(writeHeroType(h), [](ui::Window& w) {
        EXPECT_EQ(w.selection(Ids::kAbilities[4].ability.list), 0);
        EXPECT_EQ(w.state(Ids::kAbilities[4].ability.list).items[0], "Nothing");
        w.userClick(ui::kIdOk);
    });
    const core::Bytes r = e.file();
    const std::size_t at = 1020 + 4 * 16;
    EXPECT_EQ(core::getS16(r, at), 0);
    EXPECT_EQ(core::getS16(r, at + 2), 3);  // the values and code text stay
    EXPECT_EQ(textAt(r, at + 6, 9), "ODD");
}

TEST(HeroTypeEditor, ListPositionsAreStoredAsTheirCodes) {
    HeroEditorRun e;
    e.run(writeHeroType(newHeroType("WARDEN")), [](ui::Window& w) {
        EXPECT_EQ(w.items(Ids::kAbilities[0].ability.list).size(), 22u);
        w.userSelect(Ids::kAbilities[0].ability.list, 16);
        w.userType(Ids::kAbilities[0].ability.text, "FIREBALL");
        w.userSelect(Ids::kAbilities[9].ability.list, 21);
        w.userSelect(Ids::kAbilities[5].ability.list, 10);
        w.userClick(ui::kIdOk);
    });
    const core::Bytes r = e.file();
    EXPECT_EQ(core::getS16(r, 1020), 20);
    EXPECT_EQ(textAt(r, 1026, 9), "FIREBALL");
    EXPECT_EQ(core::getS16(r, 1020 + 5 * 16), 11);
    EXPECT_EQ(core::getS16(r, 1020 + 9 * 16), 34);
}

TEST(HeroTypeEditor, AbilityValuesAreAnyIntegerKeptIn16Bits) {
    HeroEditorRun e;
    e.run(writeHeroType(newHeroType("WARDEN")), [](ui::Window& w) {
        w.userType(Ids::kAbilities[2].ability.first, "40000");
        w.userType(Ids::kAbilities[2].ability.second, "-7");
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(e.closed);
    EXPECT_EQ(core::getS16(e.file(), 1020 + 2 * 16 + 2), 40000 - 65536);
    EXPECT_EQ(core::getS16(e.file(), 1020 + 2 * 16 + 4), -7);
}

TEST(HeroTypeEditor, CanFlyChangesNothingInTheFile) {
    const core::Bytes record = writeHeroType(fullHero());
    HeroEditorRun e;
    e.run(record, [](ui::Window& w) {
        w.userCheck(Ids::kCanFly, true);
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(e.closed);
    EXPECT_EQ(e.file(), record);
    e.run(std::nullopt, [](ui::Window& w) { EXPECT_FALSE(w.checked(Ids::kCanFly)); });
}

TEST(HeroTypeEditor, UnusedSlotsAndNamesAreRebuiltNotKept) {
    core::Bytes record = writeHeroType(fullHero());
    record[270] = 0x55;             // reserved
    record[591] = 'Z';              // male level slot 11
    record[975] = 0x66;             // padding
    core::putS16(record, 996, 77);  // xp slot 11
    putText(record, 192, "OTHER");  // entry name and pictures
    putText(record, 201, "OTHERm");
    HeroEditorRun e;
    e.run(record, [](ui::Window& w) { w.userClick(ui::kIdOk); });
    EXPECT_EQ(e.file(), writeHeroType(fullHero()));
}

// One refused value each; the dialog stays open and writes nothing.
struct Refusal {
    int id;
    const char* text;
    const char* message;
};
constexpr Refusal kRefusals[]{
    {1186, "-101", "Please enter an integer between -100 and 100."},
    {1186, "101", "Please enter an integer between -100 and 100."},
    {1099, "10", "Please enter an integer between 0 and 9."},
    {1100, "100", "Please enter an integer between 0 and 99."},
    {1111, "-1", "Please enter an integer between 0 and 9."},
    {1141, "1001", "Please enter an integer between 0 and 1000."},
    {1124, "10", "Please enter an integer between 0 and 9."},
    {1217, "10", "Please enter an integer between 0 and 9."},
    {1185, "11", "Please enter an integer between 0 and 10."},
    {1154, "x", "Please enter an integer."},
    {1104, "", "Please enter an integer."},
};

TEST(HeroTypeEditor, OutOfRangeValuesAreRefusedAndNothingIsWritten) {
    const core::Bytes record = writeHeroType(newHeroType("WARDEN"));
    for (const auto& refusal : kRefusals) {
        SCOPED_TRACE(::testing::Message() << refusal.id << " \"" << refusal.text << "\"");
        HeroEditorRun e;
        int focused = 0;
        e.run(record, [&](ui::Window& w) {
            w.userType(refusal.id, refusal.text);
            w.userClick(ui::kIdOk);
            focused = w.focused();
        });
        EXPECT_FALSE(e.closed);
        ASSERT_EQ(e.host.messages().size(), 1u);
        EXPECT_EQ(e.host.messages()[0].text, refusal.message);
        EXPECT_EQ(focused, refusal.id);
        EXPECT_EQ(e.file(), record);
    }
}

TEST(HeroTypeEditor, TextsBeyondTheirLimitAreRefused) {
    HeroType h = newHeroType("WARDEN");
    h.maleLevels[3] = std::string(32, 'L');  // fills the field without a NUL
    HeroEditorRun e;
    const core::Bytes record = writeHeroType(h);
    e.run(record, [](ui::Window& w) { w.userClick(ui::kIdOk); });
    ASSERT_EQ(e.host.messages().size(), 1u);
    EXPECT_EQ(e.host.messages()[0].text, "Please enter no more than 31 characters.");
    EXPECT_EQ(e.file(), record);
}

TEST(HeroTypeEditor, SoundsFacingAndDefaultNamesLandInTheirBytes) {
    HeroEditorRun e;
    e.run(writeHeroType(newHeroType("WARDEN")), [](ui::Window& w) {
        EXPECT_EQ(w.state(Ids::kMoveSound).items[0], "None (0)");
        EXPECT_EQ(w.selection(Ids::kFacing), 4);
        EXPECT_EQ(w.state(Ids::kTriggers[0]).items[0], "None");
        w.userSelect(Ids::kMoveSound, 5);
        w.userSelect(Ids::kFacing, 7);
        w.userSelect(Ids::kTriggers[3], 4);
        w.userType(Ids::kTriggerCounts[3], "10");
        w.userType(Ids::kDefaultNames[7].name, "Hild");  // control 1067, the eighth name
        w.userCheck(Ids::kDefaultNames[7].female, true);
        w.userType(Ids::kLevels[4].maleName, "Captain");  // control 1079, level 5
        w.userType(Ids::kLevels[4].xp, "400");
        w.userClick(ui::kIdOk);
    });
    const core::Bytes r = e.file();
    EXPECT_EQ(r[1370], 5);
    EXPECT_EQ(r[1371], 7);
    EXPECT_EQ(r[1375], 4);
    EXPECT_EQ(r[1379], 10);
    EXPECT_EQ(textAt(r, 1200 + 7 * 16, 16), "Hild");
    EXPECT_EQ(r[1367], 1);
    EXPECT_EQ(textAt(r, 271 + 4 * 32, 32), "Captain");
    EXPECT_EQ(core::getS16(r, 976 + 4 * 2), 400);
}

TEST(HeroTypeEditor, ListIndexBeyondItsNamesShowsNothingAndIsWrittenAsZero) {
    HeroType h = newHeroType("WARDEN");
    h.facing = 8;
    h.moveSound = 200;
    h.triggers[1] = 9;
    HeroEditorRun e;
    e.run(writeHeroType(h), [](ui::Window& w) {
        EXPECT_EQ(w.selection(Ids::kFacing), -1);
        EXPECT_EQ(w.selection(Ids::kMoveSound), -1);
        EXPECT_EQ(w.selection(Ids::kTriggers[1]), -1);
        w.userClick(ui::kIdOk);
    });
    EXPECT_EQ(e.file()[1370], 0);
    EXPECT_EQ(e.file()[1371], 0);
    EXPECT_EQ(e.file()[1373], 0);
}

TEST(HeroTypeEditor, TerrainListsHoldEverySubtypeSortedAndStoreTheirText) {
    HeroType h = newHeroType("WARDEN");
    h.moveTerrains = {"hil", "SWAMP", "", "Gr"};
    HeroEditorRun e;
    for (const char* name : {"WATER", "hills", "GRASS"}) e.t.write(std::string("TERRAIN/SUBTYPE/") + name + ".STT", "");
    e.run(writeHeroType(h), [](ui::Window& w) {
        for (const int id : {1105, 1106, 1107, 1108, 1110})
            EXPECT_EQ(w.items(id), (std::vector<std::string>{"GRASS", "hills", "WATER"})) << id;
        EXPECT_EQ(w.text(1105), "hills");
        EXPECT_EQ(w.text(1106), "SWAMP");
        EXPECT_EQ(w.selection(1107), -1);
        EXPECT_EQ(w.text(1107), "");
        EXPECT_EQ(w.text(1108), "GRASS");
        w.userType(1110, "MOUNTAIN");  // typed text is cut at 8
        w.userClick(ui::kIdOk);
    });
    const core::Bytes r = e.file();
    EXPECT_EQ(textAt(r, 224, 9), "hills");
    EXPECT_EQ(textAt(r, 233, 9), "SWAMP");
    EXPECT_EQ(textAt(r, 242, 9), "");
    EXPECT_EQ(textAt(r, 251, 9), "GRASS");
    EXPECT_EQ(textAt(r, 260, 9), "MOUNTAIN");
}

TEST(HeroTypeEditor, MissingRecordLeavesTheControlsAndTerrainListsEmpty) {
    HeroEditorRun e;
    e.t.write("TERRAIN/SUBTYPE/GRASS.STT", "");
    e.run(std::nullopt, [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kMaleName), "");
        EXPECT_EQ(w.text(Ids::kStrength), "");
        EXPECT_TRUE(w.items(Ids::kCombatTerrain).empty());
        EXPECT_EQ(w.items(Ids::kAbilities[0].ability.list).size(), 22u);
        w.userClick(ui::kIdOk);
    });
    EXPECT_FALSE(e.closed);
    ASSERT_EQ(e.host.messages().size(), 1u);
    EXPECT_EQ(e.host.messages()[0].text, "Please enter an integer.");
    EXPECT_FALSE(e.t.exists("HERO/WARDEN.HER"));
}

TEST(HeroTypeEditor, ImportButtonsCopyToTheMaleAndFemalePictureNames) {
    HeroEditorRun e;
    e.t.write("in/portrait.pcx", "male");
    e.t.write("in/Lady.BMP", "female");
    e.host.answerNextFile((e.t.path() / "in/portrait.pcx").string());
    e.host.answerNextFile((e.t.path() / "in/Lady.BMP").string());
    e.host.answerNextFile(std::nullopt);
    e.run(writeHeroType(newHeroType("WARDEN")), [](ui::Window& w) {
        w.userClick(Ids::kImportMale);
        w.userClick(Ids::kImportFemale);
        w.userClick(Ids::kImportFemale);  // cancelled
        w.userClick(ui::kIdCancel);
    });
    EXPECT_TRUE(e.host.messages().empty());
    EXPECT_EQ(e.t.read("HERO/WARDENm.pcx"), (core::Bytes{'m', 'a', 'l', 'e'}));
    EXPECT_EQ(e.t.read("HERO/WARDENf.BMP"), (core::Bytes{'f', 'e', 'm', 'a', 'l', 'e'}));
}

}  // namespace
}  // namespace kestrel::datasets
