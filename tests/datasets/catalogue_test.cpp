#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "datasets/catalogue.hpp"
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
    EXPECT_EQ(info(Kind::HeroType).nameLimit, 7u);
    EXPECT_EQ(info(Kind::Shield).nameLimit, 7u);
    EXPECT_EQ(info(Kind::Advisor).recordSize, 1216u);
    EXPECT_EQ(info(Kind::Flag).captionPrefix, "");
}

const core::Bytes kRecord(80, 0x41);

TEST(NewEntry, MissingTemplateStillCreatesTheRecord) {
    TempRoot t;
    EXPECT_EQ(createEntry(t.root(), info(Kind::TerrainType), "GRASS", core::Bytes(88, 0)), NewResult::Created);
    EXPECT_EQ(t.files(), (std::vector<std::string>{"TERRAIN/", "TERRAIN/DATA/", "TERRAIN/DATA/GRASS.TER"}));
}

TEST(NewEntry, HeroTypesGetBothPictures) {
    TempRoot t;
    t.write("WSDATA/ARMY.PCX", "a");
    EXPECT_EQ(createEntry(t.root(), info(Kind::HeroType), "KNIGHT", core::Bytes(1380, 0)), NewResult::Created);
    EXPECT_TRUE(t.exists("HERO/KNIGHTm.PCX"));
    EXPECT_TRUE(t.exists("HERO/KNIGHTf.PCX"));
}

TEST(NewEntry, ExistingEntryInAnyCaseIsLeftAlone) {
    TempRoot t;
    t.write("WSDATA/CITY.PCX", "template");
    t.write("city/Towns.cit", "old record");
    t.write("city/Towns.pcx", "old picture");
    EXPECT_EQ(createEntry(t.root(), info(Kind::CitySet), "TOWNS", kRecord), NewResult::Exists);
    EXPECT_EQ(t.read("city/Towns.cit").size(), 10u);
    EXPECT_EQ(t.read("city/Towns.pcx").size(), 11u);
    EXPECT_EQ(t.files().size(), 5u);
}

TEST(NewEntry, TemplateReplacesAnOldPictureOfANewRecord) {
    TempRoot t;
    t.write("WSDATA/CITY.PCX", "template");
    t.write("CITY/TOWNS.PCX", "old");
    EXPECT_EQ(createEntry(t.root(), info(Kind::CitySet), "TOWNS", kRecord), NewResult::Created);
    EXPECT_EQ(t.read("CITY/TOWNS.PCX").size(), 8u);
}

TEST(NewEntry, EmptyNameDoesNothing) {
    TempRoot t;
    EXPECT_EQ(createEntry(t.root(), info(Kind::CitySet), "", kRecord), NewResult::EmptyName);
    EXPECT_TRUE(t.files().empty());
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

TEST(NewEntry, UnwritableFolderGivesCannotCreate) {
    TempRoot t;
    t.write("CITY", "a file where the folder should be");
    EXPECT_EQ(createEntry(t.root(), info(Kind::CitySet), "TOWNS", kRecord), NewResult::CannotCreate);
}

TEST(NewEntry, CampaignGetsItsOwnFolder) {
    TempRoot t;
    EXPECT_EQ(createEntry(t.root(), info(Kind::Campaign), "SAGA", core::Bytes(506, 0)), NewResult::Created);
    EXPECT_EQ(t.read("CAMPAIGN/SAGA/CAMPAIGN.DAT").size(), 506u);
    EXPECT_EQ(createEntry(t.root(), info(Kind::Campaign), "saga", core::Bytes(506, 0)), NewResult::Exists);
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

// What Delete must remove, per kind, written out here rather than taken from the catalogue.
struct DeleteCase {
    Kind kind;
    std::string folder;  // as it lies on disk, in another case than the catalogue writes it
    std::vector<std::string> owned;  // suffixes of the entry name
};

TEST(DeleteEntry, EveryKindRemovesExactlyTheFilesItsEntryOwns) {
    const std::vector<std::string> pictures{".pcx", ".bmp"};
    const std::vector<std::string> heroPictures{"m.pcx", "m.bmp", "f.pcx", "f.bmp"};
    const auto withPictures = [&](std::string record) {
        std::vector<std::string> v{record};
        v.insert(v.end(), pictures.begin(), pictures.end());
        return v;
    };
    std::vector<std::string> hero{".her"};
    hero.insert(hero.end(), heroPictures.begin(), heroPictures.end());
    const std::vector<DeleteCase> cases{
        {Kind::CitySet, "city/", withPictures(".cit")},
        {Kind::TerrainType, "Terrain/data/", withPictures(".ter")},
        {Kind::TerrainSubtype, "terrain/Subtype/", {".stt"}},
        {Kind::TerrainBonus, "terrain/bonus/", withPictures(".bon")},
        {Kind::ArmyType, "army/", withPictures(".arm")},
        {Kind::RuinSet, "ruins/", withPictures(".rui")},
        {Kind::SiteSet, "sites/", withPictures(".sit")},
        {Kind::HeroType, "hero/", hero},
        {Kind::Item, "items/", {".itm"}},
        {Kind::Advisor, "advisor/", withPictures(".avr")},
        {Kind::Spell, "spell/", withPictures(".spl")},
        {Kind::Shield, "shield/", withPictures(".shi")},
        {Kind::Flag, "flags/", withPictures(".flg")},
        {Kind::Campaign, "campaign/", {"/campaign.dat"}},
    };
    ASSERT_EQ(cases.size(), catalogue().size());
    // Everything a wrong suffix could hit: each kind's record, each picture, another extension.
    std::vector<std::string> candidates{".cit", ".ter", ".stt", ".bon", ".arm", ".rui", ".sit", ".her", ".itm",
                                        ".avr", ".spl", ".shi", ".flg", ".gif", "/campaign.dat", "/.pcx", "/.bmp",
                                        "/loss0.txt"};
    candidates.insert(candidates.end(), pictures.begin(), pictures.end());
    candidates.insert(candidates.end(), heroPictures.begin(), heroPictures.end());

    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(info(c.kind).name));
        TempRoot t;
        for (const auto& suffix : candidates) {
            t.write(c.folder + "red" + suffix, "x");
            t.write(c.folder + "reds" + suffix, "x");  // a neighbour whose name begins with the entry's
        }
        t.write("wsdata/red.pcx", "x");
        t.write(c.folder + "other.pcx", "x");
        std::vector<std::string> expected;
        for (const auto& file : t.files()) {
            const bool owned = std::any_of(c.owned.begin(), c.owned.end(),
                                           [&](const std::string& s) { return file == c.folder + "red" + s; });
            if (!owned) expected.push_back(file);
        }
        ASSERT_EQ(expected.size() + c.owned.size(), t.files().size());
        deleteEntry(t.root(), info(c.kind), "RED");
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
