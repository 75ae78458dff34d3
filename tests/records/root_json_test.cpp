// A data root through a tree of JSON files and back.
#include "records/root_json.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "records_testing.hpp"
#include "support/temp_root.hpp"

namespace kestrel::records {
namespace {

using kestrel::testing::TempRoot;
using testing::junk;

struct RootRoundTrip : ::testing::Test {
    TempRoot game, tree, back;

    void SetUp() override {
        game.write("CITY/COAST.CIT", junk(80, 1));
        game.write("CITY/hills.cit", junk(79, 2));  // cut, and in lower case
        game.write("SCENARIO/ISLANDS/CITY.DAT", junk(500, 3));
        game.write("SCENARIO/ISLANDS/STRAT_L.PCX", junk(300, 4));  // copied as it is
        game.write("notes.json", std::string("{\"not\": \"a record\"}"));
        ASSERT_EQ(::mkfifo((game / "CITY/PIPE.CIT").c_str(), 0600), 0);
    }
};

TEST_F(RootRoundTrip, EveryFileComesBackByteForByte) {
    const TreeReport there = rootToJson(game.path(), tree.path());
    EXPECT_TRUE(there.ok());
    EXPECT_EQ(there.converted, 3u);
    EXPECT_EQ(there.copied, 2u);
    EXPECT_EQ(there.skipped, std::vector<std::string>{"CITY/PIPE.CIT: not a regular file"});
    EXPECT_TRUE(tree.exists("CITY/hills.cit.json"));
    EXPECT_TRUE(tree.exists("SCENARIO/ISLANDS/STRAT_L.PCX"));

    const TreeReport again = rootFromJson(tree.path(), back.root());
    EXPECT_TRUE(again.ok());
    EXPECT_EQ(again.converted, 3u);
    for (const char* file : {"CITY/COAST.CIT", "CITY/hills.cit", "SCENARIO/ISLANDS/CITY.DAT",
                             "SCENARIO/ISLANDS/STRAT_L.PCX", "notes.json"})
        EXPECT_EQ(back.read(file), game.read(file)) << file;
    EXPECT_FALSE(back.exists("CITY/PIPE.CIT"));
}

TEST_F(RootRoundTrip, AnExistingRootKeepsWhatTheTreeDoesNotNameAndItsOwnCase) {
    ASSERT_TRUE(rootToJson(game.path(), tree.path()).ok());
    back.write("City/Coast.cit", junk(80, 9));
    back.write("City/OTHER.CIT", junk(80, 10));
    ASSERT_TRUE(rootFromJson(tree.path(), back.root()).ok());
    EXPECT_EQ(back.read("City/Coast.cit"), game.read("CITY/COAST.CIT"));
    EXPECT_EQ(back.read("City/OTHER.CIT"), junk(80, 10));
    EXPECT_FALSE(back.exists("CITY"));
}

TEST_F(RootRoundTrip, OneBadFileWritesNothingAndIsNamedWithItsLine) {
    ASSERT_TRUE(rootToJson(game.path(), tree.path()).ok());
    back.write("CITY/COAST.CIT", junk(80, 9));
    tree.write("SCENARIO/ISLANDS/CITY.DAT.json", std::string("{\n  \"count\": \"many\"\n}\n"));
    const TreeReport report = rootFromJson(tree.path(), back.root());
    EXPECT_EQ(report.errors, std::vector<std::string>{"SCENARIO/ISLANDS/CITY.DAT.json: line 2: field count: "
                                                      "\"many\" is not a name of this field's values"});
    EXPECT_EQ(back.read("CITY/COAST.CIT"), junk(80, 9));
    EXPECT_EQ(back.files(), (std::vector<std::string>{"CITY/", "CITY/COAST.CIT"}));
}

TEST_F(RootRoundTrip, TwoFilesOfTheTreeForOneFileOfTheRootAreRefused) {
    ASSERT_TRUE(rootToJson(game.path(), tree.path()).ok());
    tree.write("CITY/COAST.CIT", junk(80, 5));
    const TreeReport report = rootFromJson(tree.path(), back.root());
    EXPECT_EQ(report.errors, std::vector<std::string>{"CITY/COAST.CIT: given twice in the tree"});
    EXPECT_EQ(back.files(), std::vector<std::string>{});
}

}  // namespace
}  // namespace kestrel::records
