// The checker's frame: the clean root, the report's form and order, the
// exit status, faults of the root itself and of any record file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "app/check_command.hpp"
#include "check/check_testing.hpp"
#include "check/findings.hpp"

namespace kestrel::testing {
namespace {

namespace fs = std::filesystem;

TEST(CheckRoot, TheSampleRootHasNoFindingsAndReadsEachFileOnce) {
    const check::CheckResult result = check::checkRoot(cleanRoot());
    ASSERT_TRUE(result.usable);
    EXPECT_EQ(result.findings, std::vector<core::Finding>{});
    EXPECT_EQ(result.mostReads, 1u);
}

TEST(CheckRoot, ReportsEachFindingALineThenTheSummary) {
    TempRoot copy;
    fs::copy(cleanRoot(), copy.path(), fs::copy_options::recursive);
    writeBytes(copy / "CITY/HILLS.CIT", core::Bytes(7, 0));
    fs::create_directory(copy / "city");
    std::ostringstream out, err;
    EXPECT_EQ(app::checkCommand(copy.path(), {}, false, out, err), 1);
    EXPECT_EQ(out.str(),
              "CITY/HILLS.CIT: error: the file is 7 bytes long; a city set file is 80 bytes\n"
              "city: error: the name differs only in case from 'CITY'; the game cannot tell them apart\n"
              "2 errors, 0 warnings in 2 files\n");
    EXPECT_EQ(err.str(), "");
}

TEST(CheckRoot, JsonLinesCarryTheSameFindings) {
    TempRoot copy;
    fs::copy(cleanRoot(), copy.path(), fs::copy_options::recursive);
    writeBytes(copy / "SPELL/HEAL.SPL", core::Bytes(3, 0));
    std::ostringstream out, err;
    EXPECT_EQ(app::checkCommand(copy.path(), {}, true, out, err), 1);
    EXPECT_EQ(out.str(),
              "{\"path\":\"SPELL/HEAL.SPL\",\"record\":\"\",\"field\":\"\",\"severity\":\"error\","
              "\"message\":\"the file is 3 bytes long; a spell file is 210 bytes\"}\n");
    EXPECT_EQ(err.str(), "1 error, 0 warnings in 1 file\n");
}

TEST(CheckRoot, ARootOrTargetThatCannotBeUsedExitsTwo) {
    std::ostringstream out, err;
    EXPECT_EQ(app::checkCommand("/nonexistent/kestrel", {}, false, out, err), 2);
    EXPECT_EQ(app::checkCommand(cleanRoot(), {"NOWHERE"}, false, out, err), 2);
    EXPECT_EQ(err.str(),
              "kstred: the data root /nonexistent/kestrel is not a folder\n"
              "kstred: no scenario or campaign named NOWHERE\n");
    EXPECT_EQ(out.str(), "");
    std::ostringstream clean;
    EXPECT_EQ(app::checkCommand(cleanRoot(), {"ISLANDS", "isles"}, false, clean, err), 0);
    EXPECT_EQ(clean.str(), "0 errors, 0 warnings in 0 files\n");
}

TEST(CheckRoot, OrdersByPathThenRecordsAndFieldsByNumber) {
    check::Findings findings;
    findings.error("B.DAT", "10", "", "ten");
    findings.error("B.DAT", "9", "x[10]", "nine");
    findings.error("B.DAT", "9", "x[2]", "nine");
    findings.warning("A.DAT", "", "", "a");
    findings.error("B.DAT", "9", "x[2]", "nine");  // once only
    std::vector<std::string> lines;
    for (const auto& f : findings.sorted()) lines.push_back(core::findingLine(f));
    EXPECT_EQ(lines, (std::vector<std::string>{"A.DAT: warning: a", "B.DAT:9:x[2]: error: nine",
                                               "B.DAT:9:x[10]: error: nine", "B.DAT:10: error: ten"}));
}

TEST(CheckRoot, ControlCharactersFromTheDataAreEscaped) {
    const core::Finding f = error("A\tB.DAT", "0", "name", "text 'a\nb\\c'");
    EXPECT_EQ(core::findingLine(f), "A\\tB.DAT:0:name: error: text 'a\\nb\\\\c'");
    EXPECT_EQ(check::findingJson(f),
              "{\"path\":\"A\\u0009B.DAT\",\"record\":\"0\",\"field\":\"name\","
              "\"severity\":\"error\",\"message\":\"text 'a\\u000ab\\\\c'\"}");
}

TEST(CheckRoot, SpecialFilesAndFoldersInPlaceOfFilesAreReportedNotRead) {
    TempRoot copy;
    fs::copy(cleanRoot(), copy.path(), fs::copy_options::recursive);
    fs::remove(copy / "SCENARIO/ISLANDS/SIDES.DAT");
    ASSERT_EQ(::mkfifo((copy / "SCENARIO/ISLANDS/SIDES.DAT").c_str(), 0600), 0);
    fs::remove(copy / "ARMY/WOLVES.ARM");
    fs::create_directory(copy / "ARMY/WOLVES.ARM");
    const auto result = check::checkRoot(copy.path());
    EXPECT_EQ(result.findings, (std::vector<core::Finding>{
                                   error("ARMY/WOLVES.ARM", "", "", "a folder where a file is expected"),
                                   error("SCENARIO/ISLANDS/SIDES.DAT", "", "", "no regular file"),
                               }));
}

}  // namespace
}  // namespace kestrel::testing
