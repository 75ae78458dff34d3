// The files of a scenario folder, by name.
#include "records/file_kinds.hpp"
#include "scenario/city_file.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/map_file.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/site_file.hpp"

namespace kestrel::records {

namespace {

constexpr std::array<FileFormat, 1> kCities{CountedRecords<scenario::kCityFormat>::file};

// The header, then stride x height cells: the columns past the width are
// stored too.
constexpr std::array<Part, 2> kMapParts{{
    {"header", PartShape::Record, &scenario::kMapHeaderFormat},
    {"tiles", PartShape::Grid, &scenario::kMapCellFormat, "stride", "height"},
}};
constexpr std::array<FileFormat, 1> kMap{{{&scenario::kMapHeaderFormat, kMapParts, "map"}}};

constexpr std::array<Part, 2> kCityIniParts{{
    {"capitals", PartShape::Counted, &scenario::kCityIniFormat},
    {"owners", PartShape::Counted, &scenario::kCityIniFormat},
}};
constexpr std::array<FileFormat, 1> kCityIni{{{&scenario::kCityIniFormat, kCityIniParts, "capitals and owners"}}};

constexpr std::array<FileFormat, 1> kRuins{CountedRecords<scenario::kRuinFormat>::file};
constexpr std::array<FileFormat, 1> kSites{CountedRecords<scenario::kSiteFormat>::file};
constexpr std::array<FileFormat, 1> kItemPlacements{CountedRecords<scenario::kItemPlacementFormat>::file};
constexpr std::array<FileFormat, 1> kArmyPlacements{CountedRecords<scenario::kArmyPlacementFormat>::file};
constexpr std::array<FileFormat, 1> kHeroPlacements{CountedRecords<scenario::kHeroPlacementFormat>::file};
constexpr std::array<FileFormat, 1> kDiplomacy{CountedRecords<scenario::kRelationFormat>::file};

constexpr std::array<FileKind, 9> kKinds{{
    {"cities", {"CITY.DAT"}, kCities},
    {"map", {"MAP.DAT"}, kMap},
    {"capitals-owners", {"CITY.INI"}, kCityIni},
    {"ruins", {"RUIN.DAT"}, kRuins},
    {"sites", {"SITE.DAT"}, kSites},
    {"item-placements", {"ITEM.INI"}, kItemPlacements},
    {"army-placements", {"ARMY.INI"}, kArmyPlacements},
    {"hero-placements", {"HERO.INI"}, kHeroPlacements},
    {"diplomacy", {"DIPLOM.INI"}, kDiplomacy},
}};

}  // namespace

std::span<const FileKind> scenarioKinds() { return kKinds; }

}  // namespace kestrel::records
