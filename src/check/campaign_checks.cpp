#include "check/campaign_checks.hpp"

#include "campaign/campaign_file.hpp"
#include "check/campaign_world.hpp"
#include "check/folder_records.hpp"
#include "core/cp1252.hpp"
#include "core/text_case.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::check {

namespace {

using campaign::Campaign;

// What the checks of one campaign share.
struct CampaignSite {
    Context& context;
    const DataSets& sets;
    const RootEntry& folder;
    const RootEntry& recordEntry;
    const Campaign& record;

    void error(const std::string& field, const std::string& message) const {
        context.findings().error(recordEntry.path, "0", field, message);
    }
    void warning(const std::string& field, const std::string& message) const {
        context.findings().warning(recordEntry.path, "0", field, message);
    }
};

std::string episodeLabel(std::size_t row) { return "episode " + std::to_string(row + 1); }
std::string element(std::string_view field, std::size_t row) {
    return std::string(field) + "[" + std::to_string(row) + "]";
}

// The list shows the name inside the record and opens the folder of that
// name, so a record that names another folder opens another campaign.
void checkNames(const CampaignSite& site) {
    const std::string_view folder = site.folder.name();
    if (!core::equalsNoCase(site.record.entryName, folder))
        site.error("entryName", "the campaign's own name " + check::quoted(site.record.entryName) +
                                    " differs from its folder " + check::quoted(folder) +
                                    "; the list opens the folder of the name it shows");
    if (site.record.name.size() > campaign::CampaignLimits::kName)
        site.error("name", "the name has " + std::to_string(site.record.name.size()) +
                               " characters; the editor stores at most " +
                               std::to_string(campaign::CampaignLimits::kName));
}

void checkScenarioOf(const CampaignSite& site, std::size_t row) {
    const std::string& name = site.record.rows[row].scenario;
    const std::string field = element("scenario", row);
    if (name.empty()) {
        site.error(field, episodeLabel(row) + " names no scenario");
        return;
    }
    // A folder without its header reports itself; the episode only when there is no folder.
    if (site.sets.scenarios.contains(name)) return;
    const RootEntry* folder = site.context.index().find(std::string(scenario::kScenariosFolder) + "/" + name);
    if (!folder || folder->type != EntryType::Folder)
        site.error(field, "scenario " + check::quoted(name) + " of " + episodeLabel(row) + " does not exist in " +
                              std::string(scenario::kScenariosFolder));
}

// The "?" buttons open <name>.TXT and create it on OK only: a named text
// without its file shows empty, so its absence is worth a word, no more.
void checkText(const CampaignSite& site, std::size_t row, std::string_view field, std::string_view what,
               const std::string& name) {
    if (name.empty()) return;
    const std::string file = name + ".TXT";
    const RootEntry* text = site.context.index().find(site.folder.path + "/" + file);
    if (text && text->type == EntryType::File) return;
    site.warning(element(field, row), std::string(what) + " " + check::quoted(name) + " of " + episodeLabel(row) +
                                          " has no file " + core::cp1252ToUtf8(file) + " in " + site.folder.path);
}

// Only the rows the count covers are played; a count out of its range is
// reported by itself and names no rows.
void checkEpisodes(const CampaignSite& site, std::vector<std::string>& scenarios) {
    const int episodes = site.record.episodes;
    if (episodes < 0 || episodes > campaign::CampaignLimits::kMaxEpisodes) return;
    for (std::size_t row = 0; row < static_cast<std::size_t>(episodes); ++row) {
        const campaign::Episode& e = site.record.rows[row];
        checkScenarioOf(site, row);
        if (!e.scenario.empty()) scenarios.push_back(e.scenario);
        checkText(site, row, "startText", "start text", e.startText);
        checkText(site, row, "endText", "end text", e.endText);
    }
}

void checkWorldName(const CampaignSite& site) {
    const std::string& world = site.record.world;
    if (!namesWorld(world) || site.sets.worlds.contains(world)) return;
    site.warning("world",
                 "world " + check::quoted(world) + " does not exist in " + std::string(scenario::kWorldsFolder));
}

// The reward and option files; CAMPAIGN.DAT is read on its own.
std::vector<records::FileKind> filesBesideRecord() {
    std::vector<records::FileKind> kinds;
    for (const records::FileKind& kind : records::campaignKinds())
        if (kind.name != "campaign") kinds.push_back(kind);
    return kinds;
}

}  // namespace

std::vector<std::string> checkCampaign(Context& context, const DataSets& sets, const RootEntry& folder) {
    static const std::vector<records::FileKind> besideRecord = filesBesideRecord();
    checkFolderRecords(context, folder, besideRecord);
    const RootEntry* recordEntry = context.index().find(folder.path + "/" + std::string(campaign::kCampaignFile));
    // A folder without its record is a deleted campaign: Delete leaves the rest.
    const auto file = recordEntry ? context.recordFile(*recordEntry, *records::kindNamed("campaign")) : std::nullopt;
    // A record cut short is reported as such; its episodes would be noise.
    if (!file || !wholeRecord(*file)) return {};
    const Campaign record = campaign::readCampaign(file->bytes);
    const CampaignSite site{context, sets, folder, *recordEntry, record};
    std::vector<std::string> scenarios;
    checkNames(site);
    checkEpisodes(site, scenarios);
    checkWorldName(site);
    checkCampaignWorld(context, folder, *recordEntry, record.world);
    return scenarios;
}

}  // namespace kestrel::check
