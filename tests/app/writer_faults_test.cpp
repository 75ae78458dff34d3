// Every writer of the editor under a failing disk, a protected file and an
// unprivileged user: the old files stay byte for byte, no temporary file is
// left, and the failure is reported where the editor reports it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <map>

#include "datasets/city_set.hpp"
#include "datasets/item.hpp"
#include "shell/map_handoff.hpp"
#include "support/as_other_user.hpp"
#include "support/file_faults.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel {
namespace {

using testing::FileFaults;
using testing::TempRoot;
namespace fs = std::filesystem;

using Tree = std::map<std::string, core::Bytes>;

Tree contents(const TempRoot& t) {
    Tree tree;
    for (const auto& e : fs::recursive_directory_iterator(t.path()))
        tree[fs::path(e.path()).lexically_relative(t.path()).string()] = e.is_regular_file() ? t.read(e.path().lexically_relative(t.path()).string()) : core::Bytes{};
    return tree;
}

struct Writer {
    std::string name;
    std::string written;          // host-relative path of the file it replaces or creates
    std::string failureMessage;   // as the transcript shows it
    std::function<std::string(const TempRoot&)> run;  // the transcript
};

std::string play(const TempRoot& t, const std::string& script) { return testing::runScript(t.path(), script).transcript; }

std::string handOff(const TempRoot& t) {
    ui::HeadlessHost host;
    std::ostringstream transcript;
    host.setTranscript(&transcript);
    shell::handOffToMapEditor(host, t.root(), "ISLANDS");
    host.setTranscript(nullptr);
    return transcript.str();
}

const std::vector<Writer>& writers() {
    static const std::vector<Writer> list{
        {"city set OK", "CITY/TOWNS.CIT", "message Error \"Error writing CITY\\\\TOWNS.CIT\"",
         [](const TempRoot& t) { return play(t, "click 1006\ndblclick 1008 \"TOWNS\"\nclick 1\nexpect open 133\n"); }},
        {"item OK", "ITEMS/BLADE.ITM", "message Error \"Error writing ITEMS\\\\BLADE.ITM\"",
         [](const TempRoot& t) { return play(t, "click 1016\ndblclick 1008 \"BLADE\"\nclick 1\nexpect open 156\n"); }},
        {"New", "CITY/FRESH.CIT", "message Error \"Error creating new city set file!\"",
         [](const TempRoot& t) { return play(t, "click 1006\ntype 1010 \"FRESH\"\nclick 4\n"); }},
        {"Import Picture", "CITY/TOWNS.PCX", "message Error \"Error writing CITY\\\\TOWNS.PCX\"",
         [](const TempRoot& t) {
             return play(t, "click 1006\ndblclick 1008 \"TOWNS\"\nfile \"" + (t.path() / "PIC.PCX").string() +
                                "\"\nclick 1015\nexpect open 133\n");
         }},
        {"EDIT.DAT", "EDIT.DAT", "message Error \"Error writing EDIT.DAT file\"", handOff},
    };
    return list;
}

void makeRoot(const TempRoot& t) {
    t.write("WSDATA/CITY.PCX", "template");
    t.write("CITY/TOWNS.CIT", datasets::writeCitySet(datasets::newCitySet()));
    t.write("CITY/TOWNS.PCX", "old picture");
    t.write("ITEMS/BLADE.ITM", datasets::writeItem(datasets::newItem("BLADE")));
    t.write("EDIT.DAT", core::Bytes(16, 0x55));
    t.write("PIC.PCX", "new picture");
}

TEST(WriterFaults, EveryCallFailingWithEitherErrorLeavesTheOldFiles) {
    using Call = FileFaults::Call;
    for (const Writer& writer : writers()) {
        for (const Call call : {Call::Write, Call::Fsync, Call::Rename}) {
            for (const int error : {ENOSPC, EIO}) {
                TempRoot t;
                makeRoot(t);
                const Tree before = contents(t);
                std::string transcript;
                {
                    const FileFaults faults(call, error);
                    transcript = writer.run(t);
                }
                const std::string where = writer.name + ", call " + std::to_string(static_cast<int>(call)) +
                                          ", errno " + std::to_string(error) + "\n" + transcript;
                EXPECT_NE(transcript.find(writer.failureMessage + "\n"), std::string::npos) << where;
                EXPECT_EQ(transcript.find("FAIL"), std::string::npos) << where;
                EXPECT_EQ(transcript.find("start "), std::string::npos) << where;
                EXPECT_EQ(contents(t), before) << where;
            }
        }
    }
}

TEST(WriterFaults, EveryWriterSyncsAndKeepsTheOldMode) {
    for (const Writer& writer : writers()) {
        TempRoot t;
        makeRoot(t);
        if (t.exists(writer.written)) ::chmod((t.path() / writer.written).c_str(), 0640);
        const mode_t mask = ::umask(022);
        std::string transcript;
        int syncs = 0;
        {
            const FileFaults counting;
            transcript = writer.run(t);
            syncs = counting.syncs();
        }
        ::umask(mask);
        EXPECT_EQ(transcript.find("message"), std::string::npos) << writer.name << "\n" << transcript;
        EXPECT_GE(syncs, 1) << writer.name;
        struct stat st {};
        ASSERT_EQ(::stat((t.path() / writer.written).c_str(), &st), 0) << writer.name;
        EXPECT_EQ(st.st_mode & 0777, writer.name == "New" ? 0644u : 0640u) << writer.name;
    }
}

TEST(WriterFaults, AProtectedFileIsNotReplacedForAUserWithoutTheRight) {
    for (const Writer& writer : writers()) {
        TempRoot t;
        makeRoot(t);
        testing::handOver(t.path());
        // New has no file yet: its folder is what is protected.
        const fs::path protect = t.path() / (t.exists(writer.written) ? writer.written : "CITY");
        ::chmod(protect.c_str(), fs::is_directory(protect) ? 0555 : 0444);
        const Tree before = contents(t);
        const bool reported = testing::asOtherUser([&] {
            return writer.run(t).find(writer.failureMessage + "\n") != std::string::npos;
        });
        EXPECT_TRUE(reported) << writer.name;
        EXPECT_EQ(contents(t), before) << writer.name;
        ::chmod(protect.c_str(), 0755);
    }
}

}  // namespace
}  // namespace kestrel
