// Scenario Sides and Side Data: defaults of a missing file, what OK writes
// byte for byte, the refusals and the lists.
#include "shell/sides_dialog.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "core/le.hpp"
#include "scenario/side_lists.hpp"
#include "shell/side_data_dialog.hpp"
#include "support/modal_play.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::shell {
namespace {

using scenario::Side;
using scenario::Sides;
using testing::TempRoot;
using testing::Play;

constexpr const char* kFile = "SCENARIO/ISLANDS/SIDES.DAT";

// The Sides dialog on SCENARIO\ISLANDS; `plays` act on it and on each dialog
// it opens in turn.
struct SidesRun {
    TempRoot t;
    ui::HeadlessHost host;
    bool closed = false;
    SidesRun() { t.mkdir("SCENARIO/ISLANDS"); }
    void run(const Play& sides, const std::vector<Play>& opened = {}) {
        SidesDialog dialog(host, t.root(), "ISLANDS");
        host.onNextModal([&](ui::Window& w) {
            sides(w);
            closed = w.isClosed();
        });
        for (const auto& play : opened) host.onNextModal(play);
        host.runModal(dialog);
    }
    core::Bytes file() const { return t.read(kFile); }
    std::vector<std::string> messages() const { return testing::shownMessages(host); }
};

// Sides 1 and 2 used, reserved bytes set everywhere, side 2 at level 2.
Sides existingSides() {
    Sides s = scenario::defaultSides();
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i].reserved.at188.fill(static_cast<std::uint8_t>(0xA0 + i));
        s[i].reserved.at208 = {0xB1, 0xB2};
        s[i].reserved.at228 = 0xC3;
        s[i].reserved.at229.fill(0xD4);
    }
    s[0].used = s[1].used = true;
    s[0].name = "Red Kings";
    s[1].name = "Blue Isles";
    s[1].level = scenario::kLevelKestrel;
    s[1].regulars[0] = "OGRES";
    return s;
}

