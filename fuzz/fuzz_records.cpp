// Fuzzes every record codec from one table: the first byte of an input picks
// the kind, the rest is the file. Any bytes must read; what was read, written
// and read again must give the same values, and written again the same bytes.
// The same byte picks a kind of record file for the text forms: `show` reads
// any bytes, and any bytes through JSON come back as they were.
#include <algorithm>
#include <array>
#include <string_view>

#include "campaign/campaign_file.hpp"
#include "campaign/campaign_text.hpp"
#include "campaign/option_file.hpp"
#include "campaign/reward_file.hpp"
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
#include "record_fuzz.hpp"
#include "record_kinds.hpp"
#include "records/file_json.hpp"
#include "records/file_text.hpp"
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

namespace {

using namespace kestrel::datasets;
using namespace kestrel::scenario;
using namespace kestrel::campaign;
using namespace kestrel::fuzz;
using Span = std::span<const std::uint8_t>;

// Read, write, read again: the same values; written again: the same bytes.
template <class Read, class Write>
Bytes roundTrip(Span bytes, Read read, Write write) {
    const auto first = read(bytes);
    const Bytes written = write(first);
    const auto again = read(written);
    if (!(again == first)) fail("what was read, written and read again has other values");
    if (write(again) != written) fail("what was read back writes other bytes");
    return written;
}

// A record of a fixed size: written at that size; a short one reads as if
// padded with zeros, and bytes past its end are ignored.
template <class Read, class Write>
void fixedRecord(Span bytes, std::size_t size, Read read, Write write) {
    if (roundTrip(bytes, read, write).size() != size) fail("a written record is not its layout's size");
    if (!(read(resized(bytes, size)) == read(bytes))) fail("a record reads otherwise than cut or padded to its size");
}

// A 16-bit count and records: at most `limit` of them, written as read.
template <class Read, class Write>
void countedFile(Span bytes, std::size_t recordSize, std::size_t limit, Read read, Write write) {
    const std::size_t count = read(bytes).size();
    if (count > limit) fail("more records than the file can have");
    if (roundTrip(bytes, read, write).size() != PlacedHeadLayout::kCountSize + count * recordSize)
        fail("a written file is not its count and records");
}

// The earlier layouts are known by their exact length.
template <class Read, class Write>
void earlierRecord(Span bytes, std::size_t size, Read read, Write write) {
    roundTrip(resized(bytes, size), read, write);
}

void armyTypes(Span bytes) {
    const auto write = [](const ArmyType& a) { return writeArmyType(a); };
    roundTrip(bytes, readArmyType, write);
    if (bytes.size() == kArmyTypeLayout.size) return;
    if (!(readArmyType(bytes) == readArmyType(resized(bytes, kEarlierArmyTypeLayout.size))))
        fail("an army type of another length reads otherwise than its first 250 bytes");
    // The same bytes in the current layout.
    roundTrip(resized(bytes, kArmyTypeLayout.size), readArmyType, write);
}

void earlierArmyTypes(Span bytes) {
    // Both layouts hold what an earlier record holds; it keeps its medal chance.
    earlierRecord(bytes, kEarlierArmyTypeLayout.size, readArmyType,
                  [](const ArmyType& a) { return writeArmyType(a, kEarlierArmyTypeLayout); });
    earlierRecord(bytes, kEarlierArmyTypeLayout.size, readArmyType, [](const ArmyType& a) { return writeArmyType(a); });
    if (readArmyType(resized(bytes, kEarlierArmyTypeLayout.size)).medalChance != kEarlierMedalChance)
        fail("an earlier army type has a medal chance of its own");
}

void heroTypes(Span bytes) {
    if (bytes.size() == kOldHeroTypeLayout.size) return;  // EarlierHeroType
    fixedRecord(bytes, kHeroTypeLayout.size, readHeroType, writeHeroType);
}

void items(Span bytes) {
    if (bytes.size() == kOldItemLayout.size) return;  // EarlierItem
    fixedRecord(bytes, kItemLayout.size, readItem, writeItem);
}

// Setting a named bit field of a cell changes that field alone; setting it
// back gives every bit as read.
struct CellField {
    int (MapCell::*get)() const;
    void (MapCell::*set)(int);
};
constexpr std::array<CellField, 7> kCellFields{{
    {&MapCell::terrainSlot, &MapCell::setTerrainSlot},
    {&MapCell::variant, &MapCell::setVariant},
    {&MapCell::area, &MapCell::setArea},
    {&MapCell::overlayKind, &MapCell::setOverlayKind},
    {&MapCell::roadPicture, &MapCell::setRoadPicture},
    {&MapCell::roadColumn, &MapCell::setRoadColumn},
    {&MapCell::roadRow, &MapCell::setRoadRow},
}};

void checkCell(const MapCell& cell) {
    for (const CellField& f : kCellFields) {
        MapCell changed = cell;
        (changed.*f.set)(~(cell.*f.get)());
        if ((changed.*f.get)() == (cell.*f.get)()) fail("a cell field does not take another value");
        for (const CellField& other : kCellFields)
            if (&other != &f && (changed.*other.get)() != (cell.*other.get)())
                fail("setting a cell field changes another");
        (changed.*f.set)((cell.*f.get)());
        if (!(changed == cell)) fail("a cell field set back does not give the bits as read");
    }
}

void mapFile(Span bytes) {
    fixedRecord(bytes, MapHeaderLayout::kSize, readMapHeader, writeMapHeader);
    // The first cells are enough: each is read alike.
    constexpr std::size_t kCells = 8;
    Bytes copy(bytes.begin(), bytes.end());
    for (std::size_t i = 0; i < kCells; ++i) {
        const std::size_t at = MapHeaderLayout::kSize + i * kMapCellSize;
        const MapCell cell = readMapCell(bytes, at);
        checkCell(cell);
        const bool whole = at + kMapCellSize <= bytes.size();
        if (putMapCell(copy, at, cell) != whole) fail("a cell is stored other than when it lies wholly in the file");
        if (!whole && !(cell == readMapCell(resized(bytes, at + kMapCellSize), at)))
            fail("a cut cell reads otherwise than padded with zeros");
    }
    if (!std::equal(copy.begin(), copy.end(), bytes.begin(), bytes.end()))
        fail("cells put back as read change the file");
}

void cityIni(Span bytes) {
    const CityIni ini = readCityIni(bytes);
    if (ini.capitals.size() > CityIniFileLayout::kLimit || ini.owners.size() > CityIniFileLayout::kLimit)
        fail("a block of more records than the file can have");
    const std::size_t records = ini.capitals.size() + ini.owners.size();
    if (roundTrip(bytes, readCityIni, writeCityIni).size() !=
        2 * CityIniFileLayout::kCountSize + records * CityIniLayout::kSize)
        fail("a written CITY.INI is not its two counts and records");
}

void sides(Span bytes) {
    if (roundTrip(bytes, readSides, writeSides).size() != SidesFileLayout::kSize) fail("SIDES.DAT is not nine records");
}

void miscData(Span bytes) {
    if (roundTrip(bytes, readMiscData, writeMiscData).size() != MiscDataLayout::kSize)
        fail("MISC.DAT is not 348 bytes");
}

void campaignText(Span bytes) {
    const Bytes written = roundTrip(bytes, readCampaignText, writeCampaignText);
    const std::string text = readCampaignText(written);
    if (!text.empty() && !text.ends_with("\r\n")) fail("a text whose last line has no line break");
}

template <auto read, auto write, std::size_t size>
void fixed(Span bytes) {
    fixedRecord(bytes, size, read, write);
}

template <auto read, auto write, std::size_t size>
void earlier(Span bytes) {
    earlierRecord(bytes, size, read, write);
}

template <auto read, auto write, std::size_t recordSize, std::size_t limit>
void counted(Span bytes) {
    countedFile(bytes, recordSize, limit, read, write);
}

struct Entry {
    RecordKind kind;
    void (*check)(Span);
};

constexpr std::array<Entry, kRecordKinds> kTable{{
    {RecordKind::CitySet, fixed<readCitySet, writeCitySet, CitySetLayout::kSize>},
    {RecordKind::TerrainType, fixed<readTerrainType, writeTerrainType, TerrainTypeLayout::kSize>},
    {RecordKind::TerrainSubtype, fixed<readTerrainSubtype, writeTerrainSubtype, TerrainSubtypeLayout::kSize>},
    {RecordKind::TerrainBonus, fixed<readTerrainBonus, writeTerrainBonus, TerrainBonusLayout::kSize>},
    {RecordKind::ArmyType, armyTypes},
    {RecordKind::EarlierArmyType, earlierArmyTypes},
    {RecordKind::RuinSet, fixed<readRuinSet, writeRuinSet, RuinSetLayout::kSize>},
    {RecordKind::SiteSet, fixed<readSiteSet, writeSiteSet, SiteSetLayout::kSize>},
    {RecordKind::HeroType, heroTypes},
    {RecordKind::EarlierHeroType, earlier<readHeroType, writeHeroType, kOldHeroTypeLayout.size>},
    {RecordKind::Item, items},
    {RecordKind::EarlierItem, earlier<readItem, writeItem, kOldItemLayout.size>},
    {RecordKind::Advisor, fixed<readAdvisor, writeAdvisor, AdvisorLayout::kSize>},
    {RecordKind::Spell, fixed<readSpell, writeSpell, SpellLayout::kSize>},
    {RecordKind::Shield, fixed<readShield, writeShield, ShieldLayout::kSize>},
    {RecordKind::Flag, fixed<readFlag, writeFlag, FlagLayout::kSize>},
    {RecordKind::WorldHeader, fixed<readWorldHeader, writeWorldHeader, WorldHeaderLayout::kSize>},
    {RecordKind::ScenarioHeader, fixed<readScenarioHeader, writeScenarioHeader, ScenarioHeaderLayout::kSize>},
    {RecordKind::MiscData, miscData},
    {RecordKind::Sides, sides},
    {RecordKind::Map, mapFile},
    {RecordKind::Areas, fixed<readAreaNames, writeAreaNames, AreaLayout::kFileSize>},
    {RecordKind::Cities, counted<readCities, writeCities, CityLayout::kSize, CityFileLayout::kLimit>},
    {RecordKind::CityIni, cityIni},
    {RecordKind::Ruins, counted<readRuinFile, writeRuinFile, RuinLayout::kSize, RuinLayout::kMaxRecords>},
    {RecordKind::Sites, counted<readSiteFile, writeSiteFile, SiteLayout::kSize, SiteLayout::kMaxRecords>},
    {RecordKind::ItemPlacements,
     counted<readItemPlacements, writeItemPlacements, ItemPlacementLayout::kSize, ItemPlacementLayout::kMaxRecords>},
    {RecordKind::ArmyPlacements,
     counted<readArmyPlacements, writeArmyPlacements, ArmyPlacementLayout::kSize, ArmyPlacementLayout::kMaxRecords>},
    {RecordKind::HeroPlacements,
     counted<readHeroPlacements, writeHeroPlacements, HeroPlacementLayout::kSize, HeroPlacementLayout::kMaxRecords>},
    {RecordKind::Diplomacy,
     counted<readDiplomacy, writeDiplomacy, DiplomacyLayout::kSize, DiplomacyLayout::kMaxRecords>},
    {RecordKind::ScenarioTerrain, fixed<readScenarioTerrain, writeScenarioTerrain, ScenarioTerrainLayout::kSize>},
    {RecordKind::ScenarioItems, fixed<readScenarioItems, writeScenarioItems, ScenarioItemsLayout::kSize>},
    {RecordKind::Campaign, fixed<readCampaign, writeCampaign, CampaignLayout::kSize>},
    {RecordKind::Reward, fixed<readReward, writeReward, RewardLayout::kSize>},
    {RecordKind::Options, fixed<readOptions, writeOptions, OptionLayout::kSize>},
    {RecordKind::CampaignText, campaignText},
}};

void textForms(std::uint8_t pick, Span bytes) {
    std::vector<const kestrel::records::FileKind*> kinds;
    for (const auto group :
         {kestrel::records::datasetKinds(), kestrel::records::scenarioKinds(), kestrel::records::campaignKinds()})
        for (const auto& kind : group) kinds.push_back(&kind);
    const auto& kind = *kinds[pick % kinds.size()];
    (void)kestrel::records::showFile(kind, bytes);
    const auto back = kestrel::records::fileFromJson(kind, kestrel::records::fileToJson(kind, bytes));
    const auto* again = std::get_if<Bytes>(&back);
    if (!again) fail("the JSON of a file is refused");
    if (!std::equal(again->begin(), again->end(), bytes.begin(), bytes.end()))
        fail("a file through JSON comes back otherwise");
}

constexpr bool inKindOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (kTable[i].kind != static_cast<RecordKind>(i)) return false;
    return true;
}
static_assert(inKindOrder(), "the table lists the kinds in the order of their numbers");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    kTable[data[0] % kTable.size()].check(Span(data + 1, size - 1));
    textForms(data[0], Span(data + 1, size - 1));
    return 0;
}
