#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// The relations' list over its buttons; the current relation below: its
// sides and chance, then either a standing or an index value.
ui::Layout diplomacyLayout() {
    ui::Layout l{.resourceId = kDiplomacy, .caption = "Diplomacy", .width = 260, .height = 207};
    l.controls.push_back({.id = 1100, .kind = ControlKind::List, .rect = {7, 7, 246, 80}});
    const char* buttons[] = {"New", "Insert", "Append", "Delete"};
    for (int i = 0; i < 4; ++i) l.controls.push_back(button(1101 + i, buttons[i], 7 + 63 * i, 91, 56));
    addLabelled(l, "First Side", 45, field(1106, ControlKind::ComboList, 52, 114, 75));
    addLabelled(l, "Second Side", 48, field(1107, ControlKind::ComboList, 183, 114, 70));
    addLabelled(l, "Chance (%)", 45, field(1105, ControlKind::NumberEdit, 52, 132, 30));
    // One run of radio buttons: they form one group.
    l.controls.push_back({.id = 1108, .kind = ControlKind::Radio, .label = "Standing", .rect = {7, 152, 60, 10}});
    l.controls.push_back({.id = 1109, .kind = ControlKind::Radio, .label = "Index Value", .rect = {135, 152, 60, 10}});
    l.controls.push_back(field(1110, ControlKind::ComboList, 17, 164, 75));
    l.controls.push_back(field(1111, ControlKind::NumberEdit, 145, 164, 35));
    addOkCancel(l, 186);
    return l;
}

}  // namespace kestrel::resources
