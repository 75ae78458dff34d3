#include "shell/scenario_lifecycle.hpp"

#include <gtest/gtest.h>

#include "scenario/scenario_header.hpp"
#include "shell/main_window.hpp"
#include "support/modal_play.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::shell {
namespace {

using testing::runScript;
using testing::TempRoot;

// A scenario header with its folder and name, written where the tree needs it.
void writeScenario(const TempRoot& t, const std::string& path, const std::string& folder, const std::string& name) {
    scenario::ScenarioHeader h = scenario::newScenarioHeader(folder);
    h.name = name;
    t.write(path, scenario::writeScenarioHeader(h));
}

void writeTemplates(const TempRoot& t) {
    t.write("WSDATA/STRAT_S.PCX", "small");
    t.write("WSDATA/STRAT_L.PCX", "large");
    t.write("WSDATA/SCENARIO.PCX", "picture");
}

// A scenario gets its header and copies of the templates, a world its header
// only; either exists then in any case of its name.
TEST(CreateScenarioAndWorld, WriteTheHeaderAndTheScenarioCopiesTheTemplates) {
    TempRoot t;
    writeTemplates(t);
    EXPECT_EQ(createScenario(t.root(), "ISLANDS"), CreateResult::Created);
    EXPECT_EQ(t.read("SCENARIO/ISLANDS/SCENARIO.DAT"),
              scenario::writeScenarioHeader(scenario::newScenarioHeader("ISLANDS")));
    for (const std::string picture : {"STRAT_S.PCX", "STRAT_L.PCX", "SCENARIO.PCX"})
        EXPECT_EQ(t.read("SCENARIO/ISLANDS/" + picture), t.read("WSDATA/" + picture)) << picture;
    EXPECT_EQ(t.files().size(), 10u);  // WSDATA and its 3 templates, 2 folders, header, 3 pictures
    EXPECT_EQ(createWorld(t.root(), "MIDLANDS"), CreateResult::Created);
    EXPECT_EQ(t.read("WORLD/MIDLANDS/WORLD.DAT"), scenario::writeWorldHeader(scenario::newWorldHeader("MIDLANDS")));
    EXPECT_EQ(t.files().size(), 13u);  // and 2 folders, header
    EXPECT_EQ(createWorld(t.root(), "midlands"), CreateResult::Exists);
    EXPECT_EQ(scenarioMessage(CreateResult::Created), "The scenario has been created!");
    EXPECT_EQ(worldMessage(CreateResult::Exists), "This world already exists!");
    EXPECT_EQ(worldMessage(CreateResult::Created), "The world has been created!");
}

TEST(CreateScenario, AFolderWithoutHeaderIsNoScenarioAndMissingTemplatesAreNoFailure) {
    TempRoot t;
    t.write("SCENARIO/islands/NOTES.TXT", "kept");
    EXPECT_EQ(createScenario(t.root(), "ISLANDS"), CreateResult::Created);
    EXPECT_EQ(t.read("SCENARIO/islands/SCENARIO.DAT").size(), 375u);  // into the folder as it is
    EXPECT_EQ(t.files(), (std::vector<std::string>{"SCENARIO/", "SCENARIO/islands/", "SCENARIO/islands/NOTES.TXT",
                                                   "SCENARIO/islands/SCENARIO.DAT"}));
    // Now it exists, in any case of the name, and stays as it was.
    t.write("SCENARIO/islands/SCENARIO.DAT", "mine");
    EXPECT_EQ(createScenario(t.root(), "Islands"), CreateResult::Exists);
    EXPECT_EQ(t.read("SCENARIO/islands/SCENARIO.DAT"), core::Bytes({'m', 'i', 'n', 'e'}));
    EXPECT_EQ(scenarioMessage(CreateResult::Exists), "This scenario already exists!");
}

TEST(CreateScenarioAndWorld, UnsafeOrOverlongNamesCreateNothing) {
    const std::vector<std::string> unsafe{
        "..",  ".",   "A\\B",   "A/B",    "..\\UP",           "../UP", "C:X", "CON", "nul.x", "LPT1", "A*", "A?",
        "A|B", "A<B", "TRAIL.", "TRAIL ", std::string("A\tB")};
    for (const auto& name : unsafe) {
        TempRoot t;
        t.mkdir("root");  // so that anything made beside the data root shows too
        const core::DataRoot root(t.path() / "root");
        EXPECT_EQ(createScenario(root, name), CreateResult::CannotWrite) << name;
        EXPECT_EQ(createWorld(root, name), CreateResult::CannotWrite) << name;
        EXPECT_EQ(t.files(), std::vector<std::string>{"root/"}) << name;
    }
    TempRoot t;
    EXPECT_EQ(createScenario(t.root(), "NINECHARS"), CreateResult::TooLong);
    EXPECT_EQ(createWorld(t.root(), ""), CreateResult::EmptyName);
    EXPECT_TRUE(t.files().empty());
    EXPECT_EQ(scenarioMessage(CreateResult::TooLong), "Please enter no more than 8 characters.");
    EXPECT_EQ(scenarioMessage(CreateResult::CannotWrite), "Error writing new scenario file!");
    EXPECT_EQ(worldMessage(CreateResult::CannotWrite), "Error writing new world file!");
}

TEST(CreateScenario, AHeaderThatCannotBeWrittenIsReportedAndTheFoldersStay) {
    TempRoot t;
    t.mkdir("SCENARIO/ISLANDS/SCENARIO.DAT");  // a folder where the header goes
    t.mkdir("WORLD/MIDLANDS/WORLD.DAT");
    EXPECT_EQ(createScenario(t.root(), "ISLANDS"), CreateResult::CannotWrite);
    EXPECT_EQ(createWorld(t.root(), "MIDLANDS"), CreateResult::CannotWrite);
    EXPECT_TRUE(std::filesystem::is_directory(t.path() / "SCENARIO/ISLANDS/SCENARIO.DAT"));
}

TEST(ListScenarios, NamesFromTheHeadersInSearchOrder) {
    TempRoot t;
    writeScenario(t, "SCENARIO/B/SCENARIO.DAT", "B", "Second");
    writeScenario(t, "SCENARIO/a/scenario.dat", "A", "First");
    writeScenario(t, "SCENARIO/a/SCENARIO.DAX", "AX", "Other");        // matches the list's pattern only
    writeScenario(t, "SCENARIO/C/D/E/SCENARIO.DAT", "E", "Deep");      // three levels down
    writeScenario(t, "SCENARIO/C/D/E/F/SCENARIO.DAT", "F", "Deeper");  // four: not searched
    writeScenario(t, "SCENARIO/OLD.BAK/SCENARIO.DAT", "O", "Old");     // folders with an extension are skipped
    t.write("SCENARIO/G/SCENARIO.DAT", "");                            // opens: an empty name
    t.mkdir("SCENARIO/H/SCENARIO.DAT");                                // no file
    EXPECT_EQ(listScenarios(t.root()),
              (std::vector<ListedScenario>{{"First", "A"}, {"Other", "AX"}, {"Second", "B"}, {"Deep", "E"}, {"", ""}}));
    EXPECT_EQ(findScenarioFolder(t.root(), "Deep"), "E");
    EXPECT_EQ(findScenarioFolder(t.root(), "Other"), std::nullopt);  // loading looks for SCENARIO.DAT
    EXPECT_EQ(findScenarioFolder(t.root(), "deep"), std::nullopt);   // exact case
    EXPECT_EQ(findScenarioFolder(t.root(), "Deeper"), std::nullopt);
    EXPECT_TRUE(listScenarios(TempRoot().root()).empty());
}

// The main window with its dialogs, played by a script on a root of templates.
struct Played {
    TempRoot t;
    Played() { writeTemplates(t); }
    testing::ScriptRun play(const std::string& script) { return runScript(t.path(), script); }
};

TEST(NewScenarioAndWorldDialogs, EmptyNamesCloseConfirmedAndUnsafeNamesAreRefused) {
    Played p;
    const auto before = p.t.files();
    const auto run = p.play(
        "click 1001\nclick 1\nexpect open 102\nclick 1004\nclick 1\nexpect open 102\nexpect no-message\n"
        "click 1001\ntype 1006 \"..\\\\UP\"\nclick 1\nexpect message \"Error\" \"Error writing new scenario file!\"\n"
        "expect open 130\nclick 2\n"
        "click 1004\nexpect caption \"New World\"\ntype 1005 \"CON\"\nclick 1\n"
        "expect message \"Error\" \"Error writing new world file!\"\nexpect open 129\nclick 2\n"
        "expect caption \"Kestrel 3 Editor\"\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_NE(run.transcript.find("close 130 ok\n"), std::string::npos) << run.transcript;
    EXPECT_EQ(p.t.files(), before);
}

// The main window on an empty root with ISLANDS set behind the title's back:
// `button` opens a dialog that `play` works.
struct MainRun {
    TempRoot t;
    ui::HeadlessHost host;
    MainWindow window{host, t.root()};
    std::string title;  // once the dialog is gone

    void run(int button, const testing::Play& play) {
        host.onNextModal([this, button](ui::Window& main) {
            window.scenario().set("ISLANDS");
            window.onCommand(button);
            title = main.caption();
        });
        host.onNextModal(play);
        host.runModal(window);
    }
};

// Text set by the program is not cut to the typing limit, as pasted text may not be.
TEST(NewScenarioAndWorldDialogs, OverlongNamesGetTheStandardMessageAndStayOpen) {
    for (const auto& [button, name] : {std::pair{1001, 1006}, {1004, 1005}}) {
        MainRun m;
        bool stillOpen = false;
        m.run(button, [&, name = name](ui::Window& dialog) {
            dialog.setText(name, "NINECHARS");
            dialog.userClick(1);
            stillOpen = !dialog.isClosed();
        });
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(m.host.messages(), (std::vector<ui::MessageBox>{{"kstred", "Please enter no more than 8 characters.",
                                                                   ui::Icon::Exclamation}}));
        EXPECT_TRUE(m.t.files().empty());
    }
}

TEST(LoadScenarioDialog, ListsNamesAndLoadsTheFolderOfTheFirstFound) {
    Played p;
    writeScenario(p.t, "SCENARIO/ISLANDS/SCENARIO.DAT", "ISLANDS", "The Isles");
    writeScenario(p.t, "SCENARIO/AAA/SCENARIO.DAT", "FIRST", "Twin");
    writeScenario(p.t, "SCENARIO/ZZZ/SCENARIO.DAT", "SECOND", "Twin");
    writeScenario(p.t, "SCENARIO/COAST/SCENARIO.DAT", "COAST", "coastal");
    const auto run = p.play(
        "click 1007\nexpect open 131\nexpect caption \"Load Scenario\"\n"
        "expect items 1007 \"coastal\" \"The Isles\" \"Twin\" \"Twin\"\nexpect selected 1007 none\n"
        "select 1007 \"The Isles\"\nclick 1\nexpect caption \"Kestrel 3 Editor - ISLANDS\"\n"
        "click 1007\nselect 1007 #3\nclick 1\nexpect caption \"Kestrel 3 Editor - FIRST\"\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
}

// The title follows the scenario after New Scenario and Load Scenario, even
// when cancelled; New World leaves it alone.
TEST(ScenarioDialogs, CancellingRefreshesTheTitleFromTheUnchangedScenario) {
    for (const auto& [button, caption] : std::vector<std::pair<int, std::string>>{
             {1001, "Kestrel 3 Editor - ISLANDS"}, {1007, "Kestrel 3 Editor - ISLANDS"}, {1004, "Kestrel 3 Editor"}}) {
        MainRun m;
        m.run(button, [](ui::Window& dialog) { dialog.userClick(2); });
        EXPECT_EQ(m.title, caption) << button;
        EXPECT_EQ(m.window.scenario().name(), "ISLANDS");
    }
}

}  // namespace
}  // namespace kestrel::shell
