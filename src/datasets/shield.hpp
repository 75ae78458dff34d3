// Shield feature record: its kind, its name and its heraldic name. The three
// kinds share one folder; a file's first letter says which kind it is.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/record_format.hpp"

namespace kestrel::datasets {

enum class ShieldKind { Base, Ordinary, Charge };

struct ShieldKindInfo {
    ShieldKind kind;
    std::uint8_t code;       // as the record stores it
    char letter;             // first letter of the file name
    std::string_view group;  // caption of its group in the list dialog
};

inline constexpr std::array<ShieldKindInfo, 3> kShieldKinds{{
    {ShieldKind::Base, 0, 'B', " Base "},
    {ShieldKind::Ordinary, 1, 'O', "Ordinary"},
    {ShieldKind::Charge, 2, 'C', "Charge"},
}};

constexpr const ShieldKindInfo& shieldKindInfo(ShieldKind kind) { return kShieldKinds[static_cast<std::size_t>(kind)]; }

// A file's base name split into its kind (the first letter, any case) and the
// entry name behind it; nothing when the letter names no kind or no name follows.
struct ShieldFileName {
    ShieldKind kind;
    std::string name;
    bool operator==(const ShieldFileName&) const = default;
};
std::optional<ShieldFileName> splitShieldFileName(std::string_view fileBase);
std::string shieldFileName(ShieldKind kind, std::string_view name);

// The kinds by the code the record stores, named as their groups are
// captioned, without the padding.
std::span<const core::NamedValue> shieldKindCodes();

inline constexpr std::array<core::Field, 3> kShieldFields{{
    core::u8("kindCode", 0).coded(shieldKindCodes).meaningsOnly(),
    core::text("name", 1, 9),
    core::text("heraldicName", 10, 40),
}};
inline constexpr core::Format kShieldFormat{"shield", 50, kShieldFields};
static_assert(core::wellFormed(kShieldFormat));

struct ShieldLayout {
    static constexpr std::size_t kSize = kShieldFormat.size;
    static constexpr std::size_t kKindCode = kShieldFormat.at("kindCode");
    static constexpr std::size_t kName = kShieldFormat.at("name"), kNameSize = kShieldFormat.sizeOf("name");
    static constexpr std::size_t kHeraldicName = kShieldFormat.at("heraldicName"),
                                 kHeraldicNameSize = kShieldFormat.sizeOf("heraldicName");
};

struct ShieldLimits {
    static constexpr std::size_t kName = 7, kHeraldicName = 39;
};

struct Shield {
    std::uint8_t kindCode = 0;  // as read: any byte
    std::string name;
    std::string heraldicName;
    bool operator==(const Shield&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shield& shield);

Shield readShield(std::span<const std::uint8_t> record);
core::Bytes writeShield(const Shield& shield);
Shield newShield(ShieldKind kind, std::string_view name);

}  // namespace kestrel::datasets
