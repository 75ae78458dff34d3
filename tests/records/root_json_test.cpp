// A whole data root as a tree of JSON files and back.
#include "records/root_json.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "campaign/campaign_file.hpp"
#include "campaign/option_file.hpp"
#include "datasets/city_set.hpp"
#include "records/file_json.hpp"
#include "records_testing.hpp"
#include "support/file_faults.hpp"
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

namespace fs = std::filesystem;
using ::kestrel::testing::FileFaults;

ino_t inodeOf(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

core::Bytes jsonOf(std::string_view kind, const core::Bytes& file) {
    const std::string json = fileToJson(testing::kind(kind), file);
    return {json.begin(), json.end()};
}

TEST(RootJson, ARootComesBackFromItsTreeByteForByte) {
    TempRoot root, tree, back;
    const std::vector<std::pair<std::string, core::Bytes>> files{
        {"CITY/TOWNS.CIT", testing::junk(80, 1)},
        {"CAMPAIGN/SAGA/CAMPAIGN.DAT", campaign::writeCampaign(campaign::newCampaign("SAGA"))},
        {"CAMPAIGN/SAGA/OPT3.DAT", testing::junk(20, 2)},     // cut short
        {"CAMPAIGN/SAGA/REWARD3.DAT", testing::junk(25, 3)},  // too long
        {"CAMPAIGN/SAGA/LOSS0.TXT", {'l', 'o', 's', 't'}},    // no record file: copied
        {"SCENARIO/ISLES/CITY.DAT", testing::junk(500, 4)},
    };
    for (const auto& [name, bytes] : files) root.write(name, bytes);
    fs::create_symlink("TOWNS.CIT", root.path() / "CITY/LINK.CIT");
    TreeReport out;
    {
        // The tree can be made again: nothing waits for the disk.
        const FileFaults counting;
        out = rootToJson(root.path(), tree.path());
        EXPECT_EQ(counting.syncs(), 0);
    }
    EXPECT_TRUE(out.ok());
    EXPECT_EQ(out.converted, 5u);
    EXPECT_EQ(out.copied, 1u);
    EXPECT_EQ(out.skipped, std::vector<std::string>{"CITY/LINK.CIT: not a regular file"});
    EXPECT_EQ(tree.files(), kestrel::testing::treeOf({"CAMPAIGN/SAGA/CAMPAIGN.DAT.json", "CAMPAIGN/SAGA/LOSS0.TXT",
                                                      "CAMPAIGN/SAGA/OPT3.DAT.json", "CAMPAIGN/SAGA/REWARD3.DAT.json",
                                                      "CITY/TOWNS.CIT.json", "SCENARIO/ISLES/CITY.DAT.json"}));
    EXPECT_EQ(tree.read("CITY/TOWNS.CIT.json"), jsonOf("city-set", files[0].second));

    const TreeReport in = rootFromJson(tree.path(), back.root());
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.converted, 5u);
    EXPECT_EQ(in.copied, 1u);
    for (const auto& [name, bytes] : files) EXPECT_EQ(back.read(name), bytes) << name;
}

// Unchanged files keep their inode and time, which is all git looks at.
TEST(RootJson, ConvertingAgainReplacesOnlyWhatChanged) {
    TempRoot root, tree;
    root.write("CITY/SAME.CIT", datasets::writeCitySet(datasets::newCitySet()));
    root.write("CITY/EDITED.CIT", datasets::writeCitySet(datasets::newCitySet()));
    root.write("CAMPAIGN/SAGA/OPT0.DAT", campaign::writeOptions(campaign::defaultOptions()));
    ASSERT_TRUE(rootToJson(root.path(), tree.path()).ok());
    const ino_t same = inodeOf(tree / "CITY/SAME.CIT.json"), edited = inodeOf(tree / "CITY/EDITED.CIT.json");
    const core::Bytes changed = datasets::writeCitySet({{"Hut", "Hamlet", "Town", "City"}});
    root.write("CITY/EDITED.CIT", changed);

    const TreeReport again = rootToJson(root.path(), tree.path());
    EXPECT_TRUE(again.ok());
    EXPECT_EQ(again.converted, 3u);
    EXPECT_EQ(inodeOf(tree / "CITY/SAME.CIT.json"), same);
    EXPECT_NE(inodeOf(tree / "CITY/EDITED.CIT.json"), edited);  // replaced whole, not rewritten in place
    EXPECT_EQ(tree.read("CITY/EDITED.CIT.json"), jsonOf("city-set", changed));
    EXPECT_EQ(tree.files(),
              kestrel::testing::treeOf({"CAMPAIGN/SAGA/OPT0.DAT.json", "CITY/EDITED.CIT.json", "CITY/SAME.CIT.json"}));
}

TEST(RootJson, AFileOfTheTreeThatCannotBeWrittenIsNamedAndTheOthersWritten) {
    TempRoot root, tree;
    for (const char* name : {"CITY/A.CIT", "CITY/B.CIT", "CITY/C.CIT"}) root.write(name, testing::junk(80, 5));
    tree.mkdir("CITY/B.CIT.json");  // a folder where the file goes
    const TreeReport report = rootToJson(root.path(), tree.path());
    EXPECT_EQ(report.errors, std::vector<std::string>{(tree / "CITY/B.CIT.json").string() + ": cannot be written"});
    EXPECT_EQ(report.converted, 3u);
    for (const char* name : {"CITY/A.CIT.json", "CITY/C.CIT.json"})
        EXPECT_EQ(tree.read(name), jsonOf("city-set", testing::junk(80, 5))) << name;
}

}  // namespace
}  // namespace kestrel::records
