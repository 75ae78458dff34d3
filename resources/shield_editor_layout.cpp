#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

ui::Layout shieldEditorLayout() {
    ui::Layout l{.resourceId = kShieldEditor, .caption = "Edit Shield Data", .width = 186, .height = 78};
    l.controls.push_back(label("Heraldic name for this shield feature", 7, 7, 172));
    l.controls.push_back(field(1036, ControlKind::Edit, 7, 18, 172, 39));
    l.controls.push_back(importPicture(7, 38));
    addOkCancel(l, 57);
    return l;
}

}  // namespace kestrel::resources
