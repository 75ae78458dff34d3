#include "check/check_root.hpp"

#include "check/campaign_checks.hpp"
#include "check/data_sets.hpp"
#include "check/root_names.hpp"
#include "check/scenario_checks.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::check {

namespace {

struct Targets {
    NameSet scenarios, campaigns;
    bool all = true;
};

std::optional<Targets> targetsOf(const DataSets& sets, std::span<const std::string> names, std::string& error) {
    Targets targets;
    targets.all = names.empty();
    for (const std::string& name : names) {
        if (sets.scenarios.contains(name))
            targets.scenarios.insert(name);
        else if (sets.has(datasets::Kind::Campaign, name))
            targets.campaigns.insert(name);
        else {
            error = "no scenario or campaign named " + name;
            return std::nullopt;
        }
    }
    return targets;
}

std::vector<const RootEntry*> folders(const RootIndex& index, std::string_view parent) {
    std::vector<const RootEntry*> found;
    for (const RootEntry* e : index.children(parent))
        if (e->type == EntryType::Folder) found.push_back(e);
    return found;
}

}  // namespace

CheckResult checkRoot(const std::filesystem::path& root, std::span<const std::string> targetNames) {
    CheckResult result;
    const auto index = RootIndex::walk(root, result.error);
    if (!index) return result;
    const DataSets sets = listDataSets(*index);
    auto targets = targetsOf(sets, targetNames, result.error);
    if (!targets) return result;
    result.usable = true;

    Findings findings;
    Context context(*index, findings);
    if (targets->all) checkRootNames(*index, findings);
    checkDataSets(context, sets);
    for (const RootEntry* folder : folders(*index, scenario::kWorldsFolder)) checkWorld(context, *folder);
    const datasets::KindInfo& campaigns = datasets::info(datasets::Kind::Campaign);
    for (const RootEntry* folder : folders(*index, campaigns.directory))
        if (targets->all || targets->campaigns.contains(folder->name()))
            for (std::string& episode : checkCampaign(context, sets, *folder))
                targets->scenarios.insert(std::move(episode));
    for (const RootEntry* folder : folders(*index, scenario::kScenariosFolder))
        if (targets->all || targets->scenarios.contains(folder->name())) checkScenario(context, sets, *folder);

    result.findings = findings.sorted();
    result.mostReads = context.mostReads();
    return result;
}

}  // namespace kestrel::check
