#include "core/atomic_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/background_replacer.hpp"
#include "core/folder_files.hpp"
#include "support/as_other_user.hpp"
#include "support/file_faults.hpp"
#include "support/temp_root.hpp"

namespace kestrel::core {
namespace {

using testing::FileFaults;
using testing::TempRoot;
namespace fs = std::filesystem;

struct stat statOf(const fs::path& p) {
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st;
}

class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(old_); }

private:
    mode_t old_;
};

// The writer of single files, and a held folder that reads the file first, as
// the import uses it; each replaces a file of CITY.
bool writeInCity(const TempRoot& t, const std::string& name, const Bytes& bytes) {
    return t.root().writeAtomic("CITY\\" + name, bytes);
}
bool readAndReplace(const TempRoot& t, const std::string& name, const Bytes& bytes) {
    const auto folder = t.root().openFolder("CITY");
    auto file = folder ? folder->read(name, 64) : std::nullopt;
    if (!file) return false;
    file->bytes = bytes;
    return folder->replace(*file);
}

const std::pair<const char*, bool (*)(const TempRoot&, const std::string&, const Bytes&)> kReplacers[] = {
    {"writeAtomic", writeInCity},
    {"held folder", readAndReplace},
};

TEST(AtomicWrite, ReplacedFilesKeepTheirPermissionBitsWhateverTheUmask) {
    TempRoot t;
    for (const auto& [how, replace] : kReplacers)
        for (const mode_t mask : {022, 077}) {
            const ScopedUmask umask(mask);
            for (const mode_t mode : {0640, 0600, 0664, 0666, 0604, 02750}) {
                t.write("CITY/REC.CIT", "old");
                ::chmod((t.path() / "CITY/REC.CIT").c_str(), mode);
                ASSERT_TRUE(replace(t, "REC.CIT", Bytes{1, 2})) << how;
                EXPECT_EQ(statOf(t.path() / "CITY/REC.CIT").st_mode & 07777, mode) << how << std::oct << mode << mask;
                EXPECT_EQ(t.read("CITY/REC.CIT"), (Bytes{1, 2})) << how;
            }
        }
}

TEST(AtomicWrite, NewFilesTakeWhatTheUmaskAllows) {
    TempRoot t;
    for (const mode_t mask : {022, 077, 002}) {
        const ScopedUmask umask(mask);
        const std::string name = "NEW" + std::to_string(mask);
        ASSERT_TRUE(t.root().writeAtomic(name, Bytes{1}));
        EXPECT_EQ(statOf(t.path() / name).st_mode & 0777, 0666 & ~mask) << std::oct << mask;
    }
}

TEST(AtomicWrite, ReplacedFilesKeepTheirOwnerAndGroup) {
    if (!testing::runningAsRoot()) GTEST_SKIP() << "only root may give files away";
    TempRoot t;
    for (const auto& [how, replace] : kReplacers) {
        t.write("CITY/REC.CIT", "old");
        ASSERT_EQ(::chown((t.path() / "CITY/REC.CIT").c_str(), testing::kNobody, testing::kNogroup), 0);
        ASSERT_TRUE(replace(t, "REC.CIT", Bytes{9})) << how;
        EXPECT_EQ(statOf(t.path() / "CITY/REC.CIT").st_uid, testing::kNobody) << how;
        EXPECT_EQ(statOf(t.path() / "CITY/REC.CIT").st_gid, testing::kNogroup) << how;
    }
}

