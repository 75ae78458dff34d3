// SITE.DAT: the sites placed on a scenario's map, a 16-bit count and up to
// 100 records of 154 bytes. Bytes 0 to 151 are those a ruin has too.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "scenario/placed_head.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kSiteFile = "SITE.DAT";

struct SiteLayout {
    static constexpr std::size_t kSize = 154;
    static constexpr std::size_t kMaxRecords = 100;
    static constexpr std::size_t kRazed = 152;
    static constexpr std::size_t kUntouched = 153;
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
