#include "check/scenario_checks.hpp"

#include "check/folder_records.hpp"

namespace kestrel::check {

void checkScenario(Context& context, const DataSets& sets, const RootEntry& folder) {
    (void)sets;
    checkFolderRecords(context, folder, records::scenarioKinds());
}

void checkWorld(Context& context, const RootEntry& folder) {
    if (const RootEntry* world = context.index().find(folder.path + "/WORLD.DAT"))
        context.recordFile(*world, *records::kindNamed("world"));
}

}  // namespace kestrel::check
