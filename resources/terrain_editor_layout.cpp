#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

ControlDef subtypeCombo(int id, int x, int y) {
    ControlDef def = field(id, ControlKind::ComboEdit, x, y, 80, 8);
    def.sorted = true;
    return def;
}

}  // namespace

// The real-tile marks are three 3x3 grids side by side; each row's ids run
// along all nine columns.
ui::Layout terrainEditorLayout() {
    ui::Layout l{.resourceId = kTerrainEditor, .caption = "Edit Terrain", .width = 321, .height = 167};
    l.controls.push_back(label("Name", 7, 7, 80));
    l.controls.push_back(field(1036, ControlKind::Edit, 7, 17, 100, 15));
    l.controls.push_back(label("Adjoins", 7, 35, 80));
    l.controls.push_back(subtypeCombo(1037, 7, 45));
    l.controls.push_back(label("Subtypes", 7, 63, 80));
    l.controls.push_back(subtypeCombo(1038, 7, 73));
    l.controls.push_back(subtypeCombo(1039, 7, 89));
    l.controls.push_back(label("Move Cost", 7, 107, 40));
    l.controls.push_back(field(1042, ControlKind::NumberEdit, 7, 117, 30));
    l.controls.push_back(label("Class", 47, 107, 40));
    l.controls.push_back(field(1041, ControlKind::ComboList, 47, 117, 66));

    l.controls.push_back(group("3x3 Type Data", 124, 7, 190, 128));
    l.controls.push_back(label("Move Cost", 134, 21, 40));
    l.controls.push_back(field(1043, ControlKind::NumberEdit, 134, 31, 30));
    l.controls.push_back(label("Class", 174, 21, 40));
    l.controls.push_back(field(1049, ControlKind::ComboList, 174, 31, 66));
    l.controls.push_back(label("Place x in \"Real\" Tiles", 134, 55, 120));
    constexpr int kFirstOfRow[] = {1323, 1332, 1350};
    constexpr int kPitch = 16, kGridGap = 16;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 9; ++column) {
            const int x = 134 + (column / 3) * (3 * kPitch + kGridGap) + (column % 3) * kPitch;
            l.controls.push_back(check(kFirstOfRow[row] + column, "", x, 71 + row * kPitch, 10));
        }

    l.controls.push_back(importPicture(7, 146));
    addOkCancel(l, 146);
    return l;
}

}  // namespace kestrel::resources
