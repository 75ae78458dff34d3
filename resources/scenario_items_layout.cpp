#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

constexpr int kNameWidth = 58, kPitch = 15, kGroupWidth = 2 * kNameWidth + 18;

// A group of item lists in two columns, names 1 to `rows` on the left.
void addItemGroup(ui::Layout& l, std::string caption, int firstId, int names, int x, int y) {
    const int rows = names / 2;
    l.controls.push_back(group(std::move(caption), x, y, kGroupWidth, 15 + rows * kPitch));
    for (int i = 0; i < names; ++i) {
        ControlDef def = field(firstId + i, ControlKind::ComboEdit, x + 6 + (i / rows) * (kNameWidth + 6),
                               y + 12 + (i % rows) * kPitch, kNameWidth, 8);
        def.sorted = true;
        l.controls.push_back(std::move(def));
    }
}

}  // namespace

// Three groups of item lists side by side; the chance under the unplaced ones.
ui::Layout scenarioItemsLayout() {
    constexpr int kUnplacedX = 7 + 2 * (kGroupWidth + 6);
    ui::Layout l{.resourceId = kScenarioItems,
                 .caption = "Scenario Items",
                 .width = kUnplacedX + kGroupWidth + 7,
                 .height = 149};
    addItemGroup(l, "Compulsory", 1100, 16, 7, 7);
    addItemGroup(l, "Optional", 1120, 16, 7 + kGroupWidth + 6, 7);
    addItemGroup(l, "Unplaced", 1140, 8, kUnplacedX, 7);
    addLabelled(l, "Optional Chance:", 64, field(1150, ControlKind::NumberEdit, kUnplacedX + 70, 87, 30));
    addOkCancel(l, 128);
    return l;
}

}  // namespace kestrel::resources
