// The dialog layouts of the program, one function per resource file.
#pragma once
#include <vector>

#include "ui/layout.hpp"

namespace kestrel::resources {

inline constexpr int kAboutBox = 100;
inline constexpr int kMainWindow = 102;
inline constexpr int kTerrainMenu = 135;
inline constexpr int kScenarioData = 134;
inline constexpr int kCityEditor = 133;
inline constexpr int kHeroEditor = 154;
inline constexpr int kAdvisorEditor = 161;
inline constexpr int kItemEditor = 156;
inline constexpr int kShieldList = 162;
inline constexpr int kShieldEditor = 163;
inline constexpr int kSpellEditor = 165;
inline constexpr int kRuinEditor = 150;
inline constexpr int kArmyEditor = 148;
inline constexpr int kSiteEditor = 152;
inline constexpr int kFlagEditor = 167;
inline constexpr int kTerrainEditor = 139;
inline constexpr int kTerrainSubtypeEditor = 137;
inline constexpr int kTerrainBonusEditor = 144;
inline constexpr int kScenarioSides = 145;
inline constexpr int kSideData = 146;
inline constexpr int kNewWorld = 129;
inline constexpr int kNewScenario = 130;
inline constexpr int kLoadScenario = 131;
inline constexpr int kPositionPicker = 184;
inline constexpr int kScenarioTerrain = 141;
inline constexpr int kScenarioItems = 159;
inline constexpr int kScenarioSites = 174;
inline constexpr int kScenarioRuins = 175;
inline constexpr int kScenarioCities = 169;
inline constexpr int kCityCapitals = 170;
inline constexpr int kCityOwners = 171;
inline constexpr int kDiplomacy = 182;
inline constexpr int kItemPlacement = 176;
inline constexpr int kArmyPlacement = 178;
inline constexpr int kHeroPlacement = 179;
inline constexpr int kCampaignEditor = 181;
inline constexpr int kTextFile = 183;
inline constexpr int kCampaignReward = 185;
inline constexpr int kCampaignOptions = 188;
inline constexpr int kFindings = 190;

// The main window's extra items in the system menu (or context menu).
inline constexpr int kAboutCommand = 16;
inline constexpr const char* kAboutCommandLabel = "&About kstred...";
inline constexpr int kCheckDataCommand = 32;
inline constexpr const char* kCheckDataCommandLabel = "&Check Data...";

std::vector<ui::Layout> mainWindowLayouts();   // main window, About box, terrain sub-menu
std::vector<ui::Layout> listDialogLayouts();   // the data-set list dialogs

// One layout per dialog, each in the file named after it.
ui::Layout cityEditorLayout();
ui::Layout scenarioDataLayout();
ui::Layout heroEditorLayout();
ui::Layout advisorEditorLayout();
ui::Layout itemEditorLayout();
ui::Layout shieldListLayout();
ui::Layout shieldEditorLayout();
ui::Layout spellEditorLayout();
ui::Layout ruinEditorLayout();
ui::Layout armyEditorLayout();
ui::Layout siteEditorLayout();
ui::Layout flagEditorLayout();
ui::Layout terrainEditorLayout();
ui::Layout terrainSubtypeEditorLayout();
ui::Layout terrainBonusEditorLayout();
ui::Layout sidesLayout();
ui::Layout sideDataLayout();
ui::Layout newScenarioLayout();
ui::Layout newWorldLayout();
ui::Layout loadScenarioLayout();
ui::Layout positionPickerLayout();
ui::Layout scenarioTerrainLayout();
ui::Layout scenarioItemsLayout();
ui::Layout scenarioRuinsLayout();  // with the sites': one shape
ui::Layout scenarioSitesLayout();
ui::Layout scenarioCitiesLayout();
ui::Layout cityCapitalsLayout();
ui::Layout cityOwnersLayout();
ui::Layout diplomacyLayout();
ui::Layout itemPlacementLayout();  // with the army's and the hero's: one family
ui::Layout armyPlacementLayout();
ui::Layout heroPlacementLayout();
ui::Layout campaignEditorLayout();
ui::Layout textFileLayout();
ui::Layout campaignRewardLayout();
ui::Layout campaignOptionsLayout();
ui::Layout findingsLayout();

}  // namespace kestrel::resources
