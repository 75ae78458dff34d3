#include "scenario/placement_files.hpp"

#include <algorithm>

#include "core/record_fields.hpp"
#include "scenario/placed_head.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

constexpr datasets::AbilityChoice kHeroAbilities[] = {
    {"Nothing", 0},       {"Leadership +N", 1}, {"Chaos +N", 2},      {"Morale +N", 3},        {"Fear +N", 4},
    {"Siege +N", 5},      {"Fortify +N", 6},    {"Gold +N/city", 11}, {"Engineer +N", 12},     {"Speed", 15},
    {"Invisibility", 16}, {"Spell <code>", 20}, {"Assassin +N", 28},  {"First Strike +N", 30},
};

// What tells the three files apart.
template <class Record>
struct FileKind {
    std::string_view name;
    std::size_t recordSize, limit;
    Record (*read)(std::span<const std::uint8_t>);
    core::Bytes (*write)(const Record&);
};

const FileKind<ItemPlacement> kItems{kItemPlacementFile, ItemPlacementLayout::kSize, ItemPlacementLayout::kMaxRecords,
                                     readItemPlacement, writeItemPlacement};
const FileKind<ArmyPlacement> kArmies{kArmyPlacementFile, ArmyPlacementLayout::kSize, ArmyPlacementLayout::kMaxRecords,
                                      readArmyPlacement, writeArmyPlacement};
const FileKind<HeroPlacement> kHeroes{kHeroPlacementFile, HeroPlacementLayout::kSize, HeroPlacementLayout::kMaxRecords,
                                      readHeroPlacement, writeHeroPlacement};

template <class Record>
std::vector<Record> readFile(const FileKind<Record>& kind, std::span<const std::uint8_t> file) {
    std::vector<Record> records;
    for (const auto record : countedRecords(file, kind.recordSize, kind.limit)) records.push_back(kind.read(record));
    return records;
}

template <class Record>
core::Bytes writeFile(const FileKind<Record>& kind, std::span<const Record> records) {
    std::vector<core::Bytes> bytes;
    for (const auto& r : records.first(std::min(records.size(), kind.limit))) bytes.push_back(kind.write(r));
    return countedFile(bytes, kind.limit);
}

template <class Record>
std::optional<std::vector<Record>> load(const FileKind<Record>& kind, const core::DataRoot& root,
                                        std::string_view scenario) {
    const auto file =
        root.read(scenarioFile(scenario, kind.name), PlacedHeadLayout::kCountSize + kind.limit * kind.recordSize);
    if (!file) return std::nullopt;
    return readFile(kind, *file);
}

template <class Record>
bool save(const FileKind<Record>& kind, const core::DataRoot& root, std::string_view scenario,
          std::span<const Record> records) {
    return root.writeAtomic(scenarioFile(scenario, kind.name), writeFile(kind, records));
}

}  // namespace

std::span<const datasets::AbilityChoice> heroPlacementAbilities() { return kHeroAbilities; }

std::ostream& operator<<(std::ostream& out, const ItemPlacement& i) {
    return out << "ItemPlacement{\"" << i.item << "\", ground " << int{i.ground} << ", hero " << int{i.hero}
               << ", ruin " << int{i.ruin} << ", chance " << i.chance << ", at " << i.at << ", \"" << i.holder << "\"}";
}

std::ostream& operator<<(std::ostream& out, const ArmyPlacement& a) {
    return out << "ArmyPlacement{chance " << a.chance << ", at " << a.at << ", " << a.number << " \"" << a.army
               << "\" of side " << a.side << "}";
}

std::ostream& operator<<(std::ostream& out, const HeroPlacement& h) {
    out << "HeroPlacement{chance " << h.chance << ", at " << h.at << ", side " << h.side << ", \"" << h.name
        << "\", female " << h.female << ", class " << h.heroClass << ", level " << h.level << ", xp " << h.experience
        << ", flying " << int{h.flying} << ", all terrain " << int{h.allTerrain} << ", abilities";
    for (const auto& a : h.abilities) out << " " << a;
    return out << ", str " << h.strength << ", mov " << h.movement << ", hits " << h.hits << ", view " << h.view << "}";
}

ItemPlacement readItemPlacement(std::span<const std::uint8_t> record) {
    using L = ItemPlacementLayout;
    const core::RecordReader r(record);
    return {r.text(L::kItem, L::kItemSize),
            r.s8(L::kGround),
            r.s8(L::kHero),
            r.s8(L::kRuin),
            r.s16(L::kChance),
            {r.s16(L::kX), r.s16(L::kY)},
            r.text(L::kHolder, L::kHolderSize)};
}

core::Bytes writeItemPlacement(const ItemPlacement& i) {
    using L = ItemPlacementLayout;
    core::RecordWriter w(L::kSize);
    w.text(L::kItem, L::kItemSize, i.item);
    w.s8(L::kGround, i.ground);
    w.s8(L::kHero, i.hero);
    w.s8(L::kRuin, i.ruin);
    w.s16(L::kChance, i.chance);
    w.s16(L::kX, i.at.x);
    w.s16(L::kY, i.at.y);
    w.text(L::kHolder, L::kHolderSize, i.holder);
    return w.take();
}

