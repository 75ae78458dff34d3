#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

ui::Layout flagEditorLayout() {
    ui::Layout l{.resourceId = kFlagEditor, .caption = "Edit Flag Data", .width = 186, .height = 66};
    l.controls.push_back(label("No data to edit for flags", 7, 9, 172));
    l.controls.push_back(importPicture(7, 24));
    addOkCancel(l, 45);
    return l;
}

}  // namespace kestrel::resources
