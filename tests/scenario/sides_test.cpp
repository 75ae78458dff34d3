#include "scenario/sides.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "scenario/side_lists.hpp"
#include "support/laid_out.hpp"
#include "support/temp_root.hpp"

namespace kestrel::scenario {
namespace {

using testing::laidOut;
using testing::TempRoot;

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
    // Each side its name, a stacking limit of 8, no level, 100 gold and three flags set; the neutrals used.
    core::Bytes want(4068, 0);
    for (std::size_t at = 0; at < want.size(); at += 452) {
        testing::putTexts(want, {{at + 1, at == 8 * 452 ? "Neutrals" : "Not Used"}, {at + 224, "\x01\x01\x01"}});
        testing::putWords(want, {{at + 206, 8}, {at + 216, -1}, {at + 220, 100}});
    }
    want[8 * 452] = 1;
    EXPECT_EQ(writeSides(defaultSides()), want);
}

TEST(SidesFile, FieldsAtTheirOffsetsAndBack) {
    // Texts and names; stacking limit, mana, level and gold (its high word 0); the flags and reserved bytes.
    core::Bytes want = laidOut(452, {{0, "\x01"}, {1, "Red Kings"}, {33, "Lords of the eastern isle."}, {197, "SAGE"}},
                               {{206, 6}, {208, 0x2322}, {210, 3}, {212, 99}, {214, 12}, {216, 2}, {220, 10000}});
    testing::putTexts(want, {{161, "BAZURE"}, {170, "OCROSS"}, {179, "CLION"}, {260, "PIKEMEN"}, {323, "ABCDEFGH"}});
    testing::putTexts(want, {{332, "WOLVES"}, {359, "GRIFFINS"}, {368, "SAPPERS"}, {386, "OGRES"}, {395, "GALLEY"}});
    testing::putTexts(want, {{404, "KNIGHT"}, {422, "RANGER"}, {440, "PENNANT"}});
    std::fill(want.begin() + 188, want.begin() + 197, 0x11);
    testing::putTexts(want, {{227, "\x01\x33"}});  // enhanced, then the byte at 228
    std::fill(want.begin() + 229, want.begin() + 260, 0x44);
    EXPECT_EQ(writeSide(fullSide()), want);
    EXPECT_EQ(readSide(want, Side{}), fullSide());

    // Names filling their whole field read back whole; flags read as set
    // from any non-zero byte.
    core::Bytes odd = want;
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

TEST(SideLists, NamesArmiesAndHeroesAndWithoutAFile) {
    // Side 0 used with armies and heroes, side 1 unused with the same, side 2
    // used with a name as long as a text import can make it.
    const std::string longName(31, 'x');
    Sides s = defaultSides();
    s[0] = s[1] = fullSide();
    s[1].used = false;
    s[2].used = true;
    s[2].name = longName;
    s[8].regulars[3] = "WOLVES";
    s[8].mercenaries[0] = "OGRES";
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

    // Without a file: the defaults' lists.
    TempRoot t;
    EXPECT_EQ(fillSideNames(t.root(), "ISLANDS", true, true), 9);
    EXPECT_EQ(fillSideNames(t.root(), "ISLANDS", true, false), 8);
    EXPECT_EQ(fillSideNames(t.root(), "ISLANDS", false, true), 1);
    EXPECT_EQ(fillSideArmyTypes(t.root(), "ISLANDS", 8, false), 0);
    EXPECT_EQ(fillSideHeroTypes(t.root(), "ISLANDS", 0), 0);
}

}  // namespace
}  // namespace kestrel::scenario
