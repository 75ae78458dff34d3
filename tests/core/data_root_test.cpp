#include "core/data_root.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/as_other_user.hpp"
#include "support/temp_root.hpp"

namespace kestrel::core {
namespace {

using testing::TempRoot;

TEST(DataRootResolve, FindsExistingComponentsInAnyCase) {
    TempRoot t;
    t.write("Terrain/data/Grass.ter", "x");
    const auto p = t.root().resolve("TERRAIN\\DATA\\GRASS.TER");
    ASSERT_TRUE(p);
    EXPECT_EQ(*p, t.path() / "Terrain" / "data" / "Grass.ter");
    EXPECT_TRUE(t.root().isFile("terrain\\DATA\\grass.TER"));
}

TEST(DataRootResolve, NewComponentsAreTakenAsWritten) {
    TempRoot t;
    t.mkdir("city");
    EXPECT_EQ(*t.root().resolve("CITY\\NEW.CIT"), t.path() / "city" / "NEW.CIT");
    EXPECT_EQ(*t.root().resolve("ARMY\\A.ARM"), t.path() / "ARMY" / "A.ARM");
}

TEST(DataRootResolve, ExactCaseWinsOverOtherCases) {
    TempRoot t;
    t.write("CITY/a.cit", "1");
    t.write("CITY/A.CIT", "2");
    EXPECT_EQ(*t.root().resolve("CITY\\A.CIT"), t.path() / "CITY" / "A.CIT");
    EXPECT_EQ(*t.root().resolve("CITY\\a.cit"), t.path() / "CITY" / "a.cit");
    // Neither matches exactly: the first in case-insensitive order, the same every time.
    EXPECT_EQ(*t.root().resolve("CITY\\a.CIT"), t.path() / "CITY" / "A.CIT");
}

TEST(DataRootResolve, RefusesPathsThatLeaveTheRoot) {
    TempRoot t;
    for (const char* bad : {"..\\x", "CITY\\..\\..\\x", "\\etc\\passwd", "/etc/passwd", "C:\\x", "C:x", "CITY\\..",
                            "", "\\", "CITY/../x"})
        EXPECT_FALSE(t.root().resolve(bad)) << bad;
    EXPECT_FALSE(t.root().writeAtomic("..\\escaped", Bytes{1}));
    EXPECT_FALSE(std::filesystem::exists(t.path().parent_path() / "escaped"));
}

TEST(DataRootResolve, SkipsEmptyAndDotComponents) {
    TempRoot t;
    EXPECT_EQ(*t.root().resolve("CITY\\\\.\\A.CIT"), t.path() / "CITY" / "A.CIT");
}

TEST(DataRootRead, MissingUnreadableAndFoldersGiveNothing) {
    TempRoot t;
    t.mkdir("CITY/X.CIT");
    EXPECT_FALSE(t.root().read("CITY\\NONE.CIT"));
    EXPECT_FALSE(t.root().read("CITY\\X.CIT"));
    t.write("CITY/LOCKED.CIT", "abc");
    testing::handOver(t.path());
    ::chmod((t.path() / "CITY/LOCKED.CIT").c_str(), 0);
    EXPECT_TRUE(testing::asOtherUser([&] { return !t.root().read("CITY\\LOCKED.CIT"); }));
}

TEST(DataRootRead, StopsAtMaxBytesAndReadsEmptyFiles) {
    TempRoot t;
    t.write("F.BIN", "0123456789");
    t.write("E.BIN", "");
    EXPECT_EQ(*t.root().read("f.bin", 4), (Bytes{'0', '1', '2', '3'}));
    EXPECT_EQ(t.root().read("F.BIN")->size(), 10u);
    ASSERT_TRUE(t.root().read("E.BIN"));
    EXPECT_TRUE(t.root().read("E.BIN")->empty());
}

TEST(DataRootWrite, ReplacesTheExistingFileOfAnyCase) {
    TempRoot t;
    t.write("City/Towns.cit", "old");
    ASSERT_TRUE(t.root().writeAtomic("CITY\\TOWNS.CIT", Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(t.files(), (std::vector<std::string>{"City/", "City/Towns.cit"}));
    EXPECT_EQ(t.read("City/Towns.cit"), (Bytes{'n', 'e', 'w'}));
}

TEST(DataRootWrite, FailureLeavesOldFileAndNoLitter) {
    TempRoot t;
    t.write("CITY/A.CIT", "old");
    EXPECT_FALSE(t.root().writeAtomic("NOFOLDER\\A.CIT", Bytes{1}));
    t.mkdir("CITY/DIR.CIT");
    EXPECT_FALSE(t.root().writeAtomic("CITY\\DIR.CIT", Bytes{1}));
    testing::handOver(t.path());
    ::chmod((t.path() / "CITY").c_str(), 0555);
    EXPECT_TRUE(testing::asOtherUser([&] { return !t.root().writeAtomic("CITY\\A.CIT", Bytes{1, 2, 3}); }));
    ::chmod((t.path() / "CITY").c_str(), 0755);
    EXPECT_EQ(t.read("CITY/A.CIT"), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(t.files(), (std::vector<std::string>{"CITY/", "CITY/A.CIT", "CITY/DIR.CIT/"}));
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
