// Import Scen: translations land in the scenario's files, renamed cities and
// ruins are renamed where CITY.INI and ITEM.INI name them, and nothing else
// changes, not even records beyond the editors' storage.
#include "textx/scenario_import.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "app/text_command.hpp"
#include "core/le.hpp"
#include "support/file_faults.hpp"
#include "support/script_run.hpp"
#include "textx/import_roots.hpp"
#include "textx/scenario_export.hpp"

namespace kestrel::textx {
namespace {

using namespace roots;

// An unchanged export changes nothing; every text of it filled in with T1,
// T2, ... shows in the next export, and the renamed references follow.
TEST(ScenarioImport, ATranslationOfEveryTextLandsInItsField) {
    TempRoot t;
    writeIsle(t);
    const auto before = snapshot(t);
    testing::FileFaults counting;
    EXPECT_TRUE(importScenarioText(t.root(), "ISLE", scenarioText(t.root(), "ISLE")).written.empty());
    EXPECT_EQ(counting.renames(), 0);
    EXPECT_EQ(snapshot(t), before);
    int n = 0;
    std::string expected;
    const std::string filled = translated(
        scenarioText(t.root(), "ISLE"), [&n](const std::string&, int i) { return "T" + std::to_string(n = i); },
        &expected);
    // Scenario name and description, gold, 8 monsters, 3 bonuses, 8 sides of
    // two texts, 2 areas, 3 cities, a ruin and a site of two texts each.
    EXPECT_EQ(n, 2 + 1 + 8 + 3 + 16 + 2 + 6 + 2 + 2);
    const ImportResult result = importScenarioText(t.root(), "ISLE", filled);
    EXPECT_EQ(result.written.size(), 10u);  // the eight files, CITY.INI and ITEM.INI
    EXPECT_EQ(scenarioText(t.root(), "ISLE"), expected);
    const auto ini = scenario::readCityIni(t.read(kDir + "CITY.INI"));
    EXPECT_EQ(ini.capitals[0].city, ini.owners[1].city);
    EXPECT_EQ(ini.owners[0].city, "oldtown");  // names are compared with their case
    const auto items = scenario::readItemPlacements(t.read(kDir + "ITEM.INI"));
    EXPECT_NE(items[0].holder, "Crypt");
    EXPECT_EQ(items[1].holder, "Crypt");  // held by a hero of that name
    EXPECT_EQ(items[2].holder, "Crypt");  // on the ground
}

TEST(ScenarioImport, ReferencesAreRewrittenOnlyWhenANameTheyHoldChanged) {
    TempRoot t;
    writeIsle(t);
    const core::Bytes ini = t.read(kDir + "CITY.INI");
    testing::FileFaults counting;
    auto result =
        importScenarioText(t.root(), "ISLE", banners(5) + "#NAME2:\n#LOC: <Windmill>\n#NAME1:\n#LOC: <Port>\n");
    EXPECT_EQ(result.written, std::vector<std::string>{"SCENARIO\\ISLE\\CITY.DAT"});
    EXPECT_EQ(counting.renames(), 1);
    EXPECT_EQ(t.read(kDir + "CITY.INI"), ini);
    // Chained renames follow one another, as each tag is applied in turn.
    result = importScenarioText(
        t.root(), "ISLE",
        banners(5) + "#NAME0:\n#LOC: <Newtown>\n#NAME0:\n#LOC: <Hightown>\n#NAME1:\n#LOC: <Oldtown>\n");
    EXPECT_EQ(result.written.size(), 2u);
    const auto renamed = scenario::readCityIni(t.read(kDir + "CITY.INI"));
    EXPECT_EQ(renamed.capitals[0].city, "Hightown");
    EXPECT_EQ(renamed.capitals[1].city, "Oldtown");
    EXPECT_EQ(renamed.owners[1].city, "Hightown");
    EXPECT_EQ(renamed.owners[2].city, "Oldtown");
}

// CITY.DAT of 152 cities and a capital block of 151: the import stays within
// 150 of each, and the rest stays byte for byte.
TEST(ScenarioImport, RecordsBeyondTheEditorsStorageStayAsTheyAre) {
    TempRoot t;
    writeIsle(t);
    std::vector<scenario::City> cities(150);
    for (auto& city : cities) city.name = "Same";
    core::Bytes cityFile = scenario::writeCities(cities);
    const core::Bytes extra = scenario::writeCity({.name = "Same", .description = "Beyond"});
    for (int i = 0; i < 2; ++i) cityFile.insert(cityFile.end(), extra.begin(), extra.end());
    core::putS16(cityFile, 0, 152);
    t.write(kDir + "CITY.DAT", cityFile);
    core::Bytes iniFile = scenario::writeCityIni({std::vector(150, naming("Same")), {}});
    const core::Bytes record = scenario::writeCityIniRecord(naming("Same"));
    iniFile.insert(iniFile.begin() + 2 + 150 * 72, record.begin(), record.end());
    core::putS16(iniFile, 0, 151);
    iniFile.insert(iniFile.end(), record.begin(), record.end());
    core::putS16(iniFile, 2 + 151 * 72, 1);
    t.write(kDir + "CITY.INI", iniFile);

    importScenarioText(t.root(), "ISLE",
                       banners(5) + "#NAME0:\n#LOC: <Other>\n#NAME150:\n#LOC: <X>\n#DESC151:\n#LOC: <X>\n");
    core::Bytes expectedCities = cityFile;
    std::string_view("Other").copy(reinterpret_cast<char*>(expectedCities.data()) + 2, 5);
    EXPECT_EQ(t.read(kDir + "CITY.DAT"), expectedCities);
    const core::Bytes after = t.read(kDir + "CITY.INI");
    ASSERT_EQ(after.size(), iniFile.size());
    for (std::size_t i = 0; i < 152; ++i) {
        const auto city =
            scenario::readCityIniRecord(std::span(after).subspan(2 + i * 72 + (i > 150 ? 2 : 0), 72)).city;
        EXPECT_EQ(city, i == 150 ? "Same" : "Other") << i;
    }
}

TEST(ScenarioImport, TagsOutsideTheirSectionOrRecordsAndBlankNamesLeaveTheFiles) {
    TempRoot t;
    writeIsle(t);
    const auto before = snapshot(t);
    const std::string file =
        banners(1) + "#NAME:\n#LOC: < >\n#MON8:\n#LOC: <x>\n#BONUS0:\n#LOC: <x>\n#LVL0:\n#LOC: <x>\n" + banners(1) +
        "#BONUS3:\n#LOC: <x>\n#DESC:\n#LOC: <x>\n#GOLD:\n#LOC: <x>\n" + banners(1) +
        "#NAME9:\n#LOC: <x>\n#DESC9:\n#LOC: <x>\n#NAME:\n#LOC: <x>\n" + banners(1) + "#NAME256:\n#LOC: <x>\n" +
        banners(1) + "#NAME3:\n#LOC: <x>\n#NAME0:\n#LOC: < >\n#NAME:\n#LOC: <x>\n" + banners(1) +
        "#NAME1:\n#LOC: <x>\n#NAME(M):\n#LOC: <x>\n" + banners(2) + "#NAME0:\n#LOC: <eighth>\n";
    EXPECT_TRUE(importScenarioText(t.root(), "ISLE", file).written.empty());
    EXPECT_EQ(snapshot(t), before);
    for (const std::string_view bad : {"", "..", "ISLE/..", "NONE"})
        EXPECT_TRUE(importScenarioText(t.root(), bad, banners(1) + "#NAME:\n#LOC: <x>\n").written.empty()) << bad;
    EXPECT_EQ(snapshot(t), before);
}

// The neutrals' record after the eight sides is not exported, but takes its
// translation, tagged or PO alike.
TEST(ScenarioImport, TheNeutralsTakeTheirTranslation) {
    TempRoot t;
    writeIsle(t);
    core::Bytes expected = t.read(kDir + "SIDES.DAT");
    importScenarioText(t.root(), "ISLE", banners(3) + "#NAME8:\n#LOC: <Wild>\n");
    importScenarioPo(t.root(), "ISLE",
                     "msgctxt \"SCENARIO\\\\ISLE\\\\SIDES.DAT DESC8\"\nmsgid \"\"\nmsgstr \"Beasts\"\n");
    std::fill_n(expected.begin() + 8 * 452 + 1, 32 + 128, 0);
    std::string_view("Wild").copy(reinterpret_cast<char*>(expected.data()) + 8 * 452 + 1, 4);
    std::string_view("Beasts").copy(reinterpret_cast<char*>(expected.data()) + 8 * 452 + 33, 6);
    EXPECT_EQ(t.read(kDir + "SIDES.DAT"), expected);
}

TEST(ScenarioImport, TheButtonAndTheCommandLineSayWhatHappened) {
    TempRoot t;
    writeIsle(t);
    t.write("fr.txt", banners(1) + "#GOLD:\r\n#LOC: <Crowns>\r\n");
    const auto run = testing::runScript(
        t.path(), "click 1007\nselect 1007 \"Isle\"\nclick 1\nfile \"" + (t.path() / "fr.txt").string() +
                      "\"\nclick 1333\nexpect message \"Message\" \"Text Imported!\"\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(scenario::readMiscData(t.read(kDir + "MISC.DAT")).postGold, "Crown");  // five characters

    std::ostringstream out, err;
    EXPECT_EQ(app::importScenarioCommand(t.path(), "isle", t.path() / "fr.txt", out, err), 0);
    EXPECT_EQ(out.str(), "Text Imported!\n0 texts changed, 0 files rewritten, 0 texts skipped\n");
    t.write("fr.txt", banners(1) + "#GOLD:\n#LOC: <Ducats>\n#MON8:\n#LOC: <x>\n#BONUS0:\n#LOC: <x>\n" + banners(4) +
                          "#NAME0:\n#LOC: <x>\n");
    std::filesystem::remove(t.path() / (kDir + "CITY.DAT"));
    out.str("");
    EXPECT_EQ(app::importScenarioCommand(t.path(), "ISLE", t.path() / "fr.txt", out, err), 0);
    EXPECT_EQ(out.str(),
              "Text Imported!\n1 text changed, 1 file rewritten, 3 texts skipped (unknown context or tag: 1, index "
              "outside the file: 1, unreadable file: 1)\n");
    for (const std::string name : {"NONE", "..", "ISLE/.."}) {
        std::ostringstream out2, err2;
        EXPECT_EQ(app::importScenarioCommand(t.path(), name, t.path() / "fr.txt", out2, err2), 1) << name;
        EXPECT_EQ(err2.str(), "kstred: there is no scenario folder SCENARIO\\" + name + "\n");
    }
    std::ostringstream out3, err3;
    EXPECT_EQ(app::importScenarioCommand(t.path(), "ISLE", t.path() / "none.txt", out3, err3), 1);
    EXPECT_EQ(err3.str(), "Can't open file\n");
}

}  // namespace
}  // namespace kestrel::textx
