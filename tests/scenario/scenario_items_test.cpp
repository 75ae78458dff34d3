// ITEM.DAT and the Scenario Items dialog: every field at its offset, the
// defaults of a missing file, names the list does not offer kept, a refused
// chance and a failed write. The everyday flow is played by the script.
#include "scenario/scenario_items.hpp"

#include <gtest/gtest.h>

#include "core/le.hpp"
#include "support/temp_root.hpp"

namespace kestrel::scenario {
namespace {

constexpr const char* kFile = "SCENARIO/ISLE/ITEM.DAT";

void putName(core::Bytes& b, std::size_t at, std::string_view name) {
    std::copy(name.begin(), name.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

TEST(ScenarioItemsFile, EveryFieldAtItsOffset) {
    ScenarioItems items;
    items.optionalChance = -2;
    items.compulsory[0] = "BLADE";
    items.compulsory[15] = "ABCDEFGH";
    items.optional[0] = "DAWNRING";
    items.optional[15] = "CROWN";
    items.unplaced[0] = "HELM";
    items.unplaced[7] = "LASTONE";
    core::Bytes want(362, 0);
    core::putS16(want, 0, -2);
    putName(want, 2, "BLADE");
    putName(want, 137, "ABCDEFGH");
    putName(want, 146, "DAWNRING");
    putName(want, 281, "CROWN");
    putName(want, 290, "HELM");
    putName(want, 353, "LASTONE");
    EXPECT_EQ(writeScenarioItems(items), want);
    EXPECT_EQ(readScenarioItems(want), items);
    EXPECT_EQ(poolNames(items), (std::vector<std::string>{"BLADE", "ABCDEFGH", "DAWNRING", "CROWN", "HELM", "LASTONE"}));

    // A nine-letter name keeps to its field: no NUL, nothing spilt into the next.
    items.compulsory[0] = "NINELONGX";
    const core::Bytes cut = writeScenarioItems(items);
    EXPECT_EQ(readScenarioItems(cut).compulsory[0], "NINELONGX");
    EXPECT_EQ(readScenarioItems(cut).compulsory[1], "");

    // Short and long files; a missing one is nothing.
    testing::TempRoot t;
    EXPECT_FALSE(loadScenarioItems(t.root(), "ISLE"));
    t.write(kFile, core::Bytes{50});
    EXPECT_EQ(loadScenarioItems(t.root(), "ISLE"), (ScenarioItems{50, {}, {}, {}}));
    core::Bytes longer = want;
    longer.resize(500, 'Q');
    t.write(kFile, longer);
    EXPECT_EQ(loadScenarioItems(t.root(), "ISLE"), readScenarioItems(want));
}

}  // namespace
}  // namespace kestrel::scenario
