#include "shell/sides_dialog.hpp"

#include "resources/layouts.hpp"
#include "shell/side_data_dialog.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::shell {

namespace {

using Ids = SidesIds;
using scenario::SidesFileLayout;

}  // namespace

SidesDialog::SidesDialog(ui::Host& host, const core::DataRoot& root, std::string scenario)
    : ui::Dialog(host, resources::kScenarioSides), root_(root), scenario_(std::move(scenario)) {}

void SidesDialog::onInit() {
    sides_ = scenario::loadSides(root_, scenario_);
    for (std::size_t i = 0; i < Ids::kRows.size(); ++i) {
        setChecked(Ids::kRows[i].used, sides_[i].used);
        // Not cut: a longer name from a text import shows whole and is refused on OK.
        setText(Ids::kRows[i].name, sides_[i].name);
    }
}

void SidesDialog::onCommand(int id) {
    for (std::size_t i = 0; i < Ids::kRows.size(); ++i) {
        if (id == Ids::kRows[i].edit) {
            edit(i);
            return;
        }
    }
    if (id == Ids::kNeutralsEdit) {
        sides_[SidesFileLayout::kNeutrals].name = std::string(scenario::kNeutralsName);
        SideDataDialog data(host(), root_, sides_[SidesFileLayout::kNeutrals]);
        host().runModal(data);
        return;
    }
    ui::Dialog::onCommand(id);
}

bool SidesDialog::namesValid() {
    ui::DataExchange dx(*this);
    for (const auto& row : Ids::kRows) {
        std::string name;
        dx.text(row.name, scenario::SideLimits::kName, name);
    }
    return dx.ok();
}

void SidesDialog::edit(std::size_t record) {
    if (!namesValid()) return;
    const SideRowIds& row = Ids::kRows[record];
    if (!checked(row.used)) {
        host().notice(kSideNotUsedMessage);
        return;
    }
    // The Side Data title shows the name as the row has it now.
    sides_[record].name = text(row.name);
    SideDataDialog data(host(), root_, sides_[record]);
    host().runModal(data);
}

bool SidesDialog::onOk() {
    if (!namesValid()) return false;
    scenario::Sides sides = sides_;
    for (std::size_t i = 0; i < Ids::kRows.size(); ++i) {
        sides[i].used = checked(Ids::kRows[i].used);
        sides[i].name = text(Ids::kRows[i].name);
    }
    sides[SidesFileLayout::kNeutrals].used = true;
    sides[SidesFileLayout::kNeutrals].name = std::string(scenario::kNeutralsName);
    // Closing without the file would lose every side's edits unnoticed.
    if (!scenario::saveSides(root_, scenario_, sides)) {
        host().error(kSidesWriteError);
        return false;
    }
    sides_ = std::move(sides);
    return true;
}

std::unique_ptr<ui::Dialog> makeSidesDialog(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario) {
    return std::make_unique<SidesDialog>(host, root, scenario.name());
}

}  // namespace kestrel::shell
