// Site set record: the sites' name, the special ability a site grants, and
// whether a site can be razed and which of its states are animated.
#pragma once
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "datasets/ability_entry.hpp"

namespace kestrel::datasets {

struct SiteSetLayout {
    static constexpr std::size_t kSize = 46;
    static constexpr std::size_t kName = 0, kNameSize = 16;
    static constexpr std::size_t kEntryName = 16, kEntryNameSize = 9;
    static constexpr std::size_t kAbility = 26;
    static constexpr std::size_t kCanRaze = 42, kAnimateNormal = 43, kAnimateRazed = 44;
};

struct SiteSetLimits {
    static constexpr std::size_t kName = 15;
    static constexpr int kMaxAbilityValue = 99;
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

// The abilities a site can grant, in the order of the editor's list.
std::span<const AbilityChoice> siteAbilities();

}  // namespace kestrel::datasets
