#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

ui::Layout ruinEditorLayout() {
    ui::Layout l{.resourceId = kRuinEditor, .caption = "Edit Ruin Data", .width = 186, .height = 81};
    l.controls.push_back(check(1329, "Remove Top When Searched", 7, 12, 150));
    l.controls.push_back(importPicture(7, 38));
    addOkCancel(l, 60);
    return l;
}

}  // namespace kestrel::resources
