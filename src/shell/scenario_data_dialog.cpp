#include "shell/scenario_data_dialog.hpp"

#include <algorithm>
#include <span>

#include "core/folder_search.hpp"
#include "datasets/catalogue.hpp"
#include "datasets/entry_lists.hpp"
#include "resources/layouts.hpp"
#include "scenario/map_file.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_header.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::shell {

namespace {

using Ids = ScenarioDataIds;
using Limits = scenario::MiscDataLimits;

constexpr std::string_view kDefaultGraphicSet = "Fantasy";

// One enumeration of the data set for every box of the group.
void fillSame(const core::DataRoot& root, datasets::Kind kind, ui::Dialog& dialog, std::span<const int> ids) {
    datasets::fillEntryNames(root, datasets::info(kind), &dialog, {ids.front()});
    const auto names = dialog.items(ids.front());
    for (const int id : ids.subspan(1)) dialog.setItems(id, names);
}

// An empty slot shows "None" as plain text, and so does a city set stored as
// "None": selecting by prefix could pick an entry whose name begins with it
// and store that on OK.
void showSet(ui::Dialog& dialog, int id, const std::string& name) {
    if (name.empty() || name == kNoSet)
        dialog.setText(id, kNoSet);
    else
        dialog.selectByPrefix(id, name);
}

// Ruin and site boxes store "None" as no set; city boxes store what they show.
std::string storedSet(std::string text) { return text == kNoSet ? std::string() : text; }

scenario::ScenarioHeader loadHeader(const core::DataRoot& root, const std::string& name) {
    const auto bytes =
        root.read(scenario::scenarioFile(name, scenario::kScenarioHeaderFile), scenario::ScenarioHeaderLayout::kSize);
    return bytes ? scenario::readScenarioHeader(*bytes) : scenario::newScenarioHeader(name);
}

}  // namespace

ScenarioDataDialog::ScenarioDataDialog(ui::Host& host, const core::DataRoot& root, std::string scenario)
    : ui::Dialog(host, resources::kScenarioData), root_(root), scenario_(std::move(scenario)) {}

void ScenarioDataDialog::fillSetLists() {
    fillSame(root_, datasets::Kind::RuinSet, *this, Ids::kRuinSets);
    fillSame(root_, datasets::Kind::SiteSet, *this, Ids::kSiteSets);
    fillSame(root_, datasets::Kind::CitySet, *this, Ids::kCitySets);
    setItems(Ids::kWorld, scenario::worldChoices(root_));
}

void ScenarioDataDialog::onInit() {
    const auto map = scenario::loadMapHeader(root_, scenario_);
    const int size = scenario::mapSizeIndexForWidth(map ? map->width : scenario::mapSizes()[0].width);
    for (std::size_t i = 0; i < Ids::kMapSizes.size(); ++i) setChecked(Ids::kMapSizes[i], static_cast<int>(i) == size);

    fillSetLists();

    const scenario::ScenarioHeader header = loadHeader(root_, scenario_);
    selectByPrefix(Ids::kWorld, header.worldName);
    setText(Ids::kName, header.name);
    setText(Ids::kAuthor, header.author);
    setText(Ids::kDescription, header.description);

    const scenario::MiscData misc = scenario::loadMiscData(root_, scenario_);
    setText(Ids::kPreGold, misc.preGold);
    setText(Ids::kPostGold, misc.postGold);
    setNumber(Ids::kMaxBonus, misc.maxBonus);
    for (std::size_t i = 0; i < misc.monsters.size(); ++i) {
        setText(Ids::kMonsterNames[i], misc.monsters[i].name);
        setNumber(Ids::kMonsterStrengths[i], misc.monsters[i].strength);
    }
    for (std::size_t i = 0; i < misc.ruinSets.size(); ++i) showSet(*this, Ids::kRuinSets[i], misc.ruinSets[i]);
    for (std::size_t i = 0; i < misc.siteSets.size(); ++i) showSet(*this, Ids::kSiteSets[i], misc.siteSets[i]);
    for (std::size_t i = 0; i < misc.citySets.size(); ++i) showSet(*this, Ids::kCitySets[i], misc.citySets[i]);
    setText(Ids::kGraphicSet, misc.graphicSet.empty() ? kDefaultGraphicSet : misc.graphicSet);
}

