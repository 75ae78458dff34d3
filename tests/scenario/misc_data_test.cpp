#include "scenario/misc_data.hpp"

#include <gtest/gtest.h>

#include "support/laid_out.hpp"
#include "support/temp_root.hpp"

namespace kestrel::scenario {
namespace {

using testing::laidOut;

MiscData sampleData() {
    MiscData d;
    d.preGold = "$";
    d.postGold = "cr.";
    d.maxBonus = 99;
    d.ruinSets = {"TOMBS", "", "", "", "", "", "", "ABCDEFGH"};
    d.siteSets = {"HARBOURS", "", "", "", "", "", "", "TEMPLES"};
    for (int i = 0; i < 8; ++i) d.monsters[i] = {"Monster " + std::to_string(i), i};
    d.monsters[7].name = "Fifteen Letters";
    d.graphicSet = "Gothic";
    d.citySets = {"TOWNS", "", "", "None"};
    return d;
}

TEST(MiscDataRecord, DefaultsAndFieldsAtTheirOffsets) {
    // "gp", a bonus of 6, goblins of strength 2 and the graphics "Fantasy".
    core::Bytes expected = laidOut(348, {{6, "gp"}, {302, "Fantasy"}}, {{12, 6}});
    for (std::size_t at = 158; at < 302; at += 18) testing::putTexts(expected, {{at, "Goblin"}, {at + 16, "\x02"}});
    EXPECT_EQ(writeMiscData(defaultMiscData()), expected);
    testing::TempRoot t;
    EXPECT_EQ(loadMiscData(t.root(), "ISLANDS"), defaultMiscData());

    // Gold texts, bonus, ruin sets 0 and 7, site sets 0 and 7, the monsters, graphics and city sets 0 and 3.
    core::Bytes want = laidOut(348, {{0, "$"}, {6, "cr."}, {14, "TOMBS"}, {77, "ABCDEFGH"}}, {{12, 99}});
    testing::putTexts(want, {{86, "HARBOURS"}, {149, "TEMPLES"}, {302, "Gothic"}, {311, "TOWNS"}, {338, "None"}});
    for (std::size_t i = 0; i < 8; ++i) {
        testing::putTexts(want, {{158 + 18 * i, i == 7 ? "Fifteen Letters" : "Monster " + std::to_string(i)}});
        testing::putWords(want, {{158 + 18 * i + 16, static_cast<int>(i)}});
    }
    EXPECT_EQ(writeMiscData(sampleData()), want);
    EXPECT_EQ(readMiscData(want), sampleData());

    ASSERT_TRUE(t.root().makeDirectory("SCENARIO") && t.root().makeDirectory("SCENARIO\\ISLANDS"));
    ASSERT_TRUE(saveMiscData(t.root(), "ISLANDS", sampleData()));
    EXPECT_EQ(loadMiscData(t.root(), "islands"), sampleData());
}

// Whatever the file holds, the dialog opens with what can be read.
TEST(MiscDataRecord, ShortLongAndCorruptFiles) {
    const core::Bytes full = writeMiscData(sampleData());
    const auto cut = [&](std::size_t n) { return core::Bytes(full.begin(), full.begin() + static_cast<long>(n)); };
    EXPECT_EQ(readMiscData({}), defaultMiscData());
    // Gold texts and bonus there; the rest from the defaults.
    MiscData head = defaultMiscData();
    head.preGold = "$";
    head.postGold = "cr.";
    head.maxBonus = 99;
    EXPECT_EQ(readMiscData(cut(14)), head);
    // Cut inside monster 7's name: its start is read, its strength and what follows are defaults.
    MiscData most = sampleData();
    most.monsters[7] = {"Fift", 2};
    most.graphicSet = "Fantasy";
    most.citySets = {};
    EXPECT_EQ(readMiscData(cut(158 + 7 * 18 + 4)), most);
    EXPECT_EQ(readMiscData(cut(347)), sampleData());
    core::Bytes longer = full;
    longer.resize(600, 0x41);
    EXPECT_EQ(readMiscData(longer), sampleData());

    // Texts that fill their fields with no NUL, numbers beyond the dialog's range.
    core::Bytes odd(348, 'X');
    core::putS16(odd, 12, -300);
    core::putS16(odd, 300, 32767);
    const MiscData d = readMiscData(odd);
    EXPECT_EQ(d.preGold, "XXXXXX");
    EXPECT_EQ(d.maxBonus, -300);
    EXPECT_EQ(d.ruinSets[7], "XXXXXXXXX");
    EXPECT_EQ(d.monsters[0].name, std::string(16, 'X'));
    EXPECT_EQ(d.monsters[7].strength, 32767);
    EXPECT_EQ(d.citySets[3], "XXXXXXXXX");
}

}  // namespace
}  // namespace kestrel::scenario
