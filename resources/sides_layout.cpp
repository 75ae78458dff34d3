#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// One row per side: the used box, the name and its Edit button; the
// neutrals have only the button.
ui::Layout sidesLayout() {
    ui::Layout l{.resourceId = kScenarioSides, .caption = "Scenario Sides", .width = 186, .height = 196};
    struct Row {
        int used, name, edit;
    };
    const Row rows[] = {{1058, 1060, 1059}, {1061, 1062, 1011}, {1064, 1065, 1012}, {1067, 1068, 1013},
                        {1070, 1071, 1014}, {1073, 1074, 1075}, {1076, 1077, 1078}, {1079, 1080, 1081}};
    l.controls.push_back(label("Used", 9, 8, 20));
    l.controls.push_back(label("Name", 33, 8, 60));
    int y = 20;
    for (const auto& row : rows) {
        l.controls.push_back(check(row.used, "", 14, y + 1, 10));
        l.controls.push_back(field(row.name, ControlKind::Edit, 33, y, 100, 23));
        l.controls.push_back(button(row.edit, "Edit", 140, y - 1, 38));
        y += 17;
    }
    l.controls.push_back(label("NEUTRALS", 35, y + 2, 98));
    l.controls.push_back(button(1082, "Edit", 140, y - 1, 38));
    addOkCancel(l, 175);
    return l;
}

}  // namespace kestrel::resources
