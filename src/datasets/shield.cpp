#include "datasets/shield.hpp"

#include "core/record_fields.hpp"
#include "core/text_case.hpp"

namespace kestrel::datasets {

using L = ShieldLayout;

static_assert(shieldKindInfo(ShieldKind::Base).kind == ShieldKind::Base &&
              shieldKindInfo(ShieldKind::Charge).kind == ShieldKind::Charge);

namespace {

// A group caption without the spaces that pad it.
constexpr std::string_view unpadded(std::string_view caption) {
    const std::size_t from = caption.find_first_not_of(' ');
    if (from == std::string_view::npos) return {};
    return caption.substr(from, caption.find_last_not_of(' ') - from + 1);
}

constexpr auto kKindCodes = [] {
    std::array<core::NamedValue, kShieldKinds.size()> codes{};
    for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = {unpadded(kShieldKinds[i].group), kShieldKinds[i].code};
    return codes;
}();

}  // namespace

std::span<const core::NamedValue> shieldKindCodes() { return kKindCodes; }

std::optional<ShieldFileName> splitShieldFileName(std::string_view fileBase) {
    if (fileBase.size() < 2) return std::nullopt;
    for (const auto& k : kShieldKinds)
        if (core::foldCase(fileBase[0]) == core::foldCase(k.letter))
            return ShieldFileName{k.kind, std::string(fileBase.substr(1))};
    return std::nullopt;
}

std::string shieldFileName(ShieldKind kind, std::string_view name) {
    return shieldKindInfo(kind).letter + std::string(name);
}

std::ostream& operator<<(std::ostream& out, const Shield& s) {
    return out << "Shield{kind " << int{s.kindCode} << ", \"" << s.name << "\", \"" << s.heraldicName << "\"}";
}

Shield readShield(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return {r.u8(L::kKindCode), r.text(L::kName, L::kNameSize), r.text(L::kHeraldicName, L::kHeraldicNameSize)};
}

core::Bytes writeShield(const Shield& shield) {
    core::RecordWriter w(L::kSize);
    w.u8(L::kKindCode, shield.kindCode);
    w.text(L::kName, L::kNameSize, shield.name);
    w.text(L::kHeraldicName, L::kHeraldicNameSize, shield.heraldicName);
    return w.take();
}

Shield newShield(ShieldKind kind, std::string_view name) { return {shieldKindInfo(kind).code, std::string(name), {}}; }

}  // namespace kestrel::datasets
