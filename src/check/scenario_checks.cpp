#include "check/scenario_checks.hpp"

#include "check/scenario_files.hpp"
#include "check/scenario_parts.hpp"
#include "core/text_case.hpp"

namespace kestrel::check {

namespace {

const records::FileKind* kindOf(const RootEntry& entry) {
    for (const records::FileKind& kind : records::scenarioKinds())
        if (core::wildcardMatch(kind.names[0], entry.name()) ||
            (!kind.names[1].empty() && core::wildcardMatch(kind.names[1], entry.name())))
            return &kind;
    return nullptr;
}

ScenarioFiles readScenarioFiles(Context& context, const RootEntry& folder) {
    ScenarioFiles files;
    files.index = &context.index();
    files.folder = &folder;
    for (const RootEntry* entry : context.index().children(folder.path))
        if (const records::FileKind* kind = kindOf(*entry)) {
            files.present.emplace(kind->name);
            if (auto file = context.recordFile(*entry, *kind)) files.byKind.emplace(kind->name, std::move(*file));
        }
    return files;
}

// What New Scenario makes and the editors cannot do without: the header that
// makes the folder a scenario, and the overviews the placement editors show.
void checkCreatedFiles(Context& context, const RootEntry& folder) {
    const RootIndex& index = context.index();
    // Without its header the folder is no scenario, so nothing else of it is expected.
    if (!index.find(folder.path + "/SCENARIO.DAT")) {
        context.findings().error(folder.path, "", "",
                                 "the folder has no SCENARIO.DAT; the editor does not know it as a scenario");
        return;
    }
    for (const std::string_view picture : {"STRAT_L", "STRAT_S"}) {
        const std::string base = folder.path + "/" + std::string(picture);
        const RootEntry* bmp = index.find(base + ".BMP");
        const RootEntry* pcx = index.find(base + ".PCX");
        if (!bmp && !pcx)
            context.findings().error(folder.path, "", "",
                                     "the scenario has no " + std::string(picture) + ".BMP or " + std::string(picture) +
                                         ".PCX; the placement editors cannot show the map");
        for (const RootEntry* file : {bmp, pcx})
            if (file) context.picture(*file);
    }
}

}  // namespace

void checkScenario(Context& context, const DataSets& sets, const RootEntry& folder) {
    checkCreatedFiles(context, folder);
    const ScenarioFiles files = readScenarioFiles(context, folder);
    Findings& findings = context.findings();
    checkScenarioHeader(findings, sets, files);
    checkMiscData(findings, sets, files);
    checkSides(findings, sets, files);
    checkMap(findings, files);
    checkPlacedPositions(findings, sets, files);
    checkCapitalsAndOwners(findings, sets, files);
    checkItemPlacements(findings, files);
    checkArmyPlacements(findings, files);
    checkHeroPlacements(findings, files);
    checkDiplomacy(findings, files);
    checkScenarioTerrain(findings, sets, files);
    checkScenarioItems(findings, sets, files);
}

void checkWorld(Context& context, const RootEntry& folder) {
    if (const RootEntry* world = context.index().find(folder.path + "/WORLD.DAT"))
        context.recordFile(*world, *records::kindNamed("world"));
}

}  // namespace kestrel::check
