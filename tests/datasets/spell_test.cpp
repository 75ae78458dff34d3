#include "datasets/spell.hpp"

#include <gtest/gtest.h>

#include "dataset_testing.hpp"
#include "datasets/spell_editor.hpp"
#include "ui/layout.hpp"

namespace kestrel::datasets {
namespace {

using namespace std::string_literals;

// Mana cost, then four abilities of 16 bytes: code, two values, a 9-byte text, a zero byte.
TEST(SpellRecord, FieldsAtTheirOffsets) {
    Spell s;
    s.name = "Fifteen Letters";
    s.description = std::string(127, 'd');
    s.manaCost = 99;
    s.abilities = {{{22, 3, -2, "WOLVES"}, {40, 300, 0, ""}, {0, 0, 0, ""}, {39, -32768, 32767, "ABCDEFGH"}}};
    const core::Bytes r = writeSpell(s);
    EXPECT_EQ(r, patched(core::Bytes(210, 0), {{0, "Fifteen Letters"}, {16, std::string(127, 'd')},
                                                {144, "\x63\0\x16\0\x03\0\xFE\xFF" "WOLVES"s}, {162, "\x28\0\x2C\x01"s},
                                                {194, "\x27\0\0\x80\xFF\x7F" "ABCDEFGH"s}}));
    EXPECT_EQ(readSpell(r), s);
    EXPECT_EQ(readSpell(patched(r, {{144, "\xFF\xFF"}})).manaCost, -1);  // signed
}

TEST(SpellEditor, ADescriptionOfSeveralLinesOpensAndIsWrittenAsItWas) {
    Spell s = newSpell("STORM");
    s.name = "Storm";
    s.description = "Line one\r\nline two";
    s.manaCost = 17;
    EditorRun e(Kind::Spell, "STORM");
    e.run(writeSpell(s), [](ui::Window& w) {
        EXPECT_EQ(w.text(SpellIds::kDescription), "Line one\r\nline two");
        EXPECT_EQ(w.text(SpellIds::kManaCost), "17");
        clickOk(w);
    });
    EXPECT_EQ(e.saved(), writeSpell(s));
}

TEST(SpellLayout, LabelsOfTheTexts) {
    std::vector<std::string> labels;
    for (const auto& c : ui::layoutFor(165).controls)
        if (c.kind == ui::ControlKind::Static) labels.push_back(c.label);
    labels.resize(3);  // the abilities' own labels follow
    EXPECT_EQ(labels, (std::vector<std::string>{"Name", "Description", "Mana Cost"}));
}

}  // namespace
}  // namespace kestrel::datasets
