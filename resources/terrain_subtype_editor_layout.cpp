#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

ui::Layout terrainSubtypeEditorLayout() {
    ui::Layout l{.resourceId = kTerrainSubtypeEditor, .caption = "Edit Terrain Subtype", .width = 186, .height = 87};
    l.controls.push_back(label("Name", 7, 7, 80));
    l.controls.push_back(field(1036, ControlKind::Edit, 7, 17, 100, 15));
    l.controls.push_back(label("Condensed Name", 7, 35, 80));
    l.controls.push_back(field(1037, ControlKind::Edit, 7, 45, 60, 8));
    addOkCancel(l, 66);
    return l;
}

}  // namespace kestrel::resources
