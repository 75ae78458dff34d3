#include "datasets/terrain_subtype.hpp"

#include <gtest/gtest.h>

#include "datasets/terrain_bonus.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;

core::Bytes record41(std::initializer_list<std::pair<std::size_t, std::string_view>> texts) {
    core::Bytes r(41, 0);
    for (const auto& [offset, text] : texts)
        std::copy(text.begin(), text.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
    return r;
}

TEST(TerrainSubtypeRecord, EntryNameNameAndCondensedName) {
    EXPECT_EQ(writeTerrainSubtype(newTerrainSubtype("GRASS")), record41({{0, "GRASS"}, {9, "GRASS"}, {25, "GRASS"}}));
    const TerrainSubtype full{"ABCDEFGH", "Fifteen Letters", "Fifteen Chars.."};
    const core::Bytes r = writeTerrainSubtype(full);
    EXPECT_EQ(r, record41({{0, "ABCDEFGH"}, {9, "Fifteen Letters"}, {25, "Fifteen Chars.."}}));
    EXPECT_EQ(readTerrainSubtype(r), full);
    // Fields without a NUL read to their end and no further.
    EXPECT_EQ(readTerrainSubtype(core::Bytes(41, 'A')),
              (TerrainSubtype{std::string(9, 'A'), std::string(16, 'A'), std::string(16, 'A')}));
    EXPECT_EQ(readTerrainSubtype(core::Bytes{'G', 0, 0, 0, 0, 0, 0, 0, 0, 'N'}), (TerrainSubtype{"G", "N", ""}));
}

TEST(TerrainBonusRecord, EntryNameAndName) {
    EXPECT_EQ(writeTerrainBonus(newTerrainBonus("MINE")), record41({{0, "MINE"}, {9, "MINE"}}));
    const TerrainBonus full{"GOLDMINE", std::string(31, 'n')};
    const core::Bytes r = writeTerrainBonus(full);
    EXPECT_EQ(r, record41({{0, "GOLDMINE"}, {9, std::string(31, 'n')}}));
    EXPECT_EQ(readTerrainBonus(r), full);
    EXPECT_EQ(readTerrainBonus(core::Bytes(41, 'B')).name, std::string(32, 'B'));
}

TEST(TerrainSubtypeEditor, OkRewritesTheEntryNameAndTheCondensedNameTakesEight) {
    TempRoot t;
    t.write("TERRAIN/SUBTYPE/HILLS.STT", record41({{0, "OTHER"}, {9, "Hills"}, {25, "Hl"}}));
    const auto run = runScript(t.path(),
                               "click 1008\nclick 1009\nexpect open 136\ndblclick 1008 \"HILLS\"\n"
                               "expect text 1036 \"Hills\"\nexpect text 1037 \"Hl\"\n"
                               "type 1037 \"Condensed\"\nexpect text 1037 \"Condense\"\nclick 1\nexpect open 136\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("TERRAIN/SUBTYPE/HILLS.STT"), record41({{0, "HILLS"}, {9, "Hills"}, {25, "Condense"}}));
}

TEST(TerrainSubtypeEditor, StoredCondensedNameLongerThanEightIsRefused) {
    TempRoot t;
    const core::Bytes stored = record41({{0, "HILLS"}, {9, "Hills"}, {25, "Rolling Hills"}});
    t.write("TERRAIN/SUBTYPE/HILLS.STT", stored);
    const auto run = runScript(t.path(),
                               "click 1008\nclick 1009\ndblclick 1008 \"HILLS\"\nexpect text 1037 \"Rolling Hills\"\n"
                               "click 1\nexpect message \"kstred\" \"Please enter no more than 8 characters.\"\n"
                               "expect open 137\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("TERRAIN/SUBTYPE/HILLS.STT"), stored);
}

TEST(TerrainBonusEditor, NameAndEntryNameAndTheThirtyOneLetterLimit) {
    TempRoot t;
    t.write("TERRAIN/BONUS/MINE.BON", record41({{0, "X"}, {9, std::string(32, 'm')}}));
    const auto run = runScript(t.path(),
                               "click 1008\nclick 1010\nexpect open 142\ndblclick 1008 \"MINE\"\n"
                               "expect caption \"Edit Terrain Bonus - MINE\"\nclick 1\n"
                               "expect message \"kstred\" \"Please enter no more than 31 characters.\"\n"
                               "type 1036 \"Gold Mine of the Far North Hills!\"\n"
                               "expect text 1036 \"Gold Mine of the Far North Hill\"\nclick 1\nexpect open 142\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("TERRAIN/BONUS/MINE.BON"), record41({{0, "MINE"}, {9, "Gold Mine of the Far North Hill"}}));
}

}  // namespace
}  // namespace kestrel::datasets
