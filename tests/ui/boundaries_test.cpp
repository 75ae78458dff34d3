#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::ui {
namespace {

const std::filesystem::path kSource = std::filesystem::path(KESTREL_SOURCE_DIR) / "src";

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// The folders of src/ from the top floor down; folders on one floor do not
// include each other.
const std::vector<std::vector<std::string_view>> kFloors{
    {"app"},      {"check"},    {"records"}, {"qt", "shell"},        {"textx", "campaign"},
    {"scenario"}, {"datasets"}, {"ui"},      {"pictures", "sample"}, {"core"},
};

// The floor of a folder of src/, counted from the bottom; -1 for a folder
// outside the table (a system header, resources/).
int floorOf(std::string_view folder) {
    for (std::size_t i = 0; i < kFloors.size(); ++i)
        for (const auto name : kFloors[i])
            if (name == folder) return static_cast<int>(kFloors.size() - 1 - i);
    return -1;
}

struct Include {
    std::string file, folder;
};

// Every include of a folder of src/ other than the file's own, by file.
std::vector<Include> crossIncludes(std::string_view folder) {
    const std::regex include(R"(#\s*include\s*["<]([a-z_]+)/)");
    std::vector<Include> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource / folder)) {
        if (!entry.is_regular_file()) continue;
        const std::string text = contents(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it) {
            const std::string target = (*it)[1];
            if (target != folder && floorOf(target) >= 0)
                found.push_back({std::filesystem::relative(entry.path(), kSource).string(), target});
        }
    }
    return found;
}

// Dependencies point down: no folder includes a header of a folder on its
// own floor or above it.
TEST(Boundaries, FoldersIncludeOnlyFloorsBelow) {
    std::set<std::string> folders;
    for (const auto& entry : std::filesystem::directory_iterator(kSource))
        if (entry.is_directory()) folders.insert(entry.path().filename().string());
    ASSERT_GT(folders.size(), 10u);
    int checked = 0;
    for (const auto& folder : folders) {
        const int floor = floorOf(folder);
        EXPECT_GE(floor, 0) << "src/" << folder << " has no floor in the table";
        for (const auto& [file, target] : crossIncludes(folder)) {
            EXPECT_LT(floorOf(target), floor) << file << " includes " << target << "/";
            ++checked;
        }
    }
    EXPECT_GT(checked, 500);
}

// The table itself: every folder on one floor only, the core at the bottom.
TEST(Boundaries, FloorsNameEachFolderOnce) {
    std::set<std::string_view> seen;
    for (const auto& floor : kFloors)
        for (const auto name : floor) EXPECT_TRUE(seen.insert(name).second) << name;
    EXPECT_EQ(floorOf("core"), 0);
    EXPECT_EQ(floorOf("app"), static_cast<int>(kFloors.size()) - 1);
    EXPECT_GT(floorOf("shell"), floorOf("campaign"));
    EXPECT_EQ(floorOf("resources"), -1);
}

// Controllers and core stay free of Qt: only qt/ and app/ may include it.
TEST(Boundaries, QtHeadersOnlyInQtAndApp) {
    const std::regex qtInclude(R"(#\s*include\s*<Q)");
    int checked = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource)) {
        if (!entry.is_regular_file()) continue;
        const auto rel = std::filesystem::relative(entry.path(), kSource).string();
        if (rel.rfind("qt/", 0) == 0 || rel.rfind("app/", 0) == 0) continue;
        EXPECT_FALSE(std::regex_search(contents(entry.path()), qtInclude)) << rel;
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

}  // namespace
}  // namespace kestrel::ui
