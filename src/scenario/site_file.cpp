#include "scenario/site_file.hpp"

#include <algorithm>

#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {
using L = SiteLayout;
}  // namespace

std::ostream& operator<<(std::ostream& out, const ScenarioSite& s) {
    return out << "ScenarioSite{" << s.head << ", razed " << int{s.razed} << ", untouched " << int{s.untouched} << "}";
}

ScenarioSite readSite(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return {readPlacedHead(record), r.s8(L::kRazed), r.u8(L::kUntouched)};
}

core::Bytes writeSite(const ScenarioSite& site) {
    core::RecordWriter w(L::kSize);
    writePlacedHead(w, site.head);
    w.s8(L::kRazed, site.razed);
    w.u8(L::kUntouched, site.untouched);
    return w.take();
}

std::vector<ScenarioSite> readSiteFile(std::span<const std::uint8_t> file) {
    std::vector<ScenarioSite> sites;
    for (const auto record : countedRecords(file, L::kSize, L::kMaxRecords)) sites.push_back(readSite(record));
    return sites;
}

core::Bytes writeSiteFile(std::span<const ScenarioSite> sites) {
    std::vector<core::Bytes> records;
    for (const auto& site : sites.first(std::min(sites.size(), L::kMaxRecords))) records.push_back(writeSite(site));
    return countedFile(records, L::kMaxRecords);
}

std::optional<std::vector<ScenarioSite>> loadSites(const core::DataRoot& root, std::string_view scenario) {
    const auto file =
        root.read(scenarioFile(scenario, kSiteFile), PlacedHeadLayout::kCountSize + L::kMaxRecords * L::kSize);
    if (!file) return std::nullopt;
    return readSiteFile(*file);
}

bool saveSites(const core::DataRoot& root, std::string_view scenario, std::span<const ScenarioSite> sites) {
    return root.writeAtomic(scenarioFile(scenario, kSiteFile), writeSiteFile(sites));
}

}  // namespace kestrel::scenario
