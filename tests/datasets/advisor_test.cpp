#include "datasets/advisor.hpp"

#include <gtest/gtest.h>

#include "dataset_testing.hpp"
#include "ui/layout.hpp"

namespace kestrel::datasets {
namespace {

// A text that fills its 64 bytes, as an import may leave it, has no NUL and
// reads back whole; the next text is untouched.
TEST(AdvisorRecord, ATextFillingItsFieldReadsBackWhole) {
    Advisor a = newAdvisor();
    a.texts[0] = std::string(64, 'x');
    const core::Bytes r = writeAdvisor(a);
    EXPECT_EQ(r, patched(writeAdvisor(newAdvisor()), {{0, std::string(64, 'x')}}));
    EXPECT_EQ(readAdvisor(r).texts[0], std::string(64, 'x'));
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
