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
#include "core/record_format.hpp"

namespace kestrel::campaign {

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

namespace detail {

// An option's field name: its label in lowerCamelCase ("Fog of War" gives
// fogOfWar); the razing group, which has no label of its own, is "razing".
constexpr std::string_view kRazingName = "razing";

constexpr bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}
constexpr char toUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char toLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr std::size_t optionNameChars() {
    std::size_t n = kRazingName.size() + kOptionFields.size();
    for (const OptionField& f : kOptionFields) n += f.label.size();
    return n;
}

// The names one after the other, each ended by a NUL.
constexpr std::array<char, optionNameChars()> optionNames() {
    std::array<char, optionNameChars()> chars{};
    std::size_t n = 0;
    for (const OptionField& f : kOptionFields) {
        const std::size_t start = n;
        bool wordStart = false;
        for (const char c : f.kind == OptionKind::Razing ? kRazingName : f.label) {
            if (!isLetterOrDigit(c)) {
                wordStart = true;
                continue;
            }
            const char out = n == start ? toLower(c) : wordStart ? toUpper(c) : c;
            chars[n++] = out;
            wordStart = false;
        }
        chars[n++] = '\0';
    }
    return chars;
}
inline constexpr auto kOptionNames = optionNames();

constexpr std::array<core::Field, kOptionFields.size()> optionFields() {
    std::array<core::Field, kOptionFields.size()> fields{};
    std::size_t from = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const OptionField& f = kOptionFields[i];
        std::size_t length = 0;
        while (kOptionNames[from + length] != '\0') ++length;
        const std::string_view name(kOptionNames.data() + from, length);
        from += length + 1;
        fields[i] = core::bits(name, f.byte, 1, f.bit, f.width);
        if (f.kind == OptionKind::Number) fields[i] = fields[i].within(f.minValue, f.maxValue);
        if (f.kind == OptionKind::Razing) fields[i] = fields[i].named(kRazingLabels).meaningsOnly();
    }
    return fields;
}

}  // namespace detail

// The options as bit fields; the fixed values below have no field.
inline constexpr std::array<core::Field, kOptionFields.size()> kOptionBitFields = detail::optionFields();
inline constexpr core::Format kOptionFormat{"options", 42, kOptionBitFields};
static_assert(core::wellFormed(kOptionFormat));

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

struct OptionLayout {
    static constexpr std::size_t kSize = kOptionFormat.size;
};

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
