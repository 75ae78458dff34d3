#include "scenario/sides.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/le.hpp"
#include "scenario/side_lists.hpp"
#include "support/temp_root.hpp"

namespace kestrel::scenario {
namespace {

using testing::TempRoot;

std::string textAt(const core::Bytes& r, std::size_t offset, std::size_t size) {
    std::string s(reinterpret_cast<const char*>(&r[offset]), size);
    return s.substr(0, s.find('\0'));
}

// Every field away from its default, the reserved bytes included.
Side fullSide() {
    Side s;
    s.used = true;
    s.name = "Red Kings";
    s.description = "Lords of the eastern isle.";
    s.shields = {"BAZURE", "OCROSS", "CLION"};
    s.advisor = "SAGE";
    s.stackingLimit = 6;
    s.manaType = 3;
    s.maxMana = 99;
    s.initialMana = 12;
    s.level = kLevelKestrel;
    s.startingGold = 10000;
    s.getMercenaries = false;
    s.sellItems = false;
    s.heroOnTurn1 = false;
    s.enhanced = true;
    s.regulars = {"PIKEMEN", "", "", "", "", "", "", "ABCDEFGH"};
    s.allies = {"WOLVES", "", "", "GRIFFINS"};
    s.mercenaries = {"SAPPERS", "", "OGRES"};
    s.ship = "GALLEY";
    s.heroes = {"KNIGHT", "", "RANGER", ""};
    s.armyFlag = "PENNANT";
    s.reserved.at188.fill(0x11);
    s.reserved.at208 = {0x22, 0x23};
    s.reserved.at228 = 0x33;
    s.reserved.at229.fill(0x44);
    return s;
}

TEST(SidesFile, DefaultsOfAMissingFile) {
    TempRoot t;
    EXPECT_EQ(loadSides(t.root(), "ISLANDS"), defaultSides());
    const core::Bytes f = writeSides(defaultSides());
    ASSERT_EQ(f.size(), 4068u);
    for (std::size_t i = 0; i < 9; ++i) {
        const std::size_t at = i * 452;
        SCOPED_TRACE(i);
        EXPECT_EQ(f[at], i == 8 ? 1 : 0);
        EXPECT_EQ(textAt(f, at + 1, 32), i == 8 ? "Neutrals" : "Not Used");
        EXPECT_EQ(core::getS16(f, at + 206), 8);
        EXPECT_EQ(core::getS16(f, at + 216), -1);
        EXPECT_EQ(core::getS32(f, at + 220), 100);
        EXPECT_EQ(std::vector<int>(f.begin() + at + 224, f.begin() + at + 229), (std::vector<int>{1, 1, 1, 0, 0}));
        // Nothing else: names, numbers and reserved bytes are zero.
        const std::size_t set[] = {0, 206, 216, 217, 220, 224, 225, 226};
        for (std::size_t b = 10; b < 452; ++b) {
            if (std::find(std::begin(set), std::end(set), b) == std::end(set)) EXPECT_EQ(f[at + b], 0) << b;
        }
    }
}

TEST(SidesFile, FieldsAtTheirOffsetsAndBack) {
    const core::Bytes r = writeSide(fullSide());
    ASSERT_EQ(r.size(), 452u);
    EXPECT_EQ(textAt(r, 33, 128), "Lords of the eastern isle.");
    EXPECT_EQ(textAt(r, 161, 9), "BAZURE");
    EXPECT_EQ(textAt(r, 179, 9), "CLION");
    EXPECT_EQ(r[188], 0x11);
    EXPECT_EQ(r[196], 0x11);
    EXPECT_EQ(textAt(r, 197, 9), "SAGE");
    EXPECT_EQ(core::getS16(r, 206), 6);
    EXPECT_EQ(core::getU16(r, 208), 0x2322);
    EXPECT_EQ(core::getS16(r, 210), 3);
    EXPECT_EQ(core::getS16(r, 212), 99);
    EXPECT_EQ(core::getS16(r, 214), 12);
    EXPECT_EQ(core::getS16(r, 216), 2);
    EXPECT_EQ(core::getU16(r, 218), 0);  // padding
    EXPECT_EQ(core::getS32(r, 220), 10000);
    EXPECT_EQ(std::vector<int>(r.begin() + 224, r.begin() + 230), (std::vector<int>{0, 0, 0, 1, 0x33, 0x44}));
    EXPECT_EQ(r[259], 0x44);
    EXPECT_EQ(textAt(r, 260, 9), "PIKEMEN");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[323]), 9), std::string("ABCDEFGH\0", 9));
    EXPECT_EQ(textAt(r, 332, 9), "WOLVES");
    EXPECT_EQ(textAt(r, 359, 9), "GRIFFINS");
    EXPECT_EQ(textAt(r, 368, 9), "SAPPERS");
    EXPECT_EQ(textAt(r, 386, 9), "OGRES");
    EXPECT_EQ(textAt(r, 395, 9), "GALLEY");
    EXPECT_EQ(textAt(r, 404, 9), "KNIGHT");
    EXPECT_EQ(textAt(r, 422, 9), "RANGER");
    EXPECT_EQ(textAt(r, 440, 9), "PENNANT");
    EXPECT_EQ(std::vector<int>(r.begin() + 449, r.end()), (std::vector<int>{0, 0, 0}));  // padding
    EXPECT_EQ(readSide(r, Side{}), fullSide());

    // Names filling their whole field read back whole; flags read as set
    // from any non-zero byte.
    core::Bytes odd = r;
    std::fill(odd.begin() + 1, odd.begin() + 33, 'N');
    odd[224] = 7;
    const Side s = readSide(odd, Side{});
    EXPECT_EQ(s.name, std::string(32, 'N'));
    EXPECT_TRUE(s.getMercenaries);
}

