#include "scenario/city_ini_dialog.hpp"

#include "resources/layouts.hpp"
#include "scenario/map_location.hpp"
#include "scenario/placed_records.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/side_lists.hpp"
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
    : RecordListEditor(host, block == CityIniBlock::Capitals ? resources::kCityCapitals : resources::kCityOwners,
                       {Ids::kList}, CityIniFileLayout::kLimit),
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
    read_ = loadCityIniBlocks(root_, scenario_).value_or(CityIniBlocks{});
    records_ = readCityIniBlock(read_.block(block_));
    setItems(Ids::kOwner, sideNames_);
    start();
}

void CityIniDialog::insertNew(std::size_t at) {
    records().insert(records().begin() + static_cast<std::ptrdiff_t>(at), CityIniRecord{});
}

void CityIniDialog::erase(std::size_t at) { records().erase(records().begin() + static_cast<std::ptrdiff_t>(at)); }

std::string CityIniDialog::line(std::size_t index) const { return cityIniLine(records()[index], sideNames_); }

bool CityIniDialog::readControls(std::size_t index, bool quiet) {
    CityIniRecord r = records()[index];
    RecordControls in(*this, quiet);
    in.integer(Ids::kChance, 0, Limits::kMaxChance, r.chance);
    for (std::size_t i = 0; i < r.production.size(); ++i) in.text(productionId(i), Limits::kProduction, r.production[i]);
    if (!in.ok()) return false;
    // A side the list does not offer (a damaged file) stays as read.
    if (const int side = selection(Ids::kOwner); side >= 0) r.side = side;
    // Read-only: whatever it shows came from a city or from the file.
    r.city = text(Ids::kCity);
    records()[index] = std::move(r);
    return true;
}

void CityIniDialog::showRecord(int index) {
    if (index < 0) {
        setText(Ids::kCity, "");
        setSelection(Ids::kOwner, -1);
        setText(Ids::kChance, "");
        for (std::size_t i = 0; i < CityIniLayout::kProductions; ++i) {
            clearItems(productionId(i));
            setText(productionId(i), "");
        }
        return;
    }
    const CityIniRecord& r = records()[static_cast<std::size_t>(index)];
    const auto armies = sideArmyTypes(sides_, r.side, false);
    for (std::size_t i = 0; i < r.production.size(); ++i) {
        setItems(productionId(i), armies);
        selectByPrefix(productionId(i), r.production[i]);
    }
    setNumber(Ids::kChance, r.chance);
    setSelection(Ids::kOwner, r.side);
    setText(Ids::kCity, r.city);
}

void CityIniDialog::onChange(int id) {
    if (id == Ids::kOwner) {
        if (edited(false)) showCurrent();  // the productions offered follow the side
    } else if (id == Ids::kChance) {
        edited(true);
    } else {
        RecordListEditor::onChange(id);
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
    if (event.kind != ui::MouseEvent::Kind::LeftDown || current() < 0) return;
    const int city = nearestPlaced(cityPositions(cities_), *at);
    if (city < 0 || !store()) return;
    records()[static_cast<std::size_t>(current())].city = cities_[static_cast<std::size_t>(city)].name;
    showCurrent();
    fillList();
    invalidate();
}

void CityIniDialog::onPaint(pictures::Surface& client) {
    int red = -1;
    if (current() >= 0) {
        const std::string& name = records()[static_cast<std::size_t>(current())].city;
        for (std::size_t i = 0; i < cities_.size() && red < 0; ++i)
            if (cities_[i].name == name) red = static_cast<int>(i);
    }
    picture_.paint(client, cityPositions(cities_), red);
}

bool CityIniDialog::onOk() {
    if (!loaded_) return true;
    if (!store()) return false;
    CityIniBlocks written = read_;
    written.block(block_) = writeCityIniBlock(records_);
    if (saveCityIni(root_, scenario_, written)) return true;
    // Closing would lose both lists' edits without a word.
    host().error(kCityIniWriteError);
    return false;
}

}  // namespace kestrel::scenario
