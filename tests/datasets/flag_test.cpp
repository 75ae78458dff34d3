#include "datasets/flag.hpp"

#include <gtest/gtest.h>

#include "datasets/flag_editor.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;

TEST(FlagRecord, OnlyTheEntryName) {
    EXPECT_EQ(writeFlag(newFlag("BANNER")), (core::Bytes{'B', 'A', 'N', 'N', 'E', 'R', 0, 0, 0}));
    EXPECT_EQ(writeFlag(newFlag("STANDARD")), (core::Bytes{'S', 'T', 'A', 'N', 'D', 'A', 'R', 'D', 0}));
    EXPECT_EQ(readFlag(core::Bytes{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'}), Flag{"ABCDEFGHI"});
}

TEST(FlagEditor, KeepsItsCaptionAndNeitherOkNorCancelTouchesTheRecord) {
    TempRoot t;
    const core::Bytes odd{'X', 0xFF, 3};  // not what New writes: nothing may rewrite it
    t.write("FLAGS/BANNER.FLG", odd);
    const auto run = runScript(t.path(),
                               "click 1021\nexpect open 166\ndblclick 1008 \"BANNER\"\nexpect open 167\n"
                               "expect caption \"Edit Flag Data\"\nclick 1\nexpect open 166\n"
                               "dblclick 1008 \"BANNER\"\nclick 2\nexpect open 166\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("FLAGS/BANNER.FLG"), odd);
}

TEST(FlagEditor, ImportsAPictureForAFlagWhoseRecordIsGoneAndOkDoesNotRecreateIt) {
    TempRoot t;
    t.mkdir("FLAGS");
    t.write("in/red.pcx", "picture");
    ui::HeadlessHost host;
    FlagEditor editor(host, t.root(), "BANNER");
    host.answerNextFile((t.path() / "in" / "red.pcx").string());
    bool closed = false;
    host.onNextModal([&](ui::Window& w) {
        w.userClick(kImportPictureId);
        w.userClick(ui::kIdOk);
        closed = w.isClosed();
    });
    host.runModal(editor);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(host.messages().empty());
    EXPECT_EQ(t.files(), (std::vector<std::string>{"FLAGS/", "FLAGS/BANNER.pcx", "in/", "in/red.pcx"}));
}

}  // namespace
}  // namespace kestrel::datasets
