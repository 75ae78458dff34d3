#include "datasets/hero_type.hpp"

#include <type_traits>

#include "core/record_fields.hpp"

namespace kestrel::datasets {

namespace {

using L = HeroTypeLayout;

constexpr std::array<AbilityChoice, 22> kAbilities{{
    {"Nothing", 0},
    {"Leadership +N", 1},
    {"Chaos +N", 2},
    {"Morale +N", 3},
    {"Fear +N", 4},
    {"Siege +N", 5},
    {"Fortify +N", 6},
    {"Movement +N", 7},
    {"Strength +N", 8},
    {"All-Terr Move Bonus", 9},
    {"Gold +N/city", 11},
    {"Engineer +N", 12},
    {"Flying", 13},
    {"Hits +N", 14},
    {"Speed", 15},
    {"Invisibility", 16},
    {"Spell <code>", kHeroSpellAbility},
    {"View Range +N", 23},
    {"Assassin +N", 28},
    {"First Strike +N", 30},
    {"Trample +N", 32},
    {"Giantslayer +N", 34},
}};

template <class T, std::size_t N>
void printList(std::ostream& out, const char* name, const std::array<T, N>& values) {
    out << ", " << name << " [";
    for (std::size_t i = 0; i < N; ++i) {
        if (i) out << ", ";
        if constexpr (std::is_same_v<T, std::string>)
            out << '"' << values[i] << '"';
        else if constexpr (std::is_same_v<T, HeroDefaultName>)
            out << '"' << values[i].name << '"' << (values[i].female ? " f" : "");
        else
            out << values[i];
    }
    out << ']';
}

}  // namespace

std::span<const AbilityChoice> heroAbilities() { return kAbilities; }
std::span<const std::string_view> heroMoveSounds() { return kHeroMoveSoundNames; }
std::span<const std::string_view> heroFacings() { return kHeroFacingNames; }
std::span<const std::string_view> heroSoundTriggers() { return kHeroTriggerNames; }

std::ostream& operator<<(std::ostream& out, const HeroType& h) {
    out << "HeroType{\"" << h.maleName << "\", \"" << h.femaleName << "\", \"" << h.description << "\", \""
        << h.entryName << "\", \"" << h.malePicture << "\", \"" << h.femalePicture << "\", medal " << h.medalChance
        << ", strength " << h.strength << ", move " << h.move << ", hits " << h.hits << ", view " << h.view;
    printList(out, "move terrains", h.moveTerrains);
    out << ", combat \"" << h.combatTerrain << "\" +" << h.combatBonus;
    printList(out, "male levels", h.maleLevels);
    printList(out, "female levels", h.femaleLevels);
    printList(out, "xp", h.xp);
    printList(out, "ap", h.ap);
    printList(out, "abilities", h.abilities);
    printList(out, "costs", h.costs);
    printList(out, "names", h.defaultNames);
    out << ", move sound " << h.moveSound << ", facing " << h.facing;
    printList(out, "triggers", h.triggers);
    printList(out, "counts", h.triggerCounts);
    return out << '}';
}

HeroType readHeroType(std::span<const std::uint8_t> record) {
    const HeroTypeLayout& l = record.size() == kOldHeroTypeLayout.size ? kOldHeroTypeLayout : kHeroTypeLayout;
    const core::RecordReader r(record);
    HeroType h;
    h.maleName = r.text(L::kMaleName, L::kNameSize);
    h.femaleName = r.text(L::kFemaleName, L::kNameSize);
    h.description = r.text(L::kDescription, L::kDescriptionSize);
    h.entryName = r.text(L::kEntryName, L::kShortNameSize);
    h.malePicture = r.text(L::kMalePicture, L::kShortNameSize);
    h.femalePicture = r.text(L::kFemalePicture, L::kShortNameSize);
    if (l.medalChance != L::kNoField) h.medalChance = r.s8(l.medalChance);
    h.strength = r.u8(l.strength);
    h.move = r.u8(l.move);
    h.hits = r.u8(l.hits);
    h.view = r.u8(l.view);
    for (std::size_t i = 0; i < kHeroMoveTerrains; ++i)
        h.moveTerrains[i] = r.text(l.moveTerrains + i * L::kShortNameSize, L::kShortNameSize);
    h.combatTerrain = r.text(l.combatTerrain, L::kShortNameSize);
    h.combatBonus = r.u8(l.combatBonus);
    for (std::size_t i = 0; i < kHeroLevels; ++i) {
        h.maleLevels[i] = r.text(l.maleLevels + i * L::kLevelNameSize, L::kLevelNameSize);
        h.femaleLevels[i] = r.text(l.femaleLevels + i * L::kLevelNameSize, L::kLevelNameSize);
        h.xp[i] = r.s16(l.xp + 2 * i);
        h.ap[i] = r.s16(l.ap + 2 * i);
    }
    for (std::size_t i = 0; i < kHeroAbilities; ++i) {
        h.abilities[i] = readAbility(record, l.abilities + i * SpecialAbility::kSize);
        h.costs[i] = r.s16(l.costs + 2 * i);
    }
    for (std::size_t i = 0; i < kHeroDefaultNames; ++i)
        h.defaultNames[i] = {r.text(l.defaultNames + i * L::kDefaultNameSize, L::kDefaultNameSize),
                             r.u8(l.femaleFlags + i) != 0};
    h.moveSound = r.u8(l.moveSound);
    h.facing = r.u8(l.facing);
    for (std::size_t i = 0; i < kHeroSoundTriggers; ++i) {
        h.triggers[i] = r.u8(l.triggers + i);
        h.triggerCounts[i] = r.u8(l.triggerCounts + i);
    }
    return h;
}

core::Bytes writeHeroType(const HeroType& h) {
    const HeroTypeLayout& l = kHeroTypeLayout;
    core::RecordWriter w(l.size);
    w.text(L::kMaleName, L::kNameSize, h.maleName);
    w.text(L::kFemaleName, L::kNameSize, h.femaleName);
    w.text(L::kDescription, L::kDescriptionSize, h.description);
    w.text(L::kEntryName, L::kShortNameSize, h.entryName);
    w.text(L::kMalePicture, L::kShortNameSize, h.malePicture);
    w.text(L::kFemalePicture, L::kShortNameSize, h.femalePicture);
    w.s8(l.medalChance, h.medalChance);
    w.u8(l.strength, h.strength);
    w.u8(l.move, h.move);
    w.u8(l.hits, h.hits);
    w.u8(l.view, h.view);
    for (std::size_t i = 0; i < kHeroMoveTerrains; ++i)
        w.text(l.moveTerrains + i * L::kShortNameSize, L::kShortNameSize, h.moveTerrains[i]);
    w.text(l.combatTerrain, L::kShortNameSize, h.combatTerrain);
    w.u8(l.combatBonus, h.combatBonus);
    // The reserved byte after the combat bonus, the 11th level slots and the
    // padding before the XP table stay zero.
    for (std::size_t i = 0; i < kHeroLevels; ++i) {
        w.text(l.maleLevels + i * L::kLevelNameSize, L::kLevelNameSize, h.maleLevels[i]);
        w.text(l.femaleLevels + i * L::kLevelNameSize, L::kLevelNameSize, h.femaleLevels[i]);
        w.s16(l.xp + 2 * i, h.xp[i]);
        w.s16(l.ap + 2 * i, h.ap[i]);
    }
    for (std::size_t i = 0; i < kHeroAbilities; ++i) {
        writeAbility(w.span(0, l.size), l.abilities + i * SpecialAbility::kSize, h.abilities[i]);
        w.s16(l.costs + 2 * i, h.costs[i]);
    }
    for (std::size_t i = 0; i < kHeroDefaultNames; ++i) {
        w.text(l.defaultNames + i * L::kDefaultNameSize, L::kDefaultNameSize, h.defaultNames[i].name);
        w.u8(l.femaleFlags + i, h.defaultNames[i].female ? 1 : 0);
    }
    w.u8(l.moveSound, h.moveSound);
    w.u8(l.facing, h.facing);
    for (std::size_t i = 0; i < kHeroSoundTriggers; ++i) {
        w.u8(l.triggers + i, h.triggers[i]);
        w.u8(l.triggerCounts + i, h.triggerCounts[i]);
    }
    return w.take();
}

std::string heroPictureName(std::string_view entryName, bool female) {
    return std::string(entryName) + (female ? "f" : "m");
}

HeroType newHeroType(std::string_view entryName) {
    HeroType h;
    h.maleName = h.femaleName = h.entryName = std::string(entryName);
    h.malePicture = heroPictureName(entryName, false);
    h.femalePicture = heroPictureName(entryName, true);
    h.strength = 2;
    h.move = 12;
    h.hits = 2;
    h.view = 2;
    h.facing = kHeroFacingSouth;
    return h;
}

}  // namespace kestrel::datasets
