#include "datasets/spell.hpp"

#include "core/record_fields.hpp"

namespace kestrel::datasets {

namespace {

using L = SpellLayout;

// clang-format off
constexpr std::array<AbilityChoice, 35> kAbilities{{
    {"Nothing", 0},         {"Leadership +N", 1},     {"Chaos +N", 2},          {"Morale +N", 3},
    {"Fear +N", 4},         {"Siege +N", 5},          {"Fortify +N", 6},        {"Movement +N", 7},
    {"Strength +N", 8},     {"All-Terr Move Bonus", 9}, {"Income +N", 11},     {"Engineer +N", 12},
    {"Flying", 13},         {"Hits +N", 14},          {"Speed", 15},            {"Invisibility", 16},
    {"Move +N (grp)", 17},  {"Hits +N (grp)", 18},    {"Summon <code> +N", 22}, {"View +N", 23},
    {"View +N (grp)", 24},  {"Bless", 25},            {"Poison +N", 26},        {"Disease +N", 27},
    {"View Hid Map", 29},   {"First Strike +N", 30},  {"Medals +N", 31},        {"Trample +N", 32},
    {"Curse +N", 33},       {"Giantslayer +N", 34},   {"Teleport", 35},         {"Create Item", 36},
    {"Acid +N", 38},        {"Lightning +N", 39},     {"Paralysis +N", 40},
}};
// clang-format on

constexpr std::size_t abilityAt(std::size_t index) { return kSpellFormat.field("abilities").elementAt(index); }

}  // namespace

std::span<const AbilityChoice> spellAbilities() { return kAbilities; }

std::ostream& operator<<(std::ostream& out, const Spell& s) {
    out << "Spell{\"" << s.name << "\", \"" << s.description << "\", mana " << s.manaCost;
    for (const auto& a : s.abilities) out << ", " << a;
    return out << "}";
}

Spell readSpell(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    Spell spell;
    spell.name = r.text(L::kName, L::kNameSize);
    spell.description = r.text(L::kDescription, L::kDescriptionSize);
    spell.manaCost = r.s16(L::kManaCost);
    for (std::size_t i = 0; i < L::kAbilities; ++i) spell.abilities[i] = readAbility(record, abilityAt(i));
    return spell;
}

core::Bytes writeSpell(const Spell& spell) {
    core::RecordWriter w(L::kSize);
    w.text(L::kName, L::kNameSize, spell.name);
    w.text(L::kDescription, L::kDescriptionSize, spell.description);
    w.s16(L::kManaCost, spell.manaCost);
    for (std::size_t i = 0; i < L::kAbilities; ++i)
        writeAbility(w.span(abilityAt(i), SpecialAbility::kSize), 0, spell.abilities[i]);
    return w.take();
}

Spell newSpell(std::string_view entryName) {
    Spell spell;
    spell.name = std::string(entryName);
    spell.manaCost = SpellLimits::kNewManaCost;
    return spell;
}

}  // namespace kestrel::datasets
