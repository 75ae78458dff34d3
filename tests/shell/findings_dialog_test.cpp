#include "shell/findings_dialog.hpp"

#include <gtest/gtest.h>

#include "resources/layouts.hpp"
#include "shell/main_window.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::shell {
namespace {

using core::Finding;
using core::Severity;
using testing::TempRoot;

constexpr int kList = FindingsDialog::kListId;
constexpr int kSummary = FindingsDialog::kSummaryId;

// The main window with a checker that gives `findings` and counts its runs;
// Check Data opens the findings, `inFindings` acts there.
struct Checked {
    TempRoot t;
    ui::HeadlessHost host;
    MainWindow window{host, t.root()};
    std::vector<Finding> findings;
    int runs = 0;

    explicit Checked(std::vector<Finding> given) : findings(std::move(given)) {
        window.setChecker([this](const core::DataRoot&) {
            ++runs;
            return findings;
        });
    }

    void run(const std::function<void(ui::Window&)>& inFindings) {
        host.onNextModal([](ui::Window& w) { EXPECT_TRUE(w.userMenu(resources::kCheckDataCommand)); });
        host.onNextModal(inFindings);
        host.runModal(window);
    }
};

Finding error(std::string path, std::string record, std::string field, std::string message) {
    return {std::move(path), std::move(record), std::move(field), Severity::Error, std::move(message)};
}

// Sorted as the command prints them, with the same summary; names from the
// data come as UTF-8 and are shown in the controls' 8-bit code page.
TEST(FindingsDialog, ListsEveryFindingAsTheCommandPrintsItWithTheSummary) {
    Checked c({error("SCENARIO/ISLANDS/SIDES.DAT", "0", "side[2].armyTypes[0]",
                     "army type 'GRYPHON' of side 2 (Elves) does not exist in ARMY"),
               {"ARMY/GRIFFINS.ARM", "", "", Severity::Warning, "name 'Gr\xC3\xAF\xE2\x82\xAC\xE4\xB8\x80' is odd"},
               error("ARMY/GRIFFINS.ARM", "", "", "is 10 bytes long, expected 252")});
    std::string caption, summary;
    std::vector<std::string> items;
    c.run([&](ui::Window& w) {
        caption = w.caption();
        items = w.items(kList);
        summary = w.text(kSummary);
    });
    EXPECT_EQ(caption, "Check Data");
    EXPECT_EQ(items, (std::vector<std::string>{
                         "ARMY/GRIFFINS.ARM: error: is 10 bytes long, expected 252",
                         "ARMY/GRIFFINS.ARM: warning: name 'Gr\xEF\x80?' is odd",
                         "SCENARIO/ISLANDS/SIDES.DAT:0:side[2].armyTypes[0]: error: army type 'GRYPHON' of side 2 "
                         "(Elves) does not exist in ARMY"}));
    EXPECT_EQ(summary, "2 errors, 1 warning in 2 files");
    EXPECT_EQ(c.runs, 1);
}

TEST(FindingsDialog, NoFindingsShowNothingAndZeroes) {
    Checked c({});
    std::vector<std::string> items{"x"};
    std::string summary;
    c.run([&](ui::Window& w) {
        items = w.items(kList);
        summary = w.text(kSummary);
    });
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(summary, "0 errors, 0 warnings in 0 files");
}

// Without a checker handed down the item opens nothing.
TEST(FindingsDialog, CheckDataWithoutACheckerDoesNothing) {
    TempRoot t;
    ui::HeadlessHost host;
    MainWindow window(host, t.root());
    int opened = 0;
    host.onNextModal([&](ui::Window& w) { EXPECT_TRUE(w.userMenu(resources::kCheckDataCommand)); });
    host.onNextModal([&](ui::Window&) { ++opened; });
    host.runModal(window);
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(host.messages().empty());
}

struct Opens {
    std::string path;
    int dialog;                              // 0: none opens and the message says so
    std::string title = "Kestrel 3 Editor";  // of the main window while it is open
};

// A data set's record opens its entry editor on that entry, a campaign's
// files the campaign editor, a scenario's file its editor on that scenario,
// which becomes the current one; any case, either separator.
TEST(FindingsDialog, DoubleClickOpensTheEditorOfTheFindingsFile) {
    const std::string islands = "Kestrel 3 Editor - ISLANDS";
    // clang-format off
    const std::vector<Opens> table{
        {"ARMY/GRIFFINS.ARM", 148}, {"army/griffins.arm", 148}, {"CITY/STONE.CIT", 133},
        {"TERRAIN/DATA/ROAD.TER", 139}, {"TERRAIN\\SUBTYPE\\ROCKY.STT", 137}, {"TERRAIN/BONUS/GOLD.BON", 144},
        {"RUINS/TOMB.RUI", 150}, {"SITES/WELL.SIT", 152}, {"HERO/KNIGHT.HER", 154}, {"ITEMS/BLADE.ITM", 156},
        {"ADVISOR/SAGE.AVR", 161}, {"SPELL/FIRE.SPL", 165}, {"SHIELD/OLION.SHI", 163}, {"FLAGS/RED.FLG", 167},
        {"CAMPAIGN/SAGA/CAMPAIGN.DAT", 181}, {"CAMPAIGN/SAGA/REWARD1.DAT", 181},
        {"SCENARIO/ISLANDS/SCENARIO.DAT", 134, islands}, {"SCENARIO/ISLANDS/MISC.DAT", 134, islands},
        {"SCENARIO/ISLANDS/SIDES.DAT", 145, islands}, {"SCENARIO/ISLANDS/CITY.DAT", 169, islands},
        {"SCENARIO/ISLANDS/CITY.INI", 169, islands}, {"SCENARIO/ISLANDS/RUIN.DAT", 175, islands},
        {"SCENARIO/ISLANDS/SITE.DAT", 174, islands}, {"SCENARIO/ISLANDS/ITEM.INI", 176, islands},
        {"SCENARIO/ISLANDS/ARMY.INI", 178, islands}, {"SCENARIO/ISLANDS/HERO.INI", 179, islands},
        {"SCENARIO/ISLANDS/DIPLOM.INI", 182, islands}, {"scenario/islands/terrain.dat", 141,
         "Kestrel 3 Editor - islands"}, {"SCENARIO/ISLANDS/ITEM.DAT", 159, islands},
        // No editor: the map's files, worlds, pictures, unknown files and folders.
        {"SCENARIO/ISLANDS/MAP.DAT", 0}, {"SCENARIO/ISLANDS/KS_X.TXT", 0}, {"SCENARIO/TOOLONGNAME/SIDES.DAT", 0},
        {"WORLD/EARTH/WORLD.DAT", 0}, {"ARMY/GRIFFINS.PCX", 0}, {"ARMY/.ARM", 0}, {"ARMY/SUB/X.ARM", 0},
        {"CAMPAIGN/SAGA", 0}, {"SHIELD/X.SHI", 0}, {"KSTRED.TXT", 0}, {"", 0}};
    // clang-format on
    for (const Opens& row : table) {
        Checked c({error(row.path, "", "", "bad")});
        int opened = 0;
        std::string title, after;
        c.run([&](ui::Window& w) {
            c.host.onNextModal([&](ui::Window& editor) {
                opened = editor.layout().resourceId;
                title = c.window.caption();
            });
            EXPECT_TRUE(w.userDoubleClick(kList, 0));
            after = c.window.caption();
        });
        EXPECT_EQ(opened, row.dialog) << row.path;
        if (row.dialog) {
            EXPECT_EQ(title, row.title) << row.path;
            EXPECT_EQ(c.runs, 2) << row.path << ": checked again after the editor closed";
        } else {
            EXPECT_EQ(c.host.messages(),
                      (std::vector<ui::MessageBox>{{"Message", "No editor opens this file.", ui::Icon::Information}}))
                << row.path;
            EXPECT_EQ(after, "Kestrel 3 Editor") << row.path;
        }
    }
}

// The editor may mend what was found: the list is checked anew and the
// selection stays at the same line, or the last one.
TEST(FindingsDialog, ChecksAgainAfterTheEditorKeepingTheLine) {
    Checked c({error("ARMY/A.ARM", "", "", "bad"), error("ARMY/B.ARM", "", "", "bad")});
    std::vector<std::string> items;
    std::string summary, selected;
    c.run([&](ui::Window& w) {
        c.host.onNextModal([&](ui::Window&) { c.findings.pop_back(); });
        w.userDoubleClick(kList, 1);
        items = w.items(kList);
        summary = w.text(kSummary);
        selected = w.state(kList).selection == 0 ? items[0] : "other";
    });
    EXPECT_EQ(items, std::vector<std::string>{"ARMY/A.ARM: error: bad"});
    EXPECT_EQ(summary, "1 error, 0 warnings in 1 file");
    EXPECT_EQ(selected, "ARMY/A.ARM: error: bad");
}

// Every id the controller touches is in its layout.
TEST(FindingsDialog, LayoutHoldsItsControls) {
    const ui::Layout& l = ui::layoutFor(resources::kFindings);
    EXPECT_EQ(l.caption, "Check Data");
    ASSERT_TRUE(l.find(kList));
    EXPECT_EQ(l.find(kList)->kind, ui::ControlKind::List);
    EXPECT_FALSE(l.find(kList)->sorted);
    ASSERT_TRUE(l.find(kSummary));
    EXPECT_EQ(l.find(kSummary)->kind, ui::ControlKind::Static);
    ASSERT_TRUE(l.find(1));
    EXPECT_EQ(l.find(1)->label, "Close");
    EXPECT_EQ(l.defaultButton(), 1);
}

}  // namespace
}  // namespace kestrel::shell
