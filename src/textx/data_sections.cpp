#include "textx/data_sections.hpp"

#include <array>

#include "datasets/advisor.hpp"
#include "datasets/army_type.hpp"
#include "datasets/city_set.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/item.hpp"
#include "datasets/site_set.hpp"
#include "datasets/spell.hpp"
#include "datasets/terrain_type.hpp"

namespace kestrel::textx {

namespace {

using datasets::Kind;

// Offsets and sizes come from the record codecs' layouts.
using City = datasets::CitySetLayout;
constexpr FieldAt cityLevel(std::size_t n) { return {n * City::kNameField, City::kNameField}; }
constexpr std::array<DataTag, 4> kCityTags{{
    {"#LVL0:  ", cityLevel(0), {}, 19},
    {"#LVL1:  ", cityLevel(1), {}, 19},
    {"#LVL2:  ", cityLevel(2), {}, 19},
    {"#LVL3:  ", cityLevel(3), {}, 19},
}};
constexpr std::array<std::string_view, 1> kCityNotes{"#NOTES: All strings limited to 19 characters"};

using Terrain = datasets::TerrainTypeLayout;
constexpr std::array<DataTag, 1> kTerrainTags{{{"#NAME:  ", {Terrain::kName, Terrain::kNameSize}, {}, 15}}};
constexpr std::array<std::string_view, 1> kTerrainNotes{"#NOTES: Strings limited to 15 characters"};

// Both army layouts keep the texts in the same place.
using Army = datasets::ArmyTypeLayout;
constexpr std::array<DataTag, 2> kArmyTags{{
    {"#NAME:  ", {Army::kName, Army::kNameSize}, {}, 15},
    {"#DESC:  ", {Army::kDescription, Army::kDescriptionSize}, {}, 127},
}};
constexpr std::array<std::string_view, 3> kArmyNotes{"#NOTES: Names - 15 char's, Descriptions - 127 char's",
                                                     "#NOTES: If you wish the name to remain the same, leave",
                                                     "#NOTES: the #LOC line blank."};

using Site = datasets::SiteSetLayout;
constexpr std::array<DataTag, 1> kSiteTags{{{"#NAME:  ", {Site::kName, Site::kNameSize}, {}, 15}}};
constexpr std::array<std::string_view, 1> kSiteNotes{"#NOTES: Strings are limited to 15 characters"};

// The earlier hero layout has its level titles one byte sooner.
using Hero = datasets::HeroTypeLayout;
constexpr DataTag heroLevel(std::string_view written, bool female, std::size_t n) {
    const std::size_t at = (female ? datasets::kHeroTypeLayout.femaleLevels : datasets::kHeroTypeLayout.maleLevels);
    const std::size_t old =
        (female ? datasets::kOldHeroTypeLayout.femaleLevels : datasets::kOldHeroTypeLayout.maleLevels);
    return {written,
            {at + (n - 1) * Hero::kLevelNameSize, Hero::kLevelNameSize},
            {old + (n - 1) * Hero::kLevelNameSize, Hero::kLevelNameSize},
            31,
            !female && n == 10};
}
constexpr std::array<DataTag, 23> kHeroTags{{
    {"#NAME(M): ", {Hero::kMaleName, Hero::kNameSize}, {}, 31},
    {"#NAME(F): ", {Hero::kFemaleName, Hero::kNameSize}, {}, 31},
    {"#DESC:    ", {Hero::kDescription, Hero::kDescriptionSize}, {}, 127, true},
    heroLevel("#LVL1(M): ", false, 1),
    heroLevel("#LVL2(M): ", false, 2),
    heroLevel("#LVL3(M): ", false, 3),
    heroLevel("#LVL4(M): ", false, 4),
    heroLevel("#LVL5(M): ", false, 5),
    heroLevel("#LVL6(M): ", false, 6),
    heroLevel("#LVL7(M): ", false, 7),
    heroLevel("#LVL8(M): ", false, 8),
    heroLevel("#LVL9(M): ", false, 9),
    heroLevel("#LVL10(M):", false, 10),
    heroLevel("#LVL1(F): ", true, 1),
    heroLevel("#LVL2(F): ", true, 2),
    heroLevel("#LVL3(F): ", true, 3),
    heroLevel("#LVL4(F): ", true, 4),
    heroLevel("#LVL5(F): ", true, 5),
    heroLevel("#LVL6(F): ", true, 6),
    heroLevel("#LVL7(F): ", true, 7),
    heroLevel("#LVL8(F): ", true, 8),
    heroLevel("#LVL9(F): ", true, 9),
    heroLevel("#LVL10(F):", true, 10),
}};
constexpr std::array<std::string_view, 2> kHeroNotes{"#NOTES: Names - 31 char's, Description - 127 char's",
                                                     "#NOTES: Level Names - 31 char's"};

// The earlier item layout has a 16-byte name with the description behind it.
constexpr std::array<DataTag, 2> kItemTags{{
    {"#NAME:  ", {0, datasets::kItemLayout.nameSize}, {0, datasets::kOldItemLayout.nameSize}, 31},
    {"#DESC:  ",
     {datasets::kItemLayout.description, datasets::kItemDescriptionSize},
     {datasets::kOldItemLayout.description, datasets::kItemDescriptionSize},
     127},
}};
constexpr std::array<std::string_view, 2> kItemNotes{"#NOTES: Names - 31 char's, Descriptions - 127 char's",
                                                     "#NOTES: Names should include a definite article (the)"};

// The advisor's texts one after the other: first lines, second lines, responses.
using Advisor = datasets::AdvisorLayout;
constexpr DataTag advisorText(std::string_view written, std::size_t n) {
    return {written, {n * Advisor::kTextSize, Advisor::kTextSize}, {}, 63};
}
constexpr std::array<DataTag, 19> kAdvisorTags{{
    advisorText("#TXT00: ", 0), advisorText("#TXT01: ", 1), advisorText("#TXT02: ", 2), advisorText("#TXT03: ", 3),
    advisorText("#TXT10: ", 4), advisorText("#TXT11: ", 5), advisorText("#TXT12: ", 6), advisorText("#TXT13: ", 7),
    advisorText("#RES0: ", 8),  advisorText("#RES1: ", 9),  advisorText("#RES2: ", 10), advisorText("#RES3: ", 11),
    advisorText("#RES4: ", 12), advisorText("#RES5: ", 13), advisorText("#RES6: ", 14), advisorText("#RES7: ", 15),
    advisorText("#RES8: ", 16), advisorText("#RES9: ", 17), advisorText("#RES10:", 18),
}};
static_assert(Advisor::kFirstLines + Advisor::kSecondLines + Advisor::kResults == kAdvisorTags.size());
constexpr std::array<std::string_view, 1> kAdvisorNotes{"#NOTES: All strings must be 63 char's or less"};

// The notes say 31 for names, as for items; the import stores 15.
using Spell = datasets::SpellLayout;
constexpr std::array<DataTag, 2> kSpellTags{{
    {"#NAME:  ", {Spell::kName, Spell::kNameSize}, {}, 15},
    {"#DESC:  ", {Spell::kDescription, Spell::kDescriptionSize}, {}, 127},
}};
constexpr std::array<std::string_view, 1> kSpellNotes{"#NOTES: Names - 31 char's, Descriptions - 127 char's"};

constexpr std::string_view kIndent = "    ";

// clang-format off
constexpr std::array<DataSection, 8> kSections{{
    {"CITY DATA", Kind::CitySet, "City", kIndent, "#ID:    ", "#LOC:   ", 0, kCityTags, kCityNotes},
    {"TERRAIN DATA", Kind::TerrainType, "Terrain\\Data", "   ", "#ID:    ", "#LOC:   ", 0, kTerrainTags,
     kTerrainNotes},
    {"ARMY DATA", Kind::ArmyType, "Army", kIndent, "#ID:    ", "#LOC:   ", 0, kArmyTags, kArmyNotes},
    {"SITE DATA", Kind::SiteSet, "Sites", kIndent, "#ID:    ", "#LOC:   ", 0, kSiteTags, kSiteNotes},
    {"HERO DATA", Kind::HeroType, "Hero", kIndent, "#ID:      ", "#LOC:     ", datasets::kOldHeroTypeLayout.size,
     kHeroTags, kHeroNotes},
    {"ITEM DATA", Kind::Item, "Items", kIndent, "#ID:    ", "#LOC:   ", datasets::kOldItemLayout.size, kItemTags,
     kItemNotes},
    {"ADVISOR DATA", Kind::Advisor, "Advisor", kIndent, "#ID:    ", "#LOC:   ", 0, kAdvisorTags, kAdvisorNotes},
    {"SPELL DATA", Kind::Spell, "Spell", kIndent, "#ID:    ", "#LOC:   ", 0, kSpellTags, kSpellNotes},
}};
// clang-format on

}  // namespace

std::span<const DataSection> dataSections() { return kSections; }

std::string recordPattern(const DataSection& section) { return datasets::listPattern(datasets::info(section.kind)); }

std::size_t recordSize(const DataSection& section) { return datasets::info(section.kind).recordSize; }

std::string idPath(const DataSection& section, std::string_view fileName) {
    std::string path(section.idFolder);
    path += '\\';
    path += fileName;
    return path;
}

FieldAt fieldIn(const DataSection& section, const DataTag& tag, std::size_t length) {
    return section.olderSize != 0 && length == section.olderSize && tag.older.size != 0 ? tag.older : tag.field;
}

}  // namespace kestrel::textx
