#include "scenario/scenario_lists.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "datasets/terrain_type.hpp"
#include "scenario/misc_data.hpp"
#include "support/as_other_user.hpp"
#include "support/laid_out.hpp"
#include "support/temp_root.hpp"
#include "ui/dialog.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::scenario {
namespace {

using testing::laidOut;
using testing::TempRoot;
using Names = std::vector<std::string>;

// Any dialog with unsorted combo boxes will do: the terrain editor's two class lists.
struct ComboDialog : ui::Dialog {
    explicit ComboDialog(ui::Host& host) : ui::Dialog(host, 139) {}
};

TEST(TerrainTypeNames, FilteredByTheClassInTheRecord) {
    TempRoot t;
    using C = datasets::TerrainClass;
    const std::pair<const char*, int> types[] = {{"PLAINS", C::kBasic}, {"lake", C::kWater},   {"RUBBLE", C::kFeature},
                                                 {"ROAD", C::kRoad},    {"WOODS", C::kForest}, {"RIVER", C::kRiver},
                                                 {"BLANK", C::kNone},   {"TRACK", C::kRoad}};
    for (const auto& [name, cls] : types) {
        datasets::TerrainType type = datasets::newTerrainType(name);
        type.terrainClass = cls;
        t.write(std::string("TERRAIN/DATA/") + name + ".TER", datasets::writeTerrainType(type));
    }
    // A record cut before its class reads as class 0; one nobody may read is left out.
    t.write("TERRAIN/DATA/STUB.TER", core::Bytes(40, 0));
    datasets::TerrainType locked = datasets::newTerrainType("LOCKED");
    locked.terrainClass = C::kRoad;
    t.write("TERRAIN/DATA/LOCKED.TER", datasets::writeTerrainType(locked));
    std::filesystem::permissions(t.path() / "TERRAIN/DATA/LOCKED.TER", std::filesystem::perms::none);
    testing::handOver(t.path());

    const std::pair<TerrainFilter, Names> cases[] = {
        {TerrainFilter::All,
         {"BLANK", "lake", "LOCKED", "PLAINS", "RIVER", "ROAD", "RUBBLE", "STUB", "TRACK", "WOODS"}},
        {TerrainFilter::ExceptRoadsRiversForests, {"BLANK", "lake", "PLAINS", "RUBBLE", "STUB"}},
        {TerrainFilter::Roads, {"ROAD", "TRACK"}},
        {TerrainFilter::Rivers, {"RIVER"}},
        {TerrainFilter::Forests, {"WOODS"}},
    };
    for (const auto& [filter, expected] : cases) {
        EXPECT_TRUE(testing::asOtherUser([&, filter = filter, expected = expected] {
            return terrainTypeNames(t.root(), filter) == expected &&
                   fillTerrainTypeNames(t.root(), filter) == static_cast<int>(expected.size());
        })) << static_cast<int>(filter);
    }
    TempRoot empty;
    EXPECT_EQ(fillTerrainTypeNames(empty.root(), TerrainFilter::Roads), 0);
}

TEST(MiscSlotLists, SlotOrderWithPlaceholders) {
    TempRoot t;
    t.mkdir("SCENARIO/ISLANDS");
    EXPECT_EQ(ruinSetSlotNames(t.root(), "ISLANDS"), Names(8, "Not Used"));
    EXPECT_EQ(siteSetSlotNames(t.root(), "ISLANDS"), Names(8, "Not Used"));
    EXPECT_EQ(monsterSlotNames(t.root(), "ISLANDS"), Names(8, "Unknown"));
    EXPECT_EQ(fillSiteSetSlots(t.root(), "ISLANDS"), 8);

    MiscData d = defaultMiscData();
    d.ruinSets[2] = "TOMBS";
    d.siteSets[7] = "TEMPLES";
    d.monsters[1].name = "";
    d.monsters[6].name = "Wyvern";
    ASSERT_TRUE(saveMiscData(t.root(), "ISLANDS", d));
    const std::string u = "Not Used";
    EXPECT_EQ(siteSetSlotNames(t.root(), "ISLANDS"), (Names{u, u, u, u, u, u, u, "TEMPLES"}));
    // Into unsorted combo boxes in slot order, whatever the names.
    ui::HeadlessHost host;
    ComboDialog dialog(host);
    ui::Window window(dialog);
    dialog.attach(&window);
    EXPECT_EQ(fillRuinSetSlots(t.root(), "ISLANDS", &dialog, {1041}), 8);
    EXPECT_EQ(dialog.items(1041), (Names{u, u, "TOMBS", u, u, u, u, u}));
    EXPECT_EQ(fillMonsterSlots(t.root(), "ISLANDS", GuardChoices::With, &dialog, {1041, 1049}), 8);
    const Names monsters{"Empty",  "Any Monster", "Goblin", "Unknown", "Goblin",
                         "Goblin", "Goblin",      "Goblin", "Wyvern",  "Goblin"};
    EXPECT_EQ(dialog.items(1041), monsters);
    EXPECT_EQ(dialog.items(1049), monsters);
    dialog.attach(nullptr);
}

// Compulsory 1 and 16, optional 1, unplaced 1 and 8 (filling its field).
TEST(ScenarioItemNames, CompulsoryOptionalUnplacedInSlotOrder) {
    TempRoot t;
    t.mkdir("SCENARIO/ISLANDS");
    EXPECT_EQ(fillScenarioItemNames(t.root(), "ISLANDS"), 0);
    t.write(
        "SCENARIO/ISLANDS/ITEM.DAT",
        laidOut(362, {{2 + 9 * 15, "ZCOMP16"}, {2, "CROWN"}, {146, "BLADE"}, {353, "ABCDEFGH"}, {290, "DAWNRING"}}));
    EXPECT_EQ(scenarioItemNames(t.root(), "ISLANDS"), (Names{"CROWN", "ZCOMP16", "BLADE", "DAWNRING", "ABCDEFGH"}));
    EXPECT_EQ(fillScenarioItemNames(t.root(), "ISLANDS"), 5);
}

// Names in file order, the nameless left out; which records are read is the
// files' readers' concern (see CountedFiles).
TEST(ScenarioCountedNames, HeroesAndRuinsInFileOrder) {
    struct Kind {
        const char* file;
        std::size_t recordSize, nameAt;
        Names (*names)(const core::DataRoot&, std::string_view);
        int (*fillNames)(const core::DataRoot&, std::string_view, ui::Dialog*, ComboIds);
    };
    const Kind kinds[] = {{"HERO.INI", 202, 8, scenarioHeroNames, fillScenarioHeroNames},
                          {"RUIN.DAT", 192, 0, scenarioRuinNames, fillScenarioRuinNames}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.file);
        TempRoot t;
        t.mkdir("SCENARIO/ISLANDS");
        EXPECT_EQ(k.fillNames(t.root(), "ISLANDS", nullptr, {}), 0);
        t.write(std::string("SCENARIO/ISLANDS/") + k.file,
                laidOut(2 + 3 * k.recordSize,
                        {{2 + k.nameAt, "Zora"}, {2 + 2 * k.recordSize + k.nameAt, "Fifteen Letters"}}, {{0, 3}}));
        EXPECT_EQ(k.names(t.root(), "ISLANDS"), (Names{"Zora", "Fifteen Letters"}));
        EXPECT_EQ(k.fillNames(t.root(), "ISLANDS", nullptr, {}), 2);
    }
}

}  // namespace
}  // namespace kestrel::scenario
