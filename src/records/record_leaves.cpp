#include "records/record_leaves.hpp"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

#include "core/escaped_text.hpp"

namespace kestrel::records {

namespace {

using core::Field;
using core::FieldType;
using core::Format;

std::string elementName(const Field& f, std::size_t i) {
    std::string name(f.name);
    if (f.count > 1) name += '[' + std::to_string(i) + ']';
    return name;
}

struct Builder {
    Leaves leaves;
    std::vector<std::uint8_t> covered;  // bits per byte of the outermost record

    void cover(std::size_t at, std::size_t size) { std::fill_n(covered.begin() + at, size, 0xFF); }

    // A bit field's word is at most four bytes.
    void coverBits(std::size_t at, std::size_t size, std::uint32_t bitsOfWord) {
        for (std::size_t i = 0; i < size; ++i) covered[at + i] |= static_cast<std::uint8_t>(bitsOfWord >> (8 * i));
    }

    void addRest(std::string name, std::size_t at, std::size_t size) {
        Leaf leaf{std::move(name), LeafKind::Rest, FieldType::Bytes, at, size};
        leaf.mask.resize(size);
        for (std::size_t i = 0; i < size; ++i) leaf.mask[i] = static_cast<std::uint8_t>(~covered[at + i]);
        cover(at, size);
        leaves.all.push_back(std::move(leaf));
    }

    void addField(const Field& f, std::size_t base, const std::string& prefix) {
        for (std::size_t i = 0; i < f.count; ++i) {
            const std::size_t at = base + f.elementAt(i);
            const std::string name = prefix + elementName(f, i);
            switch (f.type) {
                case FieldType::Record:
                    for (const Field& inner : f.format->fields) addField(inner, at, name + '.');
                    break;
                case FieldType::Bytes:
                    addRest(name, at, f.size);
                    break;
                case FieldType::Text:
                    leaves.all.push_back({name, LeafKind::Text, f.type, at, f.size, 0, 0, &f});
                    leaves.all.push_back({name + ".after", LeafKind::After, f.type, at, f.size, 0, 0, &f});
                    cover(at, f.size);
                    break;
                case FieldType::Bits: {
                    leaves.all.push_back({name, LeafKind::Bits, f.type, at, f.size, f.bit, f.bits, &f});
                    const std::uint32_t mask = ((1u << f.bits) - 1u) << f.bit;
                    coverBits(at, f.size, mask);
                    break;
                }
                default:
                    leaves.all.push_back({name, LeafKind::Number, f.type, at, f.size, 0, 0, &f});
                    cover(at, f.size);
            }
        }
    }

