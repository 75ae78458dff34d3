// ITEM.INI, ARMY.INI and HERO.INI with their three list editors: the bytes at
// their offsets, the markers of the position picker pixel by pixel, and the
// rules of the dialogs that a script would not reach. The counts are with
// every counted file's; the everyday flows are played by the placement scripts.
#include <gtest/gtest.h>

#include <filesystem>

#include "scenario/placement_dialogs.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/placement_markers.hpp"
#include "scenario/sides.hpp"
#include "support/laid_out.hpp"
#include "support/modal_play.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::scenario {
namespace {

using Lines = std::vector<std::string>;
using testing::laidOut;
using testing::Play;

TEST(PlacementFiles, EveryFieldAtItsOffset) {
    const core::Bytes item =
        laidOut(34, {{0, "DAWNRING"}, {10, "\x01"}, {18, "Fifteen Letters"}}, {{12, 55}, {14, -3}, {16, 159}});
    const ItemPlacement itemRead{"DAWNRING", 0, 1, 0, 55, {-3, 159}, "Fifteen Letters"};  // with a hero
    EXPECT_EQ(readItemPlacement(item), itemRead);
    EXPECT_EQ(writeItemPlacement(itemRead), item);

    const core::Bytes army = laidOut(20, {{10, "WOLVES"}}, {{0, 90}, {2, 127}, {4, 160}, {6, 6}, {8, 8}});
    const ArmyPlacement armyRead{90, {127, 160}, 6, 8, "WOLVES"};
    EXPECT_EQ(readArmyPlacement(army), armyRead);
    EXPECT_EQ(writeArmyPlacement(armyRead), army);
    // A cut record reads as if padded with zeros.
    EXPECT_EQ(readArmyPlacements(core::Bytes{1, 0, 0, 0, 0, 0, 0, 0, 5}),
              (std::vector<ArmyPlacement>{{0, {0, 0}, 5, 0, ""}}));

    // Flying and the all-terrain bonus at 32 and 33; slot 1 a spell, slot 10 a
    // code no list offers, its name filling all 10 bytes.
    core::Bytes hero = laidOut(202, {{8, "Sir Aldric"}, {32, "\x01\x01"}, {40, "FIREBALL"}, {184, "TENLETTERS"}},
                               {{0, 100}, {2, 1}, {4, 2}, {6, 7}, {24, 1}, {26, 3}, {28, 10}, {30, 1024}});
    testing::putWords(hero, {{194, 9}, {196, 99}, {198, 4}, {200, 9}, {34, 20}, {36, 999}, {178, 7}, {182, -5}});
    HeroPlacement heroRead{100, {1, 2}, 7, "Sir Aldric", 1, 3, 10, 1024, 1, 1, {}, 9, 99, 4, 9};
    heroRead.abilities[0] = {20, 999, 0, "FIREBALL"};
    heroRead.abilities[9] = {7, 0, -5, "TENLETTERS"};
    EXPECT_EQ(readHeroPlacement(hero), heroRead);
    EXPECT_EQ(writeHeroPlacement(heroRead), hero);
}

// Markers on a grey surface, for the tile whose corner is (48, 96).
constexpr int kLeft = 48, kTop = 96;
const pictures::Rgb kFace{192, 192, 192}, kBlack{0, 0, 0}, kRed{255, 0, 0}, kWhite{255, 255, 255};

pictures::Surface painted(const PlacementMarkers& markers, MapPosition at) {
    pictures::Surface s(200, 200, kFace);
    markers.paint(at, s, kLeft, kTop);
    return s;
}

TEST(PlacementMarkers, ArmyBarsFourToARowAndHeroSquares) {
    const std::vector<ArmyPlacement> armies{{0, {3, 4}, 6, 3, "WOLVES"}, {0, {3, 4}, 1, 0, "PIKEMEN"}};
    const std::vector<HeroPlacement> heroes{HeroPlacement{.at = {3, 4}, .side = 1}};
    const pictures::Surface s = painted({heroes, armies, true}, {3, 4});
    for (int n = 0; n < 8; ++n) {
        const int x = kLeft + 9 * (n % 4) + 5, y = kTop + 18 * (n / 4) + 5;
        const bool bar = n < 6;
        EXPECT_EQ(s.pixel(x, y), bar ? kBlack : kFace) << n;           // the frame's corner
        EXPECT_EQ(s.pixel(x + 7, y + 15), bar ? kBlack : kFace) << n;  // its last pixel
        EXPECT_EQ(s.pixel(x + 1, y + 1), bar ? kRed : kFace) << n;     // the fill
        EXPECT_EQ(s.pixel(x + 6, y + 14), bar ? kRed : kFace) << n;
        EXPECT_EQ(s.pixel(x + 8, y + 8), kFace) << n;   // right edge excluded
        EXPECT_EQ(s.pixel(x + 3, y + 16), kFace) << n;  // bottom edge excluded
    }
    // The hero placement dialog shows the hero first: a yellow square in a black frame.
    const pictures::Surface h = painted({heroes, armies, false}, {3, 4});
    const std::pair<int, pictures::Rgb> across[] = {{4, kFace},          {5, kBlack},  {6, {255, 255, 0}},
                                                    {41, {255, 255, 0}}, {42, kBlack}, {43, kFace}};
    for (const auto& [d, colour] : across) {
        EXPECT_EQ(h.pixel(kLeft + d, kTop + 20), colour) << d;
        EXPECT_EQ(h.pixel(kLeft + 20, kTop + d), colour) << d;
    }
    PlacementMarkers none{heroes, armies, true};
    EXPECT_TRUE(none.marks({3, 4}));
    EXPECT_FALSE(none.marks({4, 3}));
    EXPECT_EQ(painted(none, {4, 3}).pixels(), pictures::Surface(200, 200, kFace).pixels());
}

TEST(PlacementMarkers, SideColoursFramesAndNeutralsInBothDialogs) {
    const pictures::Rgb colours[] = {kWhite,      {255, 255, 0}, {255, 180, 0}, kRed,           {0, 255, 0},
                                     {0, 0, 200}, {0, 230, 230}, kBlack,        {128, 128, 128}};
    for (int side = -1; side <= 9; ++side) {
        const std::vector<HeroPlacement> heroes{HeroPlacement{.at = {0, 0}, .side = static_cast<std::int16_t>(side)}};
        const std::vector<ArmyPlacement> armies{{0, {1, 0}, 1, static_cast<std::int16_t>(side), "X"}};
        const bool known = side >= 0 && side <= 8;
        const pictures::Rgb fill = known ? colours[side] : kFace;
        const pictures::Rgb frame = !known ? kFace : side == 7 ? kRed : kBlack;
        for (const bool armiesFirst : {false, true}) {
            const PlacementMarkers markers{heroes, armies, armiesFirst};
            const pictures::Surface hero = painted(markers, {0, 0}), army = painted(markers, {1, 0});
            EXPECT_EQ(hero.pixel(kLeft + 20, kTop + 20), fill) << side;
            EXPECT_EQ(hero.pixel(kLeft + 5, kTop + 5), frame) << side;
            EXPECT_EQ(army.pixel(kLeft + 6, kTop + 6), fill) << side << armiesFirst;
            EXPECT_EQ(army.pixel(kLeft + 12, kTop + 20), frame) << side << armiesFirst;
        }
    }
}

// A scenario with three sides in play and the files given.
struct PlacementRun {
    testing::TempRoot t;
    ui::HeadlessHost host;
    PlacementRun() {
        Sides sides = defaultSides();
        sides[0].used = sides[1].used = true;
        sides[0].name = "Norland";
        sides[0].regulars[0] = "PIKEMEN";
        sides[0].heroes = {"KNIGHT", "RANGER", "", ""};
        sides[1].name = "The Eastmark Of The Sea";
        sides[8].regulars[0] = "WOLVES";
        t.write("SCENARIO/ISLE/SIDES.DAT", writeSides(sides));
    }
    using Make = scenario::ScenarioEditorFactory;
    bool run(Make make, const Play& play, int button = ui::kIdOk) {
        const auto dialog = make(host, t.root(), "ISLE");
        return testing::playModal(host, *dialog, play, button);
    }
    Lines messages() const { return testing::shownMessages(host); }
};

TEST(ItemPlacementDialog, FlagsDecideLineShowingAndStoring) {
    using Ids = ItemPlacementIds;
    PlacementRun r;
    r.t.write("SCENARIO/ISLE/HERO.INI", writeHeroPlacements(std::vector<HeroPlacement>{{.name = "Wren"}}));
    const ItemPlacement unused{"BLADE", 0, 0, 0, 10, {4, 5}, "stale"};
    const ItemPlacement both{"GONE", 1, 1, 0, 20, {6, 7}, "Wren"};
    const ItemPlacement ruin{"CROWN", 0, 0, 1, 30, {0, 0}, "Lost Ruin"};
    r.t.write("SCENARIO/ISLE/ITEM.INI", writeItemPlacements(std::vector{unused, both, ruin}));
    EXPECT_TRUE(r.run(makeItemPlacementDialog, [](ui::Window& w) {
        EXPECT_EQ(w.items(Ids::kList),
                  (Lines{"Unused record", "GONE: Ground at (6,7) (20%)", "CROWN: Ruin <Lost Ruin> (30%)"}));
        EXPECT_TRUE(w.checked(Ids::kGround));
        w.userSelect(Ids::kList, 1);
        EXPECT_EQ(w.items(Ids::kList)[0], "BLADE: Ground at (4,5) (10%)");
        EXPECT_TRUE(w.checked(Ids::kHero));
        EXPECT_EQ(w.items(Ids::kItem), Lines{"GONE"});  // no ITEM.DAT: only the stored name
        EXPECT_EQ(w.selection(Ids::kHeroName), 0);
        w.userSelect(Ids::kList, 2);
        EXPECT_EQ(w.items(Ids::kRuinName), Lines{"Lost Ruin"});
        EXPECT_EQ(w.selection(Ids::kHeroName), -1);
    }));
    EXPECT_EQ(
        readItemPlacements(r.t.read("SCENARIO/ISLE/ITEM.INI")),
        (std::vector<ItemPlacement>{{"BLADE", 1, 0, 0, 10, {4, 5}, ""}, {"GONE", 0, 1, 0, 20, {6, 7}, "Wren"}, ruin}));
}

TEST(HeroPlacementDialog, FullListAbilitiesAndKeptSlots) {
    using Ids = HeroPlacementIds;
    PlacementRun r;
    HeroPlacement spell;
    spell.abilities[0] = {20, 3, 0, "FIRE"};
    spell.abilities[1] = {7, 9, 9, "X"};
    spell.abilities[7] = {99, -1, 2, "KEPT"};
    spell.level = 12;  // beyond the list: kept
    std::vector<HeroPlacement> heroes(50);
    heroes[0] = spell;
    r.t.write("SCENARIO/ISLE/HERO.INI", writeHeroPlacements(heroes));
    EXPECT_TRUE(r.run(makeHeroPlacementDialog, [](ui::Window& w) {
        for (const int id : {Ids::kNew, Ids::kInsert, Ids::kAppend}) w.userClick(id);
        EXPECT_EQ(w.items(Ids::kList).size(), 50u);
        EXPECT_EQ(w.items(Ids::kList)[0], "Norland: Unnamed at (0,0): 0%");
        EXPECT_EQ(w.text(Ids::ability(0, 0)), "Spell <code>");
        EXPECT_EQ(w.text(Ids::ability(1, 0)), "Nothing");
        EXPECT_EQ(w.items(Ids::kClass), (Lines{"KNIGHT", "RANGER", "", ""}));
        EXPECT_EQ(w.selection(Ids::kLevel), -1);
    }));
    spell.abilities[1].code = 0;
    heroes[0] = spell;
    EXPECT_EQ(r.t.read("SCENARIO/ISLE/HERO.INI"), writeHeroPlacements(heroes));
}

TEST(ArmyPlacementDialog, AppendToEmptyDeleteTheLastAndFailedWrite) {
    using Ids = ArmyPlacementIds;
    PlacementRun r;
    EXPECT_TRUE(r.run(makeArmyPlacementDialog, [](ui::Window& w) {
        w.userClick(Ids::kAppend);
        EXPECT_EQ(w.items(Ids::kArmy), (Lines{"WOLVES", "?????"}));
        EXPECT_EQ(w.items(Ids::kSide).size(), 9u);
    }));
    // One army of the neutrals, of the name no army has.
    EXPECT_EQ(r.t.read("SCENARIO/ISLE/ARMY.INI"), laidOut(22, {{12, "?????"}}, {{0, 1}, {8, 1}, {10, 8}}));

    const std::vector<ArmyPlacement> three{{1, {1, 1}, 1, 0, "A"}, {2, {2, 2}, 2, 1, "B"}, {3, {3, 3}, 3, 9, "C"}};
    r.t.write("SCENARIO/ISLE/ARMY.INI", writeArmyPlacements(three));
    EXPECT_TRUE(r.run(makeArmyPlacementDialog, [](ui::Window& w) {
        EXPECT_EQ(w.items(Ids::kList)[1], "The Eastmark Of: 2 B at (2,2): 2%");
        EXPECT_EQ(w.items(Ids::kList)[2], "?????: 3 C at (3,3): 3%");
        w.userSelect(Ids::kList, 2);
        w.userClick(Ids::kDelete);
        EXPECT_EQ(w.selection(Ids::kList), 1);  // the new last
        w.userSelect(Ids::kList, 0);
    }));
    EXPECT_EQ(readArmyPlacements(r.t.read("SCENARIO/ISLE/ARMY.INI")), std::vector(three.begin(), three.begin() + 2));

    // A folder in the file's place: the message, the dialog stays open; Cancel writes nothing.
    std::filesystem::remove(r.t.path() / "SCENARIO/ISLE/ARMY.INI");
    r.t.mkdir("SCENARIO/ISLE/ARMY.INI");
    EXPECT_FALSE(r.run(makeArmyPlacementDialog, [](ui::Window& w) { w.userClick(Ids::kNew); }));
    EXPECT_EQ(r.messages(), Lines{"Error: Can't open ARMY.INI file"});
    EXPECT_TRUE(std::filesystem::is_directory(r.t.path() / "SCENARIO/ISLE/ARMY.INI"));
}

}  // namespace
}  // namespace kestrel::scenario
