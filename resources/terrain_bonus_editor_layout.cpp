#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

ui::Layout terrainBonusEditorLayout() {
    ui::Layout l{.resourceId = kTerrainBonusEditor, .caption = "Edit Terrain Bonus", .width = 186, .height = 95};
    l.controls.push_back(label("Name", 7, 7, 80));
    l.controls.push_back(field(1036, ControlKind::Edit, 7, 17, 172, 31));
    l.controls.push_back(importPicture(7, 40));
    addOkCancel(l, 74);
    return l;
}

}  // namespace kestrel::resources
