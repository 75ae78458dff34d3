#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// The icon frame surrounds client pixels (278, 175) to (310, 207).
ui::Layout itemEditorLayout() {
    ui::Layout l{.resourceId = kItemEditor, .caption = "Edit Item Data", .width = 330, .height = 196};
    addLabelled(l, "Name:", 33, field(1036, ControlKind::Edit, 40, 7, 135, 31));
    l.controls.push_back(label("Description:", 7, 23, 60));
    l.controls.push_back({.id = 1033, .kind = ControlKind::MultiEdit, .rect = {7, 33, 168, 44}, .limit = 127});
    l.controls.push_back(group("Power", 7, 82, 80, 72));
    const char* classes[] = {"Minor Item", "Average Item", "Major Item", "Artefact", "Greater Artefact"};
    for (int i = 0; i < 5; ++i)
        l.controls.push_back({.id = 1189 + i, .kind = ControlKind::Radio, .label = classes[i],
                              .rect = {13, 93 + 12 * i, 70, 10}});
    addLabelled(l, "Value:", 33, field(1194, ControlKind::NumberEdit, 128, 84, 47));
    l.controls.push_back(check(1201, "Has Charges", 95, 100, 60));
    addLabelled(l, "Charges:", 45, field(1186, ControlKind::NumberEdit, 152, 111, 23));
    l.controls.push_back(check(1202, "Has Limit", 95, 127, 60));
    addLabelled(l, "Time Limit:", 45, field(1188, ControlKind::NumberEdit, 152, 138, 23));
    addLabelled(l, "Graphic Set:", 45, field(1199, ControlKind::Edit, 140, 157, 35, 8));
    l.controls.push_back(label("Image", 185, 96, 25));
    l.controls.push_back({.id = 1197, .kind = ControlKind::Frame, .rect = {183, 106, 25, 23}});
    l.controls.push_back(field(1209, ControlKind::NumberEdit, 183, 134, 17));
    l.controls.push_back({.id = 1198, .kind = ControlKind::Spin, .rect = {200, 134, 9, 12}, .buddy = 1209,
                          .minValue = 0, .maxValue = 31, .wrap = true});
    addAbilityGroup(l, "Special Ability #1", 215, 7, {1153, 1154, 1155, 1156});
    addAbilityGroup(l, "Special Ability #2", 215, 75, {1158, 1160, 1161, 1159});
    addOkCancel(l, 175);
    return l;
}

}  // namespace kestrel::resources
