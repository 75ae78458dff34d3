#include "shell/main_window.hpp"

#include <array>
#include <optional>

#include "campaign/campaign_list.hpp"
#include "datasets/entry_editors.hpp"
#include "datasets/list_dialog.hpp"
#include "datasets/shield_list_dialog.hpp"
#include "resources/layouts.hpp"
#include "scenario/diplomacy_dialog.hpp"
#include "scenario/placement_dialogs.hpp"
#include "scenario/ruins_sites_dialog.hpp"
#include "scenario/scenario_cities_dialog.hpp"
#include "scenario/scenario_items_dialog.hpp"
#include "scenario/scenario_terrain_dialog.hpp"
#include "shell/about_box.hpp"
#include "shell/load_scenario_dialog.hpp"
#include "shell/map_handoff.hpp"
#include "shell/new_scenario_dialog.hpp"
#include "shell/new_world_dialog.hpp"
#include "shell/scenario_data_dialog.hpp"
#include "shell/scenario_editors.hpp"
#include "shell/sides_dialog.hpp"
#include "shell/terrain_menu.hpp"
#include "shell/text_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::shell {

namespace {

using datasets::Kind;

enum class Action {
    NotYet,  // its editor comes later
    Editor,  // the dialog its factory makes
    DataSet,
    ShieldList,  // the shields' three lists
    TerrainMenu,
    MapEditor,
    Operation,  // done at once, its message shown
    Nothing,
};

using Operation = void (*)(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario);

struct Button {
    int id;
    bool needsScenario;
    Action action;
    std::optional<Kind> kind = std::nullopt;
    EditorFactory editor = nullptr;
    bool retitle = false;  // afterwards the title follows the current scenario
    Operation operation = nullptr;
};

// What each button of the main window does, in the order of their ids.
constexpr std::array<Button, 32> kButtons{{
    {1001, false, Action::Editor, std::nullopt, makeNewScenarioDialog, true},
    {1004, false, Action::Editor, std::nullopt, makeNewWorldDialog},
    {1005, true, Action::Editor, std::nullopt, makeScenarioDataDialog},
    {1006, false, Action::DataSet, Kind::CitySet},
    {1007, false, Action::Editor, std::nullopt, makeLoadScenarioDialog, true},
    {1008, false, Action::TerrainMenu},
    {1009, true, Action::Editor, std::nullopt, ofScenario<scenario::makeScenarioTerrainDialog>},
    {1010, true, Action::Editor, std::nullopt, makeSidesDialog},
    {1011, false, Action::DataSet, Kind::ArmyType},
    {1012, false, Action::DataSet, Kind::RuinSet},
    {1013, false, Action::DataSet, Kind::SiteSet},
    {1014, false, Action::DataSet, Kind::HeroType},
    {1015, true, Action::Editor, std::nullopt, ofScenario<scenario::makeScenarioItemsDialog>},
    {1016, false, Action::DataSet, Kind::Item},
    {1017, true, Action::MapEditor},
    {1018, false, Action::DataSet, Kind::Advisor},
    {1019, false, Action::ShieldList},
    {1020, false, Action::DataSet, Kind::Spell},
    {1021, false, Action::DataSet, Kind::Flag},
    {1022, true, Action::Editor, std::nullopt, ofScenario<scenario::makeScenarioCitiesDialog>},
    {1023, true, Action::Editor, std::nullopt, ofScenario<scenario::makeScenarioSitesDialog>},
    {1024, true, Action::Editor, std::nullopt, ofScenario<scenario::makeScenarioRuinsDialog>},
    {1025, true, Action::Editor, std::nullopt, ofScenario<scenario::makeItemPlacementDialog>},
    {1026, true, Action::Editor, std::nullopt, ofScenario<scenario::makeArmyPlacementDialog>},
    {1027, true, Action::Editor, std::nullopt, ofScenario<scenario::makeHeroPlacementDialog>},
    {1028, false, Action::Editor, std::nullopt, ofNoScenario<campaign::makeCampaignListDialog>},
    {1029, true, Action::Editor, std::nullopt, ofScenario<scenario::makeDiplomacyDialog>},
    {1030, true, Action::Nothing},
    {1330, false, Action::Operation, std::nullopt, nullptr, false, exportDataTexts},
    {1331, true, Action::Operation, std::nullopt, nullptr, false, exportScenarioTexts},
    {1332, false, Action::Operation, std::nullopt, nullptr, false, importDataTexts},
    {1333, true, Action::Operation, std::nullopt, nullptr, false, importScenarioTexts},
}};

const Button* findButton(int id) {
    for (const auto& b : kButtons)
        if (b.id == id) return &b;
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(ui::Host& host, const core::DataRoot& root)
    : ui::Dialog(host, resources::kMainWindow), root_(root) {}

void MainWindow::refreshTitle() {
    setCaption(scenario_.empty() ? std::string(kTitle) : std::string(kTitle) + " - " + scenario_.name());
}

void MainWindow::onCommand(int id) {
    if (id == resources::kAboutCommand) {
        AboutBox about(host());
        host().runModal(about);
        return;
    }
    if (id == resources::kCheckDataCommand) {
        if (!checker_) return;
        FindingsDialog findings(host(), root_, checker_, scenario_, [this] { refreshTitle(); });
        host().runModal(findings);
        return;
    }
    const Button* button = findButton(id);
    if (!button) {
        ui::Dialog::onCommand(id);
        return;
    }
    if (button->needsScenario && scenario_.empty()) {
        host().notice(kNoScenarioMessage);
        return;
    }
    switch (button->action) {
        case Action::NotYet:
            host().notice(datasets::kNotAvailableMessage);
            break;
        case Action::Editor: {
            const auto dialog = button->editor(host(), root_, scenario_);
            host().runModal(*dialog);
            if (button->retitle) refreshTitle();
            break;
        }
        case Action::DataSet: {
            datasets::ListDialog list(host(), root_, datasets::info(*button->kind));
            host().runModal(list);
            break;
        }
        case Action::ShieldList: {
            datasets::ShieldListDialog list(host(), root_);
            host().runModal(list);
            break;
        }
        case Action::TerrainMenu: {
            TerrainMenu menu(host(), root_);
            host().runModal(menu);
            break;
        }
        case Action::MapEditor:
            handOffToMapEditor(host(), root_, scenario_.name());
            break;
        case Action::Operation:
            button->operation(host(), root_, scenario_);
            break;
        case Action::Nothing:
            break;
    }
}

}  // namespace kestrel::shell
