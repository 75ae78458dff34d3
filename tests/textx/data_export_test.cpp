// KS_Data.Txt: the exact bytes of every line form, and what is left out.
#include "textx/data_export.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "app/text_command.hpp"
#include "support/as_other_user.hpp"
#include "support/script_run.hpp"
#include "textx/import_roots.hpp"
#include "textx/po_checks.hpp"

namespace kestrel::textx {
namespace {

using namespace roots;
using testing::TempRoot;

std::string exported(const TempRoot& t) { return dataSetText(t.root()); }

const std::string kBeginning = crlf({"//", "// Main Text Data File for Kestrel III", "//", "//", "", ""});
const std::string kSectionEnd = crlf({"", ""});

// The export of roots::writeOneOfEach, as a translator receives it.
const std::string kOneOfEach = [] {
    std::ifstream in(KESTREL_GOLDEN_DIR "/KS_Data.Txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}();

TEST(DataExport, EmptyRootHasTheBeginningAndEightBanners) {
    TempRoot t;
    std::string expected = kBeginning;
    for (const auto* title : {"CITY DATA", "TERRAIN DATA", "ARMY DATA", "SITE DATA", "HERO DATA", "ITEM DATA",
                              "ADVISOR DATA", "SPELL DATA"})
        expected += banner(title) + kSectionEnd;
    EXPECT_EQ(exported(t), expected);
    EXPECT_EQ(expected.size(), 503u);
}

// The city section alone, between its banner and the terrain banner.
std::string citySection(const TempRoot& t) {
    const std::string all = exported(t);
    const auto from = all.find("*** CITY DATA ***") + 35;
    return all.substr(from, all.find("\r\n\r\n\r\n\r\n\r\n\r\n***") - from);
}

TEST(DataExport, RecordFilesInCaseInsensitiveOrderAndOnlyWhatCanBeRead) {
    TempRoot t;
    const core::Bytes city = datasets::writeCitySet({{"a", "b", "c", "d"}});
    t.write("CITY/b.cit", city);
    t.write("CITY/A.CIT", city);
    t.write("CITY/C.TXT", city);
    t.write("CITY/TWO WORDS.CIT", city);  // the #ID: line would end at the blank
    t.mkdir("CITY/DIR.CIT");
    t.write("CITY/LOCKED.CIT", city);
    t.write("CITY/EMPTY.CIT", "");
    testing::handOver(t.path());
    ::chmod((t.path() / "CITY/LOCKED.CIT").c_str(), 0);
    EXPECT_TRUE(testing::asOtherUser([&] {
        const std::string section = citySection(t);
        return section.find("City\\A.CIT") < section.find("City\\b.cit") &&
               section.find("City\\b.cit") < section.find("City\\EMPTY.CIT") &&
               section.find("LOCKED") == std::string::npos;
    }));
    const std::string section = citySection(t);
    for (const auto* absent : {"C.TXT", "TWO", "DIR.CIT"}) EXPECT_EQ(section.find(absent), std::string::npos);
    EXPECT_NE(section.find("    #ID:    City\\EMPTY.CIT\r\n    #LVL0:  <>\r\n"), std::string::npos);
}

// Short records read as far as they go, a text without a NUL stops at its
// field's end, and the earlier hero and item layouts have offsets of their own.
TEST(DataExport, ShortRecordsFullFieldsAndEarlierLayouts) {
    TempRoot t;
    const auto write = [&t](const std::string& file, std::size_t size,
                            std::initializer_list<std::pair<std::size_t, std::string_view>> texts) {
        core::Bytes bytes(size, 0);
        for (const auto& [at, text] : texts) text.copy(reinterpret_cast<char*>(bytes.data()) + at, text.size());
        t.write(file, bytes);
    };
    write("CITY/SHORT.CIT", 25, {{0, "Hamlet"}, {20, "Villa"}});
    write("CITY/FULL.CIT", 26, {{0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}});
    write("HERO/OLD.HER", 1378, {{0, "Old Knight"}, {270, "Squire"}, {622 + 32, "Lady"}});  // level titles 1 (M), 2 (F)
    write("ITEMS/OLD.ITM", 200, {{0, "the Old Sword"}, {16, "Rusty"}});
    const auto city = [](std::string_view file, std::string_view level0, std::string_view level1) {
        return crlf({"    #ID:    City\\" + std::string(file), "    #LVL0:  <" + std::string(level0) + ">",
                     "    #LOC:   <>", "    #LVL1:  <" + std::string(level1) + ">", "    #LOC:   <>", "    #LVL2:  <>",
                     "    #LOC:   <>", "    #LVL3:  <>", "    #LOC:   <>",
                     "    #NOTES: All strings limited to 19 characters", "", ""});
    };
    EXPECT_EQ(citySection(t) + "\r\n\r\n",
              city("FULL.CIT", "ABCDEFGHIJKLMNOPQRST", "UVWXYZ") + city("SHORT.CIT", "Hamlet", "Villa"));
    const std::string all = exported(t);
    for (const auto* line : {"    #NAME(M): <Old Knight>\r\n", "    #LVL1(M): <Squire>\r\n", "    #LVL2(F): <Lady>\r\n",
                             "    #NAME:  <the Old Sword>\r\n", "    #DESC:  <Rusty>\r\n"})
        EXPECT_NE(all.find(line), std::string::npos) << line;
}

// The tagged file replaces one in any case; with --po, the PO file alone is
// written: every non-empty text once, in UTF-8, named by its file and tag,
// and msgfmt accepts it.
TEST(DataExport, WritesTheTaggedFileOrThePoOfTheSameTextsOrSaysItCannot) {
    TempRoot t;
    writeOneOfEach(t);
    t.write("ks_data.txt", "older");
    std::ostringstream out, err;
    EXPECT_EQ(app::exportDataCommand(t.path(), std::nullopt, out, err), 0);
    EXPECT_EQ(out.str(), "Text Exported!\n");
    const core::Bytes tagged = t.read("ks_data.txt");
    EXPECT_EQ(tagged, core::Bytes(kOneOfEach.begin(), kOneOfEach.end()));

    TempRoot blocked;
    blocked.mkdir("KS_Data.Txt");
    EXPECT_EQ(app::exportDataCommand(blocked.path(), std::nullopt, out, err), 1);
    EXPECT_EQ(err.str(), "Cannot open data file\n");
    const auto run =
        testing::runScript(blocked.path(), "click 1330\nexpect message \"Error\" \"Cannot open data file\"\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(blocked.files(), std::vector<std::string>{"KS_Data.Txt/"});

    t.write("SPELL/FIRE.SPL", datasets::writeSpell({.name = "Say \"Fire\"", .description = "a\\b\r\nc"}));
    const std::string po = dataSetPo(t.root());
    EXPECT_TRUE(po.starts_with("msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: KS_Data\\n\"\n"));
    for (const auto* field : {"\"MIME-Version: 1.0\\n\"\n", "\"Content-Type: text/plain; charset=UTF-8\\n\"\n",
                              "\"Content-Transfer-Encoding: 8bit\\n\"\n\n"})
        EXPECT_LT(po.find(field), po.find("msgctxt")) << field;
    for (const auto* entry :
         {"\n#. at most 19 characters\nmsgctxt \"City\\\\ELVES.CIT LVL3\"\nmsgid \"Cit\xc3\xa9\"\nmsgstr \"\"\n",
          "\nmsgctxt \"Hero\\\\KNIGHT.HER LVL10(F)\"\nmsgid \"F10\"\n",
          "\n#. at most 63 characters\nmsgctxt \"Advisor\\\\SAGE.AVR RES10\"\nmsgid \"A18\"\n",
          "\n#. at most 15 characters\nmsgctxt \"Spell\\\\FIRE.SPL NAME\"\nmsgid \"Say \\\"Fire\\\"\"\n",
          "\nmsgctxt \"Spell\\\\FIRE.SPL DESC\"\nmsgid \"a\\\\b\\r\\nc\"\n"})
        EXPECT_NE(po.find(entry), std::string::npos) << entry;
    // 4 + 1 + 2 + 1 + 23 + 2 + 19 + 2 texts, none empty.
    EXPECT_EQ(poEntries(po), 54u);
    out.str("");
    ASSERT_EQ(app::exportDataCommand(t.path(), t.path() / "out.po", out, err), 0);
    EXPECT_EQ(out.str(), "Text Exported!\n");
    EXPECT_EQ(t.read("ks_data.txt"), tagged);
    EXPECT_FALSE(t.exists("KS_Data.Txt"));
    expectMsgfmtAccepts(t, t.path() / "out.po");
}

}  // namespace
}  // namespace kestrel::textx
