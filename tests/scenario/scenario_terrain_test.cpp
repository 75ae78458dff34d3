// TERRAIN.DAT: every field at its offset and the counts that follow from the names.
#include "scenario/scenario_terrain.hpp"

#include <gtest/gtest.h>

#include "core/le.hpp"

namespace kestrel::scenario {
namespace {

void put(core::Bytes& b, std::size_t at, std::string_view text) {
    std::copy(text.begin(), text.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

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

core::Bytes everyFieldBytes() {
    core::Bytes b(508, 0);
    core::putS16(b, 0, 22);
    core::putS16(b, 2, 2);
    core::putS16(b, 4, 3);
    put(b, 6, "PLAINS");
    put(b, 195, "ICEFIELD");
    core::putS16(b, 204, 11);
    core::putS16(b, 246, -1);
    put(b, 257, "TRACK");
    put(b, 284, "WOODS");
    put(b, 302, "GOLDMINE");
    put(b, 311, "SHRINE");
    put(b, 320, "BOTH");
    put(b, 329, "First");
    put(b, 361, std::string(31, 'x'));
    put(b, 393, "Third");
    put(b, 425, "WATER");
    put(b, 434, "SHIP");
    put(b, 443, "FLYING");
    put(b, 452, "RIVER");
    b[461] = 0xA5;
    core::putS16(b, 462, 3);
    core::putS16(b, 504, 300);
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
    // Short: padded with zeros; long: the rest dropped.
    EXPECT_EQ(readScenarioTerrain(core::Bytes(want.begin(), want.begin() + 9)).terrain[0], "PLA");
    core::Bytes longer = want;
    longer.resize(600, 0xFF);
    EXPECT_EQ(readScenarioTerrain(longer), everyField());
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

}  // namespace
}  // namespace kestrel::scenario
