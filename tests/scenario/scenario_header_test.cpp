#include "scenario/scenario_header.hpp"

#include <gtest/gtest.h>

namespace kestrel::scenario {
namespace {

std::string bytesAt(const core::Bytes& record, std::size_t at, std::size_t size) {
    return std::string(record.begin() + static_cast<long>(at), record.begin() + static_cast<long>(at + size));
}

std::string padded(std::string text, std::size_t size) {
    text.resize(size, '\0');
    return text;
}

TEST(ScenarioHeader, NewHeaderHasTheCreationValuesAtTheirOffsets) {
    const core::Bytes record = writeScenarioHeader(newScenarioHeader("ISLANDS"));
    ASSERT_EQ(record.size(), 375u);
    EXPECT_EQ(bytesAt(record, 0, 12), std::string(12, '\0'));             // no world folder
    EXPECT_EQ(bytesAt(record, 12, 32), padded("None", 32));               // world name
    EXPECT_EQ(bytesAt(record, 44, 12), padded("ISLANDS", 12));            // folder
    EXPECT_EQ(bytesAt(record, 56, 32), padded("ISLANDS", 32));            // scenario name
    EXPECT_EQ(bytesAt(record, 88, 32), padded("Me", 32));                 // author
    EXPECT_EQ(bytesAt(record, 120, 255), padded("A New Scenario", 255));  // description
}

TEST(WorldHeader, NewHeaderNamesTheWorldTwice) {
    const core::Bytes record = writeWorldHeader(newWorldHeader("MIDLANDS"));
    ASSERT_EQ(record.size(), 44u);
    EXPECT_EQ(bytesAt(record, 0, 12), padded("MIDLANDS", 12));
    EXPECT_EQ(bytesAt(record, 12, 32), padded("MIDLANDS", 32));
    EXPECT_EQ(readWorldHeader(record), newWorldHeader("MIDLANDS"));
}

TEST(ScenarioHeader, FullFieldsKeepNoNulAndReadBackBoundedByTheField) {
    ScenarioHeader h{std::string(12, 'w'), std::string(32, 'W'), std::string(12, 'f'),
                     std::string(32, 'N'), std::string(32, 'A'), std::string(255, 'd')};
    const core::Bytes record = writeScenarioHeader(h);
    ASSERT_EQ(record.size(), 375u);
    EXPECT_EQ(bytesAt(record, 120, 255), std::string(255, 'd'));
    EXPECT_EQ(readScenarioHeader(record), h);
    // Longer texts are cut to their fields, the neighbours untouched.
    h.description += "overflow";
    h.worldFolder += "x";
    const ScenarioHeader cut = readScenarioHeader(writeScenarioHeader(h));
    EXPECT_EQ(cut.description, std::string(255, 'd'));
    EXPECT_EQ(cut.worldFolder, std::string(12, 'w'));
    EXPECT_EQ(cut.worldName, std::string(32, 'W'));
}

TEST(ScenarioHeader, ShortOrLongRecordsReadWithoutOverrun) {
    core::Bytes record = writeScenarioHeader({"MIDLANDS", "Midlands", "ISLANDS", "The Isles", "Me", "Sea"});
    const core::Bytes shortRecord(record.begin(), record.begin() + 60);  // ends inside the name
    const ScenarioHeader h = readScenarioHeader(shortRecord);
    EXPECT_EQ(h.folder, "ISLANDS");
    EXPECT_EQ(h.name, "The ");
    EXPECT_EQ(h.author, "");
    EXPECT_EQ(h.description, "");
    EXPECT_EQ(readScenarioHeader({}), (ScenarioHeader{}));
    record.resize(500, 'x');  // bytes behind the record mean nothing
    EXPECT_EQ(readScenarioHeader(record).description, "Sea");
}

}  // namespace
}  // namespace kestrel::scenario
