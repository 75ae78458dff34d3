#include "datasets/ruin_set.hpp"

#include <gtest/gtest.h>

#include "support/script_run.hpp"
#include "support/temp_root.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;

TEST(RuinSetRecord, EntryNameThenTheFlag) {
    EXPECT_EQ(writeRuinSet({"TOMBS", true}), (core::Bytes{'T', 'O', 'M', 'B', 'S', 0, 0, 0, 0, 1}));
    EXPECT_EQ(writeRuinSet(newRuinSet("ABCDEFGH")), (core::Bytes{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 0, 0}));
    // Any non-zero byte is a checked box; the name is cut at its field.
    EXPECT_EQ(readRuinSet(core::Bytes{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 0xFF}), (RuinSet{"ABCDEFGHI", true}));
    EXPECT_EQ(readRuinSet(core::Bytes{'X'}), (RuinSet{"X", false}));
}

TEST(RuinSetEditor, OkRewritesTheEntryNameAndStoresTheBox) {
    TempRoot t;
    t.write("RUINS/TOMBS.RUI", core::Bytes{'O', 'L', 'D', 0, 0, 0, 0, 0, 0, 0});
    const auto run = runScript(t.path(), "click 1012\ndblclick 1008 \"TOMBS\"\nexpect caption \"Edit Ruin - TOMBS\"\n"
                                         "expect checked 1329 off\ncheck 1329 on\nclick 1\nexpect open 149\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("RUINS/TOMBS.RUI"), writeRuinSet({"TOMBS", true}));
}

}  // namespace
}  // namespace kestrel::datasets
