// A root in which every file may be damaged: the checker reports and goes on,
// reads each file once and never waits on a special file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <random>

#include "check/check_testing.hpp"

namespace kestrel::testing {
namespace {

namespace fs = std::filesystem;

// Every regular file of the copy, cut, lengthened or filled with noise in
// turn, as a seed chooses.
void damageEveryFile(const fs::path& root, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) files.push_back(e.path());
    for (std::size_t i = 0; i < files.size(); ++i) {
        core::Bytes bytes = readBytes(files[i]);
        switch ((i + seed) % 5) {
            case 0:
                bytes.resize(random() % (bytes.size() + 1));
                break;
            case 1:
                bytes.resize(bytes.size() + 1 + random() % 300, 0xff);
                break;
            case 2:
                for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
                break;
            case 3:  // counts and sizes at the start run wild
                for (std::size_t at = 0; at < std::min<std::size_t>(bytes.size(), 8); ++at) bytes[at] = 0xff;
                break;
            default:
                break;
        }
        writeBytes(files[i], bytes);
    }
}

TEST(HostileRoot, EveryFileDamagedIsReportedAndEachReadOnce) {
    for (unsigned seed = 0; seed < 3; ++seed) {
        TempRoot copy;
        fs::copy(cleanRoot(), copy.path(), fs::copy_options::recursive);
        damageEveryFile(copy.path(), seed);
        const check::CheckResult result = check::checkRoot(copy.path());
        ASSERT_TRUE(result.usable) << seed;
        EXPECT_FALSE(result.findings.empty()) << seed;
        EXPECT_LE(result.mostReads, 1u) << seed;
    }
}

TEST(HostileRoot, SpecialFilesLinksAndLoopsNeverBlockOrLeadOutside) {
    TempRoot copy;
    fs::copy(cleanRoot(), copy.path(), fs::copy_options::recursive);
    for (const char* file :
         {"CITY/COAST.CIT", "SCENARIO/ISLANDS/MAP.DAT", "CAMPAIGN/ISLES/CAMPAIGN.DAT", "ARMY/WOLVES.PCX"}) {
        fs::remove(copy / file);
        ASSERT_EQ(::mkfifo((copy / file).c_str(), 0600), 0) << file;
    }
    fs::create_directory_symlink(copy.path(), copy / "SCENARIO/LOOP");
    fs::create_symlink("/dev/zero", copy / "SPELL/ZERO.SPL");
    const auto start = std::chrono::steady_clock::now();
    const check::CheckResult result = check::checkRoot(copy.path());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    ASSERT_TRUE(result.usable);
    for (const char* file : {"CITY/COAST.CIT", "SCENARIO/ISLANDS/MAP.DAT", "CAMPAIGN/ISLES/CAMPAIGN.DAT",
                             "ARMY/WOLVES.PCX", "SPELL/ZERO.SPL"})
        EXPECT_TRUE(std::ranges::any_of(result.findings, [&](const core::Finding& f) {
            return f.path == file && f.message == "no regular file";
        })) << file;
    EXPECT_FALSE(std::ranges::any_of(result.findings,
                                     [](const core::Finding& f) { return f.path.starts_with("SCENARIO/LOOP/"); }));
}

TEST(HostileRoot, AFileLargerThanAnyOfTheGameIsNotRead) {
    TempRoot copy;
    fs::copy(cleanRoot(), copy.path(), fs::copy_options::recursive);
    fs::resize_file(copy / "ITEMS/CROWN.ITM", 3ull << 30);  // sparse
    const check::CheckResult result = check::checkRoot(copy.path());
    EXPECT_EQ(result.findings,
              (std::vector<core::Finding>{error(
                  "ITEMS/CROWN.ITM", "", "", "the file is 3221225472 bytes long, larger than any file of the game")}));
}

}  // namespace
}  // namespace kestrel::testing
