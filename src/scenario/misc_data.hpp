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
#include "core/record_format.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kMiscDataFile = "MISC.DAT";

// What the dialog accepts.
struct MiscDataLimits {
    static constexpr std::size_t kGoldText = 3, kSetName = 8, kMonsterName = 15, kGraphicSet = 8;
    static constexpr int kMaxBonus = 99, kMaxStrength = 9;
};

inline constexpr std::array<core::Field, 2> kMonsterFields{{
    core::text("name", 0, 16),
    core::s16("strength", 16).within(0, MiscDataLimits::kMaxStrength),
}};
inline constexpr core::Format kMonsterFormat{"monster", 18, kMonsterFields};
static_assert(core::wellFormed(kMonsterFormat));

// Byte 347 pads the record and is written as zero. Set names are empty for
// no set in the slot.
inline constexpr std::array<core::Field, 8> kMiscDataFields{{
    core::text("preGold", 0, 6),
    core::text("postGold", 6, 6),
    core::s16("maxBonus", 12).within(0, MiscDataLimits::kMaxBonus),
    core::text("ruinSets", 14, 9, 8),
    core::text("siteSets", 86, 9, 8),
    core::records("monsters", 158, kMonsterFormat, 8),
    core::text("graphicSet", 302, 9),
    core::text("citySets", 311, 9, 4),
}};
inline constexpr core::Format kMiscDataFormat{"general data", 348, kMiscDataFields};
static_assert(core::wellFormed(kMiscDataFormat));

struct MiscDataLayout {
    static constexpr std::size_t kSize = kMiscDataFormat.size;
    static constexpr std::size_t kPreGold = kMiscDataFormat.at("preGold"), kPostGold = kMiscDataFormat.at("postGold"),
                                 kGoldTextSize = kMiscDataFormat.sizeOf("preGold");
    static constexpr std::size_t kMaxBonus = kMiscDataFormat.at("maxBonus");
    static constexpr std::size_t kRuinSets = kMiscDataFormat.at("ruinSets"), kSiteSets = kMiscDataFormat.at("siteSets"),
                                 kSetNameSize = kMiscDataFormat.sizeOf("ruinSets"),
                                 kSetSlots = kMiscDataFormat.field("ruinSets").count;
    static constexpr std::size_t kMonsters = kMiscDataFormat.at("monsters"), kMonsterSize = kMonsterFormat.size,
                                 kMonsterSlots = kMiscDataFormat.field("monsters").count;
    static constexpr std::size_t kMonsterName = kMonsterFormat.at("name"),
                                 kMonsterNameSize = kMonsterFormat.sizeOf("name"),
                                 kMonsterStrength = kMonsterFormat.at("strength");
    static constexpr std::size_t kGraphicSet = kMiscDataFormat.at("graphicSet"),
                                 kGraphicSetSize = kMiscDataFormat.sizeOf("graphicSet");
    static constexpr std::size_t kCitySets = kMiscDataFormat.at("citySets"),
                                 kCitySlots = kMiscDataFormat.field("citySets").count;

    static constexpr std::size_t monster(std::size_t slot) { return kMonsters + kMonsterSize * slot; }
    static constexpr std::size_t ruinSet(std::size_t slot) { return kRuinSets + kSetNameSize * slot; }
    static constexpr std::size_t siteSet(std::size_t slot) { return kSiteSets + kSetNameSize * slot; }
    static constexpr std::size_t citySet(std::size_t slot) { return kCitySets + kSetNameSize * slot; }
};
static_assert(MiscDataLayout::kSetNameSize == kMiscDataFormat.sizeOf("siteSets") &&
              MiscDataLayout::kSetNameSize == kMiscDataFormat.sizeOf("citySets") &&
              MiscDataLayout::kGoldTextSize == kMiscDataFormat.sizeOf("postGold") &&
              MiscDataLayout::kSetSlots == kMiscDataFormat.field("siteSets").count);

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
