#include "scenario/scenario_items_dialog.hpp"

#include <span>

#include "datasets/entry_lists.hpp"
#include "resources/layouts.hpp"
#include "scenario/scenario_files.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

namespace {

using Ids = ScenarioItemsIds;

// Each group of names with the id of its first list.
template <typename Items, typename Visit>
void forEachGroup(Items& items, Visit visit) {
    visit(std::span(items.compulsory), Ids::kCompulsory);
    visit(std::span(items.optional), Ids::kOptional);
    visit(std::span(items.unplaced), Ids::kUnplaced);
}

}  // namespace

ScenarioItemsDialog::ScenarioItemsDialog(ui::Host& host, const core::DataRoot& root, std::string scenario)
    : ui::Dialog(host, resources::kScenarioItems), root_(root), scenario_(std::move(scenario)) {}

void ScenarioItemsDialog::onInit() {
    items_ = loadScenarioItems(root_, scenario_).value_or(ScenarioItems{});
    // One enumeration of the items for all 40 lists.
    datasets::fillEntryNames(root_, datasets::info(datasets::Kind::Item), this, {Ids::kCompulsory});
    const auto names = items(Ids::kCompulsory);
    forEachGroup(items_, [&](std::span<const std::string> group, int first) {
        for (std::size_t i = 0; i < group.size(); ++i) {
            const int id = first + static_cast<int>(i);
            if (id != Ids::kCompulsory) setItems(id, names);
            selectByPrefix(id, group[i]);
        }
    });
    setNumber(Ids::kChance, items_.optionalChance);
}

bool ScenarioItemsDialog::onOk() {
    ui::DataExchange in(*this);
    ScenarioItems out = items_;
    if (!in.integer(Ids::kChance, 0, ScenarioItemsLimits::kMaxChance, out.optionalChance)) return false;
    // Whatever the lists show is kept, offered or not.
    forEachGroup(out, [&](std::span<std::string> group, int first) {
        for (std::size_t i = 0; i < group.size(); ++i) group[i] = text(first + static_cast<int>(i));
    });
    if (saveScenarioItems(root_, scenario_, out)) return true;
    // Closing would lose every choice without a word.
    host().error("Error writing " + scenarioFile(scenario_, kScenarioItemsFile));
    return false;
}

std::unique_ptr<ui::Dialog> makeScenarioItemsDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario) {
    return std::make_unique<ScenarioItemsDialog>(host, root, std::string(scenario));
}

}  // namespace kestrel::scenario
