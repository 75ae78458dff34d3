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

const std::vector<int> kScenarioButtons{1005, 1009, 1010, 1015, 1017, 1022, 1023, 1024,
                                        1025, 1026, 1027, 1029, 1030, 1331, 1333};

TEST(MainWindow, EveryScenarioButtonRefusesWithoutAScenario) {
    TempRoot t;
    std::string script;
    for (const int id : kScenarioButtons)
        script += "click " + std::to_string(id) + "\nexpect message \"Message\" \"No scenario has been loaded!\"\n";
    const auto run = runScript(t.path(), script + "expect open 102\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_TRUE(t.files().empty());
}

TEST(MainWindow, DataButtonsOpenTheirLists) {
    TempRoot t;
    const std::vector<std::pair<int, std::string>> lists{
        {1006, "132 \"City Data List\""}, {1011, "147 \"Army List\""},       {1012, "149 \"Ruin Data List\""},
        {1013, "151 \"Site Data List\""}, {1014, "153 \"Hero List\""},       {1016, "155 \"Item Data List\""},
        {1018, "160 \"Advisor List\""},   {1020, "164 \"Spell Data List\""}, {1021, "166 \"Flags List\""},
        {1028, "180 \"Campaign List\""}, {1019, "162 \"Shield Data List\""}};
    for (const auto& [button, opened] : lists) {
        const auto run = runScript(t.path(), "click " + std::to_string(button) + "\n");
        EXPECT_NE(run.transcript.find("open " + opened + "\n"), std::string::npos) << run.transcript;
    }
}

TEST(MainWindow, TerrainMenuOpensTheThreeTerrainLists) {
    TempRoot t;
    const auto run = runScript(t.path(),
                               "click 1008\nexpect open 135\nclick 1008\nexpect caption \"Terrain List\"\nclick 1\n"
                               "click 1009\nexpect caption \"Terrain Subtypes List\"\nclick 1\n"
                               "click 1010\nexpect caption \"Terrain Bonus List\"\nclick 1\nclick 1\nexpect open 102\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
}

// With a current scenario, as scenario creation and loading will set it.
struct WithScenario {
    TempRoot t;
    ui::HeadlessHost host;
    MainWindow window{host, t.root()};
    ui::Window* opened = nullptr;

    void press(const std::vector<int>& ids, const std::string& scenario = "ISLANDS") {
        host.onNextModal([&, ids, scenario](ui::Window& w) {
            window.scenario().set(scenario);
            for (const int id : ids) w.userClick(id);
            window.refreshTitle();
            caption = w.caption();
        });
        host.runModal(window);
    }
    std::string caption;
};

TEST(MainWindow, TitleFollowsTheScenario) {
    WithScenario s;
    s.press({});
    EXPECT_EQ(s.caption, "Kestrel 3 Editor - ISLANDS");
    WithScenario none;
    none.press({}, "");
    EXPECT_EQ(none.caption, "Kestrel 3 Editor");
}

TEST(MainWindow, ScenarioMapWritesEditDatAndStartsTheMapEditor) {
    WithScenario s;
    s.t.write("kstrmap.exe", "");
    s.press({1017});
    const core::Bytes expected{'I', 'S', 'L', 'A', 'N', 'D', 'S', 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(s.t.read("EDIT.DAT"), expected);
    ASSERT_EQ(s.host.started().size(), 1u);
    EXPECT_EQ(s.host.started()[0], s.t.path() / "kstrmap.exe");  // found without regard to case
    EXPECT_TRUE(s.host.messages().empty());
}

TEST(MainWindow, ScenarioMapReportsAFailedWriteAndStartsNothing) {
    WithScenario s;
    s.t.mkdir("EDIT.DAT");
    s.press({1017});
    ASSERT_EQ(s.host.messages().size(), 1u);
    EXPECT_EQ(s.host.messages()[0], (ui::MessageBox{"Error", "Error writing EDIT.DAT file", ui::Icon::Exclamation}));
    EXPECT_TRUE(s.host.started().empty());
}

TEST(MainWindow, ScenarioSoundsDoNothingAndACancelledImportSaysNothing) {
    WithScenario s;
    s.press({1030, 1333});
    EXPECT_TRUE(s.host.messages().empty());
}

TEST(MainWindow, AboutBoxFromTheSystemCommand) {
    TempRoot t;
    ui::HeadlessHost host;
    MainWindow window(host, t.root());
    int aboutResource = 0;
    std::string aboutCaption;
    host.onNextModal([&](ui::Window&) {
        host.onNextModal([&](ui::Window& about) {
            aboutResource = about.layout().resourceId;
            aboutCaption = about.caption();
        });
        window.onCommand(16);
    });
    host.runModal(window);
    EXPECT_EQ(aboutResource, 100);
    EXPECT_EQ(aboutCaption, "About kstred");
}

TEST(MapHandoff, RecordIsSixteenBytesWithANul) {
    EXPECT_EQ(handoffRecord("ABCDEFGH").size(), 16u);
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
