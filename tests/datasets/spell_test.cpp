#include "datasets/spell.hpp"

#include <gtest/gtest.h>

#include "core/le.hpp"
#include "datasets/spell_editor.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;

std::string textAt(const core::Bytes& r, std::size_t at) { return reinterpret_cast<const char*>(&r[at]); }

TEST(SpellRecord, NewSpellIsItsNameAndManaFourOnZeros) {
    core::Bytes expected(210, 0);
    for (std::size_t i = 0; i < 8; ++i) expected[i] = static_cast<std::uint8_t>("FIREBALL"[i]);
    expected[144] = 4;  // mana cost, little-endian
    EXPECT_EQ(writeSpell(newSpell("FIREBALL")), expected);
}

TEST(SpellRecord, FieldsAtTheirOffsets) {
    Spell s;
    s.name = "Fifteen Letters";
    s.description = std::string(127, 'd');
    s.manaCost = 99;
    s.abilities = {{{22, 3, -2, "WOLVES"}, {40, 300, 0, ""}, {0, 0, 0, ""}, {39, -32768, 32767, "ABCDEFGH"}}};
    const core::Bytes r = writeSpell(s);
    ASSERT_EQ(r.size(), 210u);
    EXPECT_EQ(textAt(r, 0), "Fifteen Letters");
    EXPECT_EQ(r[15], 0);
    EXPECT_EQ(textAt(r, 16), std::string(127, 'd'));
    EXPECT_EQ(r[143], 0);
    EXPECT_EQ(core::getS16(r, 144), 99);
    // Four abilities of 16 bytes: code, two values, 9-byte text, a zero byte.
    EXPECT_EQ(core::getS16(r, 146), 22);
    EXPECT_EQ(core::getS16(r, 148), 3);
    EXPECT_EQ(core::getS16(r, 150), -2);
    EXPECT_EQ(textAt(r, 152), "WOLVES");
    EXPECT_EQ(core::getS16(r, 162), 40);
    EXPECT_EQ(core::getS16(r, 164), 300);
    EXPECT_EQ(core::getS16(r, 194), 39);
    EXPECT_EQ(core::getS16(r, 196), -32768);
    EXPECT_EQ(core::getS16(r, 198), 32767);
    EXPECT_EQ(std::string(&r[200], &r[208]), "ABCDEFGH");
    EXPECT_EQ(r[208], 0);
    EXPECT_EQ(r[209], 0);
    EXPECT_EQ(readSpell(r), s);
}

TEST(SpellRecord, ShortRecordsAndSignedMana) {
    core::Bytes r = writeSpell(newSpell("HEAL"));
    core::putS16(r, 144, -1);
    EXPECT_EQ(readSpell(r).manaCost, -1);
    r.resize(144);  // ends before the mana cost
    EXPECT_EQ(readSpell(r).manaCost, 0);
    EXPECT_EQ(readSpell(r).name, "HEAL");
    EXPECT_EQ(readSpell({}), Spell{});
}

TEST(SpellAbilities, PositionsAndCodes) {
    const auto choices = spellAbilities();
    ASSERT_EQ(choices.size(), 35u);
    EXPECT_EQ(choices[0].name, "Nothing");
    EXPECT_EQ(choices[18].name, "Summon <code> +N");
    EXPECT_EQ(choices[34].name, "Paralysis +N");
    EXPECT_EQ(abilityCode(choices, 18), 22);
    EXPECT_EQ(abilityCode(choices, 34), 40);
    EXPECT_EQ(abilityCode(choices, 10), 11);
    // Codes of the shared numbering that no spell offers.
    for (const std::int16_t code : {10, 19, 20, 21, 28, 37, 41, -1})
        EXPECT_EQ(abilityPosition(choices, code), 0) << code;
}

// The editor, played as a user would.
TEST(SpellEditor, NewSpellOpensWithItsDefaultsAndOkStoresTheListCodes) {
    TempRoot t;
    const auto run = runScript(t.path(),
                               "click 1020\ntype 1010 \"BOLT\"\nclick 4\nexpect no-message\n"
                               "dblclick 1008 \"BOLT\"\nexpect open 165\nexpect caption \"Edit Spell - BOLT\"\n"
                               "expect text 1036 \"BOLT\"\nexpect text 1033 \"\"\nexpect text 1091 \"4\"\n"
                               "expect selected 1153 \"Nothing\"\nexpect selected 1165 \"Nothing\"\n"
                               "expect text 1115 \"0\"\nexpect text 1166 \"\"\n"
                               "type 1036 \"ABCDEFGHIJKLMNOP\"\nexpect text 1036 \"ABCDEFGHIJKLMNO\"\n"
                               "select 1153 #18\nexpect selected 1153 \"Summon <code> +N\"\ntype 1156 \"WOLVES\"\n"
                               "select 1165 #34\ntype 1167 \"70000\"\ntype 1168 \"-1\"\n"
                               "type 1091 \"100\"\nclick 1\n"
                               "expect message \"kstred\" \"Please enter an integer between 0 and 99.\"\n"
                               "type 1091 \"-1\"\nclick 1\n"
                               "expect message \"kstred\" \"Please enter an integer between 0 and 99.\"\n"
                               "type 1091 \"99\"\nclick 1\nexpect open 164\nexpect no-message\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    const core::Bytes r = t.read("SPELL/BOLT.SPL");
    ASSERT_EQ(r.size(), 210u);
    EXPECT_EQ(textAt(r, 0), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(core::getS16(r, 144), 99);
    EXPECT_EQ(core::getS16(r, 146), 22);
    EXPECT_EQ(textAt(r, 152), "WOLVES");
    EXPECT_EQ(core::getS16(r, 194), 40);
    EXPECT_EQ(core::getS16(r, 196), 70000 - 65536);  // no range check: kept in 16 bits
    EXPECT_EQ(core::getS16(r, 198), -1);
}

TEST(SpellEditor, CodeNoListEntryCarriesOpensAsNothingAndIsWrittenAsZero) {
    TempRoot t;
    Spell s = newSpell("CURSE");
    s.abilities[1] = {28, 5, 6, "KEEP"};
    t.write("SPELL/CURSE.SPL", writeSpell(s));
    const auto run = runScript(t.path(),
                               "click 1020\ndblclick 1008 \"CURSE\"\nexpect selected 1157 \"Nothing\"\n"
                               "expect text 1159 \"5\"\nexpect text 1158 \"KEEP\"\nclick 1\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    s.abilities[1].code = 0;
    EXPECT_EQ(readSpell(t.read("SPELL/CURSE.SPL")), s);
}

TEST(SpellEditor, StoredFieldsOpenInTheirControls) {
    TempRoot t;
    Spell s = newSpell("STORM");
    s.name = "Storm";
    s.description = "Line one\r\nline two";
    s.manaCost = 17;
    s.abilities[2] = {39, 4, 0, ""};
    t.write("SPELL/STORM.SPL", writeSpell(s));
    const auto run = runScript(t.path(),
                               "click 1020\ndblclick 1008 \"STORM\"\nexpect text 1036 \"Storm\"\n"
                               "expect text 1091 \"17\"\nexpect selected 1161 \"Lightning +N\"\n"
                               "expect text 1163 \"4\"\nclick 1\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(readSpell(t.read("SPELL/STORM.SPL")), s);
}

}  // namespace
}  // namespace kestrel::datasets
