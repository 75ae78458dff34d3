// Site set record: the sites' name, the special ability a site grants, and
// whether a site can be razed and which of its states are animated.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/record_format.hpp"
#include "datasets/ability_entry.hpp"

namespace kestrel::datasets {

// The abilities a site can grant, in the order of the editor's list.
std::span<const AbilityChoice> siteAbilities();

struct SiteSetLimits {
    static constexpr std::size_t kName = 15;
    static constexpr int kMaxAbilityValue = 99;
};

// Byte 25 pads the ability entry to an even offset; byte 45 is unused.
inline constexpr std::array<core::Field, 6> kSiteSetFields{{
    core::text("name", 0, 16),
    core::text("entryName", 16, 9),
    core::records("ability", 26,
                  AbilityEntryFormat<&siteAbilities, 9, listedAbilitiesUpTo(SiteSetLimits::kMaxAbilityValue)>::format),
    core::s8("canRaze", 42).within(0, 1),
    core::s8("animateNormal", 43).within(0, 1),
    core::s8("animateRazed", 44).within(0, 1),
}};
inline constexpr core::Format kSiteSetFormat{"site set", 46, kSiteSetFields};
static_assert(core::wellFormed(kSiteSetFormat));

struct SiteSetLayout {
    static constexpr std::size_t kSize = kSiteSetFormat.size;
    static constexpr std::size_t kName = kSiteSetFormat.at("name"), kNameSize = kSiteSetFormat.sizeOf("name");
    static constexpr std::size_t kEntryName = kSiteSetFormat.at("entryName"),
                                 kEntryNameSize = kSiteSetFormat.sizeOf("entryName");
    static constexpr std::size_t kAbility = kSiteSetFormat.at("ability");
    static constexpr std::size_t kCanRaze = kSiteSetFormat.at("canRaze"),
                                 kAnimateNormal = kSiteSetFormat.at("animateNormal"),
                                 kAnimateRazed = kSiteSetFormat.at("animateRazed");
};

struct SiteSet {
    std::string name;
    std::string entryName;
    SpecialAbility ability;
    bool canRaze = false;
    bool animateNormal = false;
    bool animateRazed = false;
    bool operator==(const SiteSet&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SiteSet& set);

// Fields past the end of a short record read as zero or empty.
SiteSet readSiteSet(std::span<const std::uint8_t> record);
core::Bytes writeSiteSet(const SiteSet& set);
SiteSet newSiteSet(std::string_view entryName);

}  // namespace kestrel::datasets