ArmyPlacement readArmyPlacement(std::span<const std::uint8_t> record) {
    using L = ArmyPlacementLayout;
    const core::RecordReader r(record);
    return {r.s16(L::kChance),
            {r.s16(L::kX), r.s16(L::kY)},
            r.s16(L::kNumber),
            r.s16(L::kSide),
            r.text(L::kArmy, L::kArmySize)};
}

core::Bytes writeArmyPlacement(const ArmyPlacement& a) {
    using L = ArmyPlacementLayout;
    core::RecordWriter w(L::kSize);
    w.s16(L::kChance, a.chance);
    w.s16(L::kX, a.at.x);
    w.s16(L::kY, a.at.y);
    w.s16(L::kNumber, a.number);
    w.s16(L::kSide, a.side);
    w.text(L::kArmy, L::kArmySize, a.army);
    return w.take();
}

HeroPlacement readHeroPlacement(std::span<const std::uint8_t> record) {
    using L = HeroPlacementLayout;
    using S = HeroAbilityLayout;
    const core::RecordReader r(record);
    HeroPlacement h;
    h.chance = r.s16(L::kChance);
    h.at = {r.s16(L::kX), r.s16(L::kY)};
    h.side = r.s16(L::kSide);
    h.name = r.text(L::kName, L::kNameSize);
    h.female = r.s16(L::kFemale);
    h.heroClass = r.s16(L::kClass);
    h.level = r.s16(L::kLevel);
    h.experience = r.s16(L::kExperience);
    h.flying = r.s8(L::kFlying);
    h.allTerrain = r.s8(L::kAllTerrain);
    for (std::size_t i = 0; i < L::kAbilitySlots; ++i) {
        const std::size_t at = L::kAbilities + i * S::kSize;
        h.abilities[i] = {r.s16(at + S::kCode), r.s16(at + S::kFirst), r.s16(at + S::kSecond),
                          r.text(at + S::kText, S::kTextSize)};
    }
    h.strength = r.s16(L::kStrength);
    h.movement = r.s16(L::kMovement);
    h.hits = r.s16(L::kHits);
    h.view = r.s16(L::kView);
    return h;
}

core::Bytes writeHeroPlacement(const HeroPlacement& h) {
    using L = HeroPlacementLayout;
    using S = HeroAbilityLayout;
    core::RecordWriter w(L::kSize);
    w.s16(L::kChance, h.chance);
    w.s16(L::kX, h.at.x);
    w.s16(L::kY, h.at.y);
    w.s16(L::kSide, h.side);
    w.text(L::kName, L::kNameSize, h.name);
    w.s16(L::kFemale, h.female);
    w.s16(L::kClass, h.heroClass);
    w.s16(L::kLevel, h.level);
    w.s16(L::kExperience, h.experience);
    w.s8(L::kFlying, h.flying);
    w.s8(L::kAllTerrain, h.allTerrain);
    for (std::size_t i = 0; i < L::kAbilitySlots; ++i) {
        const std::size_t at = L::kAbilities + i * S::kSize;
        const auto& a = h.abilities[i];
        w.s16(at + S::kCode, a.code);
        w.s16(at + S::kFirst, a.first);
        w.s16(at + S::kSecond, a.second);
        w.text(at + S::kText, S::kTextSize, a.text);
    }
    w.s16(L::kStrength, h.strength);
    w.s16(L::kMovement, h.movement);
    w.s16(L::kHits, h.hits);
    w.s16(L::kView, h.view);
    return w.take();
}

std::vector<ItemPlacement> readItemPlacements(std::span<const std::uint8_t> file) { return readFile(kItems, file); }
std::vector<ArmyPlacement> readArmyPlacements(std::span<const std::uint8_t> file) { return readFile(kArmies, file); }
std::vector<HeroPlacement> readHeroPlacements(std::span<const std::uint8_t> file) { return readFile(kHeroes, file); }

core::Bytes writeItemPlacements(std::span<const ItemPlacement> items) { return writeFile(kItems, items); }
core::Bytes writeArmyPlacements(std::span<const ArmyPlacement> armies) { return writeFile(kArmies, armies); }
core::Bytes writeHeroPlacements(std::span<const HeroPlacement> heroes) { return writeFile(kHeroes, heroes); }

std::optional<std::vector<ItemPlacement>> loadItemPlacements(const core::DataRoot& root, std::string_view scenario) {
    return load(kItems, root, scenario);
}
std::optional<std::vector<ArmyPlacement>> loadArmyPlacements(const core::DataRoot& root, std::string_view scenario) {
    return load(kArmies, root, scenario);
}
std::optional<std::vector<HeroPlacement>> loadHeroPlacements(const core::DataRoot& root, std::string_view scenario) {
    return load(kHeroes, root, scenario);
}

bool saveItemPlacements(const core::DataRoot& root, std::string_view scenario, std::span<const ItemPlacement> items) {
    return save(kItems, root, scenario, items);
}
bool saveArmyPlacements(const core::DataRoot& root, std::string_view scenario, std::span<const ArmyPlacement> armies) {
    return save(kArmies, root, scenario, armies);
}
bool saveHeroPlacements(const core::DataRoot& root, std::string_view scenario, std::span<const HeroPlacement> heroes) {
    return save(kHeroes, root, scenario, heroes);
}

}  // namespace kestrel::scenario