TEST(AtomicWrite, AFileTheUserMayNotWriteIsNotReplaced) {
    TempRoot t;
    t.write("CITY/REC.CIT", "protected");
    t.write("CITY/OPEN.CIT", "open");
    testing::handOver(t.path());
    ::chmod((t.path() / "CITY/REC.CIT").c_str(), 0444);
    // The held folder reads the file but does not replace it.
    const bool refused = testing::asOtherUser([&] {
        const auto folder = t.root().openFolder("CITY");
        const auto file = folder->read("REC.CIT", 64);
        return !t.root().writeAtomic("CITY\\REC.CIT", Bytes{1}) && !t.root().copy("CITY\\OPEN.CIT", "CITY\\REC.CIT") &&
               t.root().writeAtomic("CITY\\OPEN.CIT", Bytes{2}) && file && !folder->replace(*file);
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(t.read("CITY/REC.CIT"), (Bytes{'p', 'r', 'o', 't', 'e', 'c', 't', 'e', 'd'}));
    EXPECT_EQ(statOf(t.path() / "CITY/REC.CIT").st_mode & 07777, 0444u);
    EXPECT_EQ(t.read("CITY/OPEN.CIT"), Bytes{2});
    EXPECT_EQ(t.files(), (std::vector<std::string>{"CITY/", "CITY/OPEN.CIT", "CITY/REC.CIT"}));
}

TEST(AtomicWrite, ALinkIsWrittenThroughAndStaysALinkAndAFolderIsNoFile) {
    TempRoot t;
    t.write("SHARED/REAL.CIT", "old");
    t.mkdir("CITY/DIR.CIT");
    fs::create_symlink("../SHARED/REAL.CIT", t.path() / "CITY/TOWNS.CIT");
    ::chmod((t.path() / "SHARED/REAL.CIT").c_str(), 0640);
    for (const auto& [how, replace] : kReplacers) {
        const Bytes bytes(how, how + 4);
        ASSERT_TRUE(replace(t, "TOWNS.CIT", bytes)) << how;
        EXPECT_FALSE(replace(t, "DIR.CIT", bytes)) << how;
        EXPECT_TRUE(fs::is_symlink(t.path() / "CITY/TOWNS.CIT")) << how;
        EXPECT_EQ(fs::read_symlink(t.path() / "CITY/TOWNS.CIT"), "../SHARED/REAL.CIT") << how;
        EXPECT_EQ(t.read("SHARED/REAL.CIT"), bytes) << how;
        EXPECT_EQ(statOf(t.path() / "SHARED/REAL.CIT").st_mode & 07777, 0640u) << how;
        EXPECT_EQ(t.files(),
                  (std::vector<std::string>{"CITY/", "CITY/DIR.CIT/", "CITY/TOWNS.CIT", "SHARED/", "SHARED/REAL.CIT"}))
            << how;
    }
    // A link to nothing is not followed into a new file.
    fs::create_symlink("../SHARED/NONE.CIT", t.path() / "CITY/LOST.CIT");
    EXPECT_FALSE(t.root().writeAtomic("CITY\\LOST.CIT", Bytes{1}));
    EXPECT_FALSE(t.exists("SHARED/NONE.CIT"));
    // Delete takes the link away, not what it names.
    EXPECT_TRUE(t.root().remove("CITY\\TOWNS.CIT"));
    EXPECT_TRUE(t.exists("SHARED/REAL.CIT"));
}

TEST(AtomicWrite, SyncsOnceAndRenamesOnce) {
    TempRoot t;
    for (const auto& [how, replace] : kReplacers) {
        t.write("CITY/REC.CIT", "old");
        const FileFaults counting;
        ASSERT_TRUE(replace(t, "REC.CIT", Bytes(100'000, 7))) << how;
        EXPECT_EQ(counting.syncs(), 1) << how;
        EXPECT_EQ(counting.renames(), 1) << how;
        EXPECT_EQ(t.read("CITY/REC.CIT").size(), 100'000u) << how;
    }
}

// Replacing, copying over and creating a file.
TEST(AtomicWrite, EachFailingCallLeavesTheOldFileAndNoTemporaryFile) {
    using Call = FileFaults::Call;
    for (const Call call : {Call::Write, Call::Fsync, Call::Rename}) {
        for (const int error : {ENOSPC, EIO}) {
            TempRoot t;
            t.write("CITY/REC.CIT", "old");
            t.write("CITY/SRC.CIT", "source");
            const FileFaults faults(call, error);
            for (const auto& [how, replace] : kReplacers) EXPECT_FALSE(replace(t, "REC.CIT", Bytes(10, 1))) << how;
            EXPECT_FALSE(t.root().copy("CITY\\SRC.CIT", "CITY\\REC.CIT"));
            EXPECT_FALSE(t.root().writeAtomic("CITY\\NEW.CIT", Bytes(10, 1)));
            EXPECT_EQ(t.read("CITY/REC.CIT"), (Bytes{'o', 'l', 'd'}));
            EXPECT_EQ(t.files(), (std::vector<std::string>{"CITY/", "CITY/REC.CIT", "CITY/SRC.CIT"}));
        }
    }
}

// For files made from others: nothing waits for the disk, an old file is
// still replaced whole, and a new one is made in place.
TEST(AtomicWrite, FilesForReadersAreNotSyncedAndNewOnesAreMadeInPlace) {
    TempRoot t;
    t.write("TREE/OLD.json", "old");
    {
        const ScopedUmask umask(077);
        const FileFaults counting;
        EXPECT_TRUE(writeHostFileAtomic(t.path() / "TREE/OLD.json", Bytes{1, 2}, Sync::ForReaders));
        EXPECT_TRUE(writeNewHostFile(t.path() / "TREE/NEW.json", Bytes{3}));
        EXPECT_EQ(counting.syncs(), 0);
        EXPECT_EQ(counting.renames(), 1);
    }
    EXPECT_EQ(t.read("TREE/OLD.json"), (Bytes{1, 2}));
    EXPECT_EQ(t.read("TREE/NEW.json"), Bytes{3});
    EXPECT_EQ(statOf(t.path() / "TREE/NEW.json").st_mode & 0777, 0600u);
    // Never over a file that is there, nor half written.
    EXPECT_FALSE(writeNewHostFile(t.path() / "TREE/OLD.json", Bytes{9}));
    EXPECT_EQ(errno, EEXIST);
    {
        const FileFaults faults(FileFaults::Call::Write, ENOSPC);
        EXPECT_FALSE(writeNewHostFile(t.path() / "TREE/CUT.json", Bytes(10, 1)));
    }
    EXPECT_FALSE(writeNewHostFile(t.path() / "NOWHERE/NEW.json", Bytes{1}));
    EXPECT_EQ(t.read("TREE/OLD.json"), (Bytes{1, 2}));
    EXPECT_EQ(t.files(), (std::vector<std::string>{"TREE/", "TREE/NEW.json", "TREE/OLD.json"}));
}

TEST(FolderFiles, NamesAreFoundInAnyCaseAndNeverLeaveTheFolder) {
    TempRoot t;
    t.write("CITY/Elves.cit", "elves");
    t.write("SECRET.DAT", "keep");
    const auto folder = t.root().openFolder("city");
    ASSERT_TRUE(folder);
    auto file = folder->read("ELVES.CIT", 3);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->name, "Elves.cit");
    EXPECT_EQ(file->bytes, (Bytes{'e', 'l', 'v'}));
    file->bytes = {'E'};
    EXPECT_TRUE(folder->replace(*file));
    // Without a read before it, the general way is taken.
    EXPECT_TRUE(folder->replace({"NEW.CIT", {'N'}, std::nullopt}));
    for (const std::string bad : {"../SECRET.DAT", "..", ".", "", "A/B"}) {
        EXPECT_FALSE(folder->read(bad, 64)) << bad;
        EXPECT_FALSE(folder->replace({bad, {0}, std::nullopt})) << bad;
    }
    EXPECT_FALSE(folder->read("MISSING.CIT", 64));
    EXPECT_EQ(t.read("CITY/Elves.cit"), Bytes{'E'});
    EXPECT_EQ(t.read("SECRET.DAT"), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(t.files(), (std::vector<std::string>{"CITY/", "CITY/Elves.cit", "CITY/NEW.CIT", "SECRET.DAT"}));
    EXPECT_FALSE(t.root().openFolder("CITY\\Elves.cit"));
    EXPECT_FALSE(t.root().openFolder("NOWHERE"));
}

// Outcomes come back in the order queued, whichever thread made them.
TEST(BackgroundReplacer, ReplacesEveryQueuedFileAndTellsEachOutcomeInOrder) {
    TempRoot t;
    for (int i = 0; i < 200; ++i) t.write((i % 2 ? "CITY/" : "ARMY/") + std::to_string(i), "old");
    std::vector<bool> expected;
    {
        BackgroundReplacer writes;
        const std::shared_ptr<const FolderFiles> folders[] = {t.root().openFolder("ARMY"), t.root().openFolder("CITY")};
        for (int i = 0; i < 200; ++i) {
            auto file = folders[i % 2]->read(std::to_string(i), 64);
            file->bytes = Bytes(i, static_cast<std::uint8_t>(i));
            if (i % 7 == 3) file->name = "../" + file->name;  // refused
            expected.push_back(i % 7 != 3);
            writes.replace(folders[i % 2], std::move(*file));
        }
        EXPECT_EQ(writes.outcomes(), expected);
    }
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(t.read((i % 2 ? "CITY/" : "ARMY/") + std::to_string(i)),
                  (i % 7 == 3 ? Bytes{'o', 'l', 'd'} : Bytes(i, static_cast<std::uint8_t>(i))));
    EXPECT_EQ(t.files().size(), 202u);
}

// Any write, more than are ever queued at once; the outcomes in order.
TEST(BackgroundReplacer, AnyQueuedWriteTellsItsOutcomeInOrder) {
    std::atomic<int> ran = 0;
    std::vector<bool> expected;
    BackgroundReplacer writes;
    for (int i = 0; i < 2000; ++i) {
        writes.queue([i, &ran] {
            ++ran;
            return i % 3 != 0;
        });
        expected.push_back(i % 3 != 0);
    }
    EXPECT_EQ(writes.outcomes(), expected);
    EXPECT_EQ(ran, 2000);
}

}  // namespace
}  // namespace kestrel::core
