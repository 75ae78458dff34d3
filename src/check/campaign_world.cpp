#include "check/campaign_world.hpp"

#include <array>
#include <string>

#include "campaign/campaign_file.hpp"
#include "core/text_case.hpp"
#include "scenario/scenario_header.hpp"

namespace kestrel::check {

bool namesWorld(std::string_view world) { return !world.empty() && world != scenario::kNoWorld; }

bool wholeRecord(const RecordFile& file) {
    return !file.content.parts.empty() && !file.content.parts.front().records.empty() &&
           !file.content.parts.front().records.front().cut();
}

void checkCampaignWorld(Context& context, const RootEntry& folder, const RootEntry& record, std::string_view world) {
    const std::string fileName(campaign::kCampaignWorldFile);
    const RootEntry* entry = context.index().find(folder.path + "/" + fileName);
    if (!entry) {
        if (namesWorld(world))
            context.findings().error(record.path, "0", "world",
                                     "world " + check::quoted(world) + " has no " + fileName + " in " + folder.path +
                                         "; the editor writes one with every world it stores");
        return;
    }
    const auto file = context.recordFile(*entry, *records::kindNamed("world"));
    if (!file) return;
    if (!namesWorld(world)) {
        context.findings().error(entry->path, "", "",
                                 "the campaign names no world; the editor deletes this file when none is chosen");
        return;
    }
    if (!wholeRecord(*file)) return;
    // The editor writes the world's name into both fields.
    for (const std::string_view field : std::array<std::string_view, 2>{"folder", "name"}) {
        const std::string named = file->text(0, 0, field);
        if (!core::equalsNoCase(named, world))
            context.findings().error(entry->path, "0", std::string(field),
                                     "names world " + check::quoted(named) + " where " +
                                         std::string(campaign::kCampaignFile) + " names " + check::quoted(world));
    }
}

}  // namespace kestrel::check
