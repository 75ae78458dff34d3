// The records that hold little more than names: terrain subtypes and bonuses, ruin sets and flags.
#include <gtest/gtest.h>

#include "dataset_testing.hpp"
#include "datasets/flag.hpp"
#include "datasets/ruin_set.hpp"
#include "datasets/terrain_bonus.hpp"
#include "datasets/terrain_subtype.hpp"
#include "support/script_run.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;

TEST(TerrainSubtypeRecord, EntryNameNameAndCondensedName) {
    const TerrainSubtype full{"ABCDEFGH", "Fifteen Letters", "Fifteen Chars.."};
    const core::Bytes r = writeTerrainSubtype(full);
    EXPECT_EQ(r, patched(core::Bytes(41, 0), {{0, "ABCDEFGH"}, {9, "Fifteen Letters"}, {25, "Fifteen Chars.."}}));
    EXPECT_EQ(readTerrainSubtype(r), full);
    // Fields without a NUL read to their end and no further.
    EXPECT_EQ(readTerrainSubtype(core::Bytes(41, 'A')),
              (TerrainSubtype{std::string(9, 'A'), std::string(16, 'A'), std::string(16, 'A')}));
}

TEST(TerrainBonusRecord, EntryNameAndName) {
    const TerrainBonus full{"GOLDMINE", std::string(31, 'n')};
    const core::Bytes r = writeTerrainBonus(full);
    EXPECT_EQ(r, patched(core::Bytes(41, 0), {{0, "GOLDMINE"}, {9, std::string(31, 'n')}}));
    EXPECT_EQ(readTerrainBonus(r), full);
    EXPECT_EQ(readTerrainBonus(core::Bytes(41, 'B')).name, std::string(32, 'B'));
}

TEST(RuinSetRecord, EntryNameThenTheFlag) {
    EXPECT_EQ(writeRuinSet({"TOMBS", true}), (core::Bytes{'T', 'O', 'M', 'B', 'S', 0, 0, 0, 0, 1}));
    // Any non-zero byte is a checked box; the name is cut at its field.
    EXPECT_EQ(readRuinSet(core::Bytes{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 0xFF}),
              (RuinSet{"ABCDEFGHI", true}));
}

TEST(FlagRecord, OnlyTheEntryNameInNineBytes) {
    EXPECT_EQ(readFlag(core::Bytes{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'}), Flag{"ABCDEFGHI"});
}

TEST(FlagEditor, NeitherOkNorCancelTouchesTheRecord) {
    TempRoot t;
    const core::Bytes odd{'X', 0xFF, 3};  // not what New writes: nothing may rewrite it
    t.write("FLAGS/BANNER.FLG", odd);
    const auto run = runScript(t.path(),
                               "click 1021\nexpect open 166\ndblclick 1008 \"BANNER\"\nexpect open 167\n"
                               "click 1\nexpect open 166\ndblclick 1008 \"BANNER\"\nclick 2\nexpect open 166\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("FLAGS/BANNER.FLG"), odd);
}

}  // namespace
}  // namespace kestrel::datasets
