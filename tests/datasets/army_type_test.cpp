#include "datasets/army_type.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core/le.hpp"
#include "datasets/army_type_editor.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::datasets {
namespace {

using testing::TempRoot;
using Ids = ArmyTypeIds;

std::string textAt(const core::Bytes& r, std::size_t offset) { return reinterpret_cast<const char*>(&r[offset]); }

void putText(core::Bytes& r, std::size_t offset, std::string_view text) {
    std::copy(text.begin(), text.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
}

// clang-format off
ArmyType sampleArmy() {
    ArmyType a{"Fifteen Letters", "Rides at dawn.", "RIDERS", 100, 20, 99, 8, 10, 100, 99, {"HORSE", "MOUNTED"},
               {"GRASS", "ROAD", "HILLS", "ABCDEFGH"}, "PLAINS", 9, 10000, 9999, {34, 2, 99, "GIANTS"}, 10, 7};
    a.triggers = {-1, 7};
    a.triggerNumbers = {10, 3};
    return a;
}
// clang-format on

TEST(ArmyTypeRecord, NewArmyTypeDefaultsAtTheirOffsets) {
    core::Bytes expected(252, 0);
    putText(expected, 0, "PIKEMEN");
    putText(expected, 144, "PIKEMEN");
    expected[154] = 2;                 // strength
    expected[155] = 12;                // move
    expected[156] = 2;                 // hits
    expected[157] = 1;                 // time
    expected[158] = 2;                 // upkeep
    expected[159] = 2;                 // view range
    core::putS16(expected, 226, 100);  // new cost
    core::putS16(expected, 228, 50);   // setup points
    expected[247] = 4;                 // facing South
    EXPECT_EQ(writeArmyType(newArmyType("PIKEMEN")), expected);
}

TEST(ArmyTypeRecord, FieldsAtTheirOffsets) {
    const core::Bytes r = writeArmyType(sampleArmy());
    ASSERT_EQ(r.size(), 252u);
    const std::pair<std::size_t, const char*> texts[] = {
        {0, "Fifteen Letters"}, {16, "Rides at dawn."}, {144, "RIDERS"}, {160, "HORSE"}, {169, "MOUNTED"},
        {178, "GRASS"},         {196, "HILLS"},         {214, "PLAINS"}, {236, "GIANTS"}};
    for (const auto& [at, text] : texts) EXPECT_EQ(textAt(r, at), text) << at;
    EXPECT_EQ(std::string(r.begin() + 205, r.begin() + 214), std::string("ABCDEFGH\0", 9));
    EXPECT_EQ(core::Bytes(r.begin() + 153, r.begin() + 160), (core::Bytes{100, 20, 99, 8, 10, 100, 99}));
    EXPECT_EQ(core::Bytes(r.begin() + 223, r.begin() + 226), (core::Bytes{9, 0, 0}));  // bonus, reserved, unused
    EXPECT_EQ(core::getS16(r, 226), 10000);
    EXPECT_EQ(core::getS16(r, 228), 9999);
    EXPECT_EQ(core::getS16(r, 230), 34);
    EXPECT_EQ(core::getS16(r, 234), 99);
    EXPECT_EQ(core::Bytes(r.begin() + 245, r.end()), (core::Bytes{0, 10, 7, 0xFF, 7, 10, 3}));
    EXPECT_EQ(readArmyType(r), sampleArmy());
}

TEST(ArmyTypeRecord, SmallValuesReadUnsignedAndTheTailSigned) {
    const ArmyType a = readArmyType(core::Bytes(252, 0xFF));
    EXPECT_EQ((std::array{a.medalChance, a.strength, a.viewRange, a.combatBonusValue}),
              (std::array{255, 255, 255, 255}));
    EXPECT_EQ((std::array{a.newCost, a.moveSound, a.facing, a.triggers[1], a.triggerNumbers[1]}),
              (std::array{-1, -1, -1, -1, -1}));
}

// A record of the earlier layout, each field at its own offset.
core::Bytes earlierRecord() {
    core::Bytes r(250, 0);
    putText(r, 0, "Old Wolves");
    putText(r, 16, "From before medals.");
    putText(r, 144, "WOLVES");
    const std::uint8_t stats[] = {3, 16, 2, 1, 4, 5};
    std::copy(std::begin(stats), std::end(stats), r.begin() + 153);
    putText(r, 159, "BEAST");
    putText(r, 168, "PACK");
    putText(r, 177, "FOREST");
    putText(r, 186, "HILLS");
    putText(r, 195, "GRASS");
    putText(r, 204, "ROAD");
    putText(r, 213, "FOREST");
    r[222] = 2;
    r[223] = 0x77;  // unused
    core::putS16(r, 224, 150);
    core::putS16(r, 226, 75);
    core::putS16(r, 228, 38);
    core::putS16(r, 230, 3);
    core::putS16(r, 232, 4);
    putText(r, 234, "ACID");
    r[244] = 7;
    r[245] = 6;
    r[246] = 4;
    r[247] = 0xFF;
    r[248] = 2;
    r[249] = 10;
    return r;
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

TEST(ArmyTypeRecord, AnyLengthButTheCurrentOneIsTheEarlierLayout) {
    for (const std::size_t length : {251u, 253u, 300u}) {
        core::Bytes r = earlierRecord();
        r.resize(length, 0x55);
        EXPECT_EQ(readArmyType(r), earlierArmy()) << length;
    }
    EXPECT_EQ(readArmyType({}).medalChance, 20);
}

TEST(ArmyTypeLists, AbilityTableEdgesAndCodesNotOffered) {
    const auto choices = armyAbilities();
    ASSERT_EQ(choices.size(), 20u);
    EXPECT_EQ(choices.back().name, "Warding +n");
    EXPECT_EQ(abilityCode(choices, 19), 41);
    for (const std::int16_t missing : {1, 7, 29, 36, 42}) EXPECT_EQ(abilityPosition(choices, missing), 0) << missing;
}

// Opens the editor on ARMY\RIDERS.ARM (absent when `record` is empty), lets
// `play` act on it and notes whether it closed.
struct ArmyEditorRun {
    TempRoot t;
    ui::HeadlessHost host;
    bool closed = false;
    void run(const std::optional<core::Bytes>& record, const std::function<void(ui::Window&)>& play) {
        t.mkdir("ARMY");
        if (record) t.write("ARMY/RIDERS.ARM", *record);
        ArmyTypeEditor editor(host, t.root(), "RIDERS");
        host.onNextModal([&](ui::Window& w) {
            play(w);
            closed = w.isClosed();
        });
        host.runModal(editor);
    }
    core::Bytes saved() const { return t.read("ARMY/RIDERS.ARM"); }
};

TEST(ArmyTypeEditor, EarlierLayoutOpensWithMedalChance20AndOkWritesTheCurrentLayout) {
    ArmyEditorRun e;
    e.run(earlierRecord(), [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kMedalChance), "20");
        EXPECT_EQ(w.text(Ids::kName), "Old Wolves");
        EXPECT_EQ(w.text(Ids::kStrength), "3");
        EXPECT_EQ(w.text(Ids::kSubtypes[1]), "PACK");
        EXPECT_EQ(w.text(Ids::kMoveBonuses[3]), "ROAD");
        EXPECT_EQ(w.text(Ids::kNewCost), "150");
        EXPECT_EQ(w.text(Ids::kAbility.text), "ACID");
        EXPECT_EQ(w.selection(Ids::kAbility.list), 16);  // Acid +N
        EXPECT_EQ(w.selection(Ids::kFacing), 6);
        EXPECT_EQ(w.selection(Ids::kTriggers[1]), -1);
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(e.closed);
    ArmyType expected = earlierArmy();
    expected.entryName = "RIDERS";
    EXPECT_EQ(e.saved(), writeArmyType(expected));
}

TEST(ArmyTypeEditor, OddLengthsOpenAsTheEarlierLayout) {
    for (const std::size_t length : {251u, 253u}) {
        core::Bytes r = earlierRecord();
        r.resize(length, 0);
        ArmyEditorRun e;
        e.run(r, [](ui::Window& w) {
            EXPECT_EQ(w.text(Ids::kMedalChance), "20");
            EXPECT_EQ(w.text(Ids::kSetupPoints), "75");
            w.userClick(ui::kIdOk);
        });
        ASSERT_EQ(e.saved().size(), 252u) << length;
        EXPECT_EQ(core::getS16(e.saved(), 228), 75) << length;
    }
}

TEST(ArmyTypeEditor, CanFlyStandsForUpperCaseFlyOnly) {
    ArmyType flyer = newArmyType("RIDERS");
    flyer.moveBonuses = {"FLY", "HILLS", "", ""};
    ArmyEditorRun e;
    e.run(writeArmyType(flyer), [](ui::Window& w) {
        EXPECT_TRUE(w.checked(Ids::kCanFly));
        EXPECT_EQ(w.text(Ids::kMoveBonuses[0]), "");
        EXPECT_EQ(w.text(Ids::kMoveBonuses[1]), "HILLS");
        w.userType(Ids::kMoveBonuses[0], "GRASS");  // ignored while the box is checked
        w.userClick(ui::kIdOk);
    });
    EXPECT_EQ(readArmyType(e.saved()).moveBonuses, flyer.moveBonuses);

    ArmyEditorRun grounded;
    grounded.run(writeArmyType(flyer), [](ui::Window& w) {
        w.userCheck(Ids::kCanFly, false);
        w.userType(Ids::kMoveBonuses[0], "SWAMP");
        w.userClick(ui::kIdOk);
    });
    EXPECT_EQ(readArmyType(grounded.saved()).moveBonuses[0], "SWAMP");

    ArmyType lower = newArmyType("RIDERS");
    lower.moveBonuses[0] = "fly";
    ArmyEditorRun l;
    l.run(writeArmyType(lower), [](ui::Window& w) {
        EXPECT_FALSE(w.checked(Ids::kCanFly));
        EXPECT_EQ(w.text(Ids::kMoveBonuses[0]), "fly");
        w.userClick(ui::kIdOk);
    });
    EXPECT_EQ(l.saved(), writeArmyType(lower));
}

TEST(ArmyTypeEditor, AbilityChoiceStoresItsCode) {
    ArmyEditorRun e;
    e.run(writeArmyType(newArmyType("RIDERS")), [](ui::Window& w) {
        w.userSelect(Ids::kAbility.list, 6);
        EXPECT_EQ(w.text(Ids::kAbility.list), "Engineer +N");
        w.userType(Ids::kAbility.first, "3");
        w.userClick(ui::kIdOk);
    });
    EXPECT_EQ(core::getS16(e.saved(), 230), 12);
    EXPECT_EQ(core::getS16(e.saved(), 232), 3);
}

struct Refusal {
    int id;
    const char* typed;
    const char* message;
};
constexpr Refusal kRefusals[] = {
    {Ids::kStrength, "21", "Please enter an integer between 0 and 20."},
    {Ids::kAbility.second, "100", "Please enter an integer between 0 and 99."},
    {Ids::kTriggerNumbers[1], "11", "Please enter an integer between 0 and 10."},
    {Ids::kUpkeep, "two", "Please enter an integer."},
};

TEST(ArmyTypeEditor, ValuesOutOfRangeAreRefusedAndNothingIsWritten) {
    const core::Bytes record = writeArmyType(newArmyType("RIDERS"));
    for (const auto& r : kRefusals) {
        SCOPED_TRACE(::testing::Message() << r.id << " " << r.typed);
        ArmyEditorRun e;
        e.run(record, [&](ui::Window& w) {
            w.userType(r.id, r.typed);
            w.userClick(ui::kIdOk);
            EXPECT_EQ(w.focused(), r.id);
        });
        EXPECT_FALSE(e.closed);
        ASSERT_EQ(e.host.messages().size(), 1u);
        EXPECT_EQ(e.host.messages()[0].text, r.message);
        EXPECT_EQ(e.saved(), record);
    }
}

// Codes and indices that the lists do not offer show nothing chosen (the
// ability "Nothing"); OK stores code 0 and -1 for the lists.
TEST(ArmyTypeEditor, UnofferedCodesAndIndicesShowNothingChosen) {
    ArmyType a = newArmyType("RIDERS");
    a.ability = {7, 5, 6, "KEEP"};
    a.moveSound = 11;
    a.facing = -1;
    a.triggers = {8, 7};
    ArmyEditorRun e;
    e.run(writeArmyType(a), [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kAbility.list), "Nothing");
        EXPECT_EQ(w.text(Ids::kAbility.first), "5");
        EXPECT_EQ(w.selection(Ids::kMoveSound), -1);
        EXPECT_EQ(w.selection(Ids::kFacing), -1);
        EXPECT_EQ(w.selection(Ids::kTriggers[0]), -1);
        EXPECT_EQ(w.text(Ids::kTriggers[1]), "Search");
        w.userClick(ui::kIdOk);
    });
    a.ability.code = 0;  // the values and text stay as shown
    a.moveSound = -1;
    a.triggers[0] = -1;
    EXPECT_EQ(e.saved(), writeArmyType(a));
}

TEST(ArmyTypeEditor, MissingRecordOpensEmptyAndOkCreatesIt) {
    ArmyEditorRun e;
    e.t.write("TERRAIN/SUBTYPE/GRASS.STT", core::Bytes(41, 0));
    e.run(std::nullopt, [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kName), "");
        EXPECT_EQ(w.text(Ids::kStrength), "0");
        EXPECT_EQ(w.text(Ids::kAbility.first), "0");
        EXPECT_EQ(w.selection(Ids::kAbility.list), -1);
        EXPECT_EQ(w.selection(Ids::kFacing), -1);
        EXPECT_TRUE(w.items(Ids::kMoveBonuses[0]).empty());  // not filled without a record
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(e.closed);
    ArmyType created;
    created.entryName = "RIDERS";
    created.moveSound = created.facing = -1;
    created.triggers = {-1, -1};
    EXPECT_EQ(e.saved(), writeArmyType(created));
}

TEST(ArmyTypeEditor, SubtypeCombosOfferEverySubtypeAndKeepTypedNames) {
    ArmyType a = newArmyType("RIDERS");
    a.moveBonuses = {"gra", "SWAMP", "", ""};
    a.combatBonus = "HILLS";
    ArmyEditorRun e;
    for (const char* name : {"HILLS", "GRASS", "ROAD"})
        e.t.write(std::string("TERRAIN/SUBTYPE/") + name + ".STT", core::Bytes(41, 0));
    e.run(writeArmyType(a), [](ui::Window& w) {
        for (const int id : {1105, 1106, 1107, 1108, 1110})
            EXPECT_EQ(w.items(id), (std::vector<std::string>{"GRASS", "HILLS", "ROAD"})) << id;
        EXPECT_EQ(w.text(Ids::kMoveBonuses[0]), "GRASS");  // the first name it begins
        EXPECT_EQ(w.text(Ids::kMoveBonuses[1]), "SWAMP");
        EXPECT_EQ(w.selection(Ids::kMoveBonuses[2]), -1);
        EXPECT_EQ(w.text(Ids::kCombatBonus), "HILLS");
        w.userClick(ui::kIdOk);
    });
    a.moveBonuses[0] = "GRASS";
    EXPECT_EQ(e.saved(), writeArmyType(a));
}

}  // namespace
}  // namespace kestrel::datasets
