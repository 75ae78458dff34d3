// The files of a scenario folder, by name.
#include "records/file_kinds.hpp"
#include "scenario/area_file.hpp"
#include "scenario/city_file.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/map_file.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/scenario_header.hpp"
#include "scenario/scenario_items.hpp"
#include "scenario/scenario_terrain.hpp"
#include "scenario/sides.hpp"
#include "scenario/site_file.hpp"
#include "shell/map_handoff.hpp"

namespace kestrel::records {

namespace {

// A count, then at most `Limit` records: the most the editors hold.
template <const core::Format& F, std::size_t Limit>
struct LimitedRecords {
    static constexpr std::array<Part, 1> parts{{{"records", PartShape::Counted, &F, {}, {}, static_cast<int>(Limit)}}};
    static constexpr FileFormat file{&F, parts, F.name};
};

constexpr std::array<FileFormat, 1> kCities{
    LimitedRecords<scenario::kCityFormat, scenario::CityFileLayout::kLimit>::file};

// The header, then stride x height cells: the columns past the width are
// stored too.
constexpr std::array<Part, 2> kMapParts{{
    {"header", PartShape::Record, &scenario::kMapHeaderFormat},
    {"tiles", PartShape::Grid, &scenario::kMapCellFormat, "stride", "height"},
}};
constexpr std::array<FileFormat, 1> kMap{{{&scenario::kMapHeaderFormat, kMapParts, "map"}}};

constexpr int kCityIniBlock = static_cast<int>(scenario::CityIniFileLayout::kLimit);
constexpr std::array<Part, 2> kCityIniParts{{
    {"capitals", PartShape::Counted, &scenario::kCityIniFormat, {}, {}, kCityIniBlock},
    {"owners", PartShape::Counted, &scenario::kCityIniFormat, {}, {}, kCityIniBlock},
}};
constexpr std::array<FileFormat, 1> kCityIni{{{&scenario::kCityIniFormat, kCityIniParts, "capitals and owners"}}};

constexpr std::array<FileFormat, 1> kRuins{
    LimitedRecords<scenario::kRuinFormat, scenario::RuinLayout::kMaxRecords>::file};
constexpr std::array<FileFormat, 1> kSites{
    LimitedRecords<scenario::kSiteFormat, scenario::SiteLayout::kMaxRecords>::file};
constexpr std::array<FileFormat, 1> kItemPlacements{
    LimitedRecords<scenario::kItemPlacementFormat, scenario::ItemPlacementLayout::kMaxRecords>::file};
constexpr std::array<FileFormat, 1> kArmyPlacements{
    LimitedRecords<scenario::kArmyPlacementFormat, scenario::ArmyPlacementLayout::kMaxRecords>::file};
constexpr std::array<FileFormat, 1> kHeroPlacements{
    LimitedRecords<scenario::kHeroPlacementFormat, scenario::HeroPlacementLayout::kMaxRecords>::file};
constexpr std::array<FileFormat, 1> kDiplomacy{
    LimitedRecords<scenario::kRelationFormat, scenario::DiplomacyLayout::kMaxRecords>::file};

constexpr std::array<FileFormat, 1> kScenarioHeader{OneRecord<scenario::kScenarioHeaderFormat>::file};
constexpr std::array<FileFormat, 1> kWorldHeader{OneRecord<scenario::kWorldHeaderFormat>::file};
constexpr std::array<FileFormat, 1> kMiscData{OneRecord<scenario::kMiscDataFormat>::file};
constexpr std::array<FileFormat, 1> kSides{OneRecord<scenario::kSidesFormat>::file};
constexpr std::array<FileFormat, 1> kAreas{OneRecord<scenario::kAreasFormat>::file};
constexpr std::array<FileFormat, 1> kScenarioTerrain{OneRecord<scenario::kScenarioTerrainFormat>::file};
constexpr std::array<FileFormat, 1> kScenarioItems{OneRecord<scenario::kScenarioItemsFormat>::file};
constexpr std::array<FileFormat, 1> kMapHandoff{OneRecord<shell::kHandoffFormat>::file};

// A world's folder, a campaign's and a scenario's copy hold the same WORLD.DAT.
// EDIT.DAT lies in the data root, handed to the map editor.
constexpr std::array<FileKind, 17> kKinds{{
    {"cities", {"CITY.DAT"}, kCities},
    {"map", {"MAP.DAT"}, kMap},
    {"capitals-owners", {"CITY.INI"}, kCityIni},
    {"ruins", {"RUIN.DAT"}, kRuins},
    {"sites", {"SITE.DAT"}, kSites},
    {"item-placements", {"ITEM.INI"}, kItemPlacements},
    {"army-placements", {"ARMY.INI"}, kArmyPlacements},
    {"hero-placements", {"HERO.INI"}, kHeroPlacements},
    {"diplomacy", {"DIPLOM.INI"}, kDiplomacy},
    {"scenario", {"SCENARIO.DAT"}, kScenarioHeader},
    {"world", {"WORLD.DAT"}, kWorldHeader},
    {"misc-data", {"MISC.DAT"}, kMiscData},
    {"sides", {"SIDES.DAT"}, kSides},
    {"areas", {"AREA.DAT"}, kAreas},
    {"scenario-terrain", {"TERRAIN.DAT"}, kScenarioTerrain},
    {"scenario-items", {"ITEM.DAT"}, kScenarioItems},
    {"map-handoff", {"EDIT.DAT"}, kMapHandoff},
}};

}  // namespace

std::span<const FileKind> scenarioKinds() { return kKinds; }

}  // namespace kestrel::records
