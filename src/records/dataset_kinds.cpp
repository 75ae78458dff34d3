// The record files of the data sets, by extension.
#include "datasets/advisor.hpp"
#include "datasets/city_set.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/item.hpp"
#include "datasets/shield.hpp"
#include "datasets/spell.hpp"
#include "records/file_kinds.hpp"

namespace kestrel::records {

namespace {

constexpr std::array<FileFormat, 1> kCitySet{OneRecord<datasets::kCitySetFormat>::file};
constexpr std::array<FileFormat, 2> kHeroType{OneRecord<datasets::kHeroTypeFormat>::file,
                                              OneRecord<datasets::kOldHeroTypeFormat>::file};
constexpr std::array<FileFormat, 2> kItem{OneRecord<datasets::kItemFormat>::file,
                                          OneRecord<datasets::kOldItemFormat>::file};
constexpr std::array<FileFormat, 1> kAdvisor{OneRecord<datasets::kAdvisorFormat>::file};
constexpr std::array<FileFormat, 1> kSpell{OneRecord<datasets::kSpellFormat>::file};
constexpr std::array<FileFormat, 1> kShield{OneRecord<datasets::kShieldFormat>::file};

constexpr std::array<FileKind, 6> kKinds{{
    {"city-set", {"*.CIT"}, kCitySet},
    {"hero-type", {"*.HER"}, kHeroType},
    {"item", {"*.ITM"}, kItem},
    {"advisor", {"*.AVR"}, kAdvisor},
    {"spell", {"*.SPL"}, kSpell},
    {"shield", {"*.SHI"}, kShield},
}};

}  // namespace

std::span<const FileKind> datasetKinds() { return kKinds; }

}  // namespace kestrel::records
