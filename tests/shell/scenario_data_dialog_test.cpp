#include "shell/scenario_data_dialog.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/le.hpp"
#include "scenario/map_file.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/scenario_header.hpp"
#include "support/modal_play.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::shell {
namespace {

using Ids = ScenarioDataIds;

// A scenario as New Scenario leaves it: only its header.
struct DataRun {
    testing::TempRoot t;
    ui::HeadlessHost host;
    bool closed = false;

    DataRun() { t.write(file("SCENARIO.DAT"), scenario::writeScenarioHeader(scenario::newScenarioHeader("ISLANDS"))); }
    static std::string file(const char* name) { return std::string("SCENARIO/ISLANDS/") + name; }
    void run(const std::function<void(ui::Window&)>& play) {
        ScenarioDataDialog dialog(host, t.root(), "ISLANDS");
        closed = testing::playModal(host, dialog, play, std::nullopt);
    }
};

void ok(ui::Window& w) { w.userClick(ui::kIdOk); }

TEST(ScenarioDataDialog, FreshScenarioDefaultsWorldAndSetsAsStored) {
    DataRun r;
    r.t.write("CITY/NONESUCH.CIT", core::Bytes(1, 0));
    r.t.write("WORLD/MIDLANDS/WORLD.DAT", scenario::writeWorldHeader(scenario::newWorldHeader("MIDLANDS")));
    r.run([](ui::Window& w) {
        EXPECT_TRUE(w.checked(1016));
        EXPECT_EQ(w.items(Ids::kWorld), (std::vector<std::string>{"MIDLANDS", "None"}));
        EXPECT_EQ(w.text(Ids::kWorld) + w.text(Ids::kAuthor) + w.text(Ids::kPostGold), "NoneMegp");
        EXPECT_EQ(w.text(Ids::kMonsterNames[7]) + w.text(Ids::kMonsterStrengths[7]), "Goblin2");
        EXPECT_EQ(w.text(Ids::kRuinSets[7]) + w.text(Ids::kGraphicSet), "NoneFantasy");
        w.userType(Ids::kWorld, "MIDLANDS");
        ok(w);
    });
    EXPECT_TRUE(r.closed);
    EXPECT_EQ(r.t.read(r.file("MAP.DAT")), scenario::newMapFile(scenario::mapSizes()[0]));
    // Ruin and site sets shown as "None" are stored empty, city sets as shown.
    scenario::MiscData misc = scenario::defaultMiscData();
    misc.citySets.fill("None");
    EXPECT_EQ(r.t.read(r.file("MISC.DAT")), scenario::writeMiscData(misc));
    const core::Bytes world = r.t.read(r.file("WORLD.DAT"));
    EXPECT_EQ(world, scenario::writeWorldHeader({"MIDLANDS", "MIDLANDS"}));
    scenario::ScenarioHeader header = scenario::newScenarioHeader("ISLANDS");
    header.worldFolder = header.worldName = "MIDLANDS";
    EXPECT_EQ(r.t.read(r.file("SCENARIO.DAT")), scenario::writeScenarioHeader(header));

    for (const char* none : {"None", ""}) {
        r.t.write(r.file("WORLD.DAT"), world);
        r.run([&](ui::Window& w) {
            EXPECT_EQ(w.text(Ids::kWorld), "MIDLANDS");
            // "None" stored as a city set does not choose the entry that begins with it.
            EXPECT_EQ(w.text(Ids::kCitySets[0]), "None");
            EXPECT_EQ(w.state(Ids::kCitySets[0]).selection, -1);
            w.userType(Ids::kWorld, none);
            ok(w);
        });
        EXPECT_FALSE(r.t.exists(r.file("WORLD.DAT"))) << none;
        EXPECT_EQ(r.t.read(r.file("SCENARIO.DAT")),
                  scenario::writeScenarioHeader(scenario::newScenarioHeader("ISLANDS")));
        r.t.write(r.file("SCENARIO.DAT"), scenario::writeScenarioHeader(header));
    }
    EXPECT_TRUE(r.host.messages().empty());
}

TEST(ScenarioDataDialog, UnknownWidthShowsTheFirstSizeAndResizingKeepsTheCells) {
    DataRun r;
    core::Bytes map = scenario::newMapFile(scenario::mapSizes()[1]);
    for (std::size_t i = 0; i < map.size(); ++i) map[i] = static_cast<std::uint8_t>(i * 13);
    core::putS16(map, 0, 77);
    r.t.write(r.file("MAP.DAT"), map);
    r.run([](ui::Window& w) {
        for (int id = 1016; id <= 1021; ++id) EXPECT_EQ(w.checked(id), id == 1016) << id;
        w.userClick(1021);
        ok(w);
    });
    const core::Bytes after = r.t.read(r.file("MAP.DAT"));
    ASSERT_EQ(after.size(), map.size());
    EXPECT_EQ(scenario::readMapHeader(after), scenario::mapHeaderFor(scenario::mapSizes()[5]));
    EXPECT_TRUE(std::equal(after.begin() + 18, after.end(), map.begin() + 18));
    r.run([](ui::Window& w) { EXPECT_TRUE(w.checked(1021) && !w.checked(1016)); });
}

TEST(ScenarioDataDialog, RefusalsChangeNoFile) {
    const std::pair<int, std::string> cases[] = {
        {Ids::kMaxBonus, "Please enter an integer between 0 and 99."},
        {Ids::kMonsterStrengths[7], "Please enter an integer between 0 and 9."},
    };
    for (const auto& [id, message] : cases) {
        DataRun r;
        r.t.write(r.file("WORLD.DAT"), std::string("old world"));
        const auto before = r.t.files();
        const auto header = r.t.read(r.file("SCENARIO.DAT"));
        r.run([&, id = id](ui::Window& w) {
            w.userType(Ids::kWorld, "None");
            w.userClick(1021);
            w.userType(id, id == Ids::kMaxBonus ? "100" : "10");
            ok(w);
            EXPECT_EQ(w.focused(), id);
        });
        EXPECT_FALSE(r.closed);
        EXPECT_EQ(r.host.messages(), (std::vector<ui::MessageBox>{{"kstred", message, ui::Icon::Exclamation}}));
        EXPECT_EQ(r.t.files(), before);
        EXPECT_EQ(r.t.read(r.file("SCENARIO.DAT")), header);
        EXPECT_EQ(r.t.read(r.file("WORLD.DAT")).size(), 9u);
    }
}

// A file that cannot be written is named and the dialog stays open with its
// edits; the others are written all the same, and OK again ends it.
TEST(ScenarioDataDialog, AFileThatCannotBeWrittenIsNamedAndKeepsTheDialogOpen) {
    for (const char* stuck : {"MAP.DAT", "MISC.DAT", "SCENARIO.DAT", "WORLD.DAT"}) {
        SCOPED_TRACE(stuck);
        DataRun r;
        std::filesystem::remove(r.t.path() / r.file("SCENARIO.DAT"));
        r.t.mkdir(r.file(stuck));
        bool closed = true;
        r.run([&](ui::Window& w) {
            w.userType(Ids::kWorld, "MIDLANDS");
            w.userType(Ids::kPostGold, "cr");
            w.userClick(1021);
            ok(w);
            closed = w.isClosed();
            std::filesystem::remove(r.t.path() / r.file(stuck));
            if (!closed) ok(w);
        });
        EXPECT_FALSE(closed);
        EXPECT_TRUE(r.closed);
        EXPECT_EQ(r.host.messages(),
                  (std::vector<ui::MessageBox>{
                      {"Error", std::string("Error writing SCENARIO\\ISLANDS\\") + stuck, ui::Icon::Exclamation}}));
        EXPECT_EQ(scenario::readMiscData(r.t.read(r.file("MISC.DAT"))).postGold, "cr");
        EXPECT_EQ(r.t.read(r.file("MAP.DAT")).size(), 18u + 20480 * 10);
        EXPECT_EQ(r.t.read(r.file("WORLD.DAT")), scenario::writeWorldHeader({"MIDLANDS", "MIDLANDS"}));
    }
}

// The text import stores longer texts than the dialog takes: they show whole,
// and OK waits until they are short enough.
TEST(ScenarioDataDialog, ImportedTextsShowButMustBeShortened) {
    DataRun r;
    scenario::ScenarioHeader header = scenario::newScenarioHeader("ISLANDS");
    header.name = std::string(31, 'N');
    r.t.write(r.file("SCENARIO.DAT"), scenario::writeScenarioHeader(header));
    scenario::MiscData misc = scenario::defaultMiscData();
    misc.postGold = "coins";
    r.t.write(r.file("MISC.DAT"), scenario::writeMiscData(misc));
    r.run([](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kName), std::string(31, 'N'));
        EXPECT_EQ(w.text(Ids::kPostGold), "coins");
        ok(w);
        EXPECT_EQ(w.focused(), Ids::kName);
        w.userType(Ids::kName, "Fifteen Letters");
        ok(w);
        EXPECT_EQ(w.focused(), Ids::kPostGold);
        w.userType(Ids::kPostGold, "cns");
        ok(w);
    });
    EXPECT_TRUE(r.closed);
    EXPECT_EQ(testing::shownMessages(r.host),
              (std::vector<std::string>{"kstred: Please enter no more than 15 characters.",
                                        "kstred: Please enter no more than 3 characters."}));
    header.name = "Fifteen Letters";
    EXPECT_EQ(r.t.read(r.file("SCENARIO.DAT")), scenario::writeScenarioHeader(header));
    EXPECT_EQ(scenario::loadMiscData(r.t.root(), "ISLANDS").postGold, "cns");
}

