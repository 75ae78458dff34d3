#include "datasets/advisor.hpp"

#include <gtest/gtest.h>

#include "core/fixed_text.hpp"
#include "ui/layout.hpp"

namespace kestrel::datasets {
namespace {

std::string slot(const core::Bytes& r, std::size_t index) { return core::readFixedText(r, index * 64, 64); }

TEST(AdvisorRecord, A63CharacterTextEndsWithTheNulInItsLastByte) {
    Advisor a = newAdvisor();
    a.texts[18] = std::string(63, 'v');
    a.texts[0] = std::string(64, 'x');  // longer than the editor allows: cut to the field
    const core::Bytes r = writeAdvisor(a);
    ASSERT_EQ(r.size(), 1216u);
    EXPECT_EQ(r[1152 + 62], 'v');
    EXPECT_EQ(r[1215], 0);
    EXPECT_EQ(r[63], 'x');
    EXPECT_EQ(slot(r, 1), "My Lord!");
    EXPECT_EQ(readAdvisor(r).texts[0], std::string(64, 'x'));
}

TEST(AdvisorRecord, ShortRecordsReadTheTextsTheyHold) {
    core::Bytes r = writeAdvisor(newAdvisor());
    r.resize(64 * 8 + 4);
    const Advisor a = readAdvisor(r);
    EXPECT_EQ(a.texts[7], "This battle will be");
    EXPECT_EQ(a.texts[8], "real");
    EXPECT_EQ(a.texts[9], "");
    EXPECT_EQ(readAdvisor({}), Advisor{});
}

TEST(AdvisorLayout, GroupsAndResultLabels) {
    const ui::Layout& l = ui::layoutFor(161);
    EXPECT_EQ(l.caption, "Edit Advisor Data");
    std::vector<std::string> groups, labels;
    for (const auto& c : l.controls) {
        if (c.kind == ui::ControlKind::Group) groups.push_back(c.label);
        if (c.kind == ui::ControlKind::Static) labels.push_back(c.label);
        if (c.id >= 1212 && c.id <= 1230) {
            EXPECT_EQ(c.kind, ui::ControlKind::Edit) << c.id;
            EXPECT_EQ(c.limit, 63) << c.id;
        }
    }
    EXPECT_EQ(groups, (std::vector<std::string>{"First Line", "Second Line", "Combat Results"}));
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels.front(), "Won 0 of 10:");
    EXPECT_EQ(labels.back(), "Won 10 of 10:");
    EXPECT_EQ(l.find(1015)->label, "Import Picture");
}

}  // namespace
}  // namespace kestrel::datasets
