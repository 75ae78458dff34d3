#include "datasets/catalogue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "datasets/catalogue_ops.hpp"
#include "support/temp_root.hpp"

namespace kestrel::datasets {
namespace {

using testing::TempRoot;

TEST(Catalogue, PathsOfEveryKind) {
    EXPECT_EQ(recordPath(info(Kind::CitySet), "TOWNS"), "CITY\\TOWNS.CIT");
    EXPECT_EQ(recordPath(info(Kind::TerrainSubtype), "HILL"), "TERRAIN\\SUBTYPE\\HILL.STT");
    EXPECT_EQ(recordPath(info(Kind::Campaign), "SAGA"), "CAMPAIGN\\SAGA\\CAMPAIGN.DAT");
    EXPECT_EQ(listPattern(info(Kind::TerrainBonus)), "TERRAIN\\BONUS\\*.BON");
    EXPECT_EQ(listPattern(info(Kind::Flag)), "FLAGS\\*.FLG");
    EXPECT_EQ(entryPath(info(Kind::HeroType), "KNIGHT", "m.PCX"), "HERO\\KNIGHTm.PCX");
}

TEST(Catalogue, TableIsConsistent) {
    std::set<int> lists, editors;
    for (const auto& k : catalogue()) {
        EXPECT_TRUE(lists.insert(k.listDialog).second) << k.name;
        EXPECT_TRUE(editors.insert(k.entryEditor).second) << k.name;
        EXPECT_EQ(k.deleteSuffixes[0], k.extension) << k.name;  // the record goes first
        EXPECT_EQ(k.templatePicture.empty(), k.templateCopies[0].empty()) << k.name;
        EXPECT_EQ(kindByListDialog(k.listDialog), &k);
    }
}

const core::Bytes kRecord(80, 0x41);

// New on a root holding some files: its result and every file after it, with
// what it holds. The record goes in first, then copies of the kind's template.
TEST(NewEntry, WritesTheRecordAndCopiesTheTemplateOrLeavesEverythingAlone) {
    using Files = std::map<std::string, std::string>;
    const std::string record(kRecord.begin(), kRecord.end());
    // clang-format off
    const std::tuple<Kind, std::string, Files, NewResult, std::optional<Files>> cases[]{  // none: as before
        {Kind::TerrainType, "GRASS", {}, NewResult::Created, Files{{"TERRAIN/DATA/GRASS.TER", record}}},  // no template
        {Kind::HeroType, "KNIGHT", {{"WSDATA/ARMY.PCX", "a"}}, NewResult::Created,
         Files{{"WSDATA/ARMY.PCX", "a"}, {"HERO/KNIGHT.HER", record}, {"HERO/KNIGHTm.PCX", "a"}, {"HERO/KNIGHTf.PCX", "a"}}},
        {Kind::CitySet, "TOWNS", {{"WSDATA/CITY.PCX", "template"}, {"city/Towns.cit", "old record"},
                                  {"city/Towns.pcx", "old picture"}}, NewResult::Exists, std::nullopt},
        // The template replaces an old picture of a new record.
        {Kind::CitySet, "TOWNS", {{"WSDATA/CITY.PCX", "template"}, {"CITY/TOWNS.PCX", "old"}}, NewResult::Created,
         Files{{"WSDATA/CITY.PCX", "template"}, {"CITY/TOWNS.CIT", record}, {"CITY/TOWNS.PCX", "template"}}},
        {Kind::CitySet, "", {}, NewResult::EmptyName, std::nullopt},
        {Kind::CitySet, "TOWNS", {{"CITY", "a file where the folder should be"}}, NewResult::CannotCreate, std::nullopt},
        {Kind::Campaign, "SAGA", {}, NewResult::Created, Files{{"CAMPAIGN/SAGA/CAMPAIGN.DAT", record}}},
        {Kind::Campaign, "saga", {{"CAMPAIGN/SAGA/CAMPAIGN.DAT", "old"}}, NewResult::Exists, std::nullopt},
    };
    // clang-format on
    for (const auto& [kind, name, before, result, after] : cases) {
        SCOPED_TRACE(std::string(info(kind).name) + " " + name);
        TempRoot t;
        for (const auto& [path, text] : before) t.write(path, text);
        EXPECT_EQ(createEntry(t.root(), info(kind), name, kRecord), result);
        std::vector<std::string> paths;
        for (const auto& [path, text] : after.value_or(before)) {
            EXPECT_EQ(t.read(path), core::Bytes(text.begin(), text.end())) << path;
            paths.push_back(path);
        }
        EXPECT_EQ(t.files(), testing::treeOf(paths));
    }
}

TEST(NewEntry, NamesTheFileSystemRefusesCreateNothingAnywhere) {
    TempRoot t;
    for (const char* name : {"..", "A\\B", "A/B", "..\\X", "A:B", "A*", "A?", "A\"", "A<", "A>", "A|", "CON", "A."}) {
        EXPECT_EQ(createEntry(t.root(), info(Kind::CitySet), name, kRecord), NewResult::CannotCreate) << name;
        EXPECT_EQ(createEntry(t.root(), info(Kind::Campaign), name, kRecord), NewResult::CannotCreate) << name;
    }
    EXPECT_EQ(createEntry(t.root(), info(Kind::HeroType), "EIGHTCHR", kRecord), NewResult::CannotCreate);
    EXPECT_TRUE(t.files().empty());
    EXPECT_FALSE(std::filesystem::exists(t.path().parent_path() / "X.CIT"));
}

TEST(ListEntries, CutsTheExtensionAndSortsWithoutCase) {
    TempRoot t;
    for (const char* f : {"b.cit", "A.CIT", "C.Cit", "IGNORED.PCX", "x.citx"}) t.write(std::string("CITY/") + f, "");
    EXPECT_EQ(listEntries(t.root(), info(Kind::CitySet)), (std::vector<std::string>{"A", "b", "C"}));
    EXPECT_TRUE(listEntries(t.root(), info(Kind::ArmyType)).empty());
}

TEST(ListEntries, CampaignsShowTheNameInTheirRecord) {
    TempRoot t;
    core::Bytes record(506, 0);
    record[0] = 'S';
    record[1] = 'A';
    t.write("CAMPAIGN/saga/campaign.dat", record);
    t.mkdir("CAMPAIGN/EMPTY");
    record[0] = 'X';
    t.write("CAMPAIGN/SAGA.OLD/CAMPAIGN.DAT", record);  // found as scenarios are: no folder with an extension
    EXPECT_EQ(listEntries(t.root(), info(Kind::Campaign)), std::vector<std::string>{"SA"});
}

// What Delete must remove, per kind, written out here rather than taken from
// the catalogue: the folder as it lies on disk, in another case than the
// catalogue writes it, and the suffixes of the entry name it owns.
TEST(DeleteEntry, EveryKindRemovesExactlyTheFilesItsEntryOwns) {
    const std::tuple<Kind, std::string, std::vector<std::string>> cases[]{
        {Kind::CitySet, "city/", {".cit", ".pcx", ".bmp"}},
        {Kind::TerrainType, "Terrain/data/", {".ter", ".pcx", ".bmp"}},
        {Kind::TerrainSubtype, "terrain/Subtype/", {".stt"}},
        {Kind::TerrainBonus, "terrain/bonus/", {".bon", ".pcx", ".bmp"}},
        {Kind::ArmyType, "army/", {".arm", ".pcx", ".bmp"}},
        {Kind::RuinSet, "ruins/", {".rui", ".pcx", ".bmp"}},
        {Kind::SiteSet, "sites/", {".sit", ".pcx", ".bmp"}},
        {Kind::HeroType, "hero/", {".her", "m.pcx", "m.bmp", "f.pcx", "f.bmp"}},
        {Kind::Item, "items/", {".itm"}},
        {Kind::Advisor, "advisor/", {".avr", ".pcx", ".bmp"}},
        {Kind::Spell, "spell/", {".spl", ".pcx", ".bmp"}},
        {Kind::Shield, "shield/", {".shi", ".pcx", ".bmp"}},
        {Kind::Flag, "flags/", {".flg", ".pcx", ".bmp"}},
        {Kind::Campaign, "campaign/", {"/campaign.dat"}},
    };
    ASSERT_EQ(std::size(cases), catalogue().size());
    // Everything a wrong suffix could hit: each kind's record, each picture, another extension.
    // clang-format off
    const std::vector<std::string> candidates{".cit", ".ter", ".stt", ".bon", ".arm", ".rui", ".sit", ".her", ".itm",
        ".avr", ".spl", ".shi", ".flg", ".gif", ".pcx", ".bmp", "m.pcx", "m.bmp", "f.pcx", "f.bmp", "/campaign.dat",
        "/.pcx", "/.bmp", "/loss0.txt"};
    // clang-format on
    for (const auto& [kind, folder, owned] : cases) {
        SCOPED_TRACE(std::string(info(kind).name));
        TempRoot t;
        for (const auto& suffix : candidates) {
            t.write(folder + "red" + suffix, "x");
            t.write(folder + "reds" + suffix, "x");  // a neighbour whose name begins with the entry's
        }
        t.write("wsdata/red.pcx", "x");
        t.write(folder + "other.pcx", "x");
        std::vector<std::string> expected;
        for (const auto& file : t.files())
            if (std::none_of(owned.begin(), owned.end(), [&](const auto& s) { return file == folder + "red" + s; }))
                expected.push_back(file);
        ASSERT_EQ(expected.size() + owned.size(), t.files().size());
        deleteEntry(t.root(), info(kind), "RED");
        EXPECT_EQ(t.files(), expected);
    }
}

TEST(ImportPicture, KeepsTheExtensionCaseAndReplaces) {
    TempRoot t;
    TempRoot outside;
    outside.write("pics/castle.pcx", "new picture");
    outside.write("pics/Map.BMP", "bmp");
    outside.write("pics/noext", "raw");
    t.write("CITY/TOWNS.pcx", "old");
    EXPECT_TRUE(importPicture(t.root(), info(Kind::CitySet), "TOWNS", outside.path() / "pics/castle.pcx"));
    EXPECT_EQ(t.read("CITY/TOWNS.pcx").size(), 11u);
    EXPECT_TRUE(importPicture(t.root(), info(Kind::CitySet), "TOWNS", outside.path() / "pics/Map.BMP"));
    EXPECT_TRUE(t.exists("CITY/TOWNS.BMP"));
    EXPECT_TRUE(importPicture(t.root(), info(Kind::CitySet), "TOWNS", outside.path() / "pics/noext"));
    EXPECT_TRUE(t.exists("CITY/TOWNS"));
    EXPECT_FALSE(importPicture(t.root(), info(Kind::CitySet), "TOWNS", outside.path() / "pics/missing.pcx"));
    EXPECT_FALSE(importPicture(t.root(), info(Kind::CitySet), "TOWNS", outside.path() / "pics"));
}

}  // namespace
}  // namespace kestrel::datasets
