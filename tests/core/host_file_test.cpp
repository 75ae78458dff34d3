#include "core/host_file.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "core/atomic_file.hpp"
#include "support/temp_root.hpp"

namespace kestrel::core {
namespace {

using testing::TempRoot;
namespace fs = std::filesystem;

// A reader that blocks would hang the test: the alarm ends it instead.
class NoBlocking : public ::testing::Test {
protected:
    void SetUp() override { ::alarm(20); }
    void TearDown() override { ::alarm(0); }
    TempRoot t;
};

TEST_F(NoBlocking, SpecialFilesAreRefusedWithoutBeingReadOrWrittenInto) {
    ASSERT_EQ(::mkfifo((t.path() / "FIFO").c_str(), 0644), 0);
    t.mkdir("DIR");
    for (const fs::path& path : {t.path() / "FIFO", t.path() / "DIR", fs::path("/dev/zero")}) {
        FileError error = FileError::None;
        EXPECT_FALSE(readHostFile(path, SIZE_MAX, &error)) << path;
        EXPECT_EQ(error, FileError::NotRegularFile) << path;
        EXPECT_FALSE(readWholeHostFile(path, 100, &error)) << path;
        EXPECT_FALSE(readHostFileStart(path, 4, &error)) << path;
        EXPECT_FALSE(copyHostFileAtomic(path, t.path() / "COPY", UINT64_MAX, &error)) << path;
        EXPECT_EQ(error, FileError::NotRegularFile) << path;
    }
    FileError error = FileError::None;
    EXPECT_FALSE(readHostFile(t.path() / "NONE", SIZE_MAX, &error));
    EXPECT_EQ(error, FileError::CannotOpen);
    // A data root neither reads them nor writes into them.
    EXPECT_FALSE(t.root().read("FIFO"));
    EXPECT_FALSE(t.root().writeAtomic("FIFO", Bytes{1}));
    EXPECT_FALSE(t.root().copy("FIFO", "COPY"));
    EXPECT_TRUE(fs::is_fifo(t.path() / "FIFO"));
    EXPECT_EQ(t.files(), (std::vector<std::string>{"DIR/", "FIFO"}));
}

TEST(HostFile, HugeFilesAreRefusedByTheirLengthAlone) {
    TempRoot t;
    const fs::path huge = t.path() / "HUGE.PCX";
    {
        const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{2} << 30), 0);  // sparse: takes no disk
        ::close(fd);
    }
    const auto start = std::chrono::steady_clock::now();
    FileError error = FileError::None;
    EXPECT_FALSE(readWholeHostFile(huge, 1 << 20, &error));
    EXPECT_EQ(error, FileError::TooLarge);
    EXPECT_FALSE(copyHostFileAtomic(huge, t.path() / "COPY.PCX", 1 << 20, &error));
    EXPECT_EQ(error, FileError::TooLarge);
    const auto head = readHostFileStart(huge, 16);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->length, std::uint64_t{2} << 30);
    EXPECT_EQ(head->bytes, Bytes(16, 0));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(t.exists("COPY.PCX"));
}

TEST(HostFile, ReadsPrefixesWholeFilesAndCopiesAcrossBlocks) {
    TempRoot t;
    Bytes pattern(200'003);
    for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    t.write("BIG.BIN", pattern);
    t.write("EMPTY.BIN", "");
    EXPECT_EQ(*readHostFile(t.path() / "BIG.BIN", 5), Bytes(pattern.begin(), pattern.begin() + 5));
    EXPECT_EQ(*readWholeHostFile(t.path() / "BIG.BIN", pattern.size()), pattern);
    EXPECT_FALSE(readWholeHostFile(t.path() / "BIG.BIN", pattern.size() - 1));
    EXPECT_EQ(*readWholeHostFile(t.path() / "EMPTY.BIN", 0), Bytes{});
    EXPECT_TRUE(copyHostFileAtomic(t.path() / "BIG.BIN", t.path() / "COPY.BIN"));
    EXPECT_EQ(t.read("COPY.BIN"), pattern);
    EXPECT_TRUE(copyHostFileAtomic(t.path() / "EMPTY.BIN", t.path() / "COPY.BIN"));
    EXPECT_TRUE(t.read("COPY.BIN").empty());
}

// The other words are in the command line's messages (app/command_line_test.cpp).
TEST(HostFile, ErrorsReadAsWords) { EXPECT_EQ(describe(FileError::OutOfMemory), "not enough memory"); }

}  // namespace
}  // namespace kestrel::core
