#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

ui::Layout cityEditorLayout() {
    ui::Layout l{.resourceId = kCityEditor, .caption = "Edit City Data", .width = 186, .height = 146};
    l.controls.push_back(label("The names of each of the four levels of this city set", 7, 7, 172));
    l.controls.back().rect.h = 16;
    for (int level = 0; level < 4; ++level) {
        const int y = 28 + level * 18;
        l.controls.push_back(label("Level " + std::to_string(level + 1) + ":", 7, y + 2, 36));
        l.controls.push_back(field(1011 + level, ControlKind::Edit, 46, y, 133, 16));
    }
    l.controls.push_back(button(1015, "Import Picture", 7, 104, 70));
    addOkCancel(l, 125);
    return l;
}

}  // namespace kestrel::resources
