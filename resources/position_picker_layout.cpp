#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// The picker paints its two views itself: the 7 by 6 tiles at client pixels
// (12, 11) to (348, 299) and the small strategic picture at (360, 11) to
// (460, 136). OK and Cancel stand under the picture, as wide as it is.
ui::Layout positionPickerLayout() {
    ui::Layout l{.resourceId = kPositionPicker, .caption = "Select XY Coord", .width = 314, .height = 191};
    l.controls.push_back({.id = 1, .kind = ControlKind::Button, .label = "OK", .rect = {240, 150, 66, 14},
                          .isDefault = true});
    l.controls.push_back({.id = 2, .kind = ControlKind::Button, .label = "Cancel", .rect = {240, 168, 66, 14}});
    return l;
}

}  // namespace kestrel::resources
