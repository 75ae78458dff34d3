// KS_<folder>.Txt: the exact bytes of every section and line form, what a
// missing or odd source file gives, the messages and the PO bridge.
#include "textx/scenario_export.hpp"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "app/text_command.hpp"
#include "core/le.hpp"
#include "support/script_run.hpp"
#include "textx/import_roots.hpp"
#include "textx/po_checks.hpp"

namespace kestrel::textx {
namespace {

using roots::banner;
using roots::crlf;
using testing::TempRoot;

std::string text(const core::Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

const std::string kDir = "SCENARIO/SMALL/";

// A small scenario written by the codecs that own its files.
void writeSmall(const TempRoot& t) {
    scenario::ScenarioHeader header = scenario::newScenarioHeader("SMALL");
    header.name = "Small Isles";
    header.description = "Two <isles>";
    t.write(kDir + "SCENARIO.DAT", scenario::writeScenarioHeader(header));
    scenario::MiscData misc = scenario::defaultMiscData();
    misc.postGold = "gp";
    for (auto& monster : misc.monsters) monster.name.clear();
    misc.monsters[0].name = "Orc";
    misc.monsters[7].name = "Wyrm";
    t.write(kDir + "MISC.DAT", scenario::writeMiscData(misc));
    scenario::ScenarioTerrain terrain = scenario::newScenarioTerrain();
    terrain.bonusTexts = {"Woods", "Hills", "Woods and hills"};
    t.write(kDir + "TERRAIN.DAT", scenario::writeScenarioTerrain(terrain));
    scenario::Sides sides = scenario::defaultSides();
    sides[0].used = true;
    sides[0].name = "Red Kings";
    sides[0].description = "Fire\xe9";
    t.write(kDir + "SIDES.DAT", scenario::writeSides(sides));
    scenario::AreaNames areas;
    areas.names[0] = "North";
    areas.names[10] = "South";
    areas.names[255] = "Edge";
    t.write(kDir + "AREA.DAT", scenario::writeAreaNames(areas));
    std::vector<scenario::City> cities(2);
    cities[0].name = "Port";
    cities[0].description = "Harbour";
    cities[1].name = "Keep";
    t.write(kDir + "CITY.DAT", scenario::writeCities(cities));
    scenario::ScenarioRuin ruin;
    ruin.head.name = "Crypt";
    ruin.head.description = "Dark";
    t.write(kDir + "RUIN.DAT", scenario::writeRuinFile(std::vector{ruin}));
    t.write(kDir + "SITE.DAT", scenario::writeSiteFile({}));
}

const std::string kBeginning =
    crlf({"//", "// Text for Kestrel III Scenario: SMALL", "//", "//If you want to leave any string the same as",
          "//the original, then simply leave its localization", "//field blank.", "//", "", ""});

const std::string kHeaderLines = crlf({"    #NAME: <Small Isles>", "    #LOC:  <>", "    #DESC: <Two <isles>>",
                                       "    #LOC:  <>", "    #NOTES:Names - 15 char's, Description 127 char's", ""});
const std::string kMiscLines = [] {
    std::string lines =
        crlf({"    #GOLD: <gp>", "    #LOC:  <>", "    #NOTES:Usage - 23gp", "    #NOTES:Max of 3 characters", ""});
    const std::array<std::string_view, 8> monsters{"Orc", "", "", "", "", "", "", "Wyrm"};
    for (std::size_t n = 0; n < monsters.size(); ++n)
        lines += crlf({"    #MON" + std::to_string(n) + ": <" + std::string(monsters[n]) + ">", "    #LOC:  <>"});
    return lines + crlf({"    #NOTES:Max of 15 characters", "", ""});
}();
const std::string kTerrainLines =
    crlf({"    #BONUS0: <Woods>", "    #LOC:    <>", "    #BONUS1: <Hills>", "    #LOC:    <>",
          "    #BONUS2: <Woods and hills>", "    #LOC:    <>", "    #NOTES:  Max of 31 characters", "", ""});
std::string sideLines(int n, std::string_view name, std::string_view description) {
    const std::string i = std::to_string(n);
    return crlf({"    #NAME" + i + ": <" + std::string(name) + ">", "    #LOC:    <>",
                 "    #DESC" + i + ": <" + std::string(description) + ">", "    #LOC:    <>",
                 "    #NOTES:  Name - 15 char's, Description - 127 char's", "", ""});
}
const std::string kSideLines = [] {
    std::string lines = sideLines(0, "Red Kings", "Fire\xe9");
    for (int n = 1; n < 8; ++n) lines += sideLines(n, "Not Used", "");
    return lines;
}();
const std::string kAreaLines =
    crlf({"    #NAME0: <North>", "    #LOC:    <>", "    #NAME10: <South>", "    #LOC:    <>", "    #NAME255: <Edge>",
          "    #LOC:    <>", "    #NOTES:  Name - 15 char's", "", ""});
const std::string kCityLines =
    crlf({"    #NAME0: <Port>", "    #LOC:    <>", "    #DESC0: <Harbour>", "    #LOC:    <>",
          "    #NOTES:  Name - 15 char's, Description - 127 char's", "", "    #NAME1: <Keep>", "    #LOC:    <>",
          "    #DESC1: <>", "    #LOC:    <>", "    #NOTES:  Name - 15 char's, Description - 127 char's", "", ""});
const std::string kRuinLines = crlf({"    #NAME0: <Crypt>", "    #LOC:    <>", "    #DESC0: <Dark>", "    #LOC:    <>",
                                     "    #NOTES:  Name - 15 char's, Description - 127 char's", "", ""});
const std::string kSiteLines = crlf({""});  // a count of 0

// The whole file from its parts; `without` names the source file whose lines
// are left out, "*" every one.
std::string expected(std::string_view without = "") {
    const auto part = [&](std::string_view file, const std::string& lines) {
        return file == without || without == "*" ? std::string() : lines;
    };
    return kBeginning + banner("MISC DATA") + part("SCENARIO.DAT", kHeaderLines) + part("MISC.DAT", kMiscLines) +
           crlf({"", "", ""}) + banner("TERRAIN DATA") + part("TERRAIN.DAT", kTerrainLines) + banner("SIDE DATA") +
           part("SIDES.DAT", kSideLines) + banner("AREA DATA") + part("AREA.DAT", kAreaLines) + banner("CITY DATA") +
           part("CITY.DAT", kCityLines) + banner("RUIN DATA") + part("RUIN.DAT", kRuinLines) + banner("SITE DATA") +
           part("SITE.DAT", kSiteLines);
}

// A file that cannot be read leaves only its section's banner; the first
// section keeps its three closing lines. A folder in a file's place is no file.
TEST(ScenarioExport, MissingSourceFileLeavesItsLinesOut) {
    for (const auto* file :
         {"SCENARIO.DAT", "MISC.DAT", "TERRAIN.DAT", "SIDES.DAT", "AREA.DAT", "CITY.DAT", "RUIN.DAT", "SITE.DAT"}) {
        TempRoot t;
        writeSmall(t);
        std::filesystem::remove(t.path() / (kDir + file));
        EXPECT_EQ(scenarioText(t.root(), "SMALL"), expected(file)) << file;
        t.mkdir(kDir + file);
        EXPECT_EQ(scenarioText(t.root(), "SMALL"), expected(file)) << file << " as a folder";
    }
    TempRoot empty;
    EXPECT_EQ(scenarioText(empty.root(), "SMALL"), expected("*"));
    EXPECT_EQ(expected("*").size(), 538u);
}

std::string section(const TempRoot& t, std::string_view title, std::string_view next) {
    const std::string all = scenarioText(t.root(), "SMALL");
    const std::size_t from = all.find(banner(title)) + banner(title).size();
    return all.substr(from, next.empty() ? std::string::npos : all.find(banner(next)) - from);
}

core::Bytes countedFile(int count, std::size_t records, std::size_t size, std::size_t extra = 0) {
    core::Bytes file(2 + records * size + extra, 0);
    core::putS16(file, 0, static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < records + (extra ? 1 : 0); ++i) {
        const std::string name = "N" + std::to_string(i);
        name.copy(reinterpret_cast<char*>(file.data()) + 2 + i * size, name.size());
    }
    return file;
}

// Counts that are negative, larger than the editors keep or than the file
// holds: never a record past the file or past 150, 100 and 100.
TEST(ScenarioExport, CountedFilesStopAtTheStorageAndTheFile) {
    struct Case {
        const char* file;
        const char* title;
        const char* next;
        std::size_t size;
        int count;
        std::size_t records, extra;
        int first, last;  // the numbers of the records exported; last < first: none
    };
    const Case cases[] = {
        {"CITY.DAT", "CITY DATA", "RUIN DATA", 208, -1, 3, 0, 0, -1},
        {"CITY.DAT", "CITY DATA", "RUIN DATA", 208, 32767, 160, 0, 0, 149},
        {"RUIN.DAT", "RUIN DATA", "SITE DATA", 192, 500, 120, 0, 0, 99},
        {"SITE.DAT", "SITE DATA", "", 154, 101, 101, 0, 0, 99},
        {"SITE.DAT", "SITE DATA", "", 154, 5, 2, 10, 0, 2},  // the third record cut after 10 bytes
        {"RUIN.DAT", "RUIN DATA", "SITE DATA", 192, 1, 3, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TempRoot t;
        t.write(kDir + c.file, countedFile(c.count, c.records, c.size, c.extra));
        const std::string lines = section(t, c.title, c.next);
        const std::string where = std::string(c.file) + " count " + std::to_string(c.count);
        if (c.last < c.first) {
            EXPECT_EQ(lines, "\r\n") << where;
            continue;
        }
        for (const int n : {c.first, c.last}) {
            const std::string i = std::to_string(n);
            EXPECT_NE(lines.find("    #NAME" + i + ": <N" + i + ">\r\n    #LOC:    <>\r\n    #DESC" + i + ": <>\r\n"),
                      std::string::npos)
                << where << " record " << n;
        }
        EXPECT_EQ(lines.find("#NAME" + std::to_string(c.last + 1) + ":"), std::string::npos) << where;
        EXPECT_TRUE(lines.ends_with("127 char's\r\n\r\n\r\n")) << where;
    }
}

// A short file reads as if padded with zeros; a full field has no NUL.
TEST(ScenarioExport, ShortFilesAndFullFields) {
    TempRoot t;
    core::Bytes sides(452 + 40, 0);
    std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789").copy(reinterpret_cast<char*>(sides.data()) + 1, 36);
    t.write(kDir + "SIDES.DAT", sides);
    const std::string lines = section(t, "SIDE DATA", "AREA DATA");
    EXPECT_TRUE(
        lines.starts_with("    #NAME0: <ABCDEFGHIJKLMNOPQRSTUVWXYZ012345>\r\n    #LOC:    <>\r\n"
                          "    #DESC0: <6789>\r\n"))
        << lines;
    EXPECT_NE(lines.find("    #NAME7: <>\r\n"), std::string::npos);
    EXPECT_EQ(lines.find("#NAME8"), std::string::npos);  // the neutrals
    t.write(kDir + "AREA.DAT", std::string("Shore"));
    EXPECT_EQ(section(t, "AREA DATA", "CITY DATA"),
              crlf({"    #NAME0: <Shore>", "    #LOC:    <>", "    #NOTES:  Name - 15 char's", "", ""}));
}

// The tagged file is named after the folder and replaces one in any case;
// with --po, the PO file alone is written: every non-empty text once, in
// UTF-8, named by its file in the scenario and its numbered tag, and msgfmt
// accepts it.
TEST(ScenarioExport, CommandLineButtonMessagesAndThePoOfTheSameTexts) {
    TempRoot t;
    writeSmall(t);
    t.write("ks_small.txt", "older");
    std::ostringstream out, err;
    EXPECT_EQ(app::exportScenarioCommand(t.path(), "small", std::nullopt, out, err), 0);
    EXPECT_EQ(out.str(), "Text Exported!\n");
    EXPECT_EQ(text(t.read("ks_small.txt")), expected());
    for (const auto* name : {"NOPE", "..", "SMALL/../SMALL", "SMALL\\", ""}) {
        std::ostringstream out2, err2;
        EXPECT_EQ(app::exportScenarioCommand(t.path(), name, std::nullopt, out2, err2), 1) << name;
        EXPECT_EQ(err2.str(), "kstred: there is no scenario folder SCENARIO\\" + std::string(name) + "\n");
        EXPECT_EQ(out2.str(), "");
    }
    EXPECT_FALSE(exportScenario(t.root(), "../SMALL"));

    TempRoot blocked;
    writeSmall(blocked);
    blocked.mkdir("KS_SMALL.Txt");
    std::ostringstream out3, err3;
    EXPECT_EQ(app::exportScenarioCommand(blocked.path(), "SMALL", std::nullopt, out3, err3), 1);
    EXPECT_EQ(err3.str(), "Cannot open text file\n");
    const auto run = testing::runScript(blocked.path(),
                                        "click 1331\nexpect message \"Message\" \"No scenario has been loaded!\"\n"
                                        "click 1007\nselect 1007 \"Small Isles\"\nclick 1\n"
                                        "click 1331\nexpect message \"Error\" \"Cannot open text file\"\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_TRUE(std::filesystem::is_directory(blocked.path() / "KS_SMALL.Txt"));

    const std::string po = scenarioPo(t.root(), "SMALL");
    EXPECT_TRUE(po.starts_with("msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: KS_SMALL\\n\"\n"));
    for (const auto* entry : {"\n#. at most 31 characters\nmsgctxt \"SCENARIO.DAT NAME\"\nmsgid \"Small Isles\"\n",
                              "\n#. at most 254 characters\nmsgctxt \"SCENARIO.DAT DESC\"\n",
                              "\n#. at most 5 characters\nmsgctxt \"MISC.DAT GOLD\"\nmsgid \"gp\"\n",
                              "\n#. at most 15 characters\nmsgctxt \"MISC.DAT MON7\"\nmsgid \"Wyrm\"\n",
                              "\n#. at most 31 characters\nmsgctxt \"TERRAIN.DAT BONUS2\"\n",
                              "\nmsgctxt \"SIDES.DAT DESC0\"\nmsgid \"Fire\xc3\xa9\"\n",
                              "\n#. at most 15 characters\nmsgctxt \"AREA.DAT NAME255\"\nmsgid \"Edge\"\n",
                              "\n#. at most 127 characters\nmsgctxt \"CITY.DAT DESC0\"\nmsgid \"Harbour\"\n",
                              "\nmsgctxt \"RUIN.DAT NAME0\"\nmsgid \"Crypt\"\n"})
        EXPECT_NE(po.find(entry), std::string::npos) << entry;
    // 2 + 3 + 3 + 9 + 3 + 3 + 2 texts, none empty.
    EXPECT_EQ(poEntries(po), 25u);
    out.str("");
    t.write("ks_small.txt", "older");
    ASSERT_EQ(app::exportScenarioCommand(t.path(), "SMALL", t.path() / "out.po", out, err), 0);
    EXPECT_EQ(out.str(), "Text Exported!\n");
    EXPECT_EQ(text(t.read("out.po")), po);
    EXPECT_EQ(text(t.read("ks_small.txt")), "older");
    EXPECT_FALSE(t.exists("KS_SMALL.Txt"));
    expectMsgfmtAccepts(t, t.path() / "out.po");
}

}  // namespace
}  // namespace kestrel::textx
