// The golden texts of hero types, items, advisors, spells and shields, each
// written by its own codec, with bytes the codec does not set put in by hand.
#include "datasets/advisor.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/item.hpp"
#include "datasets/shield.hpp"
#include "datasets/spell.hpp"
#include "records_testing.hpp"

namespace kestrel::records {
namespace {

datasets::HeroType paladin() {
    datasets::HeroType h = datasets::newHeroType("PALADIN");
    h.maleName = "Paladin";
    h.femaleName = "Paladiness";
    h.description = "Sworn to the \"White\" Order";
    h.medalChance = -25;
    h.move = 14;
    h.moveTerrains = {"HILLS", "", "", "FOREST"};
    h.combatTerrain = "PLAINS";
    h.combatBonus = 2;
    h.maleLevels = {"Squire", "", "", "", "", "", "", "", "", "Lord Paladin"};
    h.femaleLevels[0] = "Maid";
    h.xp[1] = 1000;
    h.ap[9] = 9;
    h.abilities[0] = {20, 1, 0, "HEAL"};  // "Spell <code>"
    h.abilities[1] = {34, 3, -1, ""};     // "Giantslayer +N"
    h.abilities[2] = {10, 0, 0, ""};      // a code no list offers
    h.costs[0] = 4;
    h.defaultNames[0] = {"Aldric", false};
    h.defaultNames[9] = {"Gwen", true};
    h.moveSound = 3;
    h.triggers = {4, 0, 0, 9};  // the last has no name
    h.triggerCounts = {2, 0, 0, 10};
    return h;
}

TEST(ShownRecords, HeroTypeWithJunkInTheReservedByteAndBehindANul) {
    core::Bytes file = datasets::writeHeroType(paladin());
    file[270] = 0x11;               // reserved
    file[271 + 10 * 32 + 3] = 'x';  // the unused 11th male level
    file[32 + 12] = 0x5A;           // behind "Paladiness"
    testing::expectShownAs("hero-type", file, "hero_type");
}

// The earlier layout is the current one without the medal chance at 219 and
// the padding at 975.
TEST(ShownRecords, EarlierHeroTypeOf1378Bytes) {
    core::Bytes file = datasets::writeHeroType(paladin());
    file.erase(file.begin() + 975);
    file.erase(file.begin() + 219);
    file[269] = 0x22;  // reserved, one byte earlier
    testing::expectShownAs("hero-type", file, "hero_type_earlier");
}

datasets::Item ringOfDawn() {
    datasets::Item item = datasets::newItem("DAWNRING");
    item.name = "Ring of Dawn";
    item.description = "Glows before sunrise.";
    item.icon = 13;
    item.powerClass = 3;
    item.value = 1500;
    item.hasCharges = true;
    item.charges = 99;
    item.limit = 5;                                           // without its flag
    item.abilities = {{{31, 2, 0, ""}, {20, 0, 0, "FIRE"}}};  // "Medals +N"; 20 no item offers
    return item;
}

TEST(ShownRecords, ItemWithReservedBitsAndWords) {
    core::Bytes file = datasets::writeItem(ringOfDawn());
    file[170] = 0x07;   // the first reserved word
    file[176] |= 0x02;  // a reserved bit under the icon
    file[179] = 0x80;   // padding
    testing::expectShownAs("item", file, "item");
}

// The earlier layout: a 16-byte name and the rest 16 bytes earlier, so that
// what the current layout holds at 160 to 175 (the entry name) lies unread
// at 144 to 159.
TEST(ShownRecords, EarlierItemOf200Bytes) {
    core::Bytes file = datasets::writeItem(ringOfDawn());
    file.erase(file.begin() + 16, file.begin() + 32);
    testing::expectShownAs("item", file, "item_earlier");
}

TEST(ShownRecords, AdvisorWithAFullTextAndJunkBehindANul) {
    datasets::Advisor advisor = datasets::newAdvisor();
    advisor.texts[4] = std::string(64, 'o');  // no room for its NUL
    core::Bytes file = datasets::writeAdvisor(advisor);
    file[1152 + 20] = 0x01;  // behind "very very easy"
    testing::expectShownAs("advisor", file, "advisor");
}

TEST(ShownRecords, SpellWithAnUnofferedCodeAndJunkInAnAbilityPadding) {
    datasets::Spell spell = datasets::newSpell("WOLFCALL");
    spell.name = "Call of Wolves";
    spell.description = "Two lines:\r\nthe second";
    spell.manaCost = 12;
    spell.abilities[0] = {22, 3, 2, "WOLVES"};  // "Summon <code> +N"
    spell.abilities[2] = {28, -7, 0, ""};       // no spell offers 28
    spell.abilities[3] = {40, 1, 1, "ABCDEFGH"};
    core::Bytes file = datasets::writeSpell(spell);
    file[146 + 15] = 0xFF;  // the first ability's spare byte
    testing::expectShownAs("spell", file, "spell");
}

TEST(ShownRecords, ShieldChargeWithJunkBehindItsName) {
    core::Bytes file = datasets::writeShield(datasets::newShield(datasets::ShieldKind::Charge, "LION"));
    file[1 + 6] = 0x4C;    // behind "LION"
    file.push_back(0x00);  // one byte too many
    testing::expectShownAs("shield", file, "shield");
}

TEST(RecordKinds, DataSetFilesByTheirExtension) {
    constexpr std::pair<std::string_view, std::string_view> kNames[]{
        {"HERO\\PALADIN.HER", "hero-type"}, {"paladin.her", "hero-type"}, {"ITEMS\\DAWNRING.ITM", "item"},
        {"ADVISOR\\SAGE.AVR", "advisor"},   {"SPELL\\HEAL.SPL", "spell"}, {"SHIELD\\cLION.shi", "shield"},
    };
    for (const auto& [file, kindName] : kNames) {
        const FileKind* kind = kindOfFile(file);
        ASSERT_TRUE(kind) << file;
        EXPECT_EQ(kind->name, kindName) << file;
    }
}

}  // namespace
}  // namespace kestrel::records
