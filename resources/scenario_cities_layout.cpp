#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// The large strategic picture fills client pixels (20, 20) to (220, 270) on
// the left; the current city's fields stand to its right.
ui::Layout scenarioCitiesLayout() {
    ui::Layout l{.resourceId = kScenarioCities, .caption = "Scenario Cities", .width = 356, .height = 197};
    addLabelled(l, "Name", 45, field(1100, ControlKind::Edit, 200, 7, 80, 15));
    l.controls.push_back(label("Description", 155, 24, 60));
    l.controls.push_back({.id = 1101, .kind = ControlKind::MultiEdit, .rect = {155, 34, 194, 40}, .limit = 127});
    addLabelled(l, "Chance (%)", 45, field(1102, ControlKind::NumberEdit, 200, 80, 30));
    addLabelled(l, "Coords", 33, field(1103, ControlKind::NumberEdit, 285, 80, 30));
    l.controls.push_back(field(1104, ControlKind::NumberEdit, 319, 80, 30));
    addLabelled(l, "Level", 45, field(1105, ControlKind::ComboList, 200, 96, 70));
    addLabelled(l, "Income", 33, field(1106, ControlKind::NumberEdit, 319, 96, 30));
    addLabelled(l, "Mana Type", 45, field(1107, ControlKind::ComboList, 200, 112, 70));
    addLabelled(l, "Mana", 33, field(1108, ControlKind::NumberEdit, 319, 112, 30));
    addLabelled(l, "City Type", 45, field(1113, ControlKind::ComboList, 200, 128, 70));
    l.controls.push_back(label("Production", 155, 146, 43));
    for (int i = 0; i < 4; ++i) {
        ControlDef combo = field(1109 + i, ControlKind::ComboEdit, 200 + 77 * (i % 2), 144 + 16 * (i / 2), 72, 8);
        combo.sorted = true;
        l.controls.push_back(std::move(combo));
    }
    l.controls.push_back(button(1114, "Edit Capitols", 7, 176, 62));
    l.controls.push_back(button(1115, "Edit Initial Owners", 74, 176, 78));
    addOkCancel(l, 176);
    return l;
}

}  // namespace kestrel::resources
