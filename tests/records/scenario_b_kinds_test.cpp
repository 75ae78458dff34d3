// The golden texts of the map, the capitals and owners, the placed ruins and
// sites, the three placement files and the diplomacy.
#include <sstream>

#include "records_testing.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/map_file.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/site_file.hpp"

namespace kestrel::records {
namespace {

using namespace scenario;

// Three tiles across, two down, four stored per row: every stored tile shows.
core::Bytes smallMap() {
    core::Bytes file = newMapFile({3, 2, 4, 2, 8});
    MapCell road;
    road.setTerrainSlot(12);
    road.setVariant(7);
    road.setArea(200);
    road.setOverlayKind(1);
    road.setRoadPicture(1);
    road.setRoadColumn(2);
    road.setRoadRow(3);
    putMapCell(file, mapCellOffset(readMapHeader(file), 1, 0), road);
    MapCell odd;
    odd.setTerrainSlot(3);
    odd.setOverlayKind(5);                                            // no name
    odd.bytes[1] |= 0x80;                                             // bit 15 of word 0: no field
    odd.bytes[5] = 0x5A;                                              // bytes 4 to 7: no field
    putMapCell(file, mapCellOffset(readMapHeader(file), 3, 1), odd);  // past the width
    return file;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(ShownScenarioFiles, MapShowsEveryStoredTileByPosition) { testing::expectShownAs("map", smallMap(), "map"); }

TEST(ShownScenarioFiles, OneChangedTileChangesOneLine) {
    const core::Bytes before = smallMap();
    core::Bytes after = before;
    const std::size_t at = mapCellOffset(readMapHeader(after), 2, 1);
    MapCell cell = readMapCell(after, at);
    cell.setArea(17);
    putMapCell(after, at, cell);

    const auto was = linesOf(showFile(testing::kind("map"), before));
    const auto is = linesOf(showFile(testing::kind("map"), after));
    ASSERT_EQ(was.size(), is.size());
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < is.size(); ++i)
        if (was[i] != is[i]) changed.push_back(is[i]);
    EXPECT_EQ(changed, std::vector<std::string>{"tile[2,1] = terrainSlot 0, variant 0, area 17, overlayKind 0 "
                                                "\"symbols\", roadPicture 0, roadColumn 0, roadRow 0"});
}

TEST(ShownScenarioFiles, CapitalsAndOwnersAsTwoCountedBlocks) {
    CityIniRecord capital;
    capital.chance = 50;
    capital.side = 8;
    capital.city = "Ravenholm";
    capital.production = {"PIKEMEN", "ARCHERS", "", ""};
    CityIniRecord owner = capital;
    owner.side = 3;
    owner.city = "Eastmark";
    core::Bytes file = writeCityIni({{capital, capital}, {owner}});
    file[2 + 4 + 12] = 0x5A;  // behind "Ravenholm"
    file.resize(file.size() - 10);
    testing::expectShownAs("capitals-owners", file, "capitals_owners");
}

TEST(ShownScenarioFiles, RuinsWithTheirGuardFlagsAndAbility) {
    ScenarioRuin ruin;
    ruin.head = {"Black Tower", "Where the \"old\" kings sleep", 2, 75, {40, 12}};
    ruin.guard = -1;
    ruin.flags[kRewardGold] = 1;
    ruin.flags[kAGrade] = 1;
    ruin.untouched = 0x33;
    ruin.ability = {22, 2, 0, "DRAGON"};
    ruin.specialFile = "TOWER";
    ScenarioRuin guarded = ruin;
    guarded.guard = 3;
    guarded.ability = {11, 0, 0, ""};  // a code the dialog does not offer
    testing::expectShownAs("ruins", writeRuinFile(std::vector<ScenarioRuin>{ruin, guarded}), "ruins");
}

TEST(ShownScenarioFiles, SitesWithTheirRazedFlag) {
    ScenarioSite site{{"Old Mill", "By the river", 1, 100, {3, 4}}, 1, 0x44};
    testing::expectShownAs("sites", writeSiteFile(std::vector<ScenarioSite>{site}), "sites");
}

TEST(ShownScenarioFiles, ItemPlacementsOnTheGroundAndWithAHero) {
    ItemPlacement ground;
    ground.item = "SWORD";
    ground.chance = 60;
    ground.at = {10, 20};
    ItemPlacement held{"RING", 0, 1, 0, 100, {}, "Arwen"};
    core::Bytes file = writeItemPlacements(std::vector<ItemPlacement>{ground, held});
    file[2 + 7] = 0x5A;  // behind "SWORD"
    testing::expectShownAs("item-placements", file, "item_placements");
}

TEST(ShownScenarioFiles, ArmyPlacementsOfASideAndTheNeutrals) {
    const ArmyPlacement neutral{40, {5, 6}, 3, 8, "WOLVES"};
    const ArmyPlacement side{100, {7, 8}, 6, 3, "KNIGHTS"};
    testing::expectShownAs("army-placements", writeArmyPlacements(std::vector<ArmyPlacement>{neutral, side}),
                           "army_placements");
}

TEST(ShownScenarioFiles, HeroPlacementWithItsTenAbilitySlots) {
    HeroPlacement hero;
    hero.chance = 80;
    hero.at = {12, 34};
    hero.side = 2;
    hero.name = "Ulfric";
    hero.heroClass = 1;
    hero.level = 4;
    hero.experience = 512;
    hero.flying = 1;
    hero.abilities[1] = {20, 5, 0, "FIREBALL"};
    hero.abilities[7] = {7, 1, 2, "KEPT"};  // a slot the dialog does not show, a code it does not offer
    core::Bytes file = writeHeroPlacements(std::vector<HeroPlacement>{hero});
    file[2 + 34 + 16 + 6 + 9] = 0x5A;  // the last byte of the second slot's text, behind its NUL
    testing::expectShownAs("hero-placements", file, "hero_placements");
}

TEST(ShownScenarioFiles, DiplomacyNamesTheKindAndNotTheValue) {
    const std::vector<Relation> relations{
        {40, 0, 1, kStandingKind, 0}, {25, 2, 3, kIndexValueKind, -40}, {0, 4, 4, 5, 7}};
    testing::expectShownAs("diplomacy", writeDiplomacy(relations), "diplomacy");
}

TEST(ScenarioFileKinds, NamesGiveTheirKinds) {
    const std::vector<std::pair<std::string, std::string>> names{
        {"MAP.DAT", "map"},
        {"city.ini", "capitals-owners"},
        {"RUIN.DAT", "ruins"},
        {"Site.Dat", "sites"},
        {"ITEM.INI", "item-placements"},
        {"ARMY.INI", "army-placements"},
        {"scenario/isle/HERO.INI", "hero-placements"},
        {"Xy12Ab_DIPLOM.INI", "diplomacy"},
    };
    for (const auto& [name, kindName] : names) {
        const FileKind* kind = kindOfFile(name);
        ASSERT_NE(kind, nullptr) << name;
        EXPECT_EQ(kind->name, kindName) << name;
    }
}

}  // namespace
}  // namespace kestrel::records
