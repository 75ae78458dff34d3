// A record format described once, as data: each field with its name, offset,
// type and, where the game gives one, the meaning of its values. The codecs
// take their offsets from here; showing, the JSON form and the checker walk
// the same table, so no offset is written twice.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace kestrel::core {

enum class FieldType : std::uint8_t {
    U8,
    S8,
    U16,
    S16,
    S32,
    Bits,    // `bits` bits from bit `bit` of the little-endian word of `size` bytes at `at`
    Text,    // `size` bytes, NUL-terminated when shorter
    Bytes,   // `size` bytes with no known meaning, kept as read
    Record,  // a record of `format`
};

// A stored value and what it means: an ability code and its name.
struct NamedValue {
    std::string_view name;
    std::int16_t value;
};

struct Format;

struct Field {
    std::string_view name;
    std::size_t at = 0;
    FieldType type = FieldType::U8;
    std::size_t size = 1;    // bytes of one element
    std::size_t count = 1;   // elements, one after the other
    std::size_t stride = 0;  // from one element to the next; 0: its size
    int bit = 0, bits = 0;
    const Format* format = nullptr;
    // Meanings: value first + i is names[i]; or the pairs that codes() gives.
    std::span<const std::string_view> names{};
    int first = 0;
    std::span<const NamedValue> (*codes)() = nullptr;
    // The values the editors can store, for the checker: low..high when
    // low <= high; with `onlyMeanings`, nothing but a named value.
    std::int32_t low = 0, high = -1;
    bool onlyMeanings = false;

    constexpr std::size_t step() const { return stride ? stride : size; }
    constexpr std::size_t end() const { return at + (count - 1) * step() + size; }
    // Element i's offset in the record.
    constexpr std::size_t elementAt(std::size_t i) const { return at + i * step(); }

    constexpr Field named(std::span<const std::string_view> table, int firstValue = 0) const {
        Field f = *this;
        f.names = table;
        f.first = firstValue;
        return f;
    }
    constexpr Field coded(std::span<const NamedValue> (*table)()) const {
        Field f = *this;
        f.codes = table;
        return f;
    }
    constexpr Field within(std::int32_t lowest, std::int32_t highest) const {
        Field f = *this;
        f.low = lowest;
        f.high = highest;
        return f;
    }
    // Every value the field may hold has a meaning.
    constexpr Field meaningsOnly() const {
        Field f = *this;
        f.onlyMeanings = true;
        return f;
    }
    constexpr bool ranged() const { return low <= high; }
    constexpr Field every(std::size_t elementStride) const {
        Field f = *this;
        f.stride = elementStride;
        return f;
    }
};

struct Format {
    std::string_view name;  // for people and for the JSON's "format"
    std::size_t size;
    std::span<const Field> fields;

    // The field of that name; naming one that is not there stops the build.
    constexpr const Field& field(std::string_view fieldName) const {
        for (const Field& f : fields)
            if (f.name == fieldName) return f;
        throw "no such field";
    }
    constexpr bool has(std::string_view fieldName) const {
        for (const Field& f : fields)
            if (f.name == fieldName) return true;
        return false;
    }
    constexpr std::size_t at(std::string_view fieldName) const { return field(fieldName).at; }
    constexpr std::size_t sizeOf(std::string_view fieldName) const { return field(fieldName).size; }
};

constexpr std::size_t widthOf(FieldType type) {
    if (type == FieldType::S32) return 4;
    return type == FieldType::U16 || type == FieldType::S16 ? 2 : 1;
}

