// A record format flattened into its leaves: every number, bit field and text
// under the name `show` and the JSON give it ("production[2]",
// "ability.code"), plus the bytes no field explains: what lies behind a
// text's NUL ("name.after") and the bits no field covers ("rest@207").
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/record_format.hpp"

namespace kestrel::records {

enum class LeafKind : std::uint8_t { Number, Bits, Text, After, Rest };

struct Leaf {
    std::string name;
    LeafKind kind;
    core::FieldType type;
    std::size_t at, size;
    int bit = 0, bits = 0;
    const core::Field* field = nullptr;  // its meanings; none for a rest
    std::vector<std::uint8_t> mask;      // Rest: the bits of each byte it holds
};

// A leaf's value: numbers as numbers; texts, afters and rests as raw bytes.
struct LeafValue {
    std::int64_t number = 0;
    std::string bytes;
};

struct Leaves {
    std::vector<Leaf> all;
    const Leaf* find(std::string_view name) const;
};

// Built once per format and kept.
const Leaves& leavesOf(const core::Format& format);

// `record` is the whole record, zero-padded to the format's size.
LeafValue readLeaf(const Leaf& leaf, std::span<const std::uint8_t> record);
// Afters and rests that hold nothing are left out of the text forms.
bool isQuiet(const Leaf& leaf, const LeafValue& value);
// Afters go after their texts; rests only touch the bits they hold.
void writeLeaf(const Leaf& leaf, std::span<std::uint8_t> record, const LeafValue& value);

// The smallest and largest value a number or bit field can store.
std::int64_t leafMin(const Leaf& leaf);
std::int64_t leafMax(const Leaf& leaf);

// The name of a value, when the format gives one and the name leads back to
// that value alone.
std::optional<std::string_view> meaningOf(const Leaf& leaf, std::int64_t value);
std::optional<std::int64_t> valueNamed(const Leaf& leaf, std::string_view name);

// "5a 00 ff"; reading takes pairs with or without spaces.
std::string toHex(std::string_view bytes);
std::optional<std::string> fromHex(std::string_view hex);

}  // namespace kestrel::records
