#include "scenario/misc_data.hpp"

#include <gtest/gtest.h>

#include "core/le.hpp"
#include "support/temp_root.hpp"

namespace kestrel::scenario {
namespace {

std::string textAt(const core::Bytes& r, std::size_t offset, std::size_t size) {
    std::string s(reinterpret_cast<const char*>(&r[offset]), size);
    return s.substr(0, s.find('\0'));
}

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
    core::Bytes expected(348, 0);
    const auto put = [&](std::size_t at, std::string_view text) { std::copy(text.begin(), text.end(), &expected[at]); };
    put(6, "gp");
    expected[12] = 6;
    for (std::size_t i = 0; i < 8; ++i) {
        put(158 + 18 * i, "Goblin");
        expected[158 + 18 * i + 16] = 2;
    }
    put(302, "Fantasy");
    EXPECT_EQ(writeMiscData(defaultMiscData()), expected);
    testing::TempRoot t;
    EXPECT_EQ(loadMiscData(t.root(), "ISLANDS"), defaultMiscData());

    const core::Bytes r = writeMiscData(sampleData());
    ASSERT_EQ(r.size(), 348u);
    EXPECT_EQ(textAt(r, 0, 6) + "|" + textAt(r, 6, 6), "$|cr.");
    EXPECT_EQ(core::getS16(r, 12), 99);
    EXPECT_EQ(textAt(r, 14, 9), "TOMBS");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[77]), 9), std::string("ABCDEFGH\0", 9));  // ruin slot 7
    EXPECT_EQ(textAt(r, 86, 9) + "|" + textAt(r, 149, 9), "HARBOURS|TEMPLES");                       // site slots 0, 7
    EXPECT_EQ(core::getS16(r, 158 + 18 + 16), 1);
    EXPECT_EQ(textAt(r, 284, 16), "Fifteen Letters");
    EXPECT_EQ(core::getS16(r, 300), 7);
    EXPECT_EQ(textAt(r, 302, 9), "Gothic");
    EXPECT_EQ(textAt(r, 311, 9) + "|" + textAt(r, 338, 9), "TOWNS|None");  // city slots 0, 3
    EXPECT_EQ(r[347], 0);
    EXPECT_EQ(readMiscData(r), sampleData());

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
