// "Scenario Terrain": the terrain types of the scenario's 22 slots with
// their two classes, its roads, forests and river, and the terrain bonuses
// of its move bonuses and move icons (TERRAIN.DAT).
#pragma once
#include <memory>
#include <string>

#include "core/data_root.hpp"
#include "scenario/scenario_editor.hpp"
#include "scenario/scenario_terrain.hpp"
#include "ui/dialog.hpp"

namespace kestrel::scenario {

struct ScenarioTerrainIds {
    // Slot n (from 0) is first + n in each of the three runs.
    static constexpr int kTerrain = 1100, kFirstClass = 1130, kSecondClass = 1160;
    static constexpr int kRoads = 1190, kForests = 1192, kRiver = 1196;
    // Move bonus 1, move bonus 2, both: the list, the text, the forest flag (1 and 2 only).
    static constexpr int kBonuses = 1200, kBonusTexts = 1203, kForestFlags = 1206;
    static constexpr int kMoveIcons = 1210;  // water, ship, flying
};

class ScenarioTerrainDialog : public ui::Dialog {
public:
    ScenarioTerrainDialog(ui::Host& host, const core::DataRoot& root, std::string scenario);

    void onInit() override;
    bool onOk() override;

private:
    const core::DataRoot& root_;
    std::string scenario_;
    ScenarioTerrain terrain_;
};

std::unique_ptr<ui::Dialog> makeScenarioTerrainDialog(ui::Host& host, const core::DataRoot& root,
                                                      std::string_view scenario);

}  // namespace kestrel::scenario
