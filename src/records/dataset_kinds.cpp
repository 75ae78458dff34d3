// The record files of the data sets, by extension.
#include "datasets/army_type.hpp"
#include "datasets/city_set.hpp"
#include "datasets/flag.hpp"
#include "datasets/ruin_set.hpp"
#include "datasets/site_set.hpp"
#include "datasets/terrain_bonus.hpp"
#include "datasets/terrain_subtype.hpp"
#include "datasets/terrain_type.hpp"
#include "records/file_kinds.hpp"

namespace kestrel::records {

namespace {

constexpr std::array<FileFormat, 1> kCitySet{OneRecord<datasets::kCitySetFormat>::file};
constexpr std::array<FileFormat, 1> kTerrainType{OneRecord<datasets::kTerrainTypeFormat>::file};
constexpr std::array<FileFormat, 1> kTerrainSubtype{OneRecord<datasets::kTerrainSubtypeFormat>::file};
constexpr std::array<FileFormat, 1> kTerrainBonus{OneRecord<datasets::kTerrainBonusFormat>::file};
constexpr std::array<FileFormat, 2> kArmyType{OneRecord<datasets::kArmyTypeFormat>::file,
                                              OneRecord<datasets::kEarlierArmyTypeFormat>::file};
constexpr std::array<FileFormat, 1> kRuinSet{OneRecord<datasets::kRuinSetFormat>::file};
constexpr std::array<FileFormat, 1> kSiteSet{OneRecord<datasets::kSiteSetFormat>::file};
constexpr std::array<FileFormat, 1> kFlag{OneRecord<datasets::kFlagFormat>::file};

constexpr std::array<FileKind, 8> kKinds{{
    {"city-set", {"*.CIT"}, kCitySet},
    {"terrain-type", {"*.TER"}, kTerrainType},
    {"terrain-subtype", {"*.STT"}, kTerrainSubtype},
    {"terrain-bonus", {"*.BON"}, kTerrainBonus},
    {"army-type", {"*.ARM"}, kArmyType},
    {"ruin-set", {"*.RUI"}, kRuinSet},
    {"site-set", {"*.SIT"}, kSiteSet},
    {"flag", {"*.FLG"}, kFlag},
}};

}  // namespace

std::span<const FileKind> datasetKinds() { return kKinds; }

}  // namespace kestrel::records
