#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

// Capitals and owners share one shape: the large strategic picture on the
// left, the records' list and the current record on the right.
ui::Layout cityIniLayout(int resourceId, std::string caption) {
    ui::Layout l{.resourceId = resourceId, .caption = std::move(caption), .width = 407, .height = 207};
    l.controls.push_back({.id = 1100, .kind = ControlKind::List, .rect = {155, 7, 245, 72}});
    const char* buttons[] = {"New", "Insert", "Append", "Delete"};
    for (int i = 0; i < 4; ++i) l.controls.push_back(button(1101 + i, buttons[i], 155 + 63 * i, 82, 56));
    l.controls.push_back(group("Initial Data", 155, 100, 245, 80));
    ControlDef city = field(1105, ControlKind::Edit, 203, 112, 80, 15);
    city.readOnly = true;
    addLabelled(l, "City", 42, std::move(city));
    addLabelled(l, "Owner", 30, field(1106, ControlKind::ComboList, 318, 112, 76));
    addLabelled(l, "Chance (%)", 42, field(1107, ControlKind::NumberEdit, 203, 128, 30));
    l.controls.push_back(label("Production", 161, 146, 40));
    for (int i = 0; i < 4; ++i) {
        ControlDef combo = field(1108 + i, ControlKind::ComboEdit, 203 + 70 * (i % 2), 144 + 16 * (i / 2), 65, 8);
        combo.sorted = true;
        l.controls.push_back(std::move(combo));
    }
    addOkCancel(l, 186);
    return l;
}

}  // namespace

ui::Layout cityCapitalsLayout() { return cityIniLayout(kCityCapitals, "Edit Scenario Capitols"); }
ui::Layout cityOwnersLayout() { return cityIniLayout(kCityOwners, "Edit Scenario City Owners"); }

}  // namespace kestrel::resources
