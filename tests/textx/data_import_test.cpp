// Import Data: translations land in the fields the export read them from,
// cut to their limits, and nothing else changes.
#include "textx/data_import.hpp"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "app/text_command.hpp"
#include "support/file_faults.hpp"
#include "textx/data_export.hpp"
#include "textx/import_roots.hpp"

namespace kestrel::textx {
namespace {

using testing::TempRoot;
using namespace roots;
using namespace std::string_literals;

// Whatever the line ends: CR LF as exported, LF, or CR CR LF after one text-mode copy too many.
TEST(DataImport, AnUnchangedExportChangesNothingAndATranslationOfEveryTextLandsInItsField) {
    for (const std::string lineEnd : {"\r\n", "\n", "\r\r\n"}) {
        TempRoot t;
        writeOneOfEach(t);
        const auto before = snapshot(t);
        testing::FileFaults counting;
        EXPECT_TRUE(importDataText(t.root(), dataSetText(t.root())).written.empty());
        EXPECT_EQ(snapshot(t), before);
        int n = 0;
        std::string expected;
        std::string file = translated(
            dataSetText(t.root()), [&n](const std::string&, int i) { return "T" + std::to_string(n = i); }, &expected);
        EXPECT_EQ(n, 54);  // 4 + 1 + 2 + 1 + 23 + 2 + 19 + 2 texts
        for (std::size_t at = 0; (at = file.find("\r\n", at)) != std::string::npos; at += lineEnd.size())
            file.replace(at, 2, lineEnd);
        const ImportResult result = importDataText(t.root(), file);
        EXPECT_EQ(result.written,
                  (std::vector<std::string>{"CITY\\ELVES.CIT", "TERRAIN\\DATA\\GRASS.TER", "ARMY\\PIKEMEN.ARM",
                                            "SITES\\TOWER.SIT", "HERO\\KNIGHT.HER", "ITEMS\\BLADE.ITM",
                                            "ADVISOR\\SAGE.AVR", "SPELL\\FIRE.SPL"}));
        EXPECT_EQ(counting.renames(), 8);  // one write per record file, none for the unchanged export
        EXPECT_EQ(dataSetText(t.root()), expected);
        EXPECT_EQ(message(result), "Text Imported!");
    }
}

// The bytes around a field stay; the field gets its text cut to the limit,
// a NUL and zeros.
TEST(DataImport, OneFieldChangesAtItsOffsetCutToItsLimit) {
    TempRoot t;
    writeOneOfEach(t);
    auto army = datasets::newArmyType("PIKEMEN");
    army.name = "Pikemen of the North";  // 15 characters kept by the codec
    const core::Bytes before = datasets::writeArmyType(army);
    t.write("ARMY/PIKEMEN.ARM", before);
    const std::string forty = "Fourty letters make a long city level..", long300(300, 'x');
    importDataText(t.root(), banners(1) + "#ID: City\\ELVES.CIT\r\n#LVL2:\r\n#LOC: <" + forty + ">\r\n" + banners(2) +
                                 "#ID: Army\\PIKEMEN.ARM\n    #NAME:  <Pikemen>\n    #LOC:   <Red Dragons>\n" +
                                 banners(2) + "#ID: Hero\\KNIGHT.HER\r\n#LVL10(F):\r\n#LOC: <" + long300 + ">\r\n" +
                                 banners(3) + "#ID: Spell\\FIRE.SPL\r\n#NAME:\r\n#LOC: <" + long300 + ">\r\n");
    core::Bytes expected = before;
    const std::string name("Red Dragons\0\0\0\0\0", 16);
    std::copy(name.begin(), name.end(), expected.begin());
    EXPECT_EQ(t.read("ARMY/PIKEMEN.ARM"), expected);
    EXPECT_EQ(datasets::readCitySet(t.read("CITY/ELVES.CIT")).levels[2], forty.substr(0, 19));
    EXPECT_EQ(datasets::readHeroType(t.read("HERO/KNIGHT.HER")).femaleLevels[9], long300.substr(0, 31));
    EXPECT_EQ(datasets::readSpell(t.read("SPELL/FIRE.SPL")).name, long300.substr(0, 15));
}

// A file named twice, in another case or through a symbolic link, is read
// the second time with the first naming's changes in: both land, the later last.
TEST(DataImport, ARecordFileNamedTwiceKeepsTheChangesOfBoth) {
    TempRoot t;
    writeOneOfEach(t);
    std::filesystem::create_symlink("ELVES.CIT", t.path() / "CITY/ALIAS.CIT");
    for (const std::string second : {"elves.cit", "ALIAS.CIT"})
        for (int round = 0; round < 10; ++round) {
            const std::string a = "A" + std::to_string(round), b = "B" + std::to_string(round);
            importDataText(t.root(), banners(1) + "#ID: City\\ELVES.CIT\n#LVL0:\n#LOC: <" + a + ">\n#LVL1:\n#LOC: <" +
                                         a + ">\n#ID: City\\" + second + "\n#LVL1:\n#LOC: <" + b + ">\n");
            const auto entry = [](const std::string& context, const std::string& text) {
                return "msgctxt \"City\\\\" + context + "\"\nmsgid \"\"\nmsgstr \"" + text + "\"\n\n";
            };
            importDataPo(t.root(),
                         entry("ELVES.CIT LVL2", a) + entry("ELVES.CIT LVL3", a) + entry(second + " LVL3", b));
            EXPECT_EQ(datasets::readCitySet(t.read("CITY/ELVES.CIT")).levels, (std::array{a, b, a, b})) << second;
        }
    EXPECT_TRUE(std::filesystem::is_symlink(t.path() / "CITY/ALIAS.CIT"));
}

TEST(DataImport, PathsOutsideTheSectionsFilesAreRefusedWithTheirTags) {
    const TempRoot outer, t;
    writeOneOfEach(t);
    t.write("CITY/NOTES.TXT", datasets::writeCitySet({{"a", "b", "c", "d"}}));
    t.write("CITY/SUB/DEEP.CIT", datasets::writeCitySet({{"a", "b", "c", "d"}}));
    t.mkdir("CITY/DIR.CIT");
    outer.write("OUTSIDE.CIT", "kept");
    const std::filesystem::path outside = outer.path() / "OUTSIDE.CIT";
    const std::string beside = "..\\" + outer.path().filename().string() + "\\OUTSIDE.CIT";
    // clang-format off
    const std::vector<std::string> refused{beside, "City\\..\\" + beside, outside.string(), "C:\\OUTSIDE.CIT",
        "Army\\PIKEMEN.ARM", "Army\\ELVES.CIT", "City\\NOTES.TXT", "City\\SUB\\DEEP.CIT", "City\\DIR.CIT",
        "City\\CON.CIT", "City", ""};
    // clang-format on
    const auto before = snapshot(t);
    for (const std::string& path : refused) {
        // A good record first: the tags after a refused path never reach it.
        const std::string file = "***********\n#ID: City\\ELVES.CIT\n#LVL0:\n#LOC: <Ok>\n#ID: " + path +
                                 "\n#LVL1:\n#LOC: <Leak>\n#LVL2:\n#LOC: <Leak>\n";
        const ImportResult result = importDataText(t.root(), file);
        EXPECT_EQ(result.written, std::vector<std::string>{"CITY\\ELVES.CIT"}) << path;
        EXPECT_EQ(datasets::readCitySet(t.read("CITY/ELVES.CIT")).levels,
                  (std::array<std::string, 4>{"Ok", "Village", "Town", "Cit\xe9"}))
            << path;
        t.write("CITY/ELVES.CIT", before.at("CITY/ELVES.CIT"));
        EXPECT_EQ(snapshot(t), before) << path;
    }
    EXPECT_EQ(outer.read("OUTSIDE.CIT"), (core::Bytes{'k', 'e', 'p', 't'}));
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

// Nothing is written for the same texts, an empty or binary file, tags not
// in their section's table or not whole translations; a failed write is told.
TEST(DataImport, WhatChangesNoTextWritesNothingAndFailedWritesAreTold) {
    TempRoot t;
    writeOneOfEach(t);
    const auto before = snapshot(t);
    std::mt19937 random(7);
    std::string garbage(1 << 16, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    const std::string wrongTags =
        "***********\n#ID: City\\ELVES.CIT\n#NAME:\n#LOC: <x>\n#TXT00:\n#LOC: <x>\n#LVL0:\n#LOC: <Unclosed\n"
        "#LVL1:\n#LOC: <>\n#LVL2:\n#LOC: <\0hidden>\n"
        "***********\n#ID: Terrain\\Data\\GRASS.TER\n#DESC:\n#LOC: <x>\n#GOLD:\n#LOC: <x>\n"
        "***********\n#ID: Army\\PIKEMEN.ARM\n#LVL0:\n#LOC: <x>\n#MON0:\n#LOC: <x>\n#NAME1:\n#LOC: <x>\n"
        "***********\n***********\n#ID: Hero\\KNIGHT.HER\n#NAME:\n#LOC: <x>\n"
        "***********\n***********\n#ID: Advisor\\SAGE.AVR\n#RES11:\n#LOC: <x>\n#RES:\n#LOC: <x>\n"
        "***********\n***********\n#ID: City\\ELVES.CIT\n#LVL0:\n#LOC: <ninth section>\n#LVL3:"s;
    {
        testing::FileFaults counting;
        for (const std::string& file : {banners(1) + "#ID: City\\ELVES.CIT\n#LVL0:\n#LOC: <Hamlet>\n", std::string(),
                                        garbage, std::string("\r\n\r\n\r#NAME:"), wrongTags})
            EXPECT_TRUE(importDataText(t.root(), file).written.empty());
        EXPECT_EQ(counting.renames(), 0);
        EXPECT_EQ(snapshot(t), before);
    }
    testing::FileFaults failing(testing::FileFaults::Call::Rename);
    const ImportResult result =
        importDataText(t.root(), banners(1) + "#ID: City\\ELVES.CIT\n#LVL0:\n#LOC: <A>\n" + banners(1) +
                                     "#ID: Terrain\\Data\\GRASS.TER\n#NAME:\n#LOC: <B>\n" + banners(1) +
                                     "#ID: Army\\PIKEMEN.ARM\n#NAME:\n#LOC: <C>\n");
    EXPECT_FALSE(succeeded(result));
    EXPECT_EQ(message(result), "Error writing CITY\\ELVES.CIT and 2 more files");
    EXPECT_EQ(snapshot(t), before);
}

// The message, then what happened: an import that applies nothing must not look like one that did.
TEST(DataImport, TheCommandLineSaysWhatHappened) {
    TempRoot t;
    writeOneOfEach(t);
    t.write("fr.txt", banners(8) + "#ID: Spell\\FIRE.SPL\r\n#NAME:\r\n#LOC: <Boule de feu>\r\n#DESC:\n#LOC: <Burns>\n" +
                          "#LVL0:\n#LOC: <x>\n#MON1:\n#LOC: <>\n#ID: Spell\\NONE.SPL\n#NAME:\n#LOC: <x>\n" +
                          "#ID: City\\ELVES.CIT\n#NAME:\n#LOC: <x>\n");
    std::ostringstream out, err;
    EXPECT_EQ(app::importDataCommand(t.path(), t.path() / "fr.txt", out, err), 0);
    EXPECT_EQ(app::importDataCommand(t.path(), t.path() / "CITY", out, err), 1);
    EXPECT_EQ(app::importDataCommand(t.path() / "none", t.path() / "fr.txt", out, err), 2);
    EXPECT_EQ(out.str(),
              "Text Imported!\n1 text changed, 1 file rewritten, 3 texts skipped (unknown context or tag: 1, refused "
              "path: 1, unreadable file: 1)\n");
    EXPECT_TRUE(err.str().starts_with("Can't open file\nkstred: the data root ")) << err.str();
    EXPECT_EQ(datasets::readSpell(t.read("SPELL/FIRE.SPL")).name, "Boule de feu");
}

}  // namespace
}  // namespace kestrel::textx
