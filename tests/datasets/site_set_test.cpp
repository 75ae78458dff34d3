#include "datasets/site_set.hpp"

#include <gtest/gtest.h>

#include "core/le.hpp"
#include "datasets/site_set_editor.hpp"
#include "dataset_testing.hpp"

namespace kestrel::datasets {
namespace {

using Ids = SiteSetIds;

TEST(SiteSetRecord, FieldsAtTheirOffsets) {
    const SiteSet s{"Fifteen Letters", "TEMPLES", {25, 99, -3, "ABCDEFGH"}, false, true, true};
    const core::Bytes r = writeSiteSet(s);
    core::Bytes expected(46, 0);
    std::copy_n("Fifteen Letters", 15, expected.begin());
    std::copy_n("TEMPLES", 7, expected.begin() + 16);
    core::putS16(expected, 26, 25);
    core::putS16(expected, 28, 99);
    core::putS16(expected, 30, -3);
    std::copy_n("ABCDEFGH", 8, expected.begin() + 32);
    expected[43] = expected[44] = 1;
    EXPECT_EQ(r, expected);
    EXPECT_EQ(readSiteSet(r), s);
    // Any non-zero byte is a checked box.
    expected[42] = 0xFF;
    EXPECT_TRUE(readSiteSet(expected).canRaze);
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
