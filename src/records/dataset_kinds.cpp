// The record files of the data sets, by extension.
#include "datasets/advisor.hpp"
#include "datasets/army_type.hpp"
#include "datasets/city_set.hpp"
#include "datasets/flag.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/item.hpp"
#include "datasets/ruin_set.hpp"
#include "datasets/shield.hpp"
#include "datasets/site_set.hpp"
#include "datasets/spell.hpp"
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
constexpr std::array<FileFormat, 2> kHeroType{OneRecord<datasets::kHeroTypeFormat>::file,
                                              OneRecord<datasets::kOldHeroTypeFormat>::file};
constexpr std::array<FileFormat, 2> kItem{OneRecord<datasets::kItemFormat>::file,
                                          OneRecord<datasets::kOldItemFormat>::file};
constexpr std::array<FileFormat, 1> kAdvisor{OneRecord<datasets::kAdvisorFormat>::file};
constexpr std::array<FileFormat, 1> kSpell{OneRecord<datasets::kSpellFormat>::file};
constexpr std::array<FileFormat, 1> kShield{OneRecord<datasets::kShieldFormat>::file};
constexpr std::array<FileFormat, 1> kFlag{OneRecord<datasets::kFlagFormat>::file};

constexpr std::array<FileKind, 13> kKinds{{
    {"city-set", {"*.CIT"}, kCitySet},
    {"terrain-type", {"*.TER"}, kTerrainType},
    {"terrain-subtype", {"*.STT"}, kTerrainSubtype},
    {"terrain-bonus", {"*.BON"}, kTerrainBonus},
    {"army-type", {"*.ARM"}, kArmyType},
    {"ruin-set", {"*.RUI"}, kRuinSet},
    {"site-set", {"*.SIT"}, kSiteSet},
    {"hero-type", {"*.HER"}, kHeroType},
    {"item", {"*.ITM"}, kItem},
    {"advisor", {"*.AVR"}, kAdvisor},
    {"spell", {"*.SPL"}, kSpell},
    {"shield", {"*.SHI"}, kShield},
    {"flag", {"*.FLG"}, kFlag},
}};

}  // namespace

std::span<const FileKind> datasetKinds() { return kKinds; }

}  // namespace kestrel::records
