// Import Data: translations land in the fields the export read them from,
// cut to their limits, and nothing else changes.
#include "textx/data_import.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "app/text_command.hpp"
#include "datasets/army_type.hpp"
#include "datasets/city_set.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/spell.hpp"
#include "support/file_faults.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "textx/data_export.hpp"
#include "textx/import_roots.hpp"

namespace kestrel::textx {
namespace {

using testing::TempRoot;
using namespace roots;
using namespace std::string_literals;

std::string banners(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += "***********\r\n";
    return out;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        out.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return out;
}

// Fills every "#LOC:" line of an export with T1, T2, ...; `expected` gets the
// export that should follow the import, with those texts on the tag lines.
std::string translateAll(const std::string& exported, std::string& expected) {
    auto filled = lines(exported), after = filled;
    int n = 0;
    for (std::size_t i = 1; i < filled.size(); ++i) {
        if (filled[i].find("#LOC:") == std::string::npos) continue;
        const std::string text = "T" + std::to_string(++n);
        filled[i].replace(filled[i].find("<>"), 2, "<" + text + ">");
        after[i - 1] = after[i - 1].substr(0, after[i - 1].find('<')) + "<" + text + ">";
    }
    EXPECT_EQ(n, 54);  // 4 + 1 + 2 + 1 + 23 + 2 + 19 + 2 texts
    std::string text;
    for (const auto& line : filled) text += line + "\r\n";
    expected.clear();
    for (const auto& line : after) expected += line + "\r\n";
    return text;
}

TEST(DataImport, AnUnchangedExportChangesNothing) {
    TempRoot t;
    writeOneOfEach(t);
    const auto before = snapshot(t);
    testing::FileFaults counting;
    const ImportResult result = importDataText(t.root(), dataSetText(t.root()));
    EXPECT_TRUE(result.opened);
    EXPECT_TRUE(result.written.empty());
    EXPECT_EQ(counting.renames(), 0);
    EXPECT_EQ(snapshot(t), before);
    EXPECT_EQ(message(result), "Text Imported!");
}

TEST(DataImport, ATranslationOfEveryTextLandsInItsFieldWithCrLfOrLf) {
    for (const bool lfOnly : {false, true}) {
        TempRoot t;
        writeOneOfEach(t);
        std::string expected;
        std::string file = translateAll(dataSetText(t.root()), expected);
        if (lfOnly)
            for (std::size_t at; (at = file.find("\r\n")) != std::string::npos;) file.erase(at, 1);
        testing::FileFaults counting;
        const ImportResult result = importDataText(t.root(), file);
        EXPECT_EQ(result.written,
                  (std::vector<std::string>{"CITY\\ELVES.CIT", "TERRAIN\\DATA\\GRASS.TER", "ARMY\\PIKEMEN.ARM",
                                            "SITES\\TOWER.SIT", "HERO\\KNIGHT.HER", "ITEMS\\BLADE.ITM",
                                            "ADVISOR\\SAGE.AVR", "SPELL\\FIRE.SPL"}));
        EXPECT_EQ(counting.renames(), 8);  // one write per record file
        EXPECT_EQ(dataSetText(t.root()), expected);
    }
}

// The bytes around a field stay; the field gets its text, a NUL and zeros.
TEST(DataImport, OneFieldChangesAtItsOffsetAndTheRestOfTheRecordStays) {
    TempRoot t;
    auto army = datasets::newArmyType("PIKEMEN");
    army.name = "Pikemen of the North";  // 15 characters kept by the codec
    army.description = "Long spears";
    const core::Bytes before = datasets::writeArmyType(army);
    t.write("ARMY/PIKEMEN.ARM", before);
    importDataText(t.root(), banners(3) + "#ID: Army\\PIKEMEN.ARM\n    #NAME:  <Pikemen>\n    #LOC:   <Red Dragons>\n");
    core::Bytes expected = before;
    const std::string name("Red Dragons\0\0\0\0\0", 16);
    std::copy(name.begin(), name.end(), expected.begin());
    EXPECT_EQ(t.read("ARMY/PIKEMEN.ARM"), expected);
}

TEST(DataImport, TextsAreCutToTheirLimits) {
    TempRoot t;
    writeOneOfEach(t);
    const std::string forty = "Fourty letters make a long city level..";
    const std::string long300(300, 'x');
    const std::string file =
        "*******************\r\n#ID: City\\ELVES.CIT\r\n#LVL2:\r\n#LOC: <" + forty +
        ">\r\n***********\r\n***********\r\n#ID: Army\\PIKEMEN.ARM\r\n#DESC:\r\n#LOC: <" + long300 +
        ">\r\n***********\r\n***********\r\n#ID: Hero\\KNIGHT.HER\r\n#LVL10(F):\r\n#LOC: <" + long300 +
        ">\r\n***********\r\n***********\r\n***********\r\n#ID: Spell\\FIRE.SPL\r\n#NAME:\r\n#LOC: <" + long300 +
        ">\r\n";
    importDataText(t.root(), file);
    EXPECT_EQ(datasets::readCitySet(t.read("CITY/ELVES.CIT")).levels[2], forty.substr(0, 19));
    EXPECT_EQ(datasets::readArmyType(t.read("ARMY/PIKEMEN.ARM")).description, long300.substr(0, 127));
    EXPECT_EQ(datasets::readHeroType(t.read("HERO/KNIGHT.HER")).femaleLevels[9], long300.substr(0, 31));
    EXPECT_EQ(datasets::readSpell(t.read("SPELL/FIRE.SPL")).name, long300.substr(0, 15));
    EXPECT_EQ(t.read("SPELL/FIRE.SPL")[15], 0);
}

// Only the tags of the section's table count, and a translation must be whole.
TEST(DataImport, WrongSectionsOpenBracketsAndEmptyTextsLeaveTheRecords) {
    TempRoot t;
    writeOneOfEach(t);
    const auto before = snapshot(t);
    const std::string file =
        "***********\n#ID: City\\ELVES.CIT\n#NAME:\n#LOC: <x>\n#TXT00:\n#LOC: <x>\n#LVL0:\n#LOC: <Unclosed\n"
        "#LVL1:\n#LOC: <>\n#LVL2:\n#LOC: <\0hidden>\n"
        "***********\n#ID: Terrain\\Data\\GRASS.TER\n#DESC:\n#LOC: <x>\n#GOLD:\n#LOC: <x>\n"
        "***********\n#ID: Army\\PIKEMEN.ARM\n#LVL0:\n#LOC: <x>\n#MON0:\n#LOC: <x>\n#NAME1:\n#LOC: <x>\n"
        "***********\n***********\n#ID: Hero\\KNIGHT.HER\n#NAME:\n#LOC: <x>\n"
        "***********\n***********\n#ID: Advisor\\SAGE.AVR\n#RES11:\n#LOC: <x>\n#RES:\n#LOC: <x>\n"
        "***********\n***********\n#ID: City\\ELVES.CIT\n#LVL0:\n#LOC: <ninth section>\n#LVL3:"s;
    const ImportResult result = importDataText(t.root(), file);
    EXPECT_TRUE(result.written.empty());
    EXPECT_EQ(snapshot(t), before);
}

TEST(DataImport, PathsOutsideTheSectionsFilesAreRefusedWithTheirTags) {
    const auto outer = testing::makeUniqueTempDir("kestrel-import-");
    const TempRoot t;
    writeOneOfEach(t);
    t.write("CITY/NOTES.TXT", datasets::writeCitySet({{"a", "b", "c", "d"}}));
    t.write("CITY/SUB/DEEP.CIT", datasets::writeCitySet({{"a", "b", "c", "d"}}));
    t.mkdir("CITY/DIR.CIT");
    const std::filesystem::path outside = outer / "OUTSIDE.CIT";
    std::ofstream(outside) << "kept";
    const std::string beside = "..\\" + outer.filename().string() + "\\OUTSIDE.CIT";
    const std::vector<std::string> refused{beside,
                                           "City\\..\\" + beside,
                                           outside.string(),
                                           "C:\\OUTSIDE.CIT",
                                           "Army\\PIKEMEN.ARM",
                                           "City\\NOTES.TXT",
                                           "City\\SUB\\DEEP.CIT",
                                           "City\\DIR.CIT",
                                           "City",
                                           "ELVES.CIT",
                                           "City\\CON.CIT",
                                           ""};
    const auto before = snapshot(t);
    for (const std::string& path : refused) {
        // A good record first: the tags after a refused path never reach it.
        const std::string file = "***********\n#ID: City\\ELVES.CIT\n#LVL0:\n#LOC: <Ok>\n#ID: " + path +
                                 "\n#LVL1:\n#LOC: <Leak>\n#LVL2:\n#LOC: <Leak>\n";
        const ImportResult result = importDataText(t.root(), file);
        EXPECT_EQ(result.written, std::vector<std::string>{"CITY\\ELVES.CIT"}) << path;
        EXPECT_EQ(datasets::readCitySet(t.read("CITY/ELVES.CIT")).levels,
                  (std::array<std::string, 4>{"Ok", "Village", "Town", "City"}))
            << path;
        t.write("CITY/ELVES.CIT", before.at("CITY/ELVES.CIT"));
        EXPECT_EQ(snapshot(t), before) << path;
    }
    std::ifstream in(outside);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "kept");
    std::filesystem::remove_all(outer);
    // Any case and either separator still name the section's file.
    importDataText(t.root(), "***********\n#ID: city/elves.cit\n#LVL3:\n#LOC: <Capital>\n");
    EXPECT_EQ(datasets::readCitySet(t.read("CITY/ELVES.CIT")).levels[3], "Capital");
}

// Earlier layouts by their exact length and short files: only what must grow does.
TEST(DataImport, EarlierLayoutsKeepTheirShapeAndShortRecordsGrowOnlyForAFieldBeyondThem) {
    TempRoot t;
    t.write("HERO/OLD.HER", core::Bytes(1378, 0x11));
    t.write("ITEMS/OLD.ITM", core::Bytes(200, 0x22));
    t.write("CITY/SHORT.CIT", core::Bytes(25, 0x33));
    t.write("CITY/TINY.CIT", core::Bytes(25, 0x33));
    importDataText(t.root(),
                   "***********\n#ID: City\\SHORT.CIT\n#LVL0:\n#LOC: <Hut>\n#ID: City\\TINY.CIT\n#LVL3:\n#LOC: <Top>\n"
                   "***********\n***********\n***********\n***********\n#ID: Hero\\OLD.HER\n#LVL1(M):\n#LOC: <Squire>\n"
                   "***********\n#ID: Items\\OLD.ITM\n#NAME:\n#LOC: <the Sword of the Old Kings>\n");
    const core::Bytes hero = t.read("HERO/OLD.HER");
    ASSERT_EQ(hero.size(), 1378u);
    EXPECT_EQ(std::string(hero.begin() + 269, hero.begin() + 277), std::string("\x11Squire\0", 8));
    EXPECT_EQ(hero[301], 0);
    EXPECT_EQ(hero[302], 0x11);
    const core::Bytes item = t.read("ITEMS/OLD.ITM");
    ASSERT_EQ(item.size(), 200u);
    EXPECT_EQ(std::string(item.begin(), item.begin() + 17), std::string("the Sword of th\0\x22", 17));
    core::Bytes shortCity(25, 0x33);
    std::fill_n(shortCity.begin(), 20, 0);
    std::string_view("Hut").copy(reinterpret_cast<char*>(shortCity.data()), 3);
    EXPECT_EQ(t.read("CITY/SHORT.CIT"), shortCity);
    core::Bytes tiny(80, 0);
    std::fill_n(tiny.begin(), 25, 0x33);
    std::string_view("Top").copy(reinterpret_cast<char*>(tiny.data()) + 60, 3);
    EXPECT_EQ(t.read("CITY/TINY.CIT"), tiny);
}

TEST(DataImport, ATranslationEqualToTheTextWritesNothingAndFailedWritesAreTold) {
    TempRoot t;
    writeOneOfEach(t);
    const std::string same = "***********\n#ID: City\\ELVES.CIT\n#LVL0:\n#LOC: <Hamlet>\n";
    {
        testing::FileFaults counting;
        EXPECT_TRUE(importDataText(t.root(), same).written.empty());
        EXPECT_EQ(counting.renames(), 0);
    }
    const auto before = snapshot(t);
    const std::string two =
        "***********\n#ID: City\\ELVES.CIT\n#LVL0:\n#LOC: <A>\n***********\n"
        "#ID: Terrain\\Data\\GRASS.TER\n#NAME:\n#LOC: <B>\n***********\n"
        "#ID: Army\\PIKEMEN.ARM\n#NAME:\n#LOC: <C>\n";
    testing::FileFaults failing(testing::FileFaults::Call::Rename);
    const ImportResult result = importDataText(t.root(), two);
    EXPECT_FALSE(succeeded(result));
    EXPECT_EQ(message(result), "Error writing CITY\\ELVES.CIT and 2 more files");
    EXPECT_EQ(snapshot(t), before);
}

TEST(DataImport, EmptyAndBinaryFilesWriteNothing) {
    TempRoot t;
    writeOneOfEach(t);
    const auto before = snapshot(t);
    std::mt19937 random(7);
    std::string garbage(1 << 16, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    for (const std::string& file : {std::string(), garbage, std::string("\r\n\r\n\r"), std::string("#NAME:")})
        EXPECT_TRUE(importDataText(t.root(), file).written.empty());
    EXPECT_EQ(snapshot(t), before);
}

// The button and the command line: the file chosen, the messages, the exit status.
TEST(DataImport, TheButtonAndTheCommandLineSayWhatHappened) {
    TempRoot t;
    writeOneOfEach(t);
    t.write("fr.txt", banners(8) + "#ID: Spell\\FIRE.SPL\r\n#NAME:\r\n#LOC: <Boule de feu>\r\n");
    const auto run = testing::runScript(t.path(),
                                        "file cancel\nclick 1332\n"
                                        "file \"" +
                                            (t.path() / "missing.txt").string() +
                                            "\"\nclick 1332\n"
                                            "expect message \"Message\" \"Can't open file\"\n"
                                            "file \"" +
                                            (t.path() / "fr.txt").string() +
                                            "\"\nclick 1332\n"
                                            "expect message \"Message\" \"Text Imported!\"\nexpect no-message\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(datasets::readSpell(t.read("SPELL/FIRE.SPL")).name, "Boule de feu");

    std::ostringstream out, err;
    EXPECT_EQ(app::importDataCommand(t.path(), t.path() / "fr.txt", out, err), 0);
    EXPECT_EQ(out.str(), "Text Imported!\n");
    std::ostringstream out2, err2;
    EXPECT_EQ(app::importDataCommand(t.path(), t.path() / "CITY", out2, err2), 1);
    EXPECT_EQ(err2.str(), "Can't open file\n");
    std::ostringstream out3, err3;
    EXPECT_EQ(app::importDataCommand(t.path() / "none", t.path() / "fr.txt", out3, err3), 2);
}

}  // namespace
}  // namespace kestrel::textx