// Whatever the files hold, the dialog opens and OK writes whole files.
TEST(ScenarioDataDialog, BrokenFilesOpenWithWhatCanBeRead) {
    for (const std::size_t length : {0, 1, 17, 19, 400}) {
        for (const int fill : {0x00, 0xFF, 0x41}) {
            SCOPED_TRACE(::testing::Message() << length << " bytes of " << fill);
            DataRun r;
            for (const char* name : {"MAP.DAT", "SCENARIO.DAT", "MISC.DAT"})
                r.t.write(r.file(name), core::Bytes(length, static_cast<std::uint8_t>(fill)));
            r.run([](ui::Window& w) {
                EXPECT_TRUE(w.checked(1016));
                EXPECT_FALSE(w.text(Ids::kGraphicSet).empty());
                // What was read meets the same checks as typed text: make every field pass.
                for (const auto& def : w.layout().controls)
                    if (def.kind == ui::ControlKind::NumberEdit)
                        w.userType(def.id, "1");
                    else if (def.limit > 0)
                        w.userType(def.id, "x");
                ok(w);
            });
            EXPECT_TRUE(r.closed);
            EXPECT_EQ(r.t.read(r.file("SCENARIO.DAT")).size(), 375u);
            EXPECT_EQ(r.t.read(r.file("MISC.DAT")).size(), 348u);
            EXPECT_EQ(r.t.read(r.file("MAP.DAT")).size(), length < 18 ? 18u + 1280 * 10 : length);
        }
    }
}

}  // namespace
}  // namespace kestrel::shell
