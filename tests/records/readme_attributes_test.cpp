// The README's .gitattributes lines name every kind of record file in both
// cases, so that copying them makes git show every file as text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/text_case.hpp"
#include "records/file_kinds.hpp"

namespace kestrel::records {
namespace {

std::string lowerCase(std::string_view pattern) {
    std::string out(pattern);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

TEST(ReadmeAttributes, NameEveryPatternInBothCases) {
    std::ifstream in(std::string(KESTREL_SOURCE_DIR) + "/README.md");
    std::stringstream readme;
    readme << in.rdbuf();
    const std::string text = readme.str();
    const std::size_t from = text.find("```gitattributes\n");
    ASSERT_NE(from, std::string::npos);
    const std::string block = text.substr(from, text.find("```\n", from + 3) - from);
    std::string expected;
    for (const auto group : {datasetKinds(), scenarioKinds(), campaignKinds()})
        for (const FileKind& kind : group)
            for (const std::string_view pattern : kind.names)
                if (!pattern.empty())
                    expected += std::string(pattern) + " diff=kestrel\n" + lowerCase(pattern) + " diff=kestrel\n";
    EXPECT_EQ(block, "```gitattributes\n" + expected);
}

}  // namespace
}  // namespace kestrel::records
