// SCENARIO.DAT and WORLD.DAT: a new header's values at their offsets, and
// texts that fill their fields or would overrun them.
#include "scenario/scenario_header.hpp"

#include <gtest/gtest.h>

#include "support/laid_out.hpp"

namespace kestrel::scenario {
namespace {

using testing::laidOut;

TEST(ScenarioHeader, NewHeadersHaveTheCreationValuesAtTheirOffsets) {
    // No world folder, no world, the folder typed as folder and name, the author and the description.
    EXPECT_EQ(writeScenarioHeader(newScenarioHeader("ISLANDS")),
              laidOut(375, {{12, "None"}, {44, "ISLANDS"}, {56, "ISLANDS"}, {88, "Me"}, {120, "A New Scenario"}}));
    EXPECT_EQ(writeWorldHeader(newWorldHeader("MIDLANDS")), laidOut(44, {{0, "MIDLANDS"}, {12, "MIDLANDS"}}));
}

TEST(ScenarioHeader, FullFieldsKeepNoNulAndLongerTextsAreCutToTheirFields) {
    ScenarioHeader h{std::string(12, 'w'), std::string(32, 'W'), std::string(12, 'f'),
                     std::string(32, 'N'), std::string(32, 'A'), std::string(255, 'd')};
    const core::Bytes full = laidOut(
        375,
        {{0, h.worldFolder}, {12, h.worldName}, {44, h.folder}, {56, h.name}, {88, h.author}, {120, h.description}});
    EXPECT_EQ(writeScenarioHeader(h), full);
    EXPECT_EQ(readScenarioHeader(full), h);
    h.worldFolder += "x";
    h.name += "n";
    h.description += "overflow";
    EXPECT_EQ(writeScenarioHeader(h), full);
}

}  // namespace
}  // namespace kestrel::scenario
