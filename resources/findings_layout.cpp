#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// The findings of the whole root, one a line, wide enough for a place and a
// message; the summary beside Close.
ui::Layout findingsLayout() {
    ui::Layout l{.resourceId = kFindings, .caption = "Check Data", .width = 380, .height = 200};
    l.controls.push_back({.id = 1000, .kind = ControlKind::List, .rect = {7, 7, 366, 164}});
    l.controls.push_back({.id = 1001, .kind = ControlKind::Static, .rect = {7, 180, 300, 8}});
    ControlDef close = button(1, "Close", 323, 178, 50);
    close.isDefault = true;
    l.controls.push_back(close);
    return l;
}

}  // namespace kestrel::resources
