#include "scenario/city_ini_dialog.hpp"

#include "resources/layouts.hpp"
#include "scenario/map_location.hpp"
#include "scenario/placed_records.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/side_lists.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

namespace {

using Ids = CityIniIds;
using Limits = CityIniLimits;

int productionId(std::size_t slot) { return Ids::kFirstProduction + static_cast<int>(slot); }

std::vector<MapPosition> cityPositions(std::span<const City> cities) {
    std::vector<MapPosition> out;
    for (const auto& c : cities) out.push_back({c.x, c.y});
    return out;
}

}  // namespace

std::string cityIniLine(const CityIniRecord& record, std::span<const std::string> sideNames) {
    const bool known = record.side >= 0 && static_cast<std::size_t>(record.side) < sideNames.size();
    const std::string side = known ? sideNames[static_cast<std::size_t>(record.side)].substr(0, kListSideName) : "";
    return record.city + " for " + side + "(" + std::to_string(record.side) + "): " + std::to_string(record.chance) +
           "%";
}

CityIniDialog::CityIniDialog(ui::Host& host, const core::DataRoot& root, std::string scenario, CityIniBlock block,
                             std::span<const City> cities)
    : ui::Dialog(host, block == CityIniBlock::Capitals ? resources::kCityCapitals : resources::kCityOwners),
      root_(root),
      scenario_(std::move(scenario)),
      block_(block),
      cities_(cities) {}

void CityIniDialog::onInit() {
    loaded_ = picture_.load(host(), root_, scenario_);
    // Without the picture nothing is read, so nothing can be written back.
    if (!loaded_) return;
    sides_ = loadSides(root_, scenario_);
    sideNames_ = sideNames(sides_, true, true);
    ini_ = loadCityIni(root_, scenario_).value_or(CityIni{});
    current_ = records().empty() ? -1 : 0;
    setItems(Ids::kOwner, sideNames_);
    fillList();
    show();
}

std::optional<CityIniRecord> CityIniDialog::fromControls(bool quiet) {
    CityIniRecord r = records()[static_cast<std::size_t>(current_)];
    if (quiet) {
        long chance = 0;
        if (!ui::parseInteger(text(Ids::kChance), chance) || chance < 0 || chance > Limits::kMaxChance)
            return std::nullopt;
        r.chance = static_cast<int>(chance);
        for (std::size_t i = 0; i < r.production.size(); ++i) r.production[i] = text(productionId(i));
    } else {
        ui::DataExchange dx(*this);
        dx.integer(Ids::kChance, 0, Limits::kMaxChance, r.chance);
        for (std::size_t i = 0; i < r.production.size(); ++i)
            dx.text(productionId(i), Limits::kProduction, r.production[i]);
        if (!dx.ok()) return std::nullopt;
    }
    // A side the list does not offer (a damaged file) stays as read.
    if (const int side = selection(Ids::kOwner); side >= 0) r.side = side;
    // Read-only: whatever it shows came from a city or from the file.
    r.city = text(Ids::kCity);
    return r;
}

bool CityIniDialog::store(bool quiet) {
    if (current_ < 0) return true;
    const auto r = fromControls(quiet);
    if (!r) return false;
    records()[static_cast<std::size_t>(current_)] = *r;
    return true;
}

void CityIniDialog::show() {
    if (current_ < 0) {
        setText(Ids::kCity, "");
        setSelection(Ids::kOwner, -1);
        setText(Ids::kChance, "");
        for (std::size_t i = 0; i < CityIniLayout::kProductions; ++i) {
            clearItems(productionId(i));
            setText(productionId(i), "");
        }
        return;
    }
    const CityIniRecord& r = records()[static_cast<std::size_t>(current_)];
    const auto armies = sideArmyTypes(sides_, r.side, false);
    for (std::size_t i = 0; i < r.production.size(); ++i) {
        setItems(productionId(i), armies);
        selectByPrefix(productionId(i), r.production[i]);
    }
    setNumber(Ids::kChance, r.chance);
    setSelection(Ids::kOwner, r.side);
    setText(Ids::kCity, r.city);
}

void CityIniDialog::fillList() {
    std::vector<std::string> lines;
    for (const auto& r : records()) lines.push_back(cityIniLine(r, sideNames_));
    // Refilling the list under the user's click would lose the click.
    if (lines != items(Ids::kList)) setItems(Ids::kList, lines);
    setSelection(Ids::kList, current_);
}

void CityIniDialog::add(std::size_t at) {
    if (records().size() >= CityIniFileLayout::kLimit) return;
    if (!store()) return;
    records().insert(records().begin() + static_cast<std::ptrdiff_t>(at), CityIniRecord{});
    current_ = static_cast<int>(at);
    fillList();
    show();
    invalidate();
}

void CityIniDialog::remove() {
    if (current_ < 0) return;
    // The record goes: what its controls hold does not matter any more.
    records().erase(records().begin() + current_);
    if (current_ >= static_cast<int>(records().size())) current_ = static_cast<int>(records().size()) - 1;
    fillList();
    show();
    invalidate();
}

void CityIniDialog::onCommand(int id) {
    const std::size_t count = records().size();
    const std::size_t current = current_ < 0 ? 0 : static_cast<std::size_t>(current_);
    switch (id) {
        case Ids::kNew:
            add(count);
            return;
        case Ids::kInsert:
            add(current);
            return;
        case Ids::kAppend:
            add(current_ < 0 ? 0 : current + 1);
            return;
        case Ids::kDelete:
            remove();
            return;
        default:
            ui::Dialog::onCommand(id);
    }
}

void CityIniDialog::onChange(int id) {
    if (current_ < 0) return;
    if (id == Ids::kList) {
        const int chosen = selection(Ids::kList);
        if (chosen >= 0 && chosen != current_ && store()) {
            current_ = chosen;
            show();
            invalidate();
        }
        // A refused field keeps its record current.
        fillList();
    } else if (id == Ids::kOwner) {
        if (!store()) return;
        fillList();
        show();  // the productions offered follow the side
    } else if (id == Ids::kChance) {
        // Half-typed numbers wait for the next store to be refused.
        if (store(true)) fillList();
    }
}

void CityIniDialog::onMouse(const ui::MouseEvent& event) {
    if (!loaded_) return;
    const auto at = picture_.positionAt(event.x, event.y);
    if (!at) return;
    if (event.kind == ui::MouseEvent::Kind::RightDown) {
        ShowMapLocation(host(), root_, scenario_, *at);
        return;
    }
    if (event.kind != ui::MouseEvent::Kind::LeftDown || current_ < 0) return;
    const int city = nearestPlaced(cityPositions(cities_), *at);
    if (city < 0 || !store()) return;
    records()[static_cast<std::size_t>(current_)].city = cities_[static_cast<std::size_t>(city)].name;
    show();
    fillList();
    invalidate();
}

void CityIniDialog::onPaint(pictures::Surface& client) {
    int red = -1;
    if (current_ >= 0) {
        const std::string& name = records()[static_cast<std::size_t>(current_)].city;
        for (std::size_t i = 0; i < cities_.size() && red < 0; ++i)
            if (cities_[i].name == name) red = static_cast<int>(i);
    }
    picture_.paint(client, cityPositions(cities_), red);
}

bool CityIniDialog::onOk() {
    if (!loaded_) return true;
    if (!store()) return false;
    if (saveCityIni(root_, scenario_, ini_)) return true;
    // Closing would lose both lists' edits without a word.
    host().error("Error writing " + scenarioFile(scenario_, kCityIniFile));
    return false;
}

}  // namespace kestrel::scenario
