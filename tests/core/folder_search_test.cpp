#include "core/folder_search.hpp"

#include <gtest/gtest.h>

#include "support/temp_root.hpp"

namespace kestrel::core {
namespace {

using testing::TempRoot;

std::vector<std::string> paths(const std::vector<FoundFile>& found) {
    std::vector<std::string> out;
    for (const auto& f : found) out.push_back(f.path());
    return out;
}

TEST(FolderSearch, FilesFirstThenEachFolderWholeInListingOrderThreeLevelsDown) {
    TempRoot t;
    for (const char* f : {"Scenario/b/SCENARIO.DAT", "Scenario/a/scenario.dat", "Scenario/a/deeper/SCENARIO.DAT",
                          "Scenario/SCENARIO.DAT", "Scenario/a/z/y/SCENARIO.DAT", "Scenario/a/z/y/x/SCENARIO.DAT",
                          "Scenario/OLD.BAK/SCENARIO.DAT", "Scenario/c/SCENARIO.DAX", "Scenario/c/OTHER.DAT"})
        t.write(f, "");
    t.mkdir("Scenario/c/SCENARIO.DAT.d");
    EXPECT_EQ(paths(searchFolders(t.root(), "SCENARIO\\", "SCENARIO.DAT")),
              (std::vector<std::string>{"SCENARIO\\SCENARIO.DAT", "SCENARIO\\a\\scenario.dat",
                                        "SCENARIO\\a\\deeper\\SCENARIO.DAT", "SCENARIO\\a\\z\\y\\SCENARIO.DAT",
                                        "SCENARIO\\b\\SCENARIO.DAT"}));
    // The pattern's wildcards and any case; a folder named like the pattern is no file.
    EXPECT_EQ(paths(searchFolders(t.root(), "scenario", "scenario.da*", 1)),
              (std::vector<std::string>{"scenario\\SCENARIO.DAT", "scenario\\a\\scenario.dat",
                                        "scenario\\b\\SCENARIO.DAT", "scenario\\c\\SCENARIO.DAX"}));
    EXPECT_TRUE(searchFolders(t.root(), "NONE\\", "*").empty());
    EXPECT_TRUE(searchFolders(t.root(), "..\\", "*").empty());
}

}  // namespace
}  // namespace kestrel::core
