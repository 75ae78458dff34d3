#include "datasets/site_set.hpp"

#include <gtest/gtest.h>

#include "dataset_testing.hpp"
#include "datasets/site_set_editor.hpp"

namespace kestrel::datasets {
namespace {

using Ids = SiteSetIds;
using namespace std::string_literals;

// The ability's code and values, its text, then the three boxes.
TEST(SiteSetRecord, FieldsAtTheirOffsets) {
    const SiteSet s{"Fifteen Letters", "TEMPLES", {25, 99, -3, "ABCDEFGH"}, false, true, true};
    const core::Bytes r = writeSiteSet(s);
    // clang-format off
    EXPECT_EQ(r, patched(core::Bytes(46, 0), {{0, "Fifteen Letters"}, {16, "TEMPLES"},
                                              {26, "\x19\0\x63\0\xFD\xFF" "ABCDEFGH"s}, {43, "\x01\x01"}}));
    // clang-format on
    EXPECT_EQ(readSiteSet(r), s);
    EXPECT_TRUE(readSiteSet(patched(r, {{42, "\xFF"}})).canRaze);  // any non-zero byte is a checked box
}

TEST(SiteSetEditor, TheBoxesShowTheirBytes) {
    for (const auto& boxes :
         {std::array{true, false, false}, std::array{false, true, false}, std::array{false, false, true}}) {
        const SiteSet s{"Temples", "TEMPLES", {}, boxes[0], boxes[1], boxes[2]};
        EditorRun e(Kind::SiteSet, "TEMPLES");
        e.run(writeSiteSet(s), [&](ui::Window& w) {
            EXPECT_EQ(w.text(Ids::kName), "Temples");
            EXPECT_EQ(
                (std::array{w.checked(Ids::kCanRaze), w.checked(Ids::kAnimateNormal), w.checked(Ids::kAnimateRazed)}),
                boxes);
            clickOk(w);
        });
        EXPECT_EQ(e.saved(), writeSiteSet(s));
    }
}

}  // namespace
}  // namespace kestrel::datasets
