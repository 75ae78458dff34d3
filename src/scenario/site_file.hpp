// SITE.DAT: the sites placed on a scenario's map, a 16-bit count and up to
// 100 records of 154 bytes. Bytes 0 to 151 are those a ruin has too.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "core/record_format.hpp"
#include "scenario/placed_head.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kSiteFile = "SITE.DAT";

// Byte 153 has no field: it is kept as read.
inline constexpr auto kSiteFields = afterPlacedHead(std::array<core::Field, 1>{core::s8("razed", 152).within(0, 1)});
inline constexpr core::Format kSiteFormat{"site", 154, kSiteFields};
static_assert(core::wellFormed(kSiteFormat));

struct SiteLayout {
    static constexpr std::size_t kSize = kSiteFormat.size;
    static constexpr std::size_t kMaxRecords = 100;
    static constexpr std::size_t kRazed = kSiteFormat.at("razed");
    static constexpr std::size_t kUntouched = kSiteFormat.field("razed").end();
};

struct ScenarioSite {
    PlacedHead head;
    std::int8_t razed = 0;  // as stored: 0 or 1 from the dialog
    std::uint8_t untouched = 0;
    bool operator==(const ScenarioSite&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ScenarioSite& site);

ScenarioSite readSite(std::span<const std::uint8_t> record);
core::Bytes writeSite(const ScenarioSite& site);

// The file's sites (see countedRecords), and the file for at most 100 of them.
std::vector<ScenarioSite> readSiteFile(std::span<const std::uint8_t> file);
core::Bytes writeSiteFile(std::span<const ScenarioSite> sites);
// Nothing when the scenario's file cannot be read.
std::optional<std::vector<ScenarioSite>> loadSites(const core::DataRoot& root, std::string_view scenario);
bool saveSites(const core::DataRoot& root, std::string_view scenario, std::span<const ScenarioSite> sites);

}  // namespace kestrel::scenario