TEST(SidesDialog, WithoutAFileShowsUnusedRowsAndOkWritesTheDefaults) {
    SidesRun r;
    r.run([](ui::Window& w) {
        for (const auto& row : SidesIds::kRows) {
            EXPECT_FALSE(w.checked(row.used));
            EXPECT_EQ(w.text(row.name), "Not Used");
        }
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(r.closed);
    EXPECT_EQ(r.file(), scenario::writeSides(scenario::defaultSides()));
    EXPECT_EQ(r.file()[8 * 452], 1);  // the neutrals are used
}

// Side Data edits reach the file with every other byte as it was; the
// neutrals' editor is titled Neutrals whatever name the file holds.
TEST(SidesDialog, SideDataEditsTheRecordThatOkWrites) {
    SidesRun r;
    Sides s = existingSides();
    s[8].name = "Wild Folk";
    r.t.write(kFile, scenario::writeSides(s));
    std::string neutrals;
    r.run(
        [](ui::Window& w) {
            w.userType(1062, "Blue Marches");
            w.userClick(1011);
            w.userClick(SidesIds::kNeutralsEdit);
            w.userClick(ui::kIdOk);
        },
        {[](ui::Window& w) {
             EXPECT_TRUE(w.checked(SideDataIds::kLevels[3]));        // stored 2: Kestrel
             EXPECT_EQ(w.text(SideDataIds::kRegulars[0]), "OGRES");  // not in the list, still shown
             EXPECT_EQ(w.text(SideDataIds::kRegulars[1]), "");
             w.userRadio(SideDataIds::kLevels[2]);  // Lord
             w.userType(SideDataIds::kStartingGold, "2500");
             w.userClick(ui::kIdOk);
         },
         [&](ui::Window& w) { neutrals = w.caption(); }});
    EXPECT_EQ(neutrals, "Edit Side - Neutrals");
    Sides expected = existingSides();
    expected[1].name = "Blue Marches";
    expected[1].level = scenario::kLevelLord;
    expected[1].startingGold = 2500;
    const core::Bytes f = r.file();
    EXPECT_EQ(f, scenario::writeSides(expected));
    EXPECT_EQ(core::getS16(f, 452 + 216), 1);
}

// Each option on its own, set among cleared ones and cleared among set ones:
// its box shows its own byte, and OK writes it to its own byte.
TEST(SideDataDialog, EachOptionIsItsOwnByte) {
    const std::pair<int, std::size_t> options[] = {{SideDataIds::kGetMercenaries, 224},
                                                   {SideDataIds::kSellItems, 225},
                                                   {SideDataIds::kHeroOnTurn1, 226},
                                                   {SideDataIds::kEnhanced, 227}};
    for (const auto& [id, at] : options) {
        for (const bool alone : {true, false}) {
            SCOPED_TRACE(::testing::Message() << at << (alone ? " set alone" : " cleared alone"));
            SidesRun r;
            r.t.write(kFile, scenario::writeSides(existingSides()));
            r.run(
                [](ui::Window& w) {
                    w.userClick(1011);
                    w.userClick(ui::kIdOk);
                },
                {[&, id = id](ui::Window& w) {
                    for (const auto& [other, offset] : options) w.userCheck(other, (other == id) == alone);
                    w.userClick(ui::kIdOk);
                }});
            const core::Bytes f = r.file();
            for (const auto& [other, offset] : options)
                EXPECT_EQ(f[452 + offset], (other == id) == alone ? 1 : 0) << offset;
            // The next opening shows what was written, box by box.
            r.run([](ui::Window& w) { w.userClick(1011); }, {[&, id = id](ui::Window& w) {
                      for (const auto& [other, offset] : options) EXPECT_EQ(w.checked(other), (other == id) == alone);
                  }});
        }
    }
}

TEST(SidesDialog, ImportedLongNameIsShownButRefused) {
    SidesRun r;
    Sides s = scenario::defaultSides();
    s[3].used = true;
    s[3].name = std::string(31, 'L');
    r.t.write(kFile, scenario::writeSides(s));
    r.run([](ui::Window& w) {
        EXPECT_EQ(w.text(1068), std::string(31, 'L'));
        w.userClick(ui::kIdOk);
        EXPECT_FALSE(w.isClosed());
        EXPECT_EQ(w.focused(), 1068);
        w.userClick(1013);  // Edit takes the names first too
        w.userType(1068, std::string(24, 'L'));
        EXPECT_EQ(w.text(1068), std::string(23, 'L'));
        w.userClick(ui::kIdOk);
    });
    const std::string tooLong = "kstred: Please enter no more than 23 characters.";
    EXPECT_EQ(r.messages(), (std::vector<std::string>{tooLong, tooLong}));
    EXPECT_TRUE(r.closed);
    EXPECT_EQ(scenario::loadSides(r.t.root(), "ISLANDS")[3].name, std::string(23, 'L'));
}

TEST(SidesDialog, AFailedWriteIsReportedAndTheDialogStays) {
    SidesRun r;
    r.t.mkdir(kFile);
    r.run([](ui::Window& w) { w.userClick(ui::kIdOk); });
    EXPECT_FALSE(r.closed);
    EXPECT_EQ(r.messages(), std::vector<std::string>{"Error: Error writing SIDES.DAT file"});
}

TEST(SideDataDialog, ValuesOutsideTheirLimitsAreRefusedAndChangeNothing) {
    const std::tuple<int, std::string, const char*> cases[] = {
        {SideDataIds::kStackingLimit, "3", "Please enter an integer between 4 and 8."},
        {SideDataIds::kStartingGold, "10001", "Please enter an integer between 0 and 10000."},
        {SideDataIds::kMaxMana, "100", "Please enter an integer between 0 and 99."},
        {SideDataIds::kInitialMana, "-1", "Please enter an integer between 0 and 99."},
        {SideDataIds::kInitialMana, "", "Please enter an integer."},
        {SideDataIds::kDescription, std::string(128, 'd'), "Please enter no more than 127 characters."},
        {SideDataIds::kShields[2], "CLIONESSE", "Please enter no more than 8 characters."},
        {SideDataIds::kArmyFlag, "STANDARDS", "Please enter no more than 8 characters."},
    };
    for (const auto& [id, text, message] : cases) {
        SCOPED_TRACE(text);
        SidesRun r;
        Side side = scenario::defaultSide(0);
        SideDataDialog dialog(r.host, r.t.root(), side);
        r.host.onNextModal([&, id = id, text = text](ui::Window& w) {
            w.userRadio(SideDataIds::kLevels[1]);
            w.setText(id, text);  // past the typing limit, as a text import leaves it
            w.userClick(ui::kIdOk);
            EXPECT_FALSE(w.isClosed());
            EXPECT_EQ(w.focused(), id);
        });
        r.host.runModal(dialog);
        EXPECT_EQ(r.messages(), std::vector<std::string>{std::string("kstred: ") + message});
        EXPECT_EQ(side, scenario::defaultSide(0));
    }
}

TEST(SideDataDialog, ListsOfEachKindAndStoredNames) {
    TempRoot t;
    for (const char* f : {"ARMY/PIKEMEN.ARM", "ARMY/griffins.arm", "SHIELD/BAZURE.SHI", "SHIELD/OLION.SHI",
                          "SHIELD/CSTAR.SHI", "SHIELD/CLION.SHI", "SHIELD/B.SHI"})
        t.write(f, "");
    ui::HeadlessHost host;
    Side side = scenario::defaultSide(0);
    side.name = "Red Kings";
    side.shields = {"", "OLI", "CUNKNOWN"};
    side.allies[0] = "pike";
    side.manaType = 2;
    SideDataDialog dialog(host, t.root(), side);
    testing::playModal(host, dialog, [&](ui::Window& w) {
        using V = std::vector<std::string>;
        EXPECT_EQ(w.items(SideDataIds::kShip), (V{"griffins", "PIKEMEN"}));
        EXPECT_EQ(w.items(SideDataIds::kShields[0]), V{"BAZURE"});
        EXPECT_EQ(w.items(SideDataIds::kShields[2]), (V{"CLION", "CSTAR"}));
        EXPECT_EQ(w.text(SideDataIds::kShields[0]), "");
        EXPECT_EQ(w.text(SideDataIds::kShields[1]), "OLION");
        EXPECT_EQ(w.text(SideDataIds::kShields[2]), "CUNKNOWN");
        EXPECT_EQ(w.selection(SideDataIds::kManaType), 2);
        w.userSelect(SideDataIds::kManaType, 3);
    });
    EXPECT_EQ(side.allies[0], "PIKEMEN");
    EXPECT_EQ(side.shields[1], "OLION");
    EXPECT_EQ(side.manaType, 3);
    EXPECT_EQ(side.level, -1);
}

// Another editor's combo box takes a side list whole, in record order.
TEST(SideLists, FillAComboBox) {
    SidesRun r;
    Sides s = scenario::defaultSides();
    s[2].used = true;
    s[2].name = "Green Shore";
    s[2].heroes = {"KNIGHT", "", "", "RANGER"};
    r.t.write(kFile, scenario::writeSides(s));
    Side side;
    SideDataDialog dialog(r.host, r.t.root(), side);
    r.host.onNextModal([&](ui::Window& w) {
        const int combo = SideDataIds::kManaType;
        EXPECT_EQ(scenario::fillSideNames(r.t.root(), "ISLANDS", false, true, &dialog, combo), 2);
        EXPECT_EQ(w.items(combo), (std::vector<std::string>{"Green Shore", "Neutrals"}));
        EXPECT_EQ(scenario::fillSideHeroTypes(r.t.root(), "ISLANDS", 2, &dialog, combo), 4);
        EXPECT_EQ(w.items(combo), (std::vector<std::string>{"KNIGHT", "", "", "RANGER"}));
        EXPECT_EQ(scenario::fillSideArmyTypes(r.t.root(), "ISLANDS", 1, false, &dialog, combo), 0);
        EXPECT_TRUE(w.items(combo).empty());
    });
    r.host.runModal(dialog);
}

}  // namespace
}  // namespace kestrel::shell
