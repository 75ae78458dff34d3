// The rules every list dialog follows, played as a user would.
#include "datasets/list_dialog.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "dataset_testing.hpp"
#include "datasets/catalogue_ops.hpp"
#include "datasets/city_set.hpp"
#include "datasets/shield_list_dialog.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;

class ListDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.write("WSDATA/CITY.PCX", "template");
        for (const char* name : {"TOWNS", "hills", "Coast"}) t.write(std::string("CITY/") + name + ".CIT", writeCitySet(newCitySet()));
    }
    testing::ScriptRun play(const std::string& script) {
        auto run = runScript(t.path(), "click 1006\n" + script);
        EXPECT_EQ(run.status, 0) << run.transcript;
        return run;
    }
    TempRoot t;
};

// Sorted with nothing selected. New with nothing selected selects the first
// entry (an empty previous selection begins every name); with one selected it
// keeps the selection and the typed name.
TEST_F(ListDialogTest, FillsSortedAndNewKeepsSelectionAndTypedName) {
    play(
        "expect items 1008 \"Coast\" \"hills\" \"TOWNS\"\nexpect selected 1008 none\nexpect text 1010 \"\"\n"
        "type 1010 \"Delta\"\nclick 4\nexpect selected 1008 \"Coast\"\n"
        "select 1008 \"hills\"\ntype 1010 \"Bay\"\nclick 4\n"
        "expect items 1008 \"Bay\" \"Coast\" \"Delta\" \"hills\" \"TOWNS\"\n"
        "expect selected 1008 \"hills\"\nexpect text 1010 \"Bay\"\nexpect no-message\n");
    EXPECT_EQ(t.read("CITY/Bay.CIT"), writeCitySet(newCitySet()));
    EXPECT_EQ(t.read("CITY/Bay.PCX").size(), 8u);
}

TEST_F(ListDialogTest, ARefusedNameDeleteWithoutSelectionAndEnterChangeNoFile) {
    const auto before = t.files();
    play("type 1010 \"..\\\\X\"\nclick 4\nexpect message \"Error\" \"Error creating new city set file!\"\n"
         "type 1010 \"a:b\"\nclick 4\nexpect message \"Error\" \"Error creating new city set file!\"\n"
         "click 3\nexpect items 1008 \"Coast\" \"hills\" \"TOWNS\"\n"
         "type 1010 \"NEWONE\"\nkey enter\nexpect open 102\n");
    EXPECT_EQ(t.files(), before);
}

// The list is not refilled after an edit either.
TEST_F(ListDialogTest, EscapeAndEditOpenTheSelectedEntryAndTheListStays) {
    const auto run = play(
        "key escape\nexpect open 132\nselect 1008 \"hills\"\nkey escape\nexpect open 133\n"
        "expect caption \"Edit City Data - hills\"\nclick 2\nexpect open 132\nclick 2\n"
        "expect open 133\nclick 1\nexpect open 132\nselect 1008 \"Coast\"\nclick 2\n"
        "type 1011 \"x\"\nclick 1\nexpect items 1008 \"Coast\" \"hills\" \"TOWNS\"\n");
    EXPECT_NE(run.transcript.find("close 133 cancel\nopen 133 \"Edit City Data - hills\"\nclose 133 ok\n"),
              std::string::npos)
        << run.transcript;
}

// Kinds served from above this library bring their own New and Edit; the
// list alone has neither for them.
TEST_F(ListDialogTest, KindsWithoutHandlersSayTheirEditorIsNotAvailable) {
    t.write("CAMPAIGN/SAGA/CAMPAIGN.DAT", std::string("SAGA") + std::string(502, '\0'));
    ui::HeadlessHost host;
    ListDialog list(host, t.root(), info(Kind::Campaign));
    host.onNextModal([](ui::Window& w) {
        EXPECT_EQ(w.items(ListDialog::kListId), std::vector<std::string>{"SAGA"});
        w.userSelect(ListDialog::kListId, 0);
        w.userClick(ListDialog::kEditId);
        w.userType(ListDialog::kNameId, "NEW");
        w.userClick(ListDialog::kNewId);
    });
    host.runModal(list);
    ASSERT_EQ(host.messages().size(), 2u);
    for (const auto& m : host.messages()) EXPECT_EQ(m.text, "This editor is not available yet.");
    EXPECT_FALSE(t.exists("CAMPAIGN/NEW"));
}

TEST_F(ListDialogTest, WorksWithoutAnyFolders) {
    TempRoot empty;
    const auto run = runScript(empty.path(), "click 1016\nexpect items 1008\nclick 3\nkey escape\nclick 1\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_TRUE(empty.files().empty());
}

// Every kind, with and without editor, on a root without its folders and on one with an entry selected.
TEST(ListDialogNew, EmptyNameDoesNothingForAnyKind) {
    for (const auto& kind : catalogue()) {
        SCOPED_TRACE(std::string(kind.name));
        // The shields' dialog has a list per feature kind, each with its own New.
        const bool shields = kind.kind == Kind::Shield;
        struct Ids {
            int list, name, newButton;
        };
        std::vector<Ids> lists{{ListDialog::kListId, ListDialog::kNameId, ListDialog::kNewId}};
        std::vector<std::string> letters{""};
        if (shields) {
            lists.clear();
            for (const auto& g : kShieldGroups) lists.push_back({g.list, g.name, g.newButton});
            letters = {"B", "O", "C"};
        }
        for (const bool withEntry : {false, true}) {
            TempRoot t;
            for (const char* art : {"CITY", "TERR", "BONUS", "ARMY", "RUIN", "SITE", "ADVISOR", "SHIELD", "FLAG"})
                t.write(std::string("WSDATA/") + art + ".PCX", "template");
            if (withEntry)
                for (const auto& letter : letters)
                    for (const std::string entry : {"OLD", "OTHER"})
                        t.write(hostPath(recordPath(kind, letter + entry)),
                                patched(core::Bytes(kind.recordSize, 0), {{0, entry}}));
            const auto before = t.files();
            ui::HeadlessHost host;
            std::unique_ptr<ui::Dialog> list;
            if (shields)
                list = std::make_unique<ShieldListDialog>(host, t.root());
            else
                list = std::make_unique<ListDialog>(host, t.root(), kind);
            const std::vector<std::string> listed{"OLD", "OTHER"};
            bool played = false;
            host.onNextModal([&](ui::Window& w) {
                for (const auto& ids : lists) {
                    if (withEntry) w.userSelect(ids.list, 1);  // the second: a refill would lose it
                    w.userType(ids.name, "");
                    w.userClick(ids.newButton);
                }
                for (const auto& ids : lists) {
                    EXPECT_EQ(w.items(ids.list), withEntry ? listed : std::vector<std::string>{});
                    EXPECT_EQ(w.selection(ids.list), withEntry ? 1 : -1);
                    EXPECT_EQ(w.text(ids.name), "");
                }
                played = true;
            });
            host.runModal(*list);
            EXPECT_TRUE(played);
            EXPECT_TRUE(host.messages().empty()) << host.messages()[0].text;
            EXPECT_EQ(t.files(), before);
        }
    }
}

}  // namespace
}  // namespace kestrel::datasets
