#include "textx/scenario_sections.hpp"

#include <algorithm>
#include <array>

#include "core/record_fields.hpp"
#include "scenario/area_file.hpp"
#include "scenario/city_file.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/placed_head.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_header.hpp"
#include "scenario/scenario_terrain.hpp"
#include "scenario/sides.hpp"
#include "scenario/site_file.hpp"

namespace kestrel::textx {

namespace {

// Offsets and sizes come from the record codecs' layouts.
using Header = scenario::ScenarioHeaderLayout;
constexpr std::array<ScenarioTag, 2> kHeaderTags{{
    {"#NAME", {Header::kName, Header::kNameSize}, 31},
    {"#DESC", {Header::kDescription, Header::kDescriptionSize}, 254},
}};
constexpr std::array<std::string_view, 1> kHeaderNotes{"#NOTES:Names - 15 char's, Description 127 char's"};
constexpr std::array<TagGroup, 1> kHeaderGroups{{{{}, kHeaderTags, kHeaderNotes, 1}}};

// The gold text's field holds five characters, though the notes ask for three.
using Misc = scenario::MiscDataLayout;
constexpr std::array<ScenarioTag, 1> kGoldTags{{{"#GOLD", {Misc::kPostGold, Misc::kGoldTextSize}, 5}}};
constexpr std::array<std::string_view, 2> kGoldNotes{"#NOTES:Usage - 23gp", "#NOTES:Max of 3 characters"};
constexpr std::array<ScenarioTag, 1> kMonsterTags{{{"#MON", {Misc::kMonsterName, Misc::kMonsterNameSize}, 15}}};
constexpr std::array<std::string_view, 1> kMonsterNotes{"#NOTES:Max of 15 characters"};
constexpr std::array<TagGroup, 2> kMiscGroups{{
    {{}, kGoldTags, kGoldNotes, 1},
    {{RecordForm::Fixed, Misc::kMonsters, Misc::kMonsterSize, Misc::kMonsterSlots}, kMonsterTags, kMonsterNotes, 2},
}};

using Terrain = scenario::ScenarioTerrainLayout;
constexpr std::array<ScenarioTag, 1> kBonusTags{{{"#BONUS", {0, Terrain::kTextSize}, 31}}};
constexpr std::array<std::string_view, 1> kBonusNotes{"#NOTES:  Max of 31 characters"};
constexpr std::array<TagGroup, 1> kTerrainGroups{{
    {{RecordForm::Fixed, Terrain::kBonusTexts, Terrain::kTextSize, Terrain::kBonuses}, kBonusTags, kBonusNotes, 2},
}};

// The neutrals' record after the eight sides is never exported, but takes a translation.
using Side = scenario::SideLayout;
using SidesFile = scenario::SidesFileLayout;
constexpr std::array<ScenarioTag, 2> kSideTags{{
    {"#NAME", {Side::kName, Side::kNameSize}, 31},
    {"#DESC", {Side::kDescription, Side::kDescriptionSize}, 127},
}};
constexpr std::array<std::string_view, 1> kNameDescNotes{"#NOTES:  Name - 15 char's, Description - 127 char's"};
constexpr std::array<TagGroup, 1> kSideGroups{{
    {{RecordForm::Fixed, 0, Side::kSize, SidesFile::kPlayerSides, SidesFile::kRecords - SidesFile::kPlayerSides},
     kSideTags,
     kNameDescNotes,
     2,
     true},
}};

// An area's name field holds 15 characters: a longer text would run into the
// rest of its record.
using Area = scenario::AreaLayout;
constexpr std::array<ScenarioTag, 1> kAreaTags{{{"#NAME", {Area::kName, Area::kNameSize}, 15}}};
constexpr std::array<std::string_view, 1> kAreaNotes{"#NOTES:  Name - 15 char's"};
constexpr std::array<TagGroup, 1> kAreaGroups{{
    {{RecordForm::Fixed, 0, Area::kRecordSize, Area::kRecords}, kAreaTags, kAreaNotes, 2, false, true},
}};

// Counted files: every record the editors keep, one empty line after the last.
using City = scenario::CityLayout;
using CityFile = scenario::CityFileLayout;
constexpr std::array<ScenarioTag, 2> kCityTags{{
    {"#NAME", {City::kName, City::kNameSize}, 15},
    {"#DESC", {City::kDescription, City::kDescriptionSize}, 127},
}};
constexpr std::array<TagGroup, 1> kCityGroups{{
    {{RecordForm::Counted, CityFile::kRecords, City::kSize, CityFile::kLimit},
     kCityTags,
     kNameDescNotes,
     1,
     true,
     false,
     1},
}};

using Head = scenario::PlacedHeadLayout;
constexpr std::array<ScenarioTag, 2> kPlacedTags{{
    {"#NAME", {Head::kName, Head::kNameSize}, 15},
    {"#DESC", {Head::kDescription, Head::kDescriptionSize}, 127},
}};
constexpr TagGroup placedGroup(std::size_t size, std::size_t limit) {
    return {{RecordForm::Counted, Head::kCountSize, size, limit}, kPlacedTags, kNameDescNotes, 1, true, false, 1};
}
using Ruin = scenario::RuinLayout;
using Site = scenario::SiteLayout;
constexpr std::array<TagGroup, 1> kRuinGroups{{placedGroup(Ruin::kSize, Ruin::kMaxRecords)}};
constexpr std::array<TagGroup, 1> kSiteGroups{{placedGroup(Site::kSize, Site::kMaxRecords)}};

// The most a signed 16-bit count can name: the import keeps what lies beyond its storage.
constexpr std::size_t countedRewrite(std::size_t first, std::size_t size) { return first + 32767 * size; }
constexpr std::size_t countedRead(const TagGroup& group) {
    return group.records.first + group.records.count * group.records.size;
}

constexpr std::array<ScenarioSource, 2> kMiscSources{{
    {scenario::kScenarioHeaderFile, Header::kSize, Header::kSize, kHeaderGroups},
    {scenario::kMiscDataFile, Misc::kSize, Misc::kSize, kMiscGroups},
}};
constexpr std::array<ScenarioSource, 1> kTerrainSources{
    {{scenario::kScenarioTerrainFile, Terrain::kSize, Terrain::kSize, kTerrainGroups}}};
constexpr std::array<ScenarioSource, 1> kSideSources{
    {{scenario::kSidesFile, SidesFile::kPlayerSides* Side::kSize, SidesFile::kSize, kSideGroups}}};
constexpr std::array<ScenarioSource, 1> kAreaSources{
    {{scenario::kAreaFile, Area::kFileSize, Area::kFileSize, kAreaGroups}}};
constexpr std::array<ScenarioSource, 1> kCitySources{
    {{scenario::kCityFile, countedRead(kCityGroups[0]), countedRewrite(CityFile::kRecords, City::kSize), kCityGroups}}};
constexpr std::array<ScenarioSource, 1> kRuinSources{
    {{scenario::kRuinFile, countedRead(kRuinGroups[0]), countedRewrite(Head::kCountSize, Ruin::kSize), kRuinGroups}}};
constexpr std::array<ScenarioSource, 1> kSiteSources{
    {{scenario::kSiteFile, countedRead(kSiteGroups[0]), countedRewrite(Head::kCountSize, Site::kSize), kSiteGroups}}};

constexpr std::string_view kFirstLoc = "#LOC:  ";
constexpr std::string_view kLoc = "#LOC:    ";

constexpr std::array<ScenarioSection, 7> kSections{{
    {"MISC DATA", kFirstLoc, kMiscSources, 3},
    {"TERRAIN DATA", kLoc, kTerrainSources},
    {"SIDE DATA", kLoc, kSideSources},
    {"AREA DATA", kLoc, kAreaSources},
    {"CITY DATA", kLoc, kCitySources},
    {"RUIN DATA", kLoc, kRuinSources},
    {"SITE DATA", kLoc, kSiteSources},
}};

constexpr bool limitsFit() {
    for (const ScenarioSection& section : kSections)
        for (const ScenarioSource& source : section.sources)
            for (const TagGroup& group : source.groups) {
                const RecordsAt& at = group.records;
                if (at.form == RecordForm::Fixed && at.first + (at.count + at.hidden) * at.size > source.rewriteSize)
                    return false;
                for (const ScenarioTag& tag : group.tags)
                    if (tag.limit >= tag.field.size ||
                        tag.field.offset + tag.field.size > (at.form == RecordForm::One ? source.rewriteSize : at.size))
                        return false;
            }
    return true;
}
static_assert(limitsFit(),
              "every text and its NUL fit in its field, every field in its record, every record in the file");

}  // namespace

std::span<const ScenarioSection> scenarioSections() { return kSections; }

std::string scenarioTextFile(std::string_view scenario) {
    std::string name = "KS_";
    name += scenario;
    name += ".Txt";
    return name;
}

std::string sourcePath(std::string_view scenario, const ScenarioSource& source) {
    return scenario::scenarioFile(scenario, source.file);
}

bool numbered(const TagGroup& group) { return group.records.form != RecordForm::One; }

std::string writtenTag(const TagGroup& group, const ScenarioTag& tag, std::size_t index) {
    std::string written(tag.stem);
    if (numbered(group)) written += std::to_string(index);
    written += kScenarioTagEnd;
    return written;
}

std::size_t recordCount(const TagGroup& group, std::span<const std::uint8_t> file) {
    const RecordsAt& at = group.records;
    if (at.form != RecordForm::Counted) return at.count;
    return scenario::countedRecords(file, at.size, at.count).size();
}

std::size_t importedCount(const TagGroup& group, std::span<const std::uint8_t> file) {
    return recordCount(group, file) + group.records.hidden;
}

std::size_t fieldOffset(const TagGroup& group, const ScenarioTag& tag, std::size_t index) {
    return group.records.first + index * group.records.size + tag.field.offset;
}

std::string fieldText(const TagGroup& group, const ScenarioTag& tag, std::size_t index,
                      std::span<const std::uint8_t> file) {
    return core::RecordReader(file).text(fieldOffset(group, tag, index), tag.field.size);
}

std::optional<ScenarioTarget> findScenarioTag(std::size_t number, std::string_view stem, bool withNumber) {
    if (number < 1 || number > kSections.size()) return std::nullopt;
    for (const ScenarioSource& source : kSections[number - 1].sources)
        for (const TagGroup& group : source.groups) {
            if (numbered(group) != withNumber) continue;
            for (const ScenarioTag& tag : group.tags)
                if (tag.stem == stem) return ScenarioTarget{&source, &group, &tag};
        }
    return std::nullopt;
}

}  // namespace kestrel::textx
