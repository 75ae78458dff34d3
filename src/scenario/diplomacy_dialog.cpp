#include "scenario/diplomacy_dialog.hpp"

#include <array>
#include <string_view>

#include "resources/layouts.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/side_lists.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

namespace {

using Ids = DiplomacyIds;
using Limits = DiplomacyLimits;

// Standings by value: the standing list's entry and the list line's word.
struct Standing {
    std::string_view entry, word;
};
constexpr std::array<Standing, 4> kStandings{{
    {"Allied", "Allied with"},
    {"Peace", "at Peace with"},
    {"Neutral", "Neutral to"},
    {"War", "at War with"},
}};

// What a list line shows for a side or standing beyond the tables.
constexpr std::string_view kUnknown = "?????";

bool isStanding(int value) { return value >= 0 && value < static_cast<int>(kStandings.size()); }

std::string sideName(std::span<const std::string> names, int side) {
    if (side < 0 || static_cast<std::size_t>(side) >= names.size()) return std::string(kUnknown);
    return names[static_cast<std::size_t>(side)].substr(0, kListSideName);
}

}  // namespace

std::string diplomacyLine(const Relation& r, std::span<const std::string> sideNames) {
    const std::string first = sideName(sideNames, r.firstSide), second = sideName(sideNames, r.secondSide);
    const std::string chance = ": " + std::to_string(r.chance) + "%";
    if (r.kind != kStandingKind) return first + " -> " + second + " Index[" + std::to_string(r.value) + "]" + chance;
    const std::string_view word = isStanding(r.value) ? kStandings[static_cast<std::size_t>(r.value)].word : kUnknown;
    return first + " " + std::string(word) + " " + second + chance;
}

DiplomacyDialog::DiplomacyDialog(ui::Host& host, const core::DataRoot& root, std::string scenario)
    : RecordListEditor(host, resources::kDiplomacy, {Ids::kList}, DiplomacyLayout::kMaxRecords),
      root_(root),
      scenario_(std::move(scenario)) {}

void DiplomacyDialog::onInit() {
    const Sides sides = loadSides(root_, scenario_);
    // Lines name the neutrals too; the lists offer only the eight sides.
    sideNames_ = sideNames(sides, true, true);
    const auto offered = sideNames(sides, true, false);
    setItems(Ids::kFirstSide, offered);
    setItems(Ids::kSecondSide, offered);
    std::vector<std::string> standings;
    for (const auto& s : kStandings) standings.emplace_back(s.entry);
    setItems(Ids::kStandingList, standings);
    relations_ = loadDiplomacy(root_, scenario_).value_or(std::vector<Relation>{});
    start();
}

void DiplomacyDialog::insertNew(std::size_t at) {
    relations_.insert(relations_.begin() + static_cast<std::ptrdiff_t>(at), Relation{});
}

void DiplomacyDialog::erase(std::size_t at) { relations_.erase(relations_.begin() + static_cast<std::ptrdiff_t>(at)); }

std::string DiplomacyDialog::line(std::size_t index) const { return diplomacyLine(relations_[index], sideNames_); }

bool DiplomacyDialog::readControls(std::size_t index, bool quiet) {
    Relation r = relations_[index];
    const bool standing = !checked(Ids::kIndexValue);
    RecordControls in(*this, quiet);
    in.integer(Ids::kChance, 0, Limits::kMaxChance, r.chance);
    if (!standing) in.integer(Ids::kValue, Limits::kMinIndexValue, Limits::kMaxIndexValue, r.value);
    if (!in.ok()) return false;
    // Sides the lists do not offer (a damaged file) stay as read.
    if (const int side = selection(Ids::kFirstSide); side >= 0) r.firstSide = static_cast<std::int16_t>(side);
    if (const int side = selection(Ids::kSecondSide); side >= 0) r.secondSide = static_cast<std::int16_t>(side);
    // The kind is what the radio buttons say; a standing the list does not
    // offer is stored as -1, none.
    r.kind = standing ? kStandingKind : kIndexValueKind;
    if (standing) r.value = static_cast<std::int16_t>(selection(Ids::kStandingList));
    relations_[index] = r;
    return true;
}

void DiplomacyDialog::showRecord(int index) {
    if (index < 0) {
        for (const int id : {Ids::kFirstSide, Ids::kSecondSide, Ids::kStandingList}) setSelection(id, -1);
        for (const int id : {Ids::kChance, Ids::kValue}) setText(id, "");
        for (const int id : {Ids::kStanding, Ids::kIndexValue}) setChecked(id, false);
        return;
    }
    const Relation& r = relations_[static_cast<std::size_t>(index)];
    const bool standing = r.kind == kStandingKind;
    setNumber(Ids::kChance, r.chance);
    setSelection(Ids::kFirstSide, r.firstSide);
    setSelection(Ids::kSecondSide, r.secondSide);
    setChecked(Ids::kStanding, standing);
    setChecked(Ids::kIndexValue, !standing);
    setSelection(Ids::kStandingList, standing && isStanding(r.value) ? r.value : -1);
    setNumber(Ids::kValue, standing ? 0 : r.value);
}

void DiplomacyDialog::onCommand(int id) {
    if (id == Ids::kStanding || id == Ids::kIndexValue)
        edited(false);
    else
        RecordListEditor::onCommand(id);
}

void DiplomacyDialog::onChange(int id) {
    if (id == Ids::kChance || id == Ids::kValue)
        edited(true);
    else if (id == Ids::kFirstSide || id == Ids::kSecondSide || id == Ids::kStandingList)
        edited(false);
    else
        RecordListEditor::onChange(id);
}

bool DiplomacyDialog::onOk() {
    if (!store()) return false;
    if (saveDiplomacy(root_, scenario_, relations_)) return true;
    // Closing would lose every edit: the dialog stays open.
    host().error("Can't open " + std::string(kDiplomacyFile) + " file");
    return false;
}

std::unique_ptr<ui::Dialog> makeDiplomacyDialog(ui::Host& host, const core::DataRoot& root, std::string_view scenario) {
    return std::make_unique<DiplomacyDialog>(host, root, std::string(scenario));
}

}  // namespace kestrel::scenario
