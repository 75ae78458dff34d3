#include "check/scenario_parts.hpp"
#include "core/text_case.hpp"
#include "scenario/misc_data.hpp"

namespace kestrel::check {

void checkScenarioHeader(Findings& findings, const DataSets& sets, const ScenarioFiles& files) {
    const RecordFile* header = files.get("scenario");
    if (!header || header->content.parts[0].records[0].cut()) return;
    const std::string world = header->text(0, 0, "world.folder");
    if (!world.empty() && !sets.worlds.contains(world))
        findings.warning(header->entry->path, "0", "world.folder",
                         "world " + check::quoted(world) + " does not exist in WORLD");
    // Loading opens the folder the header names, not the one it lies in.
    const std::string folder = header->text(0, 0, "folder");
    if (!core::equalsNoCase(folder, files.folder->name()))
        findings.error(header->entry->path, "0", "folder",
                       "the scenario's folder is named " + check::quoted(folder) + "; it lies in " +
                           check::quoted(files.folder->name()) + ", and loading it opens the named folder");
}

void checkMiscData(Findings& findings, const DataSets& sets, const ScenarioFiles& files) {
    const RecordFile* misc = files.get("misc-data");
    if (!misc) return;
    struct SetSlots {
        std::string_view field, what;
        datasets::Kind kind;
        std::size_t slots;
    };
    constexpr std::array<SetSlots, 3> kSets{{
        {"ruinSets", "ruin set", datasets::Kind::RuinSet, scenario::MiscDataLayout::kSetSlots},
        {"siteSets", "site set", datasets::Kind::SiteSet, scenario::MiscDataLayout::kSetSlots},
        {"citySets", "city set", datasets::Kind::CitySet, scenario::MiscDataLayout::kCitySlots},
    }};
    for (const SetSlots& set : kSets)
        for (std::size_t slot = 0; slot < set.slots; ++slot) {
            const std::string field = std::string(set.field) + "[" + std::to_string(slot) + "]";
            // The dialog stores a city set shown as "None" as that text.
            if (set.kind == datasets::Kind::CitySet && misc->text(0, 0, field) == "None") continue;
            expectEntry(findings, *misc, sets, set.kind, {0, 0, field, set.what, " of slot " + std::to_string(slot)});
        }
}

}  // namespace kestrel::check
