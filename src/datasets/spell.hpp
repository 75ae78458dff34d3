// Spell record: name, description, mana cost and four special abilities.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>

#include "core/bytes.hpp"
#include "datasets/ability_entry.hpp"

namespace kestrel::datasets {

struct SpellLayout {
    static constexpr std::size_t kSize = 210;
    static constexpr std::size_t kName = 0, kNameSize = 16;
    static constexpr std::size_t kDescription = 16, kDescriptionSize = 128;
    static constexpr std::size_t kManaCost = 144;
    static constexpr std::size_t kFirstAbility = 146;  // then every 16 bytes
    static constexpr std::size_t kAbilities = 4;
};

struct SpellLimits {
    static constexpr std::size_t kName = 15, kDescription = 127;
    static constexpr int kMaxManaCost = 99, kNewManaCost = 4;
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

// The abilities a spell can have, in the order of the editor's lists.
std::span<const AbilityChoice> spellAbilities();

}  // namespace kestrel::datasets
