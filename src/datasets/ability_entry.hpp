// The 16-byte special ability entry that several records share, and the
// translation between an editor's list positions and the stored codes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace kestrel::datasets {

struct SpecialAbility {
    static constexpr std::size_t kSize = 16;
    static constexpr std::size_t kCodeAt = 0, kFirstAt = 2, kSecondAt = 4, kTextAt = 6, kTextSize = 9;
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

// One editor's offer of abilities: list position i shows names[i] and stores codes[i].
struct AbilityChoice {
    std::string_view name;
    std::int16_t code;
};

// The list position of a code; codes not offered show as position 0.
int abilityPosition(std::span<const AbilityChoice> choices, std::int16_t code);
std::int16_t abilityCode(std::span<const AbilityChoice> choices, int position);

}  // namespace kestrel::datasets
