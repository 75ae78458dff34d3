#include "resources/layouts.hpp"

#include <map>
#include <stdexcept>

namespace kestrel::ui {

namespace {

// Every dialog of the program.
std::vector<Layout> everyLayout() {
    using namespace resources;
    std::vector<Layout> layouts = mainWindowLayouts();
    for (auto& l : listDialogLayouts()) layouts.push_back(std::move(l));
    for (auto single : {
             cityEditorLayout,
             scenarioDataLayout,
             heroEditorLayout,
             advisorEditorLayout,
             itemEditorLayout,
             shieldListLayout,
             shieldEditorLayout,
             spellEditorLayout,
             ruinEditorLayout,
             armyEditorLayout,
             siteEditorLayout,
             flagEditorLayout,
             terrainEditorLayout,
             terrainSubtypeEditorLayout,
             terrainBonusEditorLayout,
             sidesLayout,
             sideDataLayout,
             newScenarioLayout,
             newWorldLayout,
             loadScenarioLayout,
             positionPickerLayout,
             scenarioTerrainLayout,
             scenarioItemsLayout,
             scenarioRuinsLayout,
             scenarioSitesLayout,
             scenarioCitiesLayout,
             cityCapitalsLayout,
             cityOwnersLayout,
             diplomacyLayout,
             itemPlacementLayout,
             armyPlacementLayout,
             heroPlacementLayout,
             campaignEditorLayout,
             textFileLayout,
             campaignRewardLayout,
             campaignOptionsLayout,
             findingsLayout,
         })
        layouts.push_back(single());
    return layouts;
}

std::map<int, Layout> buildAll() {
    std::map<int, Layout> all;
    for (auto& layout : everyLayout()) {
        const int id = layout.resourceId;
        if (!all.emplace(id, std::move(layout)).second)
            throw std::logic_error("two layouts for resource " + std::to_string(id));
    }
    return all;
}

const std::map<int, Layout>& allLayouts() {
    static const std::map<int, Layout> all = buildAll();
    return all;
}

}  // namespace

const Layout& layoutFor(int resourceId) {
    const auto& all = allLayouts();
    const auto it = all.find(resourceId);
    if (it == all.end()) throw std::out_of_range("no layout for resource " + std::to_string(resourceId));
    return it->second;
}

bool hasLayout(int resourceId) { return allLayouts().count(resourceId) != 0; }

std::vector<int> allLayoutIds() {
    std::vector<int> ids;
    for (const auto& [id, layout] : allLayouts()) ids.push_back(id);
    return ids;
}

}  // namespace kestrel::ui
