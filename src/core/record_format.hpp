// A record format described once, as data: each field with its name, offset,
// type and, where the game gives one, the meaning of its values. The codecs
// take their offsets from here; showing, the JSON form and the checker walk
// the same table, so no offset is written twice.
#pragma once
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
    constexpr std::size_t at(std::string_view fieldName) const { return field(fieldName).at; }
    constexpr std::size_t sizeOf(std::string_view fieldName) const { return field(fieldName).size; }
};

constexpr std::size_t widthOf(FieldType type) { return type == FieldType::U16 || type == FieldType::S16 ? 2 : 1; }

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
// the one before it, except bit fields that share a word.
constexpr bool wellFormed(const Format& format) {
    std::size_t covered = 0;
    // By index: GCC 12 cannot test a pointer into a class template's own
    // static table against null while it evaluates this.
    for (std::size_t i = 0; i < format.fields.size(); ++i) {
        const Field& f = format.fields[i];
        if (f.name.empty() || f.count == 0 || f.end() > format.size) return false;
        if (f.type != FieldType::Bits && f.type != FieldType::Record && f.type != FieldType::Text &&
            f.type != FieldType::Bytes && f.size != widthOf(f.type))
            return false;
        if (f.type == FieldType::Bits && (f.bits < 1 || f.bit + f.bits > static_cast<int>(8 * f.size))) return false;
        if (f.step() < f.size) return false;
        const Field& previous = format.fields[i ? i - 1 : 0];
        const bool sharesWord = i > 0 && previous.type == FieldType::Bits && f.type == FieldType::Bits &&
                                previous.at == f.at && previous.count == 1 && f.count == 1;
        if (!sharesWord && f.at < covered) return false;
        if (sharesWord && previous.bit + previous.bits > f.bit) return false;
        covered = f.end();
    }
    return true;
}

}  // namespace kestrel::core
