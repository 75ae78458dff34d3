#include "scenario/scenario_cities_dialog.hpp"

#include "resources/layouts.hpp"
#include "scenario/city_ini_dialog.hpp"
#include "scenario/map_location.hpp"
#include "scenario/placed_records.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/side_lists.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

namespace {

using Ids = ScenarioCitiesIds;
using Limits = CityLimits;

int productionId(std::size_t slot) { return Ids::kFirstProduction + static_cast<int>(slot); }

struct ChoiceControl {
    int id;
    std::span<const std::string_view> names;
    int City::*field;
};

const ChoiceControl kChoices[] = {
    {Ids::kLevel, kCityLevelNames, &City::level},
    {Ids::kManaType, kCityManaTypeNames, &City::manaType},
    {Ids::kCityType, kCityTypeNames, &City::cityType},
};

std::vector<MapPosition> cityPositions(std::span<const City> cities) {
    std::vector<MapPosition> out;
    for (const auto& c : cities) out.push_back({c.x, c.y});
    return out;
}

}  // namespace

ScenarioCitiesDialog::ScenarioCitiesDialog(ui::Host& host, const core::DataRoot& root, std::string scenario)
    : ui::Dialog(host, resources::kScenarioCities), root_(root), scenario_(std::move(scenario)) {}

void ScenarioCitiesDialog::onInit() {
    for (const auto& choice : kChoices) setItems(choice.id, choice.names);
    loaded_ = picture_.load(host(), root_, scenario_);
    if (loaded_) {
        if (auto cities = loadCities(root_, scenario_))
            cities_ = std::move(*cities);
        else
            host().error(kCityFileMissing);
        const auto armies = sideArmyTypes(loadSides(root_, scenario_), SidesFileLayout::kNeutrals, false);
        for (std::size_t i = 0; i < CityLayout::kProductions; ++i) setItems(productionId(i), armies);
    }
    current_ = cities_.empty() ? -1 : 0;
    show();
}

bool ScenarioCitiesDialog::store() {
    if (current_ < 0) return true;
    City c = cities_[static_cast<std::size_t>(current_)];
    ui::DataExchange dx(*this);
    dx.text(Ids::kName, Limits::kName, c.name);
    dx.text(Ids::kDescription, Limits::kDescription, c.description);
    dx.integer(Ids::kChance, 0, Limits::kMaxChance, c.chance);
    dx.integer(Ids::kX, 0, Limits::kMaxX, c.x);
    dx.integer(Ids::kY, 0, Limits::kMaxY, c.y);
    dx.integer(Ids::kIncome, 0, Limits::kMaxIncome, c.income);
    dx.integer(Ids::kMana, 0, Limits::kMaxMana, c.mana);
    for (std::size_t i = 0; i < c.production.size(); ++i)
        dx.text(productionId(i), Limits::kProduction, c.production[i]);
    if (!dx.ok()) return false;
    // A value beyond the list (a damaged file) shows nothing and stays as read.
    for (const auto& choice : kChoices)
        if (const int chosen = selection(choice.id); chosen >= 0) c.*choice.field = chosen;
    cities_[static_cast<std::size_t>(current_)] = std::move(c);
    return true;
}

void ScenarioCitiesDialog::show() {
    const City none;
    const City& c = current_ < 0 ? none : cities_[static_cast<std::size_t>(current_)];
    const auto number = [&](int id, int value) {
        if (current_ < 0)
            setText(id, "");
        else
            setNumber(id, value);
    };
    setText(Ids::kName, c.name);
    setText(Ids::kDescription, c.description);
    number(Ids::kChance, c.chance);
    number(Ids::kX, c.x);
    number(Ids::kY, c.y);
    number(Ids::kIncome, c.income);
    number(Ids::kMana, c.mana);
    for (const auto& choice : kChoices) setSelection(choice.id, current_ < 0 ? -1 : c.*choice.field);
    for (std::size_t i = 0; i < c.production.size(); ++i) selectByPrefix(productionId(i), c.production[i]);
}

void ScenarioCitiesDialog::onCommand(int id) {
    if (id != Ids::kEditCapitals && id != Ids::kEditOwners) {
        ui::Dialog::onCommand(id);
        return;
    }
    if (cities_.empty()) {
        host().error(kNoCitiesMessage);
        return;
    }
    // The lists see the records as they stand, not what the controls hold now.
    CityIniDialog lists(host(), root_, scenario_,
                        id == Ids::kEditCapitals ? CityIniBlock::Capitals : CityIniBlock::Owners, cities_);
    host().runModal(lists);
}

void ScenarioCitiesDialog::onMouse(const ui::MouseEvent& event) {
    if (!loaded_) return;
    const auto at = picture_.positionAt(event.x, event.y);
    if (!at) return;
    if (event.kind == ui::MouseEvent::Kind::RightDown) {
        ShowMapLocation(host(), root_, scenario_, *at);
        return;
    }
    if (event.kind != ui::MouseEvent::Kind::LeftDown) return;
    const int picked = nearestPlaced(cityPositions(cities_), *at);
    if (picked < 0 || picked == current_ || !store()) return;
    current_ = picked;
    show();
    invalidate();
}

void ScenarioCitiesDialog::onPaint(pictures::Surface& client) {
    picture_.paint(client, cityPositions(cities_), current_);
}

bool ScenarioCitiesDialog::onOk() {
    // Nothing was read without the picture: writing would empty the file.
    if (!loaded_) return true;
    if (!store()) return false;
    if (saveCities(root_, scenario_, cities_)) return true;
    host().error(kCityWriteError);
    return false;
}

std::unique_ptr<ui::Dialog> makeScenarioCitiesDialog(ui::Host& host, const core::DataRoot& root,
                                                     std::string_view scenario) {
    return std::make_unique<ScenarioCitiesDialog>(host, root, std::string(scenario));
}

}  // namespace kestrel::scenario
