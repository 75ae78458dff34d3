#include "shell/main_window.hpp"

#include <gtest/gtest.h>

#include "shell/map_handoff.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::shell {
namespace {

using testing::runScript;
using testing::TempRoot;

TEST(MainWindow, EveryScenarioButtonRefusesWithoutAScenario) {
    TempRoot t;
    std::string script;
    for (const int id : {1005, 1009, 1010, 1015, 1017, 1022, 1023, 1024, 1025, 1026, 1027, 1029, 1030, 1331, 1333})
        script += "click " + std::to_string(id) + "\nexpect message \"Message\" \"No scenario has been loaded!\"\n";
    const auto run = runScript(t.path(), script + "expect open 102\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_TRUE(t.files().empty());
}

// Each data button opens its list; the terrain lists open from a sub-menu.
TEST(MainWindow, DataButtonsOpenTheirLists) {
    TempRoot t;
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> lists{
        {"click 1006", "132 \"City Data List\""}, {"click 1011", "147 \"Army List\""},
        {"click 1012", "149 \"Ruin Data List\""}, {"click 1013", "151 \"Site Data List\""},
        {"click 1014", "153 \"Hero List\""}, {"click 1016", "155 \"Item Data List\""},
        {"click 1018", "160 \"Advisor List\""}, {"click 1020", "164 \"Spell Data List\""},
        {"click 1021", "166 \"Flags List\""}, {"click 1028", "180 \"Campaign List\""},
        {"click 1019", "162 \"Shield Data List\""}, {"click 1008\nclick 1008", "138 \"Terrain List\""},
        {"click 1008\nclick 1009", "136 \"Terrain Subtypes List\""},
        {"click 1008\nclick 1010", "142 \"Terrain Bonus List\""}};
    // clang-format on
    for (const auto& [clicks, opened] : lists) {
        const auto run = runScript(t.path(), clicks + "\n");
        EXPECT_NE(run.transcript.find("open " + opened + "\n"), std::string::npos) << run.transcript;
    }
}

// With a current scenario, as scenario creation and loading will set it.
struct WithScenario {
    TempRoot t;
    ui::HeadlessHost host;
    MainWindow window{host, t.root()};

    void press(const std::vector<int>& ids) {
        host.onNextModal([&, ids](ui::Window& w) {
            window.scenario().set("ISLANDS");
            for (const int id : ids) w.userClick(id);
        });
        host.runModal(window);
    }
};

// Scenario Sounds does nothing and a cancelled Import Scen says nothing.
// Scenario Map hands the name over in EDIT.DAT and starts the map editor,
// found without regard to case; a failed write is named and starts nothing.
TEST(MainWindow, ScenarioMapWritesEditDatAndStartsTheMapEditor) {
    WithScenario s;
    s.t.write("kstrmap.exe", "");
    s.press({1030, 1333, 1017});
    EXPECT_EQ(s.t.read("EDIT.DAT"), (core::Bytes{'I', 'S', 'L', 'A', 'N', 'D', 'S', 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.host.started(), std::vector{s.t.path() / "kstrmap.exe"});
    EXPECT_TRUE(s.host.messages().empty());

    WithScenario failed;
    failed.t.mkdir("EDIT.DAT");
    failed.press({1017});
    EXPECT_EQ(failed.host.messages(),
              (std::vector<ui::MessageBox>{{"Error", "Error writing EDIT.DAT file", ui::Icon::Exclamation}}));
    EXPECT_TRUE(failed.host.started().empty());
}

// The About box names the version by its major and minor number only.
TEST(MainWindow, AboutBoxFromTheSystemCommand) {
    WithScenario s;
    std::string about;
    std::vector<std::string> labels;
    s.host.onNextModal([&](ui::Window&) { s.window.onCommand(16); });
    s.host.onNextModal([&](ui::Window& w) {
        about = std::to_string(w.layout().resourceId) + " " + w.caption();
        for (const auto& c : w.layout().controls)
            if (c.kind == ui::ControlKind::Static) labels.push_back(c.label);
    });
    s.host.runModal(s.window);
    EXPECT_EQ(about, "100 About kstred");
    EXPECT_EQ(labels, std::vector<std::string>{"kstred Version 1.0"});
}

TEST(MapHandoff, RecordIsSixteenBytesWithANul) {
    EXPECT_EQ(handoffRecord("ABCDEFGHIJKLMNOPQRS")[15], 0);
    EXPECT_EQ(handoffRecord(""), core::Bytes(16, 0));
}

TEST(MapHandoff, ScriptTranscriptNamesTheProgram) {
    TempRoot t;
    ui::HeadlessHost host;
    std::ostringstream out;
    host.setTranscript(&out);
    handOffToMapEditor(host, t.root(), "ISLANDS");
    EXPECT_EQ(out.str(), "start \"KSTRMAP.EXE\"\n");
}

}  // namespace
}  // namespace kestrel::shell
