// The checks of one scenario's files against each other, its map and the
// data sets; each takes the files as read once.
#pragma once
#include "check/data_sets.hpp"
#include "check/findings.hpp"
#include "check/scenario_files.hpp"

namespace kestrel::check {

// SCENARIO.DAT's world and folder; MISC.DAT's sets.
void checkScenarioHeader(Findings& findings, const DataSets& sets, const ScenarioFiles& files);
void checkMiscData(Findings& findings, const DataSets& sets, const ScenarioFiles& files);
// The entries each used side names.
void checkSides(Findings& findings, const DataSets& sets, const ScenarioFiles& files);
// MAP.DAT's size and the terrain slots its tiles use.
void checkMap(Findings& findings, const ScenarioFiles& files);
// Cities, ruins and sites on the map; CITY.INI's cities and productions.
void checkPlacedPositions(Findings& findings, const DataSets& sets, const ScenarioFiles& files);
void checkCapitalsAndOwners(Findings& findings, const DataSets& sets, const ScenarioFiles& files);
// ITEM.INI, ARMY.INI, HERO.INI and DIPLOM.INI against the scenario's other files.
void checkItemPlacements(Findings& findings, const ScenarioFiles& files);
void checkArmyPlacements(Findings& findings, const ScenarioFiles& files);
void checkHeroPlacements(Findings& findings, const ScenarioFiles& files);
void checkDiplomacy(Findings& findings, const ScenarioFiles& files);
// The scenario TERRAIN.DAT and ITEM.DAT against the data sets.
void checkScenarioTerrain(Findings& findings, const DataSets& sets, const ScenarioFiles& files);
void checkScenarioItems(Findings& findings, const DataSets& sets, const ScenarioFiles& files);

}  // namespace kestrel::check
