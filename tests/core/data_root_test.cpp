#include "core/data_root.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/as_other_user.hpp"
#include "support/temp_root.hpp"

namespace kestrel::core {
namespace {

using testing::TempRoot;

TEST(DataRootResolve, ExistingComponentsInAnyCaseExactCaseFirstNewOnesAsWritten) {
    TempRoot t;
    t.write("Terrain/data/Grass.ter", "x");
    t.mkdir("city");
    t.write("ARMY/a.arm", "1");
    t.write("ARMY/A.ARM", "2");
    const std::pair<const char*, const char*> cases[] = {
        {"TERRAIN\\DATA\\GRASS.TER", "Terrain/data/Grass.ter"},
        {"CITY\\NEW.CIT", "city/NEW.CIT"},
        {"ITEMS\\A.ITM", "ITEMS/A.ITM"},
        {"ARMY\\A.ARM", "ARMY/A.ARM"},
        {"ARMY\\a.arm", "ARMY/a.arm"},
        {"ARMY\\a.ARM", "ARMY/A.ARM"},       // neither exact: the first in case-insensitive order, every time
        {"CITY\\\\.\\B.CIT", "city/B.CIT"},  // empty and dot components skipped
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(t.root().resolve(path), t.path() / expected) << path;
    EXPECT_TRUE(t.root().isFile("terrain\\DATA\\grass.TER"));
}

TEST(DataRootResolve, RefusesPathsThatLeaveTheRoot) {
    TempRoot t;
    for (const char* bad : {"..\\x", "CITY\\..\\..\\x", "\\etc\\passwd", "/etc/passwd", "C:\\x", "C:x", "CITY\\..",
                            "", "\\", "CITY/../x"})
        EXPECT_FALSE(t.root().resolve(bad)) << bad;
    EXPECT_FALSE(t.root().writeAtomic("..\\escaped", Bytes{1}));
    EXPECT_FALSE(std::filesystem::exists(t.path().parent_path() / "escaped"));
}

TEST(DataRootRead, ReadsUpToMaxBytesEmptyFilesTooButNotMissingUnreadableOrFolders) {
    TempRoot t;
    t.write("F.BIN", "0123456789");
    t.write("E.BIN", "");
    EXPECT_EQ(*t.root().read("f.bin", 4), (Bytes{'0', '1', '2', '3'}));
    EXPECT_EQ(t.root().read("F.BIN")->size(), 10u);
    ASSERT_TRUE(t.root().read("E.BIN"));
    EXPECT_TRUE(t.root().read("E.BIN")->empty());
    t.mkdir("CITY/X.CIT");
    EXPECT_FALSE(t.root().read("CITY\\NONE.CIT"));
    EXPECT_FALSE(t.root().read("CITY\\X.CIT"));
    t.write("CITY/LOCKED.CIT", "abc");
    testing::handOver(t.path());
    ::chmod((t.path() / "CITY/LOCKED.CIT").c_str(), 0);
    EXPECT_TRUE(testing::asOtherUser([&] { return !t.root().read("CITY\\LOCKED.CIT"); }));
}

TEST(DataRootWrite, ReplacesTheFileOfAnyCaseOrOnFailureLeavesItAndNoLitter) {
    TempRoot t;
    t.write("City/Towns.cit", "old");
    ASSERT_TRUE(t.root().writeAtomic("CITY\\TOWNS.CIT", Bytes{'n', 'e', 'w'}));
    EXPECT_FALSE(t.root().writeAtomic("NOFOLDER\\A.CIT", Bytes{1}));
    t.mkdir("City/DIR.CIT");
    EXPECT_FALSE(t.root().writeAtomic("CITY\\DIR.CIT", Bytes{1}));
    testing::handOver(t.path());
    ::chmod((t.path() / "City").c_str(), 0555);
    EXPECT_TRUE(testing::asOtherUser([&] { return !t.root().writeAtomic("CITY\\TOWNS.CIT", Bytes{1, 2, 3}); }));
    ::chmod((t.path() / "City").c_str(), 0755);
    EXPECT_EQ(t.read("City/Towns.cit"), (Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(t.files(), (std::vector<std::string>{"City/", "City/DIR.CIT/", "City/Towns.cit"}));
}

TEST(DataRootFiles, CopyRemoveAndMakeDirectory) {
    TempRoot t;
    t.write("WSDATA/city.pcx", "picture");
    t.write("CITY/A.PCX", "older");
    EXPECT_TRUE(t.root().makeDirectory("CITY"));  // existing: no failure
    EXPECT_TRUE(t.root().copy("WSDATA\\CITY.PCX", "CITY\\A.PCX"));
    EXPECT_EQ(t.read("CITY/A.PCX"), (Bytes{'p', 'i', 'c', 't', 'u', 'r', 'e'}));
    EXPECT_FALSE(t.root().copy("WSDATA\\NONE.PCX", "CITY\\B.PCX"));
    EXPECT_FALSE(t.exists("CITY/B.PCX"));
    EXPECT_TRUE(t.root().remove("city\\a.pcx"));
    EXPECT_FALSE(t.root().remove("CITY\\A.PCX"));
    EXPECT_FALSE(t.root().remove("CITY"));  // folders are not files
    EXPECT_TRUE(t.exists("CITY"));
    EXPECT_TRUE(t.root().makeDirectory("TERRAIN"));
    EXPECT_TRUE(t.root().makeDirectory("TERRAIN\\DATA"));
    EXPECT_TRUE(t.exists("TERRAIN/DATA"));
    EXPECT_FALSE(t.root().makeDirectory("NONE\\DEEPER"));
}

TEST(DataRootList, MatchesWithoutCaseInCaseInsensitiveOrder) {
    TempRoot t;
    for (const char* name : {"b.cit", "A.CIT", "c.Cit", "D.CITX", "E.PCX", "aa.CIT"}) t.write(std::string("city/") + name, "");
    t.mkdir("city/DIR.CIT");
    EXPECT_EQ(t.root().listFiles("CITY\\*.CIT"), (std::vector<std::string>{"A.CIT", "aa.CIT", "b.cit", "c.Cit"}));
    EXPECT_EQ(t.root().listFiles("CITY\\?.CIT"), (std::vector<std::string>{"A.CIT", "b.cit", "c.Cit"}));
    EXPECT_TRUE(t.root().listFiles("NONE\\*.CIT").empty());
    EXPECT_EQ(t.root().listDirectories("CITY"), (std::vector<std::string>{"DIR.CIT"}));
}

TEST(PortableFileName, RefusesWhatWindowsRefuses) {
    for (const char* good : {"TOWNS", "a.b", "Élan", "x y"}) EXPECT_TRUE(isPortableFileName(good)) << good;
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "a:b", "a*", "a?", "a\"", "a<", "a>", "a|", "a.", "a ",
                            "CON", "con.txt", "NUL", "COM1", "lpt9.x", "a\tb"})
        EXPECT_FALSE(isPortableFileName(bad)) << bad;
    EXPECT_TRUE(isPortableFileName("COM10"));
    EXPECT_TRUE(isPortableFileName("CONSOLE"));
}

}  // namespace
}  // namespace kestrel::core
