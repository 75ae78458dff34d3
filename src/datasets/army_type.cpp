#include "datasets/army_type.hpp"

#include <algorithm>

#include "core/record_fields.hpp"

namespace kestrel::datasets {

namespace {

using L = ArmyTypeLayout;

constexpr std::array<AbilityChoice, 20> kAbilities{{
    {"Nothing", 0},         {"Chaos +N", 2},        {"Morale +N", 3},     {"Fear +N", 4},       {"Siege +N", 5},
    {"Fortify +N", 6},      {"Engineer +N", 12},    {"Invisibility", 16}, {"Poison +N", 26},    {"Disease +N", 27},
    {"Assassinate +N", 28}, {"FirstStrike +N", 30}, {"Trample +N", 32},   {"Curse +N", 33},     {"Giantslayer +N", 34},
    {"Banding +N", 37},     {"Acid +N", 38},        {"Lightning +N", 39}, {"Paralysis +N", 40}, {"Warding +n", 41},
}};

constexpr int kSouth = 4;
static_assert(kArmyFacings[kSouth] == "South");

}  // namespace

std::span<const AbilityChoice> armyAbilities() { return kAbilities; }
std::span<const std::string_view> armyMoveSounds() { return kArmyMoveSounds; }
std::span<const std::string_view> armyFacings() { return kArmyFacings; }
std::span<const std::string_view> armySoundTriggers() { return kArmySoundTriggers; }

std::ostream& operator<<(std::ostream& out, const ArmyType& a) {
    out << "ArmyType{\"" << a.name << "\", \"" << a.description << "\", \"" << a.entryName << "\", medal "
        << a.medalChance << ", stats " << a.strength << "/" << a.move << "/" << a.hits << "/" << a.time << "/"
        << a.upkeep << "/" << a.viewRange << ", subtypes \"" << a.subtypes[0] << "\" \"" << a.subtypes[1]
        << "\", move bonus";
    for (const auto& bonus : a.moveBonuses) out << " \"" << bonus << "\"";
    return out << ", combat \"" << a.combatBonus << "\" " << a.combatBonusValue << ", cost " << a.newCost << "/"
               << a.setupPoints << ", " << a.ability << ", sound " << a.moveSound << ", facing " << a.facing
               << ", triggers " << a.triggers[0] << "x" << a.triggerNumbers[0] << " " << a.triggers[1] << "x"
               << a.triggerNumbers[1] << "}";
}

ArmyType readArmyType(std::span<const std::uint8_t> record) {
    const bool current = record.size() == kArmyTypeLayout.size;
    const ArmyTypeLayout& l = current ? kArmyTypeLayout : kEarlierArmyTypeLayout;
    const core::RecordReader r(record.first(std::min(record.size(), l.size)));
    ArmyType a;
    a.name = r.text(L::kName, L::kNameSize);
    a.description = r.text(L::kDescription, L::kDescriptionSize);
    a.entryName = r.text(L::kEntryName, L::kTextSize);
    a.medalChance = current ? r.u8(l.medalChance) : kEarlierMedalChance;
    a.strength = r.u8(l.strength);
    a.move = r.u8(l.move);
    a.hits = r.u8(l.hits);
    a.time = r.u8(l.time);
    a.upkeep = r.u8(l.upkeep);
    a.viewRange = r.u8(l.viewRange);
    for (std::size_t i = 0; i < a.subtypes.size(); ++i)
        a.subtypes[i] = r.text(l.subtypes + i * L::kTextSize, L::kTextSize);
    for (std::size_t i = 0; i < a.moveBonuses.size(); ++i)
        a.moveBonuses[i] = r.text(l.moveBonuses + i * L::kTextSize, L::kTextSize);
    a.combatBonus = r.text(l.combatBonus, L::kTextSize);
    a.combatBonusValue = r.u8(l.combatBonusValue);
    a.newCost = r.s16(l.newCost);
    a.setupPoints = r.s16(l.setupPoints);
    a.ability = readAbility(r.bytes(), l.ability);
    a.moveSound = r.s8(l.moveSound);
    a.facing = r.s8(l.facing);
    for (std::size_t i = 0; i < 2; ++i) {
        a.triggers[i] = r.s8(l.triggers + i);
        a.triggerNumbers[i] = r.s8(l.triggerNumbers + i);
    }
    return a;
}

core::Bytes writeArmyType(const ArmyType& a, const ArmyTypeLayout& l) {
    core::RecordWriter w(l.size);
    w.text(L::kName, L::kNameSize, a.name);
    w.text(L::kDescription, L::kDescriptionSize, a.description);
    w.text(L::kEntryName, L::kTextSize, a.entryName);
    if (l.medalChance) w.u8(l.medalChance, a.medalChance);
    w.u8(l.strength, a.strength);
    w.u8(l.move, a.move);
    w.u8(l.hits, a.hits);
    w.u8(l.time, a.time);
    w.u8(l.upkeep, a.upkeep);
    w.u8(l.viewRange, a.viewRange);
    for (std::size_t i = 0; i < a.subtypes.size(); ++i)
        w.text(l.subtypes + i * L::kTextSize, L::kTextSize, a.subtypes[i]);
    for (std::size_t i = 0; i < a.moveBonuses.size(); ++i)
        w.text(l.moveBonuses + i * L::kTextSize, L::kTextSize, a.moveBonuses[i]);
    w.text(l.combatBonus, L::kTextSize, a.combatBonus);
    w.u8(l.combatBonusValue, a.combatBonusValue);
    w.s16(l.newCost, a.newCost);
    w.s16(l.setupPoints, a.setupPoints);
    writeAbility(w.span(l.ability, SpecialAbility::kSize), 0, a.ability);
    w.s8(l.moveSound, a.moveSound);
    w.s8(l.facing, a.facing);
    for (std::size_t i = 0; i < 2; ++i) {
        w.s8(l.triggers + i, a.triggers[i]);
        w.s8(l.triggerNumbers + i, a.triggerNumbers[i]);
    }
    return w.take();
}

ArmyType newArmyType(std::string_view entryName) {
    ArmyType a;
    a.name = std::string(entryName);
    a.entryName = std::string(entryName);
    a.strength = 2;
    a.move = 12;
    a.hits = 2;
    a.time = 1;
    a.upkeep = 2;
    a.viewRange = 2;
    a.newCost = 100;
    a.setupPoints = 50;
    a.facing = kSouth;
    return a;
}

bool canFly(const ArmyType& army) { return army.moveBonuses[0] == kFlyMoveBonus; }

}  // namespace kestrel::datasets
