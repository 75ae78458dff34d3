// "Scenario Items": the item pool of ITEM.DAT in 40 lists of the item
// entries, and the chance of the optional items.
#pragma once
#include <memory>
#include <string>

#include "core/data_root.hpp"
#include "scenario/scenario_editor.hpp"
#include "scenario/scenario_items.hpp"
#include "ui/dialog.hpp"

namespace kestrel::scenario {

struct ScenarioItemsIds {
    // Name n of each group (from 0) is first + n.
    static constexpr int kCompulsory = 1100, kOptional = 1120, kUnplaced = 1140;
    static constexpr int kChance = 1150;
};

class ScenarioItemsDialog : public ui::Dialog {
public:
    ScenarioItemsDialog(ui::Host& host, const core::DataRoot& root, std::string scenario);

    void onInit() override;
    bool onOk() override;

private:
    const core::DataRoot& root_;
    std::string scenario_;
    ScenarioItems items_;
};

std::unique_ptr<ui::Dialog> makeScenarioItemsDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario);

}  // namespace kestrel::scenario