bool ScenarioDataDialog::onOk() {
    ui::DataExchange dx(*this);
    scenario::ScenarioHeader header;
    scenario::MiscData misc;
    std::string world;
    dx.text(Ids::kName, ScenarioDataLimits::kName, header.name);
    dx.text(Ids::kAuthor, ScenarioDataLimits::kAuthor, header.author);
    dx.text(Ids::kPreGold, Limits::kGoldText, misc.preGold);
    dx.text(Ids::kPostGold, Limits::kGoldText, misc.postGold);
    dx.integer(Ids::kMaxBonus, 0, Limits::kMaxBonus, misc.maxBonus);
    dx.text(Ids::kWorld, ScenarioDataLimits::kWorld, world);
    for (std::size_t i = 0; i < misc.monsters.size(); ++i) {
        dx.text(Ids::kMonsterNames[i], Limits::kMonsterName, misc.monsters[i].name);
        dx.integer(Ids::kMonsterStrengths[i], 0, Limits::kMaxStrength, misc.monsters[i].strength);
    }
    dx.text(Ids::kDescription, ScenarioDataLimits::kDescription, header.description);
    for (std::size_t i = 0; i < misc.ruinSets.size(); ++i)
        dx.text(Ids::kRuinSets[i], Limits::kSetName, misc.ruinSets[i]);
    for (std::size_t i = 0; i < misc.siteSets.size(); ++i)
        dx.text(Ids::kSiteSets[i], Limits::kSetName, misc.siteSets[i]);
    for (std::size_t i = 0; i < misc.citySets.size(); ++i)
        dx.text(Ids::kCitySets[i], Limits::kSetName, misc.citySets[i]);
    dx.text(Ids::kGraphicSet, Limits::kGraphicSet, misc.graphicSet);
    if (!dx.ok()) return false;

    // Every file is still tried; any that could not be written is named and
    // the dialog stays open, so no edit is lost unnoticed.
    const std::vector<std::string> failed = writeFiles(std::move(header), std::move(misc), world);
    for (const auto& path : failed) host().error("Error writing " + path);
    return failed.empty();
}

std::vector<std::string> ScenarioDataDialog::writeFiles(scenario::ScenarioHeader header, scenario::MiscData misc,
                                                        const std::string& world) const {
    std::vector<std::string> failed;
    const auto written = [&](bool ok, std::string_view file) {
        if (!ok) failed.push_back(scenario::scenarioFile(scenario_, file));
    };
    const std::string worldPath = scenario::scenarioFile(scenario_, scenario::kWorldHeaderFile);
    if (world.empty() || world == scenario::kNoWorld) {
        root_.remove(worldPath);
        header.worldFolder.clear();
        header.worldName = scenario::kNoWorld;
    } else {
        written(root_.writeAtomic(worldPath, scenario::writeWorldHeader({world, world})), scenario::kWorldHeaderFile);
        header.worldFolder = header.worldName = world;
    }

    const auto chosen = std::find_if(Ids::kMapSizes.begin(), Ids::kMapSizes.end(), [&](int id) { return checked(id); });
    const auto size = chosen == Ids::kMapSizes.end() ? 0 : chosen - Ids::kMapSizes.begin();
    written(scenario::writeMapSize(root_, scenario_, scenario::mapSizes()[static_cast<std::size_t>(size)]) !=
                scenario::MapWrite::Failed,
            scenario::kMapFile);

    header.folder = scenario_;
    written(root_.writeAtomic(scenario::scenarioFile(scenario_, scenario::kScenarioHeaderFile),
                              scenario::writeScenarioHeader(header)),
            scenario::kScenarioHeaderFile);

    for (auto& set : misc.ruinSets) set = storedSet(std::move(set));
    for (auto& set : misc.siteSets) set = storedSet(std::move(set));
    written(scenario::saveMiscData(root_, scenario_, misc), scenario::kMiscDataFile);
    return failed;
}

std::unique_ptr<ui::Dialog> makeScenarioDataDialog(ui::Host& host, const core::DataRoot& root,
                                                   CurrentScenario& scenario) {
    return std::make_unique<ScenarioDataDialog>(host, root, scenario.name());
}

}  // namespace kestrel::shell
