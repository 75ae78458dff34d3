#include "scenario/scenario_lists.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/le.hpp"
#include "datasets/terrain_type.hpp"
#include "scenario/misc_data.hpp"
#include "support/as_other_user.hpp"
#include "support/temp_root.hpp"
#include "ui/dialog.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::scenario {
namespace {

using testing::TempRoot;
using Names = std::vector<std::string>;

// A record of `size` bytes that begins with a 16-bit count; names go in with putName.
core::Bytes counted(int count, std::size_t records, std::size_t recordSize) {
    core::Bytes b(2 + records * recordSize, 0);
    core::putS16(b, 0, static_cast<std::int16_t>(count));
    return b;
}

void putName(core::Bytes& b, std::size_t at, std::string_view name) {
    std::copy(name.begin(), name.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

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

TEST(ScenarioItemNames, CompulsoryOptionalUnplacedInSlotOrder) {
    TempRoot t;
    t.mkdir("SCENARIO/ISLANDS");
    EXPECT_EQ(fillScenarioItemNames(t.root(), "ISLANDS"), 0);

    core::Bytes pool(362, 0);
    core::putS16(pool, 0, 50);
    putName(pool, 2 + 9 * 15, "ZCOMP16");    // compulsory 16
    putName(pool, 2, "CROWN");               // compulsory 1
    putName(pool, 146, "BLADE");             // optional 1
    putName(pool, 290 + 9 * 7, "ABCDEFGH");  // unplaced 8, filling its field
    putName(pool, 290, "DAWNRING");          // unplaced 1
    t.write("SCENARIO/ISLANDS/ITEM.DAT", pool);
    const Names all{"CROWN", "ZCOMP16", "BLADE", "DAWNRING", "ABCDEFGH"};
    EXPECT_EQ(scenarioItemNames(t.root(), "ISLANDS"), all);
    EXPECT_EQ(fillScenarioItemNames(t.root(), "ISLANDS"), 5);

    // Cut inside the unplaced names; a longer file's tail is not read.
    t.write("SCENARIO/ISLANDS/ITEM.DAT", core::Bytes(pool.begin(), pool.begin() + 293));
    EXPECT_EQ(scenarioItemNames(t.root(), "ISLANDS"), (Names{"CROWN", "ZCOMP16", "BLADE", "DAW"}));
    core::Bytes longer = pool;
    longer.resize(400, 'Q');
    t.write("SCENARIO/ISLANDS/ITEM.DAT", longer);
    EXPECT_EQ(scenarioItemNames(t.root(), "ISLANDS"), all);
}

TEST(ScenarioCountedNames, HeroesAndRuinsInFileOrder) {
    struct Kind {
        const char* file;
        std::size_t recordSize, nameAt;
        int limit;
        Names (*names)(const core::DataRoot&, std::string_view);
        int (*fillNames)(const core::DataRoot&, std::string_view, ui::Dialog*, ComboIds);
    };
    const Kind kinds[] = {{"HERO.INI", 202, 8, 50, scenarioHeroNames, fillScenarioHeroNames},
                          {"RUIN.DAT", 192, 0, 100, scenarioRuinNames, fillScenarioRuinNames}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.file);
        TempRoot t;
        t.mkdir("SCENARIO/ISLANDS");
        const std::string path = std::string("SCENARIO/ISLANDS/") + k.file;
        const auto list = [&] { return k.names(t.root(), "ISLANDS"); };
        EXPECT_EQ(k.fillNames(t.root(), "ISLANDS", nullptr, {}), 0);

        core::Bytes three = counted(3, 3, k.recordSize);
        putName(three, 2 + k.nameAt, "Zora");
        putName(three, 2 + 2 * k.recordSize + k.nameAt, "Fifteen Letters");  // the second has no name
        t.write(path, three);
        EXPECT_EQ(list(), (Names{"Zora", "Fifteen Letters"}));
        EXPECT_EQ(k.fillNames(t.root(), "ISLANDS", nullptr, {}), 2);

        // The count rules which records are read, not the file's length.
        core::Bytes fewer = three;
        core::putS16(fewer, 0, 1);
        t.write(path, fewer);
        EXPECT_EQ(list(), Names{"Zora"});
        for (const int bad : {0, -1, -32768}) {
            core::putS16(fewer, 0, static_cast<std::int16_t>(bad));
            t.write(path, fewer);
            EXPECT_TRUE(list().empty()) << bad;
        }
        // A count beyond the records there: what the file holds, a cut record's name included.
        core::Bytes cut = three;
        core::putS16(cut, 0, 32767);
        cut.resize(2 + 2 * k.recordSize + k.nameAt + 4);
        t.write(path, cut);
        EXPECT_EQ(list(), (Names{"Zora", "Fift"}));
        t.write(path, core::Bytes{5});
        EXPECT_TRUE(list().empty());

        // No more than the placement editors hold.
        core::Bytes many = counted(k.limit + 5, k.limit + 5, k.recordSize);
        for (int i = 0; i < k.limit + 5; ++i) putName(many, 2 + i * k.recordSize + k.nameAt, "N" + std::to_string(i));
        t.write(path, many);
        const Names names = list();
        ASSERT_EQ(names.size(), static_cast<std::size_t>(k.limit));
        EXPECT_EQ(names.back(), "N" + std::to_string(k.limit - 1));
    }
}

}  // namespace
}  // namespace kestrel::scenario