    // Runs of bytes with bits that no field covers, in offset order among the
    // fields.
    void addRests(std::size_t size) {
        std::vector<Leaf> rests;
        for (std::size_t at = 0; at < size;) {
            if (covered[at] == 0xFF) {
                ++at;
                continue;
            }
            std::size_t end = at;
            while (end < size && covered[end] != 0xFF) ++end;
            Leaf leaf{"rest@" + std::to_string(at), LeafKind::Rest, FieldType::Bytes, at, end - at};
            for (std::size_t i = at; i < end; ++i) leaf.mask.push_back(static_cast<std::uint8_t>(~covered[i]));
            rests.push_back(std::move(leaf));
            at = end;
        }
        for (Leaf& rest : rests) leaves.all.push_back(std::move(rest));
        std::stable_sort(leaves.all.begin(), leaves.all.end(),
                         [](const Leaf& a, const Leaf& b) { return a.at < b.at; });
    }
};

std::unique_ptr<Leaves> build(const Format& format) {
    Builder b;
    b.covered.assign(format.size, 0);
    for (const Field& f : format.fields) b.addField(f, 0, "");
    b.addRests(format.size);
    return std::make_unique<Leaves>(std::move(b.leaves));
}

std::uint32_t word(std::span<const std::uint8_t> record, std::size_t at, std::size_t size) {
    std::uint32_t w = 0;
    for (std::size_t i = 0; i < size; ++i) w |= static_cast<std::uint32_t>(record[at + i]) << (8 * i);
    return w;
}

void putWord(std::span<std::uint8_t> record, std::size_t at, std::size_t size, std::uint32_t w) {
    for (std::size_t i = 0; i < size; ++i) record[at + i] = static_cast<std::uint8_t>(w >> (8 * i));
}

std::size_t textLength(std::span<const std::uint8_t> record, const Leaf& leaf) {
    const auto field = record.subspan(leaf.at, leaf.size);
    return static_cast<std::size_t>(std::find(field.begin(), field.end(), 0) - field.begin());
}

}  // namespace

const Leaf* Leaves::find(std::string_view name) const {
    for (const Leaf& leaf : all)
        if (leaf.name == name) return &leaf;
    return nullptr;
}

const Leaves& leavesOf(const Format& format) {
    static std::mutex lock;
    static std::map<const Format*, std::unique_ptr<Leaves>> built;
    const std::scoped_lock guard(lock);
    auto& slot = built[&format];
    if (!slot) slot = build(format);
    return *slot;
}

LeafValue readLeaf(const Leaf& leaf, std::span<const std::uint8_t> record) {
    LeafValue v;
    switch (leaf.kind) {
        case LeafKind::Number: {
            const std::uint32_t w = word(record, leaf.at, leaf.size);
            switch (leaf.type) {
                case FieldType::S8:
                    v.number = static_cast<std::int8_t>(w);
                    break;
                case FieldType::S16:
                    v.number = static_cast<std::int16_t>(w);
                    break;
                default:
                    v.number = w;
            }
            break;
        }
        case LeafKind::Bits:
            v.number = (word(record, leaf.at, leaf.size) >> leaf.bit) & ((1u << leaf.bits) - 1u);
            break;
        case LeafKind::Text:
            v.bytes.assign(reinterpret_cast<const char*>(record.data() + leaf.at), textLength(record, leaf));
            break;
        case LeafKind::After: {
            const std::size_t length = textLength(record, leaf);
            std::size_t end = leaf.size;
            while (end > length + 1 && record[leaf.at + end - 1] == 0) --end;
            if (end > length + 1)
                v.bytes.assign(reinterpret_cast<const char*>(record.data() + leaf.at + length + 1), end - length - 1);
            break;
        }
        case LeafKind::Rest:
            for (std::size_t i = 0; i < leaf.size; ++i)
                v.bytes.push_back(static_cast<char>(record[leaf.at + i] & leaf.mask[i]));
            break;
    }
    return v;
}

bool isQuiet(const Leaf& leaf, const LeafValue& value) {
    if (leaf.kind != LeafKind::After && leaf.kind != LeafKind::Rest) return false;
    return std::all_of(value.bytes.begin(), value.bytes.end(), [](char c) { return c == 0; });
}

void writeLeaf(const Leaf& leaf, std::span<std::uint8_t> record, const LeafValue& value) {
    switch (leaf.kind) {
        case LeafKind::Number:
            putWord(record, leaf.at, leaf.size, static_cast<std::uint32_t>(value.number));
            break;
        case LeafKind::Bits: {
            const std::uint32_t mask = ((1u << leaf.bits) - 1u) << leaf.bit;
            const std::uint32_t w = word(record, leaf.at, leaf.size);
            putWord(record, leaf.at, leaf.size,
                    (w & ~mask) | ((static_cast<std::uint32_t>(value.number) << leaf.bit) & mask));
            break;
        }
        case LeafKind::Text: {
            auto field = record.subspan(leaf.at, leaf.size);
            std::fill(field.begin(), field.end(), 0);
            std::copy_n(value.bytes.begin(), std::min(value.bytes.size(), leaf.size), field.begin());
            break;
        }
        case LeafKind::After: {
            // Bytes behind the NUL mean nothing; what no longer fits is dropped.
            const std::size_t from = textLength(record, leaf) + 1;
            for (std::size_t i = 0; i < value.bytes.size() && from + i < leaf.size; ++i)
                record[leaf.at + from + i] = static_cast<std::uint8_t>(value.bytes[i]);
            break;
        }
        case LeafKind::Rest:
            for (std::size_t i = 0; i < leaf.size && i < value.bytes.size(); ++i) {
                auto& b = record[leaf.at + i];
                b = static_cast<std::uint8_t>((b & ~leaf.mask[i]) |
                                              (static_cast<std::uint8_t>(value.bytes[i]) & leaf.mask[i]));
            }
            break;
    }
}

std::int64_t leafMin(const Leaf& leaf) {
    if (leaf.kind == LeafKind::Number && leaf.type == FieldType::S8) return -128;
    if (leaf.kind == LeafKind::Number && leaf.type == FieldType::S16) return -32768;
    return 0;
}

std::int64_t leafMax(const Leaf& leaf) {
    if (leaf.kind == LeafKind::Bits) return (std::int64_t{1} << leaf.bits) - 1;
    switch (leaf.type) {
        case FieldType::S8:
            return 127;
        case FieldType::S16:
            return 32767;
        case FieldType::U16:
            return 65535;
        default:
            return 255;
    }
}

std::optional<std::string_view> meaningOf(const Leaf& leaf, std::int64_t value) {
    if (!leaf.field) return std::nullopt;
    std::optional<std::string_view> name;
    if (leaf.field->codes) {
        for (const auto& nv : leaf.field->codes())
            if (nv.value == value) {
                name = nv.name;
                break;
            }
    } else if (value >= leaf.field->first &&
               value - leaf.field->first < static_cast<std::int64_t>(leaf.field->names.size())) {
        name = leaf.field->names[static_cast<std::size_t>(value - leaf.field->first)];
    }
    if (!name || name->empty() || valueNamed(leaf, *name) != value) return std::nullopt;
    return name;
}

std::optional<std::int64_t> valueNamed(const Leaf& leaf, std::string_view name) {
    if (!leaf.field) return std::nullopt;
    if (leaf.field->codes) {
        for (const auto& nv : leaf.field->codes())
            if (nv.name == name) return nv.value;
        return std::nullopt;
    }
    for (std::size_t i = 0; i < leaf.field->names.size(); ++i)
        if (leaf.field->names[i] == name) return leaf.field->first + static_cast<std::int64_t>(i);
    return std::nullopt;
}

std::string toHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        if (!out.empty()) out += ' ';
        out += kDigits[static_cast<unsigned char>(c) >> 4];
        out += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

std::optional<std::string> fromHex(std::string_view hex) {
    std::string out;
    for (std::size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= hex.size()) return std::nullopt;
        const int high = core::hexDigitValue(hex[i]), low = core::hexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return out;
}

}  // namespace kestrel::records
