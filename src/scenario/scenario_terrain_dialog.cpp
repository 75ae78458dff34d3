#include "scenario/scenario_terrain_dialog.hpp"

#include <span>

#include "datasets/entry_lists.hpp"
#include "resources/layouts.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_lists.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

namespace {

using Ids = ScenarioTerrainIds;
using L = ScenarioTerrainLayout;

// The name lists: the names they show, the id of the first list and what it offers.
enum class Offer { Terrain, Roads, Forests, River, Bonuses };

template <typename Terrain, typename Visit>
void forEachNameRun(Terrain& t, Visit visit) {
    visit(std::span(t.terrain), Ids::kTerrain, Offer::Terrain);
    visit(std::span(t.roads), Ids::kRoads, Offer::Roads);
    visit(std::span(t.forests), Ids::kForests, Offer::Forests);
    visit(std::span(&t.river, 1), Ids::kRiver, Offer::River);
    visit(std::span(t.bonuses), Ids::kBonuses, Offer::Bonuses);
    visit(std::span(t.moveIcons), Ids::kMoveIcons, Offer::Bonuses);
}

template <typename Terrain, typename Visit>
void forEachClassRun(Terrain& t, Visit visit) {
    visit(std::span(t.firstClass), Ids::kFirstClass);
    visit(std::span(t.secondClass), Ids::kSecondClass);
}

bool isSlotClass(int value) { return value >= 0 && value < static_cast<int>(kSlotClassNames.size()); }

}  // namespace

ScenarioTerrainDialog::ScenarioTerrainDialog(ui::Host& host, const core::DataRoot& root, std::string scenario)
    : ui::Dialog(host, resources::kScenarioTerrain), root_(root), scenario_(std::move(scenario)) {}

void ScenarioTerrainDialog::onInit() {
    terrain_ = loadScenarioTerrain(root_, scenario_).value_or(newScenarioTerrain());
    // Each data set is enumerated once, whatever the number of lists it fills.
    const std::vector<std::string> offers[] = {
        terrainTypeNames(root_, TerrainFilter::ExceptRoadsRiversForests),
        terrainTypeNames(root_, TerrainFilter::Roads),
        terrainTypeNames(root_, TerrainFilter::Forests),
        terrainTypeNames(root_, TerrainFilter::Rivers),
        [&] {
            datasets::fillBonusList(root_, this, {Ids::kBonuses});
            return items(Ids::kBonuses);
        }(),
    };
    forEachNameRun(terrain_, [&](std::span<const std::string> names, int first, Offer offer) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            const int id = first + static_cast<int>(i);
            setItems(id, offers[static_cast<int>(offer)]);
            selectByPrefix(id, names[i]);
        }
    });
    forEachClassRun(terrain_, [&](std::span<const std::int16_t> classes, int first) {
        for (std::size_t i = 0; i < classes.size(); ++i) {
            const int id = first + static_cast<int>(i);
            setItems(id, kSlotClassNames);
            setSelection(id, isSlotClass(classes[i]) ? classes[i] : -1);
        }
    });
    for (std::size_t i = 0; i < L::kBonuses; ++i)
        setText(Ids::kBonusTexts + static_cast<int>(i), terrain_.bonusTexts[i]);
    for (std::size_t i = 0; i < L::kFlags; ++i)
        setChecked(Ids::kForestFlags + static_cast<int>(i), terrain_.forestFlags[i]);
}

bool ScenarioTerrainDialog::onOk() {
    ui::DataExchange in(*this);
    ScenarioTerrain out = terrain_;
    for (std::size_t i = 0; i < L::kBonuses; ++i)
        if (!in.text(Ids::kBonusTexts + static_cast<int>(i), L::kTextSize - 1, out.bonusTexts[i])) return false;
    // Whatever the lists show is kept, offered or not.
    forEachNameRun(out, [&](std::span<std::string> names, int first, Offer) {
        for (std::size_t i = 0; i < names.size(); ++i) names[i] = text(first + static_cast<int>(i));
    });
    // A class beyond the list (a damaged file) stays as read until one is chosen.
    forEachClassRun(out, [&](std::span<std::int16_t> classes, int first) {
        for (std::size_t i = 0; i < classes.size(); ++i)
            if (const int chosen = selection(first + static_cast<int>(i)); chosen >= 0)
                classes[i] = static_cast<std::int16_t>(chosen);
    });
    for (std::size_t i = 0; i < L::kFlags; ++i) out.forestFlags[i] = checked(Ids::kForestFlags + static_cast<int>(i));
    if (saveScenarioTerrain(root_, scenario_, out)) return true;
    // Closing would lose every choice without a word.
    host().error("Error writing " + scenarioFile(scenario_, kScenarioTerrainFile));
    return false;
}

std::unique_ptr<ui::Dialog> makeScenarioTerrainDialog(ui::Host& host, const core::DataRoot& root,
                                                      std::string_view scenario) {
    return std::make_unique<ScenarioTerrainDialog>(host, root, std::string(scenario));
}

}  // namespace kestrel::scenario
