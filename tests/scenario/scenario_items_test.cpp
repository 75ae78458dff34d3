// ITEM.DAT and the Scenario Items dialog: every field at its offset, the
// defaults of a missing file, names the list does not offer kept, a refused
// chance and a failed write. The everyday flow is played by the script.
#include <gtest/gtest.h>

#include <filesystem>

#include "modal_run.hpp"
#include "scenario/scenario_items_dialog.hpp"
#include "support/laid_out.hpp"

namespace kestrel::scenario {
namespace {

using Ids = ScenarioItemsIds;
using Lines = std::vector<std::string>;
using ItemsRun = testing::ModalRun<ScenarioItemsDialog>;

constexpr const char* kFile = "SCENARIO/ISLE/ITEM.DAT";

TEST(ScenarioItemsFile, EveryFieldAtItsOffset) {
    ScenarioItems items;
    items.optionalChance = -2;
    items.compulsory[0] = "BLADE";
    items.compulsory[1] = "NINELONGX";  // fills its field: no NUL, nothing spilt into the next
    items.compulsory[15] = "ABCDEFGH";
    items.optional[0] = "DAWNRING";
    items.optional[15] = "CROWN";
    items.unplaced[0] = "HELM";
    items.unplaced[7] = "LASTONE";
    core::Bytes want = testing::laidOut(362, {{2, "BLADE"}, {11, "NINELONGX"}, {137, "ABCDEFGH"}}, {{0, -2}});
    testing::putTexts(want, {{146, "DAWNRING"}, {281, "CROWN"}, {290, "HELM"}, {353, "LASTONE"}});
    EXPECT_EQ(writeScenarioItems(items), want);
    EXPECT_EQ(readScenarioItems(want), items);
    EXPECT_EQ(poolNames(items),
              (std::vector<std::string>{"BLADE", "NINELONGX", "ABCDEFGH", "DAWNRING", "CROWN", "HELM", "LASTONE"}));

    // A missing file is nothing; a short one is read as far as it goes.
    testing::TempRoot t;
    EXPECT_FALSE(loadScenarioItems(t.root(), "ISLE"));
    t.write(kFile, core::Bytes{50});
    EXPECT_EQ(loadScenarioItems(t.root(), "ISLE"), (ScenarioItems{50, {}, {}, {}}));
}

// A folder in the file's place reads as none: the defaults, and a failed
// write keeps the dialog open; Cancel writes nothing. Without it OK writes them.
TEST(ScenarioItemsDialog, WithoutTheFileOkWritesChance50AndNoNamesOrSaysItCannot) {
    ItemsRun r;
    r.t.write("ITEMS/BLADE.ITM", core::Bytes(10, 0));
    r.t.mkdir(kFile);
    const auto defaults = [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kChance), "50");
        EXPECT_EQ(w.items(Ids::kUnplaced + 7), Lines{"BLADE"});
        EXPECT_EQ(w.text(Ids::kCompulsory), "");
    };
    EXPECT_FALSE(r.run(defaults));
    EXPECT_TRUE(r.run(defaults, ui::kIdCancel));
    EXPECT_EQ(r.messages(), Lines{"Error: Error writing SCENARIO\\ISLE\\ITEM.DAT"});
    EXPECT_TRUE(std::filesystem::is_directory(r.t.path() / kFile));
    std::filesystem::remove(r.t.path() / kFile);
    EXPECT_TRUE(r.run(defaults));
    EXPECT_EQ(r.t.read(kFile), testing::laidOut(362, {}, {{0, 50}}));
}

TEST(ScenarioItemsDialog, NamesAreKeptOrTypedAndARefusedChanceWritesNothing) {
    ItemsRun r;
    r.t.write("ITEMS/BLADE.ITM", core::Bytes(10, 0));
    r.t.write("ITEMS/BLADES.ITM", core::Bytes(10, 0));
    ScenarioItems before;
    before.optionalChance = 100;
    before.compulsory[3] = "GONE";  // no such item
    before.optional[15] = "blade";  // the first item it begins
    before.unplaced[7] = "CROWN";
    r.t.write(kFile, writeScenarioItems(before));
    for (const char* chance : {"101", "-1", "half", ""}) {
        EXPECT_FALSE(r.run([&](ui::Window& w) {
            EXPECT_EQ(w.text(Ids::kCompulsory + 3), "GONE");
            EXPECT_EQ(w.text(Ids::kOptional + 15), "BLADE");
            w.userType(Ids::kCompulsory, "HELM");
            w.userType(Ids::kChance, chance);
        })) << chance;
        EXPECT_EQ(r.t.read(kFile), writeScenarioItems(before)) << chance;
    }
    EXPECT_EQ(r.messages(), (Lines{"kstred: Please enter an integer between 0 and 100.",
                                   "kstred: Please enter an integer between 0 and 100.",
                                   "kstred: Please enter an integer.", "kstred: Please enter an integer."}));
    // Untouched: the unknown name is kept, the other written as the list has it.
    EXPECT_TRUE(r.run([](ui::Window&) {}));
    ScenarioItems after = before;
    after.optional[15] = "BLADE";
    EXPECT_EQ(r.t.read(kFile), writeScenarioItems(after));
}

}  // namespace
}  // namespace kestrel::scenario
