#include "scenario/misc_data.hpp"

#include <gtest/gtest.h>

#include "core/le.hpp"
#include "support/temp_root.hpp"

namespace kestrel::scenario {
namespace {

using testing::TempRoot;

std::string textAt(const core::Bytes& r, std::size_t offset, std::size_t size) {
    std::string s(reinterpret_cast<const char*>(&r[offset]), size);
    return s.substr(0, s.find('\0'));
}

void putText(core::Bytes& r, std::size_t offset, std::string_view text) {
    std::copy(text.begin(), text.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
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

TEST(MiscDataRecord, DefaultsOfAMissingFile) {
    core::Bytes expected(348, 0);
    putText(expected, 6, "gp");
    expected[12] = 6;
    for (std::size_t i = 0; i < 8; ++i) {
        putText(expected, 158 + 18 * i, "Goblin");
        expected[158 + 18 * i + 16] = 2;
    }
    putText(expected, 302, "Fantasy");
    EXPECT_EQ(writeMiscData(defaultMiscData()), expected);

    TempRoot t;
    EXPECT_EQ(loadMiscData(t.root(), "ISLANDS"), defaultMiscData());
}

TEST(MiscDataRecord, FieldsAtTheirOffsets) {
    const core::Bytes r = writeMiscData(sampleData());
    ASSERT_EQ(r.size(), 348u);
    EXPECT_EQ(textAt(r, 0, 6), "$");
    EXPECT_EQ(textAt(r, 6, 6), "cr.");
    EXPECT_EQ(core::getS16(r, 12), 99);
    EXPECT_EQ(textAt(r, 14, 9), "TOMBS");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[77]), 9), std::string("ABCDEFGH\0", 9));  // ruin slot 7
    EXPECT_EQ(textAt(r, 86, 9), "HARBOURS");
    EXPECT_EQ(textAt(r, 149, 9), "TEMPLES");  // site slot 7
    EXPECT_EQ(textAt(r, 158, 16), "Monster 0");
    EXPECT_EQ(core::getS16(r, 158 + 18 + 16), 1);
    EXPECT_EQ(textAt(r, 284, 16), "Fifteen Letters");
    EXPECT_EQ(core::getS16(r, 300), 7);
    EXPECT_EQ(textAt(r, 302, 9), "Gothic");
    EXPECT_EQ(textAt(r, 311, 9), "TOWNS");
    EXPECT_EQ(textAt(r, 338, 9), "None");  // city slot 3
    EXPECT_EQ(r[347], 0);
    EXPECT_EQ(readMiscData(r), sampleData());
}

// Whatever the file holds, the dialog opens with what can be read.
TEST(MiscDataRecord, ShortLongAndCorruptFiles) {
    const core::Bytes full = writeMiscData(sampleData());
    const auto cut = [&](std::size_t n) { return core::Bytes(full.begin(), full.begin() + static_cast<long>(n)); };

    EXPECT_EQ(readMiscData({}), defaultMiscData());

    // Gold texts and bonus there; every set, monster and the graphic set from the defaults.
    MiscData head = defaultMiscData();
    head.preGold = "$";
    head.postGold = "cr.";
    head.maxBonus = 99;
    EXPECT_EQ(readMiscData(cut(14)), head);

    // Cut inside monster 7's name: its start is read, its strength and the rest are defaults.
    MiscData most = sampleData();
    most.monsters[7] = {"Fift", 2};
    most.graphicSet = "Fantasy";
    most.citySets = {};
    EXPECT_EQ(readMiscData(cut(158 + 7 * 18 + 4)), most);

    // Without the padding byte everything is there.
    EXPECT_EQ(readMiscData(cut(347)), sampleData());

    core::Bytes longer = full;
    longer.resize(600, 0x41);
    EXPECT_EQ(readMiscData(longer), sampleData());

    // Texts that fill their fields with no NUL, numbers out of the dialog's range.
    core::Bytes odd(348, 'X');
    core::putS16(odd, 12, -300);
    for (std::size_t i = 0; i < 8; ++i) core::putS16(odd, 158 + 18 * i + 16, 32767);
    const MiscData d = readMiscData(odd);
    EXPECT_EQ(d.preGold, "XXXXXX");
    EXPECT_EQ(d.maxBonus, -300);
    EXPECT_EQ(d.ruinSets[7], "XXXXXXXXX");
    EXPECT_EQ(d.monsters[0].name, std::string(16, 'X'));
    EXPECT_EQ(d.monsters[7].strength, 32767);
    EXPECT_EQ(d.citySets[3], "XXXXXXXXX");
}

TEST(MiscDataRecord, SavedWholeAndLoadedBack) {
    TempRoot t;
    t.mkdir("SCENARIO/ISLANDS");
    t.write("SCENARIO/ISLANDS/MISC.DAT", core::Bytes(500, 0xEE));
    ASSERT_TRUE(saveMiscData(t.root(), "ISLANDS", sampleData()));
    EXPECT_EQ(t.read("SCENARIO/ISLANDS/MISC.DAT"), writeMiscData(sampleData()));
    EXPECT_EQ(loadMiscData(t.root(), "islands"), sampleData());
}

}  // namespace
}  // namespace kestrel::scenario
