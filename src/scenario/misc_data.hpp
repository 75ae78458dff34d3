// The scenario's general data record (MISC.DAT): gold texts, bonus limit,
// the ruin, site and city sets in use, eight monsters and the graphic set.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/data_root.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kMiscDataFile = "MISC.DAT";

struct MiscDataLayout {
    static constexpr std::size_t kSize = 348;
    static constexpr std::size_t kPreGold = 0, kPostGold = 6, kGoldTextSize = 6;
    static constexpr std::size_t kMaxBonus = 12;
    static constexpr std::size_t kRuinSets = 14, kSiteSets = 86, kSetNameSize = 9, kSetSlots = 8;
    // Eight records of a name and a strength.
    static constexpr std::size_t kMonsters = 158, kMonsterSize = 18, kMonsterSlots = 8;
    static constexpr std::size_t kMonsterName = 0, kMonsterNameSize = 16, kMonsterStrength = 16;
    static constexpr std::size_t kGraphicSet = 302, kGraphicSetSize = 9;
    static constexpr std::size_t kCitySets = 311, kCitySlots = 4;
    // Byte 347 pads the record and is written as zero.

    static constexpr std::size_t monster(std::size_t slot) { return kMonsters + kMonsterSize * slot; }
    static constexpr std::size_t ruinSet(std::size_t slot) { return kRuinSets + kSetNameSize * slot; }
    static constexpr std::size_t siteSet(std::size_t slot) { return kSiteSets + kSetNameSize * slot; }
    static constexpr std::size_t citySet(std::size_t slot) { return kCitySets + kSetNameSize * slot; }
};

// What the dialog accepts.
struct MiscDataLimits {
    static constexpr std::size_t kGoldText = 3, kSetName = 8, kMonsterName = 15, kGraphicSet = 8;
    static constexpr int kMaxBonus = 99, kMaxStrength = 9;
};

struct Monster {
    std::string name;
    int strength = 0;
    bool operator==(const Monster&) const = default;
};

struct MiscData {
    std::string preGold;
    std::string postGold;
    int maxBonus = 0;
    std::array<std::string, MiscDataLayout::kSetSlots> ruinSets;  // empty: no set in the slot
    std::array<std::string, MiscDataLayout::kSetSlots> siteSets;
    std::array<Monster, MiscDataLayout::kMonsterSlots> monsters;
    std::string graphicSet;
    std::array<std::string, MiscDataLayout::kCitySlots> citySets;
    bool operator==(const MiscData&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MiscData& data);

// What a scenario without MISC.DAT shows.
MiscData defaultMiscData();
// A record shorter than its layout: the fields that begin inside it are read
// (padded with zeros), those that begin past its end keep the defaults.
MiscData readMiscData(std::span<const std::uint8_t> record);
core::Bytes writeMiscData(const MiscData& data);

// The scenario's MISC.DAT, or the defaults when it cannot be read.
MiscData loadMiscData(const core::DataRoot& root, std::string_view scenario);
bool saveMiscData(const core::DataRoot& root, std::string_view scenario, const MiscData& data);

}  // namespace kestrel::scenario
