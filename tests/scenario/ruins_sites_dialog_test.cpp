// Scenario Ruins and Scenario Sites: picking on the picture, the markers, the
// map location, what OK stores, and the paths that must write nothing.
#include "scenario/ruins_sites_dialog.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "core/le.hpp"
#include "scenario/map_scene.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/site_file.hpp"
#include "support/modal_play.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::scenario {
namespace {

using Ids = PlacedEditorIds;
using kestrel::testing::Play;
using Names = std::vector<std::string>;
const pictures::Rgb kRed{255, 0, 0}, kWhite{255, 255, 255};

// Corner, West and East; West and East lie 2 tiles either side of (12, 10),
// which is pixel (95, 83) of a 32 by 40 map.
std::vector<PlacedHead> threeHeads() {
    return {{"Corner", "", 0, 100, {0, 0}}, {"West", "", 1, 50, {10, 10}}, {"East", "Far", 1, 50, {14, 10}}};
}

struct DialogKind {
    const char* file;
    ScenarioEditorFactory make;
    const char* missing;
    const char* writeError;
    std::function<core::Bytes(const std::vector<PlacedHead>&)> write;
    std::function<std::vector<PlacedHead>(std::span<const std::uint8_t>)> read;
    std::size_t recordSize;
    Names types;
    const char* location;  // at (12, 10)
};

template <class Record>
std::vector<Record> withHeads(const std::vector<PlacedHead>& heads) {
    std::vector<Record> records(heads.size());
    for (std::size_t i = 0; i < heads.size(); ++i) records[i].head = heads[i];
    return records;
}
template <class Record>
std::vector<PlacedHead> headsOf(const std::vector<Record>& records) {
    std::vector<PlacedHead> heads;
    for (const auto& r : records) heads.push_back(r.head);
    return heads;
}

const std::string u = "Not Used";
const DialogKind kKinds[] = {
    {"RUIN.DAT", makeScenarioRuinsDialog, "Ruin file not found (RUIN.DAT)!", "Error writing ruin file RUIN.DAT",
     [](const auto& h) { return writeRuinFile(withHeads<ScenarioRuin>(h)); },
     [](auto f) { return headsOf(readRuinFile(f)); }, 192, Names{"TOMBS", u, "CAVES", u, u, u, u, u},
     "Area:-   City:-   Ruin:West   Site:-   "},
    {"SITE.DAT", makeScenarioSitesDialog, "Site file not found (SITE.DAT)!", "Error writing site file SITE.DAT",
     [](const auto& h) { return writeSiteFile(withHeads<ScenarioSite>(h)); },
     [](auto f) { return headsOf(readSiteFile(f)); }, 154, Names{u, "WELLS", u, u, u, u, u, u},
     "Area:-   City:-   Ruin:-   Site:West   "},
};

// A blue STRAT_L over a 32 by 40 map, sets and monsters in MISC.DAT.
struct PlacedRun {
    kestrel::testing::TempRoot t;
    ui::HeadlessHost host;
    bool closed = false;
    PlacedRun() {
        testing::writeBluePicture(t, "STRAT_L", 200, 250);
        t.write("SCENARIO/ISLE/MAP.DAT", newMapFile(mapSizes()[0]));
        MiscData misc = defaultMiscData();
        misc.ruinSets[0] = "TOMBS";
        misc.ruinSets[2] = "CAVES";
        misc.siteSets[1] = "WELLS";
        misc.monsters[2].name = "Goblin";
        t.write("SCENARIO/ISLE/MISC.DAT", writeMiscData(misc));
    }
    std::string path(const DialogKind& k) const { return std::string("SCENARIO/ISLE/") + k.file; }
    void run(const DialogKind& k, const Play& play) {
        const auto dialog = k.make(host, t.root(), "ISLE");
        closed = kestrel::testing::playModal(host, *dialog, play, std::nullopt);
    }
    Names messages() const { return kestrel::testing::shownMessages(host); }
};

void left(ui::Window& w, int x, int y) { w.userMouse({ui::MouseEvent::Kind::LeftDown, x, y}); }

TEST(RuinsAndSites, PickingTheNearestMarkerAndTheMapLocation) {
    for (const auto& k : kKinds) {
        SCOPED_TRACE(k.file);
        PlacedRun r;
        r.t.write(r.path(k), k.write(threeHeads()));
        const core::Bytes before = r.t.read(r.path(k));
        r.run(k, [&](ui::Window& w) {
            EXPECT_EQ(w.text(Ids::kName), "Corner");
            EXPECT_EQ(w.items(Ids::kType), k.types);
            EXPECT_EQ(w.client().pixel(20, 20), kRed);    // the current record's marker
            EXPECT_EQ(w.client().pixel(82, 82), kWhite);  // West's
            // The current record's own marker stores nothing, not even a refused field.
            w.userType(Ids::kChance, "abc");
            left(w, 22, 22);
            EXPECT_TRUE(r.host.messages().empty());
            w.userType(Ids::kChance, "40");
            left(w, 95, 83);  // as near to West as to East: the earlier
            EXPECT_EQ(w.text(Ids::kName), "West");
            EXPECT_EQ(w.client().pixel(82, 82), kRed);
            EXPECT_EQ(w.client().pixel(20, 20), kWhite);
            left(w, 19, 100);  // beside the picture
            EXPECT_EQ(w.text(Ids::kName), "West");
            left(w, 219, 83);  // (31, 10), far from all: still the nearest
            EXPECT_EQ(w.text(Ids::kName), "East");
            left(w, 20, 20);
            EXPECT_EQ(w.text(Ids::kChance), "40");
            w.userMouse({ui::MouseEvent::Kind::RightDown, 95, 83});
            EXPECT_EQ(w.text(Ids::kName), "Corner");
            w.userClick(ui::kIdCancel);
        });
        ASSERT_EQ(r.host.messages().size(), 1u);
        EXPECT_EQ(r.host.messages()[0], (ui::MessageBox{"Map Location (12,10)", k.location, ui::Icon::None}));
        EXPECT_EQ(r.t.read(r.path(k)), before);
    }
}

TEST(RuinsAndSites, FieldsAreStoredOnEachPickAndOnOk) {
    for (const auto& k : kKinds) {
        SCOPED_TRACE(k.file);
        PlacedRun r;
        r.t.write(r.path(k), k.write(threeHeads()));
        const core::Bytes before = r.t.read(r.path(k));
        r.run(k, [&](ui::Window& w) {
            w.userType(Ids::kName, "Renamed");
            w.userType(Ids::kDescription, "Two\r\nlines");
            w.userSelect(Ids::kType, 2);
            w.userType(Ids::kX, "20");
            w.userType(Ids::kY, "30");
            left(w, 82, 82);
            EXPECT_EQ(w.selection(Ids::kType), 1);
            w.userType(Ids::kChance, "101");
            w.userClick(ui::kIdOk);
            EXPECT_EQ(w.text(Ids::kName), "West");  // still open on the refused field
            w.userType(Ids::kChance, "0");
            EXPECT_EQ(w.client().pixel(145, 207), kWhite);  // Corner moved to (20, 30)
            w.userClick(ui::kIdOk);
        });
        EXPECT_TRUE(r.closed);
        EXPECT_EQ(r.messages(), Names{"kstred: Please enter an integer between 0 and 100."});
        const core::Bytes after = r.t.read(r.path(k));
        ASSERT_EQ(after.size(), before.size());
        std::vector<PlacedHead> want = threeHeads();
        want[0] = {"Renamed", "Two\r\nlines", 2, 100, {20, 30}};
        want[1].chance = 0;
        EXPECT_EQ(k.read(after), want);
        // A record never shown is written as it was read.
        const auto last = static_cast<std::ptrdiff_t>(2 + 2 * k.recordSize);
        EXPECT_TRUE(std::equal(after.begin() + last, after.end(), before.begin() + last));
    }
}

// No picture: no data, and OK keeps the file. No file: OK writes an empty one.
// A folder in its place: not found, and the failed write keeps the dialog open.
TEST(RuinsAndSites, FailuresWriteNothingTheyDidNotRead) {
    enum Setup { kNoPicture, kNoFile, kFolder };
    for (const auto& k : kKinds) {
        const std::string missing = std::string("Error: ") + k.missing;
        const std::tuple<Setup, Names, bool> cases[]{
            {kNoPicture, {"Error: Error loading picture"}, true},
            {kNoFile, {missing}, true},
            {kFolder, {missing, std::string("Error: ") + k.writeError}, false},
        };
        for (const auto& [setup, messages, closes] : cases) {
            SCOPED_TRACE(::testing::Message() << k.file << " " << setup);
            PlacedRun r;
            if (setup == kNoPicture) {
                r.t.write(r.path(k), k.write(threeHeads()));
                std::filesystem::remove(r.t.path() / "SCENARIO/ISLE/STRAT_L.PCX");
            }
            if (setup == kFolder) r.t.mkdir(r.path(k));
            const core::Bytes before = setup == kNoPicture ? r.t.read(r.path(k)) : core::Bytes{0, 0};
            r.run(k, [](ui::Window& w) {
                EXPECT_EQ(w.text(Ids::kName), "");
                left(w, 20, 20);
                w.userClick(ui::kIdOk);
            });
            EXPECT_EQ(r.closed, closes);
            EXPECT_EQ(r.messages(), messages);
            if (setup == kFolder)
                EXPECT_TRUE(std::filesystem::is_directory(r.t.path() / r.path(k)));
            else
                EXPECT_EQ(r.t.read(r.path(k)), before);
        }
    }
}

TEST(ScenarioRuinsAndSites, GuardFlagsAbilityAndRazedAsTheDialogsShowThem) {
    PlacedRun r;
    std::vector<ScenarioRuin> ruins = withHeads<ScenarioRuin>(threeHeads());
    ruins[0].guard = -2;
    ruins[0].ability = {28, 5, 6, "ODD"};  // a code the list does not offer
    ruins[0].untouched = 0x5A;
    ruins[0].flags[kSpecialRuin] = 1;
    ruins[1].specialFile = "NINECHARS";  // longer than the dialog takes
    ruins[2].ability.code = 28;
    r.t.write("SCENARIO/ISLE/RUIN.DAT", writeRuinFile(ruins));
    using R = RuinEditorIds;
    r.run(kKinds[0], [](ui::Window& w) {
        EXPECT_EQ(w.selection(R::kMonster), 0);      // "Empty"
        EXPECT_EQ(w.selection(R::kAbilityList), 0);  // "Nothing"
        EXPECT_TRUE(w.checked(R::kFirstFlag + kSpecialRuin));
        w.userSelect(R::kMonster, 1);  // "Any Monster"
        w.userCheck(R::kFirstFlag + kRewardMana, true);
        w.userCheck(R::kFirstFlag + kSpecialRuin, false);
        left(w, 82, 82);
        w.userSelect(R::kMonster, 4);       // the third monster
        w.userSelect(R::kAbilityList, 12);  // "Flying"
        w.userType(R::kAbilityFirst, "1000");
        w.userClick(ui::kIdOk);
        w.userType(R::kAbilityFirst, "999");
        EXPECT_EQ(w.text(R::kSpecialFile), "NINECHARS");
        w.userClick(ui::kIdOk);
        w.userType(R::kSpecialFile, "SPECIAL");
        w.userClick(ui::kIdOk);
    });
    EXPECT_EQ(r.messages(), (Names{"kstred: Please enter an integer between 0 and 999.",
                                   "kstred: Please enter no more than 8 characters."}));
    const core::Bytes f = r.t.read("SCENARIO/ISLE/RUIN.DAT");
    ASSERT_EQ(f.size(), 2u + 3 * 192);
    const auto at = [&](int record, std::size_t offset) { return 2 + record * 192 + offset; };
    EXPECT_EQ(f[at(0, 154)], 1);  // Mana
    EXPECT_EQ(f[at(0, 164)], 0);  // Special
    EXPECT_EQ(f[at(0, 165)], 0x5A);
    EXPECT_EQ(std::string(f.begin() + at(1, 182), f.begin() + at(1, 189)), "SPECIAL");
    // Guards and abilities: the one shown as "Nothing" stored as 0, record 2's never shown.
    const std::tuple<int, std::size_t, int> words[] = {
        {0, 152, -1}, {0, 166, 0}, {0, 168, 5}, {1, 152, 2}, {1, 166, 13}, {1, 168, 999}, {2, 166, 28},
    };
    for (const auto& [record, offset, value] : words) EXPECT_EQ(core::getS16(f, at(record, offset)), value) << offset;

    // A site's razed flag is one byte, and the byte after it is kept.
    std::vector<ScenarioSite> sites = withHeads<ScenarioSite>(threeHeads());
    sites[0].untouched = 0x77;
    r.t.write("SCENARIO/ISLE/SITE.DAT", writeSiteFile(sites));
    r.run(kKinds[1], [](ui::Window& w) {
        w.userCheck(SiteEditorIds::kRazed, true);
        w.userClick(ui::kIdOk);
    });
    const core::Bytes site = r.t.read("SCENARIO/ISLE/SITE.DAT");
    EXPECT_EQ(site[2 + 152], 1);
    EXPECT_EQ(site[2 + 153], 0x77);
}

}  // namespace
}  // namespace kestrel::scenario
