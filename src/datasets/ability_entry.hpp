// The 16-byte special ability entry that several records share, and the
// translation between an editor's list positions and the stored codes.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/record_format.hpp"

namespace kestrel::datasets {

// One editor's offer of abilities: list position i shows names[i] and stores codes[i].
using AbilityChoice = core::NamedValue;

// What an editor lets an entry hold: only the codes its list offers, and
// values up to a limit (none when maxValue is below 0).
struct AbilityLimits {
    bool listedOnly = false;
    int maxValue = -1;
};

// The entry with the names of one editor's codes; byte 15 is spare, except
// in the scenario's files, whose texts take it too (a TextSize of 10).
template <std::span<const AbilityChoice> (*Codes)(), std::size_t TextSize = 9, AbilityLimits Limits = AbilityLimits{}>
struct AbilityEntryFormat {
    static constexpr core::Field code() {
        const core::Field f = core::s16("code", 0).coded(Codes);
        return Limits.listedOnly ? f.meaningsOnly() : f;
    }
    static constexpr std::array<core::Field, 4> fields{{
        code(),
        core::s16("first", 2).within(0, Limits.maxValue),
        core::s16("second", 4).within(0, Limits.maxValue),
        core::text("text", 6, TextSize),
    }};
    static constexpr core::Format format{"ability", 16, fields};
    static_assert(core::wellFormed(format));
};
// Lists that offer only their own codes, without and with a value limit.
inline constexpr AbilityLimits kListedAbilities{true};
constexpr AbilityLimits listedAbilitiesUpTo(int maxValue) { return {true, maxValue}; }

// Without names, for the offsets.
inline constexpr const core::Format& kAbilityEntryFormat = AbilityEntryFormat<nullptr>::format;

struct SpecialAbility {
    static constexpr std::size_t kSize = kAbilityEntryFormat.size;
    static constexpr std::size_t kCodeAt = kAbilityEntryFormat.at("code"), kFirstAt = kAbilityEntryFormat.at("first"),
                                 kSecondAt = kAbilityEntryFormat.at("second"), kTextAt = kAbilityEntryFormat.at("text"),
                                 kTextSize = kAbilityEntryFormat.sizeOf("text");
    static constexpr std::size_t kTextLimit = 8;

    std::int16_t code = 0;
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::string text;
    bool operator==(const SpecialAbility&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SpecialAbility& a);

// Reads what the record holds; bytes past its end read as zero.
SpecialAbility readAbility(std::span<const std::uint8_t> record, std::size_t offset);
void writeAbility(std::span<std::uint8_t> record, std::size_t offset, const SpecialAbility& ability);

// The list position of a code; codes not offered show as position 0.
int abilityPosition(std::span<const AbilityChoice> choices, std::int16_t code);
std::int16_t abilityCode(std::span<const AbilityChoice> choices, int position);

}  // namespace kestrel::datasets
