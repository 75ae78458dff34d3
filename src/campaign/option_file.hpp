// OPT<r>.DAT: the game options of episode r + 1, 42 bytes of bit fields and
// fixed values. One table names each option once, for the codec and the
// dialog alike.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"

namespace kestrel::campaign {

struct OptionLayout {
    static constexpr std::size_t kSize = 42;
};

enum class OptionKind {
    Check,   // on when any of its bits is set; written as 0 or 1
    Number,  // checked against its range
    Razing,  // the radio group: No Razing, Raze On Capture, Raze Anytime
};

struct OptionField {
    std::size_t byte;
    int bit;    // of the least significant bit
    int width;  // bits
    int id;     // control
    std::string_view label;
    int defaultValue;  // of a missing file
    OptionKind kind = OptionKind::Check;
    int minValue = 0, maxValue = 1;
};

inline constexpr std::array<OptionField, 23> kOptionFields{{
    {2, 0, 1, 1306, "View Enemy Move", 1},
    {2, 1, 1, 1307, "View Enemy Stack", 0},
    {2, 2, 1, 1308, "View Enemy Cities", 1},
    {2, 3, 1, 1309, "View Enemy Production", 1},
    {2, 4, 1, 1310, "Hidden Map", 0},
    {2, 5, 1, 1311, "Fog of War", 0},
    {2, 6, 1, 1312, "See Hidden Water", 0},
    {3, 1, 1, 1313, "Random Turns", 0},
    {3, 3, 4, 1319, "Time Limit", 0, OptionKind::Number, 0, 9},
    {4, 0, 1, 1314, "Combat Drops City Level", 0},
    {4, 1, 1, 1315, "Military Advisor", 1},
    {4, 3, 5, 1320, "Combat Dice", 20, OptionKind::Number, 18, 24},
    {6, 0, 1, 1316, "Active Neutrals", 0},
    {6, 1, 2, 1317, "Strong Neutrals", 1},
    {7, 0, 1, 1318, "I Am The Greatest!!", 0},
    {7, 1, 2, 1321, "", 1, OptionKind::Razing, 0, 2},
    {7, 3, 1, 1029, "Diplomacy", 1},
    {7, 4, 1, 1030, "Hidden Ruins", 0},
    {7, 5, 1, 1031, "Discover Ruins", 0},
    {7, 6, 1, 1032, "Quests", 1},
    {7, 7, 1, 1033, "Spells", 1},
    {8, 0, 1, 1034, "Merchants", 1},
    {8, 1, 1, 1035, "Mercenaries", 1},
}};

// The radio buttons of the razing field, ids from its id on, one per value.
inline constexpr std::array<std::string_view, 3> kRazingLabels{"No Razing", "Raze On Capture", "Raze Anytime"};

// Values written on every OK, whatever the file held: `count` numbers of
// `width` bytes from `at`.
struct FixedRun {
    std::size_t at, count, width;
    int value;
};
inline constexpr std::array<FixedRun, 4> kFixedRuns{{
    {1, 1, 1, 15},
    {3, 1, 1, 4},  // bit 2 of the time limit's byte
    {9, 8, 1, 1},
    {26, 8, 2, 100},
}};

// Rows 0 to 9, one per episode.
inline constexpr int kOptionRows = 10;

struct Options {
    std::array<int, kOptionFields.size()> values{};  // in the table's order
    bool operator==(const Options&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Options& options);

Options defaultOptions();
// Only the bits that an option names are read; a short file reads as if
// padded with zeros.
Options readOptions(std::span<const std::uint8_t> file);
// The fixed values, then each value cut to its field's width.
core::Bytes writeOptions(const Options& options);

std::string optionFileName(int row);

}  // namespace kestrel::campaign