TEST(SidesFile, ShortLongAndEmptyFiles) {
    Sides full = defaultSides();
    for (auto& side : full) side = fullSide();
    const core::Bytes whole = writeSides(full);

    // A record the file does not reach takes the defaults, a field it does
    // not reach keeps the default, a field it cuts reads as padded with zeros.
    const core::Bytes cut(whole.begin(), whole.begin() + 452 + 215);
    const Sides s = readSides(cut);
    EXPECT_EQ(s[0], fullSide());
    EXPECT_EQ(s[1].name, "Red Kings");
    EXPECT_EQ(s[1].maxMana, 99);
    EXPECT_EQ(s[1].initialMana, 12);  // low byte only, and 12 fits
    EXPECT_EQ(s[1].level, -1);
    EXPECT_EQ(s[1].startingGold, 100);
    EXPECT_TRUE(s[1].getMercenaries);
    EXPECT_EQ(s[1].reserved.at228, 0);
    EXPECT_EQ(s[1].regulars[0], "");
    for (std::size_t i = 2; i < 9; ++i) EXPECT_EQ(s[i], defaultSide(i)) << i;

    const core::Bytes midName(whole.begin(), whole.begin() + 4);
    EXPECT_EQ(readSides(midName)[0].name, "Red");
    EXPECT_EQ(readSides(midName)[0].stackingLimit, 8);

    EXPECT_EQ(readSides({}), defaultSides());
    core::Bytes longer = whole;
    longer.insert(longer.end(), 100, 0xEE);
    EXPECT_EQ(readSides(longer), full);

    // On disk too, and written back at its exact size.
    TempRoot t;
    t.write("SCENARIO/ISLANDS/SIDES.DAT", longer);
    EXPECT_EQ(loadSides(t.root(), "islands"), full);
    ASSERT_TRUE(saveSides(t.root(), "ISLANDS", loadSides(t.root(), "ISLANDS")));
    EXPECT_EQ(t.read("SCENARIO/ISLANDS/SIDES.DAT"), whole);
}

// Side 0 used with armies and heroes, side 1 unused with the same, side 2
// used with a name as long as a text import can make it.
Sides listedSides() {
    Sides s = defaultSides();
    s[0] = fullSide();
    s[1] = fullSide();
    s[1].used = false;
    s[2].used = true;
    s[2].name = std::string(31, 'x');
    s[8].regulars[3] = "WOLVES";
    s[8].mercenaries[0] = "OGRES";
    return s;
}

TEST(SideLists, NamesArmiesAndHeroes) {
    const Sides s = listedSides();
    const std::string longName(31, 'x');
    using V = std::vector<std::string>;
    EXPECT_EQ(sideNames(s, true, true), (V{"Red Kings", "Not Used", longName, "Not Used", "Not Used", "Not Used",
                                           "Not Used", "Not Used", "Neutrals"}));
    EXPECT_EQ(sideNames(s, false, false), (V{"Red Kings", longName}));
    EXPECT_EQ(sideNames(s, false, true), (V{"Red Kings", longName, "Neutrals"}));

    EXPECT_EQ(sideArmyTypes(s, 0, true), (V{"PIKEMEN", "ABCDEFGH"}));
    EXPECT_EQ(sideArmyTypes(s, 0, false), (V{"PIKEMEN", "ABCDEFGH", "WOLVES", "GRIFFINS", "SAPPERS", "OGRES"}));
    EXPECT_EQ(sideArmyTypes(s, 8, false), (V{"WOLVES", "OGRES"}));  // the neutrals count as used
    for (const int side : {1, 2, 9, -1}) EXPECT_EQ(sideArmyTypes(s, side, false), V{}) << side;

    EXPECT_EQ(sideHeroTypes(s, 0), (V{"KNIGHT", "", "RANGER", ""}));
    EXPECT_EQ(sideHeroTypes(s, 2), (V{"", "", "", ""}));
    for (const int side : {1, 8, -1}) EXPECT_EQ(sideHeroTypes(s, side), V{}) << side;
}

TEST(SideLists, MissingFileCounts) {
    TempRoot t;
    EXPECT_EQ(fillSideNames(t.root(), "ISLANDS", true, true), 9);
    EXPECT_EQ(fillSideNames(t.root(), "ISLANDS", true, false), 8);
    EXPECT_EQ(fillSideNames(t.root(), "ISLANDS", false, true), 1);
    EXPECT_EQ(fillSideArmyTypes(t.root(), "ISLANDS", 8, false), 0);
    EXPECT_EQ(fillSideHeroTypes(t.root(), "ISLANDS", 0), 0);
}

}  // namespace
}  // namespace kestrel::scenario
