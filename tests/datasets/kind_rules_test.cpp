// Rules that several kinds follow, each checked once over a table of the
// kinds it holds for: New's bytes, refused values, text limits, the special
// ability lists, list positions, subtype combos and what OK and Cancel write.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <span>
#include <sstream>
#include <tuple>

#include "dataset_testing.hpp"
#include "datasets/army_type.hpp"
#include "datasets/army_type_editor.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/hero_type_editor.hpp"
#include "datasets/item.hpp"
#include "datasets/item_editor.hpp"
#include "datasets/site_set.hpp"
#include "datasets/site_set_editor.hpp"
#include "datasets/spell.hpp"
#include "datasets/spell_editor.hpp"
#include "datasets/terrain_type.hpp"
#include "datasets/terrain_type_editor.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {
namespace {

using namespace std::string_literals;
using Bytes = core::Bytes;

// Its first letter makes it a shield base's file name too.
const std::string kEntry = "BRAVO";
Bytes newBytes(Kind kind, const std::string& entry = kEntry) { return newRecord(info(kind), entry).value(); }
std::string traceOf(Kind kind, const auto& what) {
    return (::testing::Message() << info(kind).name << ": " << what).GetString();
}

// Kind, entry name, record size and the bytes that are not zero.
TEST(KindRules, NewRecordsHoldTheirDefaultsAtTheirOffsetsAndZerosElsewhere) {
    // clang-format off
    const std::tuple<Kind, std::string, std::size_t, std::vector<Patch>> cases[]{
        {Kind::CitySet, "ANY", 80, {{0, "Ruin"}, {20, "Village"}, {40, "Castle"}, {60, "Citadel"}}},
        // Move cost 2, class Feature; the 3x3 move cost and class Basic are zero.
        {Kind::TerrainType, "MARSH", 88, {{0, "MARSH"}, {16, "MARSH"}, {52, "\x02"}, {54, "\x06"}}},
        {Kind::TerrainSubtype, "GRASS", 41, {{0, "GRASS"}, {9, "GRASS"}, {25, "GRASS"}}},
        {Kind::TerrainBonus, "MINE", 41, {{0, "MINE"}, {9, "MINE"}}},
        // Strength, move, hits, time, upkeep, view range; new cost 100, setup points 50; facing South.
        {Kind::ArmyType, "PIKEMEN", 252,
         {{0, "PIKEMEN"}, {144, "PIKEMEN"}, {154, "\x02\x0C\x02\x01\x02\x02"}, {226, "\x64\x00\x32"s}, {247, "\x04"}}},
        {Kind::RuinSet, "ABCDEFGH", 10, {{0, "ABCDEFGH"}}},
        {Kind::SiteSet, "HARBOURS", 46, {{0, "HARBOURS"}, {16, "HARBOURS"}, {42, "\x01"}}},  // can be razed
        // Seven letters: the picture names take eight and keep their NUL. Strength, move, hits, view; South.
        {Kind::HeroType, "ABCDEFG", 1380,
         {{0, "ABCDEFG"}, {32, "ABCDEFG"}, {192, "ABCDEFG"}, {201, "ABCDEFGm"}, {210, "ABCDEFGf"},
          {220, "\x02\x0C\x02\x02"}, {1371, "\x04"}}},
        {Kind::Item, "AXE", 216, {{0, "AXE"}, {160, "AXE"}}},
        {Kind::Advisor, "ANY", 1216,
         {{0, "My Lord!"}, {64, "My Lord!"}, {128, "My Lord!"}, {192, "My Lord!"}, {256, "This battle will be"},
          {320, "This battle will be"}, {384, "This battle will be"}, {448, "This battle will be"},
          {512, "real real bad"}, {576, "real bad"}, {640, "bad"}, {704, "difficult"},
          {768, "slightly in their favour"}, {832, "evenly matched"}, {896, "slightly in our favour"},
          {960, "fairly easy"}, {1024, "easy"}, {1088, "very easy"}, {1152, "very very easy"}}},
        {Kind::Spell, "FIREBALL", 210, {{0, "FIREBALL"}, {144, "\x04"}}},  // mana cost 4
        // The file name's first letter, in any case, is the feature kind in byte 0.
        {Kind::Shield, "bGULES", 50, {{1, "GULES"}}}, {Kind::Shield, "OLION", 50, {{0, "\x01"}, {1, "LION"}}},
        {Kind::Shield, "cCROSS", 50, {{0, "\x02"}, {1, "CROSS"}}},
        {Kind::Flag, "STANDARD", 9, {{0, "STANDARD"}}},
    };
    // clang-format on
    std::set<Kind> covered;
    for (const auto& [kind, entry, size, bytes] : cases) {
        EXPECT_EQ(newRecord(info(kind), entry).value_or(Bytes{}), patched(Bytes(size, 0), bytes))
            << traceOf(kind, entry);
        covered.insert(kind);
    }
    for (const auto& kind : catalogue())
        EXPECT_EQ(covered.count(kind.kind) != 0, newRecord(kind, kEntry).has_value()) << kind.name;
}

// What OK refuses: the exact message, the focus on the control, the dialog
// open and the file untouched. A typed value out of range, or a stored text
// that fills its field without a NUL (as other tools write it) and shows whole.
struct Refusal {
    Kind kind;
    int id;
    const char* typed;  // none: the stored text is refused
    const char* message;
    Patch stored{};
};
constexpr const char* k0To9 = "Please enter an integer between 0 and 9.";
constexpr const char* k0To99 = "Please enter an integer between 0 and 99.";
constexpr const char* k0To10 = "Please enter an integer between 0 and 10.";
constexpr const char* kMedal = "Please enter an integer between -100 and 100.";
constexpr const char* kInteger = "Please enter an integer.";
constexpr const char* k31Characters = "Please enter no more than 31 characters.";

TEST(KindRules, OkRefusesValuesOutOfRangeAndOverlongTextsAndWritesNothing) {
    // clang-format off
    const Refusal refusals[]{
        {Kind::ArmyType, ArmyTypeIds::kAbility.second, "100", k0To99},
        {Kind::ArmyType, ArmyTypeIds::kTriggerNumbers[1], "11", k0To10},
        {Kind::ArmyType, ArmyTypeIds::kUpkeep, "two", kInteger},
        {Kind::HeroType, HeroTypeIds::kMedalChance, "101", kMedal},
        {Kind::HeroType, HeroTypeIds::kStrength, "10", k0To9}, {Kind::HeroType, HeroTypeIds::kMove, "100", k0To99},
        {Kind::HeroType, HeroTypeIds::kCombatBonus, "-1", k0To9},
        {Kind::HeroType, HeroTypeIds::kLevels[9].xp, "1001", "Please enter an integer between 0 and 1000."},
        {Kind::HeroType, HeroTypeIds::kLevels[0].ap, "10", k0To9},
        {Kind::HeroType, HeroTypeIds::kAbilities[9].cost, "10", k0To9},
        {Kind::HeroType, HeroTypeIds::kTriggerCounts[3], "11", k0To10},
        {Kind::HeroType, HeroTypeIds::kAbilities[0].ability.first, "x", kInteger},
        {Kind::HeroType, HeroTypeIds::kView, "", kInteger},
        {Kind::TerrainType, TerrainTypeIds::kMoveCost, "10", k0To9},
        {Kind::TerrainType, TerrainTypeIds::kMoveCost, "-1", k0To9},
        {Kind::TerrainType, TerrainTypeIds::kGridMoveCost, "10", k0To9},
        {Kind::TerrainType, TerrainTypeIds::kGridMoveCost, "two", kInteger},
        {Kind::SiteSet, SiteSetIds::kAbility.second, "100", k0To99},
        {Kind::Spell, SpellIds::kManaCost, "-1", k0To99},
        {Kind::Item, ItemIds::kIcon, "32", "Please enter an integer between 0 and 31."},
        {Kind::Item, ItemIds::kValue, "20001", "Please enter an integer between 0 and 20000."},
        {Kind::CitySet, 1011, nullptr, "Please enter no more than 16 characters.", {0, std::string(20, 'L')}},
        {Kind::TerrainSubtype, 1037, nullptr, "Please enter no more than 8 characters.", {25, std::string(16, 'L')}},
        {Kind::TerrainBonus, 1036, nullptr, k31Characters, {9, std::string(32, 'L')}},
        {Kind::HeroType, HeroTypeIds::kLevels[3].maleName, nullptr, k31Characters,
         {271 + 3 * 32, std::string(32, 'L')}},
        {Kind::Advisor, 1214, nullptr, "Please enter no more than 63 characters.", {2 * 64, std::string(64, 'L')}},
        {Kind::Shield, 1036, nullptr, "Please enter no more than 39 characters.", {10, std::string(40, 'L')}},
    };
    // clang-format on
    for (const auto& r : refusals) {
        SCOPED_TRACE(traceOf(r.kind, ::testing::Message() << r.id << " \"" << (r.typed ? r.typed : "") << "\""));
        const Bytes record = patched(newBytes(r.kind), {r.stored});
        EditorRun e(r.kind, kEntry);
        e.run(record, [&](ui::Window& w) {
            if (r.typed) {
                w.userType(1036, "Changed");  // each of these kinds has its name there
                w.userType(r.id, r.typed);
            }
            EXPECT_EQ(w.text(r.id), r.typed ? r.typed : r.stored.second);
            clickOk(w);
        });
        EXPECT_FALSE(e.closed);
        EXPECT_EQ(e.focused, r.id);
        EXPECT_EQ(
            e.messages(),
            (std::vector<ui::MessageBox>{{std::string(ui::kValidationCaption), r.message, ui::Icon::Exclamation}}));
        EXPECT_EQ(e.saved(), record);
    }
}

struct AbilityTable {
    const char* kind;
    std::span<const AbilityChoice> choices;
    std::size_t size;
    std::vector<std::tuple<int, std::int16_t, std::string_view>> offered;  // position, code, name
    std::vector<std::int16_t> missing;                                     // codes of the shared numbering not offered
};

TEST(KindRules, AbilityListsMapPositionsToCodesAndCodesNotOfferedToNothing) {
    // clang-format off
    const AbilityTable tables[]{
        {"army", armyAbilities(), 20, {{6, 12, "Engineer +N"}, {16, 38, "Acid +N"}, {19, 41, "Warding +n"}},
         {1, 7, 29, 36, 42}},
        {"site", siteAbilities(), 17, {{11, 19, "Port"}, {16, 27, "Disease +N"}}, {1, 11, 20, 24, 28}},
        {"hero", heroAbilities(), 22, {{10, 11, "Gold +N/city"}, {16, 20, "Spell <code>"}, {21, 34, "Giantslayer +N"}},
         {10, 17, 31, 35, -1}},
        {"spell", spellAbilities(), 35,
         {{10, 11, "Income +N"}, {18, 22, "Summon <code> +N"}, {33, 39, "Lightning +N"}, {34, 40, "Paralysis +N"}},
         {10, 19, 20, 21, 28, 37, 41, -1}},
        {"item", itemAbilities(), 23, {{10, 11, "Gold +N/city"}, {22, 31, "Medals +N"}}, {10, 19, 32}},
    };
    // clang-format on
    for (const auto& t : tables) {
        SCOPED_TRACE(t.kind);
        ASSERT_EQ(t.choices.size(), t.size);
        EXPECT_EQ(t.choices[0].name, "Nothing");
        EXPECT_EQ(t.choices[0].value, 0);
        for (const auto& [position, code, name] : t.offered) {
            EXPECT_EQ(t.choices[position].name, name);
            EXPECT_EQ(abilityCode(t.choices, position), code);
            EXPECT_EQ(abilityPosition(t.choices, code), position);
        }
        for (const std::int16_t code : t.missing) EXPECT_EQ(abilityPosition(t.choices, code), 0) << code;
        EXPECT_EQ(abilityCode(t.choices, -1), 0);
        EXPECT_EQ(abilityCode(t.choices, static_cast<int>(t.size)), 0);
    }
}

// One ability slot of an editor: where it lies, its controls, a code its list lacks, a position and its code.
struct AbilitySlot {
    Kind kind;
    std::size_t offset;
    AbilityControls ids;
    std::int16_t missing;
    int position;
    std::int16_t code;
};

Bytes withAbility(Bytes r, std::size_t offset, const SpecialAbility& a) {
    writeAbility(r, offset, a);
    return r;
}

TEST(KindRules, EditorsShowACodeTheirListLacksAsNothingWriteItAs0AndStoreAChosenPositionsCode) {
    // clang-format off
    const AbilitySlot slots[]{
        {Kind::ArmyType, 230, ArmyTypeIds::kAbility, 7, 6, 12},
        {Kind::SiteSet, 26, SiteSetIds::kAbility, 11, 11, 19},
        {Kind::HeroType, 1020, HeroTypeIds::kAbilities[0].ability, 10, 16, 20},
        {Kind::HeroType, 1020 + 5 * 16, HeroTypeIds::kAbilities[5].ability, 35, 10, 11},
        {Kind::HeroType, 1020 + 9 * 16, HeroTypeIds::kAbilities[9].ability, 17, 21, 34},
        {Kind::Spell, 146, SpellIds::kAbilities[0], 19, 18, 22},
        {Kind::Spell, 162, SpellIds::kAbilities[1], 28, 26, 31},
        {Kind::Spell, 178, SpellIds::kAbilities[2], 37, 33, 39},
        {Kind::Spell, 194, SpellIds::kAbilities[3], 41, 34, 40},
        {Kind::Item, 184, ItemIds::kAbilities[0], 10, 22, 31}, {Kind::Item, 200, ItemIds::kAbilities[1], 19, 9, 9},
    };
    // clang-format on
    for (const auto& s : slots) {
        SCOPED_TRACE(traceOf(s.kind, s.offset));
        const Bytes record = withAbility(newBytes(s.kind), s.offset, {s.missing, 5, 6, "KEEP"});
        EditorRun kept(s.kind, kEntry);
        kept.run(record, [&](ui::Window& w) {
            EXPECT_EQ(w.selection(s.ids.list), 0);
            EXPECT_EQ(w.text(s.ids.list), "Nothing");
            EXPECT_EQ((std::array{w.text(s.ids.first), w.text(s.ids.second), w.text(s.ids.text)}),
                      (std::array<std::string, 3>{"5", "6", "KEEP"}));
            clickOk(w);
        });
        EXPECT_EQ(kept.saved(), withAbility(record, s.offset, {0, 5, 6, "KEEP"}));

        EditorRun chosen(s.kind, kEntry);
        chosen.run(record, [&](ui::Window& w) {
            w.userSelect(s.ids.list, s.position);
            clickOk(w);
        });
        const Bytes stored = withAbility(record, s.offset, {s.code, 5, 6, "KEEP"});
        EXPECT_EQ(chosen.saved(), stored);
        EditorRun again(s.kind, kEntry);
        again.run(stored, [&](ui::Window& w) { EXPECT_EQ(w.selection(s.ids.list), s.position); });
    }
}

// Plays "type ID TEXT", "select ID N", "check ID on|off" or "radio ID"; or
// checks "unselected ID": nothing chosen in a list.
bool act(ui::Window& w, const std::string& action) {
    std::istringstream in(action);
    std::string verb, arg;
    int id = 0;
    in >> verb >> id;
    std::getline(in >> std::ws, arg);
    if (verb == "type") return w.userType(id, arg);
    if (verb == "select") return w.userSelect(id, std::stoi(arg));
    if (verb == "check") return w.userCheck(id, arg == "on");
    if (verb == "radio") return w.userRadio(id);
    if (verb == "unselected") return w.selection(id) == -1;
    return false;
}

std::string k(std::size_t n) { return std::string(n, 'k'); }

// One action on New's record, then OK: these bytes change and nothing else. Typing
// stops at a text's limit and OK stores what shows, with a NUL behind it.
struct Edit {
    Kind kind;
    std::string action;
    std::size_t offset;
    std::string bytes;
    std::string stored{};  // laid over New's record at the offset first
};

TEST(KindRules, EachEditLandsInItsOwnBytes) {
    // clang-format off
    const Edit edits[]{
        {Kind::CitySet, "type 1013 ", 40, "\0\0\0\0\0\0"s},
        {Kind::ArmyType, "type 1115 3", 232, "\x03"}, {Kind::ArmyType, "select 1118 2", 246, "\x02"},
        {Kind::ArmyType, "select 1304 7", 249, "\x07"}, {Kind::ArmyType, "type 1121 10", 251, "\x0A"},
        {Kind::HeroType, "type 1186 -25", 219, "\xE7"},         // a signed byte
        {Kind::HeroType, "type 1165 40000", 1054, "\x40\x9C"},  // ability values: any integer, kept in 16 bits
        {Kind::HeroType, "type 1166 -7", 1056, "\xF9\xFF"}, {Kind::HeroType, "select 1118 5", 1370, "\x05"},
        {Kind::HeroType, "select 1119 7", 1371, "\x07"}, {Kind::HeroType, "select 1306 4", 1375, "\x04"},
        {Kind::HeroType, "type 1185 10", 1379, "\x0A"},
        {Kind::HeroType, "type 1067 Hild", 1312, "Hild"},  // the eighth default name
        {Kind::HeroType, "check 1150 on", 1367, "\x01"},   // and its Fem box
        {Kind::HeroType, "type 1079 Captain", 399, "Captain"},  // level 5
        {Kind::HeroType, "type 1131 400", 984, "\x90\x01"},
        {Kind::HeroType, "check 1109 on", 0, ""},  // Can Fly is shown, never stored
        {Kind::TerrainType, "type 1042 0", 52, "\0"s}, {Kind::TerrainType, "type 1043 9", 56, "\x09"},
        {Kind::TerrainType, "select 1041 11", 54, "\x0B"},  // River
        {Kind::TerrainType, "select 1049 12", 58, "\x0C"},
        {Kind::SiteSet, "check 1120 off", 42, "\0"s}, {Kind::SiteSet, "check 1325 on", 43, "\x01"},
        {Kind::SiteSet, "check 1326 on", 44, "\x01"},
        {Kind::RuinSet, "check 1329 on", 9, "\x01"},
        {Kind::Item, "type 1209 31", 176, "\x7C"},  // the icon index above two low bits
        {Kind::Item, "radio 1192", 178, "\x03"}, {Kind::Item, "type 1194 20000", 180, "\x20\x4E"},
        {Kind::Item, "check 1201 on", 182, "\x01"},  // bit 0 the flag, the count above it
        {Kind::Item, "type 1186 99", 182, "\xC6"}, {Kind::Item, "check 1202 on", 183, "\x01"},
        {Kind::Item, "type 1188 7", 183, "\x0E"},
        {Kind::Spell, "type 1091 99", 144, "\x63"}, {Kind::Spell, "type 1167 70000", 196, "\x70\x11"},
        {Kind::Spell, "type 1168 -1", 198, "\xFF\xFF"},
        {Kind::Advisor, "type 1225 a fair fight", 832, "a fair fight\0\0"s},
        {Kind::CitySet, "type 1011 " + k(20), 0, k(16) + '\0'},
        {Kind::TerrainType, "type 1036 " + k(20), 0, k(15) + '\0'},
        {Kind::TerrainSubtype, "type 1037 " + k(12), 25, k(8) + '\0'},
        {Kind::TerrainBonus, "type 1036 " + k(40), 9, k(31) + '\0'},
        {Kind::ArmyType, "type 1036 " + k(20), 0, k(15) + '\0'},
        {Kind::SiteSet, "type 1036 " + k(20), 0, k(15) + '\0'},
        {Kind::HeroType, "type 1090 " + k(40), 623 + 9 * 32, k(31) + '\0'},  // female name of level 10
        {Kind::HeroType, "type 1069 " + k(20), 1344, k(15) + '\0'},          // default name 10
        {Kind::HeroType, "type 1110 " + k(12), 260, k(8) + '\0'},            // combat terrain
        {Kind::Item, "type 1036 " + k(40), 0, k(31) + '\0'},
        {Kind::Advisor, "type 1230 " + k(70), 1152, k(63) + '\0'},  // the NUL in the record's last byte
        {Kind::Spell, "type 1036 " + k(20), 0, k(15) + '\0'},
        {Kind::Shield, "type 1036 " + k(45), 10, k(39) + '\0'},
        // A list index past the list's names shows nothing chosen, and OK writes what nothing
        // chosen stores: -1 for army types and terrain classes, 0 for hero types.
        {Kind::ArmyType, "unselected 1118", 246, "\xFF", "\x0B"}, {Kind::ArmyType, "unselected 1119", 247, "\xFF", "\xFF"},
        {Kind::ArmyType, "unselected 1303", 248, "\xFF", "\x08"},
        {Kind::HeroType, "unselected 1118", 1370, "\0"s, "\xC8"}, {Kind::HeroType, "unselected 1119", 1371, "\0"s, "\x08"},
        {Kind::HeroType, "unselected 1304", 1373, "\0"s, "\x09"},
        {Kind::TerrainType, "unselected 1041", 54, "\xFF\xFF", "\xFF\xFF"},
        {Kind::TerrainType, "unselected 1049", 58, "\xFF\xFF", "\x0D\0"s},
    };
    // clang-format on
    for (const auto& [kind, action, offset, bytes, stored] : edits) {
        SCOPED_TRACE(traceOf(kind, action));
        const Bytes record = patched(newBytes(kind), {{offset, stored}});
        EditorRun e(kind, kEntry);
        e.run(record, [&](ui::Window& w) {
            EXPECT_TRUE(act(w, action));
            clickOk(w);
        });
        EXPECT_TRUE(e.messages().empty());
        EXPECT_EQ(e.saved(), patched(record, {{offset, bytes}}));
    }
}

struct Missing {
    Kind kind;
    std::string entry;
    std::optional<std::vector<Patch>> written;  // zeros and these; none: no record after OK
    const char* refusal = nullptr;
    int unfilledList = 0;  // a subtype list that stays empty without a record
};

TEST(KindRules, AMissingRecordOpensEmptyAndOkWritesTheEmptyRecord) {
    // clang-format off
    const Missing cases[]{
        {Kind::CitySet, "TOWNS", std::vector<Patch>{}},
        {Kind::TerrainType, "MARSH", std::vector<Patch>{{16, "MARSH"}, {54, "\xFF\xFF"}, {58, "\xFF\xFF"}}},
        {Kind::ArmyType, "RIDERS", std::vector<Patch>{{144, "RIDERS"}, {246, "\xFF\xFF\xFF\xFF"}}, nullptr, 1105},
        {Kind::SiteSet, "TEMPLES", std::vector<Patch>{{16, "TEMPLES"}}},
        {Kind::Advisor, "SAGE", std::vector<Patch>{}},
        {Kind::Shield, "OBEND", std::vector<Patch>{{0, "\x01"}, {1, "BEND"}}},
        {Kind::Flag, "BANNER", std::nullopt},  // never writes its record
        {Kind::HeroType, "WARDEN", std::vector<Patch>{{192, "WARDEN"}, {201, "WARDENm"}, {210, "WARDENf"}}, nullptr, 1110},
        {Kind::Item, "DAWN", std::vector<Patch>{{160, "DAWN"}}},
        {Kind::Spell, "BOLT", std::vector<Patch>{}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(traceOf(c.kind, c.entry));
        EditorRun e(c.kind, c.entry);
        e.t.write("TERRAIN/SUBTYPE/GRASS.STT", "");
        e.run(std::nullopt, [&](ui::Window& w) {
            EXPECT_TRUE(!c.unfilledList || w.items(c.unfilledList).empty());
            clickOk(w);
        });
        EXPECT_EQ(e.closed, !c.refusal);
        std::vector<ui::MessageBox> refused;
        if (c.refusal) refused.push_back({std::string(ui::kValidationCaption), c.refusal, ui::Icon::Exclamation});
        EXPECT_EQ(e.messages(), refused);
        EXPECT_EQ(e.t.exists(e.path()), c.written.has_value());
        EXPECT_EQ(e.saved(), c.written ? patched(Bytes(info(c.kind).recordSize, 0), *c.written) : Bytes{});
    }
}

// OK writes the record anew: the entry name from the file name, zeros in
// reserved bytes and behind each text's NUL. Cancel leaves even a longer file
// as it was.
TEST(KindRules, OkRebuildsTheRecordAndCancelWritesNothing) {
    // clang-format off
    const std::tuple<Kind, std::string, std::vector<Patch>, std::string> cases[]{
        {Kind::CitySet, "TOWNS", {{5, "Z"}}, "Edit City Data - TOWNS"},
        {Kind::TerrainType, "MARSH", {{16, "ZZZZZZZZZ"}, {87, "\xFF"}}, "Edit Terrain - MARSH"},
        {Kind::TerrainSubtype, "HILLS", {{0, "OTHER"}}, "Edit Terrain Subtype - HILLS"},
        {Kind::TerrainBonus, "MINE", {{0, "X\0\0\0"s}}, "Edit Terrain Bonus - MINE"},
        {Kind::ArmyType, "RIDERS", {{144, "OTHER"}, {224, "\x77\x77"}}, "Edit Army - RIDERS"},
        {Kind::RuinSet, "TOMBS", {{0, "OLD\0\0"s}}, "Edit Ruin - TOMBS"},
        {Kind::SiteSet, "TEMPLES", {{16, "OTHER"}, {25, "\x55"}, {45, "\x55"}}, "Edit Site - TEMPLES"},
        // Pictures, reserved byte, male level slot 11, padding, XP slot 11.
        {Kind::HeroType, "WARDEN",
         {{192, "OTHER"}, {201, "OTHERm"}, {270, "\x55"}, {591, "Z"}, {975, "\x66"}, {996, "\x4D"}},
         "Edit Hero - WARDEN"},
        {Kind::Item, "DAWN", {{160, "OTHER"}, {170, "\x55"}, {199, "\x55"}}, "Edit Item - DAWN"},
        {Kind::Advisor, "SAGE", {{3 * 64 + 40, "\x7F"}}, "Edit Advisor - SAGE"},
        {Kind::Spell, "BOLT", {{100, "\x55"}, {209, "\x55"}}, "Edit Spell - BOLT"},
        {Kind::Shield, "OLION", {{0, "\0"s}, {1, "WRONG"}, {45, "x"}}, "Edit Shield - LION"},
        {Kind::Flag, "BANNER", {}, "Edit Flag Data"},  // OK never writes its record
    };
    // clang-format on
    for (const auto& [kind, entry, stray, caption] : cases) {
        SCOPED_TRACE(traceOf(kind, entry));
        const Bytes record = patched(newBytes(kind, entry), stray);
        EditorRun ok(kind, entry);
        ok.run(record, clickOk);
        EXPECT_TRUE(ok.closed);
        EXPECT_EQ(ok.saved(), newBytes(kind, entry));

        Bytes longer = record;
        longer.push_back(0x5A);
        EditorRun cancel(kind, entry);
        std::string shown;
        cancel.run(longer, [&](ui::Window& w) {
            shown = w.caption();
            w.userClick(ui::kIdCancel);
        });
        EXPECT_EQ(shown, caption);
        EXPECT_TRUE(cancel.closed && cancel.messages().empty());
        EXPECT_EQ(cancel.saved(), longer);
    }
}

// The subtype combos offer every subtype file in name order. A stored name
// selects the first entry it begins, in any case; another shows as stored; an
// empty one selects nothing. OK stores the texts.
// The combos; the first three hold the stored prefix, the unknown and the empty name.
TEST(KindRules, SubtypeCombosOfferEverySubtypeAndKeepWhatIsTyped) {
    // clang-format off
    const std::tuple<Kind, std::vector<int>, std::size_t, std::size_t, std::size_t> cases[]{
        {Kind::ArmyType, {1105, 1106, 1107, 1108, 1110}, 178, 187, 196},
        {Kind::HeroType, {1105, 1106, 1107, 1108, 1110}, 224, 233, 242},
        {Kind::TerrainType, {1037, 1038, 1039}, 25, 34, 43},
    };
    // clang-format on
    for (const auto& [kind, ids, prefixAt, unknownAt, emptyAt] : cases) {
        SCOPED_TRACE(info(kind).name);
        EditorRun e(kind, kEntry);
        for (const char* name : {"WATER", "hills", "GRASS", "grassy"})
            e.t.write(std::string("TERRAIN/SUBTYPE/") + name + ".STT", "");
        const Bytes record = patched(newBytes(kind), {{prefixAt, "gra"}, {unknownAt, "SWAMP"}});
        e.run(record, [&](ui::Window& w) {
            for (const int id : ids)
                EXPECT_EQ(w.items(id), (std::vector<std::string>{"GRASS", "grassy", "hills", "WATER"})) << id;
            EXPECT_EQ((std::array{w.text(ids[0]), w.text(ids[1]), w.text(ids[2])}),
                      (std::array<std::string, 3>{"GRASS", "SWAMP", ""}));
            EXPECT_EQ(w.selection(ids[2]), -1);
            w.userType(ids[2], "Bog");
            clickOk(w);
        });
        EXPECT_EQ(e.saved(), patched(record, {{prefixAt, "GRASS"}, {emptyAt, "Bog"}}));
    }
}

TEST(KindRules, NamedListsInTheirFixedOrder) {
    // clang-format off
    const std::tuple<const char*, std::span<const std::string_view>, std::size_t,
                     std::vector<std::pair<std::size_t, std::string_view>>>
        lists[]{
        {"army move sounds", armyMoveSounds(), 11, {{0, "None (0)"}, {6, "Flap (6)"}, {10, "Fire / Special (10)"}}},
        {"army facings", armyFacings(), 8, {{0, "North"}, {4, "South"}, {7, "Northwest"}}},
        {"army sound triggers", armySoundTriggers(), 8, {{0, "None"}, {4, "Attack"}, {7, "Search"}}},
        {"hero move sounds", heroMoveSounds(), 8, {{0, "None (0)"}, {3, "Cavalry (3)"}, {7, "Wagon (7)"}}},
        {"hero facings", heroFacings(), 8, {{0, "North"}, {kHeroFacingSouth, "South"}, {7, "Northwest"}}},
        {"hero sound triggers", heroSoundTriggers(), 8, {{0, "None"}, {7, "Search"}}},
        // Other editors pick the classes out by number.
        {"terrain classes", terrainClassNames(), 13,
         {{0, "Basic"}, {9, "Road"}, {10, "Forest"}, {11, "River"}, {12, "3x3"}}},
        {"item power classes", itemPowerClasses(), 5, {{0, "Minor Item"}, {3, "Artefact"}, {4, "Greater Artefact"}}},
    };
    // clang-format on
    for (const auto& [list, names, size, at] : lists) {
        ASSERT_EQ(names.size(), size) << list;
        for (const auto& [index, name] : at) EXPECT_EQ(names[index], name) << list << " " << index;
    }
}

// The button, the chosen picture's file name and where it goes.
TEST(KindRules, ImportCopiesThePictureAtOnceAndCancelWritesNoRecord) {
    // clang-format off
    const std::tuple<Kind, std::string, int, std::string, std::string> cases[]{
        {Kind::CitySet, "TOWNS", 1015, "keep.pcx", "CITY/TOWNS.pcx"},
        {Kind::HeroType, "WARDEN", HeroTypeIds::kImportFemale, "Lady.BMP", "HERO/WARDENf.BMP"},
        {Kind::Shield, "CLION", 1015, "lion.pcx", "SHIELD/CLION.pcx"},  // with the kind letter
        {Kind::Shield, "CLION", 1015, "Lion.BMP", "SHIELD/CLION.BMP"},
        {Kind::Flag, "BANNER", 1015, "red.pcx", "FLAGS/BANNER.pcx"},
    };
    // clang-format on
    for (const auto& [kind, entry, button, chosen, copy] : cases) {
        SCOPED_TRACE(traceOf(kind, copy));
        EditorRun e(kind, entry);
        e.t.write("in/" + chosen, chosen);
        e.host.answerNextFile((e.t.path() / "in" / chosen).string());
        e.host.answerNextFile(std::nullopt);  // the second choice is cancelled
        e.run(std::nullopt, [&](ui::Window& w) {
            w.userClick(button);
            w.userClick(button);
            w.userClick(ui::kIdCancel);
        });
        EXPECT_TRUE(e.messages().empty());
        EXPECT_EQ(e.t.read(copy), Bytes(chosen.begin(), chosen.end()));
        EXPECT_EQ(e.t.files(),
                  (std::vector<std::string>{copy.substr(0, copy.find('/') + 1), copy, "in/", "in/" + chosen}));
    }
}

}  // namespace
}  // namespace kestrel::datasets
