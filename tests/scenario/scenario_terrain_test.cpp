// TERRAIN.DAT and the Scenario Terrain dialog: every field at its offset, the
// counts that follow from the names, the defaults of a missing file, names and
// classes the lists do not offer kept, and a failed write. Edits written and
// shown again are played by the script.
#include <gtest/gtest.h>

#include <filesystem>

#include "modal_run.hpp"
#include "scenario/scenario_terrain_dialog.hpp"
#include "support/laid_out.hpp"

namespace kestrel::scenario {
namespace {

using Ids = ScenarioTerrainIds;
using Lines = std::vector<std::string>;
using TerrainRun = testing::ModalRun<ScenarioTerrainDialog>;

constexpr const char* kFile = "SCENARIO/ISLE/TERRAIN.DAT";

// One of each run of fields set, at its first and last entry where it has two.
ScenarioTerrain everyField() {
    ScenarioTerrain t;
    t.terrain[0] = "PLAINS";
    t.terrain[21] = "ICEFIELD";
    t.firstClass[0] = 11;
    t.firstClass[21] = -1;
    t.secondClass[0] = 3;
    t.secondClass[21] = 300;
    t.roads[1] = "TRACK";
    t.forests[2] = "WOODS";
    t.bonuses = {"GOLDMINE", "SHRINE", "BOTH"};
    t.bonusTexts = {"First", std::string(31, 'x'), "Third"};
    t.moveIcons = {"WATER", "SHIP", "FLYING"};
    t.river = "RIVER";
    t.untouched = 0xA5;
    t.forestFlags = {1, 0};
    return t;
}

// The three counts first, then each run of names and numbers.
core::Bytes everyFieldBytes() {
    core::Bytes b = testing::laidOut(508, {{6, "PLAINS"}, {195, "ICEFIELD"}, {257, "TRACK"}, {284, "WOODS"}},
                                     {{0, 22}, {2, 2}, {4, 3}, {204, 11}, {246, -1}, {462, 3}, {504, 300}});
    testing::putTexts(b, {{302, "GOLDMINE"}, {311, "SHRINE"}, {320, "BOTH"}, {329, "First"}, {393, "Third"}});
    testing::putTexts(b, {{361, std::string(31, 'x')}, {425, "WATER"}, {434, "SHIP"}, {443, "FLYING"}, {452, "RIVER"}});
    b[461] = 0xA5;
    b[506] = 1;
    return b;
}

TEST(ScenarioTerrainFile, EveryFieldAtItsOffset) {
    const core::Bytes want = everyFieldBytes();
    EXPECT_EQ(writeScenarioTerrain(everyField()), want);
    EXPECT_EQ(readScenarioTerrain(want), everyField());
    // The counts read are not kept: they follow from the names.
    core::Bytes odd = want;
    core::putS16(odd, 0, -7);
    core::putS16(odd, 4, 99);
    EXPECT_EQ(writeScenarioTerrain(readScenarioTerrain(odd)), want);
    EXPECT_EQ(writeScenarioTerrain(ScenarioTerrain{}), core::Bytes(508, 0));
}

TEST(ScenarioTerrainFile, CountsAreOnePastTheLastName) {
    const struct {
        std::vector<std::size_t> slots, roads, forests;
        std::int16_t want[3];
    } cases[] = {
        {{}, {}, {}, {0, 0, 0}},
        {{0, 5}, {0}, {3}, {6, 1, 4}},
        {{0, 1, 2, 3, 20}, {1}, {0, 1}, {21, 2, 2}},
        {{21}, {0, 1}, {0, 1, 2, 3}, {22, 2, 4}},
    };
    for (const auto& c : cases) {
        ScenarioTerrain t;
        for (const auto i : c.slots) t.terrain[i] = "X";
        for (const auto i : c.roads) t.roads[i] = "R";
        for (const auto i : c.forests) t.forests[i] = "F";
        const core::Bytes b = writeScenarioTerrain(t);
        for (std::size_t n = 0; n < 3; ++n)
            EXPECT_EQ(core::getS16(b, 2 * n), c.want[n]) << c.want[0] << " at " << 2 * n;
    }
}

// A folder in the file's place reads as none: the defaults, and a failed
// write keeps the dialog open; Cancel writes nothing. Without it OK writes them.
TEST(ScenarioTerrainDialog, WithoutTheFileOkWritesTheDefaultsOrSaysItCannot) {
    TerrainRun r;
    r.t.mkdir(kFile);
    const auto defaults = [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kFirstClass), "Feature");
        EXPECT_EQ(w.text(Ids::kSecondClass + 21), "Basic");
        EXPECT_FALSE(w.checked(Ids::kForestFlags));
        EXPECT_TRUE(w.checked(Ids::kForestFlags + 1));
    };
    EXPECT_FALSE(r.run(defaults));
    EXPECT_TRUE(r.run(defaults, ui::kIdCancel));
    EXPECT_EQ(r.messages(), Lines{"Error: Error writing SCENARIO\\ISLE\\TERRAIN.DAT"});
    EXPECT_TRUE(std::filesystem::is_directory(r.t.path() / kFile));
    std::filesystem::remove(r.t.path() / kFile);
    EXPECT_TRUE(r.run(defaults));
    core::Bytes want(508, 0);
    for (std::size_t slot = 0; slot < 22; ++slot) core::putS16(want, 204 + 2 * slot, 6);
    want[507] = 1;
    EXPECT_EQ(r.t.read(kFile), want);
}

TEST(ScenarioTerrainDialog, WhatTheListsDoNotOfferIsShownAndKept) {
    TerrainRun r;
    r.t.write(kFile, everyFieldBytes());
    EXPECT_TRUE(r.run([](ui::Window& w) {
        // No terrain types or bonuses at all: every name as typed, classes beyond the list unselected.
        EXPECT_EQ(w.text(Ids::kTerrain + 21), "ICEFIELD");
        EXPECT_EQ(w.text(Ids::kMoveIcons + 2), "FLYING");
        EXPECT_EQ(w.text(Ids::kFirstClass), "3x3");
        EXPECT_EQ(w.selection(Ids::kFirstClass + 21), -1);
        EXPECT_EQ(w.selection(Ids::kSecondClass + 21), -1);
        EXPECT_EQ(w.text(Ids::kBonusTexts + 1), std::string(31, 'x'));
    }));
    EXPECT_EQ(r.t.read(kFile), everyFieldBytes());
    EXPECT_TRUE(r.messages().empty());
}

}  // namespace
}  // namespace kestrel::scenario