constexpr Field u8(std::string_view name, std::size_t at, std::size_t count = 1) {
    return {name, at, FieldType::U8, 1, count};
}
constexpr Field s8(std::string_view name, std::size_t at, std::size_t count = 1) {
    return {name, at, FieldType::S8, 1, count};
}
constexpr Field u16(std::string_view name, std::size_t at, std::size_t count = 1) {
    return {name, at, FieldType::U16, 2, count};
}
constexpr Field s16(std::string_view name, std::size_t at, std::size_t count = 1) {
    return {name, at, FieldType::S16, 2, count};
}
constexpr Field s32(std::string_view name, std::size_t at, std::size_t count = 1) {
    return {name, at, FieldType::S32, 4, count};
}
constexpr Field text(std::string_view name, std::size_t at, std::size_t size, std::size_t count = 1) {
    return {name, at, FieldType::Text, size, count};
}
constexpr Field bytes(std::string_view name, std::size_t at, std::size_t size) {
    return {name, at, FieldType::Bytes, size};
}
// `width` bits from bit `bit` of the word of `wordSize` bytes at `at`.
constexpr Field bits(std::string_view name, std::size_t at, std::size_t wordSize, int bit, int width) {
    Field f{name, at, FieldType::Bits, wordSize};
    f.bit = bit;
    f.bits = width;
    return f;
}
constexpr Field records(std::string_view name, std::size_t at, const Format& format, std::size_t count = 1) {
    Field f{name, at, FieldType::Record, format.size, count};
    f.format = &format;
    return f;
}

// Every field lies inside the record, in order of offset, and none overlaps
// the one before it, except bit fields that share a word. (Indices, not a
// pointer to the previous field: with the undefined-behaviour checks on, the
// compiler will not test the address of a template's member against null at
// compile time.)
constexpr bool wellFormed(const Format& format) {
    std::size_t covered = 0;
    for (std::size_t i = 0; i < format.fields.size(); ++i) {
        const Field& f = format.fields[i];
        const bool first = i == 0;
        const Field& previous = format.fields[first ? 0 : i - 1];
        if (f.name.empty() || f.count == 0 || f.end() > format.size) return false;
        if (f.type != FieldType::Bits && f.type != FieldType::Record && f.type != FieldType::Text &&
            f.type != FieldType::Bytes && f.size != widthOf(f.type))
            return false;
        if (f.type == FieldType::Bits && (f.bits < 1 || f.bit + f.bits > static_cast<int>(8 * f.size))) return false;
        if (f.step() < f.size) return false;
        const bool sharesWord = !first && previous.type == FieldType::Bits && f.type == FieldType::Bits &&
                                previous.at == f.at && previous.count == 1 && f.count == 1;
        if (!sharesWord && f.at < covered) return false;
        if (sharesWord && previous.bit + previous.bits > f.bit) return false;
        covered = f.end();
    }
    return true;
}

// Bytes that a later layout added, at its offsets.
struct Cut {
    std::size_t at, size;
};

// An earlier layout from a later one's fields: the cut bytes taken out. A
// field inside a cut, or named `dropped`, goes; a single text that spans a cut
// shrinks with it; what lies behind a cut moves up. The count M of the fields
// that stay is checked.
template <std::size_t M, std::size_t N, std::size_t C>
constexpr std::array<Field, M> withoutCuts(const std::array<Field, N>& later, const std::array<Cut, C>& cuts,
                                           std::string_view dropped = {}) {
    std::array<Field, M> earlier{};
    std::size_t kept = 0;
    for (const Field& f : later) {
        std::size_t before = 0, inside = 0;
        for (const Cut& c : cuts) {
            if (c.at + c.size <= f.at)
                before += c.size;
            else if (c.at >= f.at && c.at + c.size <= f.end())
                inside += c.size;
        }
        if (f.name == dropped || inside == f.end() - f.at) continue;
        if (inside && (f.type != FieldType::Text || f.count != 1)) throw "a cut splits a field";
        if (kept == M) throw "more fields stay than the earlier layout has";
        Field moved = f;
        moved.at -= before;
        moved.size -= inside;
        earlier[kept++] = moved;
    }
    if (kept != M) throw "fewer fields stay than the earlier layout has";
    return earlier;
}

// The 16-bit count in front of the records of a counted file.
inline constexpr Field kCountFields[]{s16("count", 0)};
inline constexpr Format kCountFormat{"count", 2, kCountFields};
static_assert(wellFormed(kCountFormat));

}  // namespace kestrel::core
