// Spell record: name, description, mana cost and four special abilities.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>

#include "core/bytes.hpp"
#include "core/record_format.hpp"
#include "datasets/ability_entry.hpp"

namespace kestrel::datasets {

// The abilities a spell can have, in the order of the editor's lists.
std::span<const AbilityChoice> spellAbilities();

struct SpellLimits {
    static constexpr std::size_t kName = 15, kDescription = 127;
    static constexpr int kMaxManaCost = 99, kNewManaCost = 4;
};

inline constexpr std::array<core::Field, 4> kSpellFields{{
    core::text("name", 0, 16),
    core::text("description", 16, 128),
    core::s16("manaCost", 144).within(0, SpellLimits::kMaxManaCost),
    core::records("abilities", 146, AbilityEntryFormat<&spellAbilities, 9, kListedAbilities>::format, 4),
}};
inline constexpr core::Format kSpellFormat{"spell", 210, kSpellFields};
static_assert(core::wellFormed(kSpellFormat));

struct SpellLayout {
    static constexpr std::size_t kSize = kSpellFormat.size;
    static constexpr std::size_t kName = kSpellFormat.at("name"), kNameSize = kSpellFormat.sizeOf("name");
    static constexpr std::size_t kDescription = kSpellFormat.at("description"),
                                 kDescriptionSize = kSpellFormat.sizeOf("description");
    static constexpr std::size_t kManaCost = kSpellFormat.at("manaCost");
    static constexpr std::size_t kAbilities = kSpellFormat.field("abilities").count;
};

struct Spell {
    std::string name;
    std::string description;
    std::int16_t manaCost = 0;
    std::array<SpecialAbility, SpellLayout::kAbilities> abilities;
    bool operator==(const Spell&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Spell& spell);

Spell readSpell(std::span<const std::uint8_t> record);
core::Bytes writeSpell(const Spell& spell);
Spell newSpell(std::string_view entryName);

}  // namespace kestrel::datasets
