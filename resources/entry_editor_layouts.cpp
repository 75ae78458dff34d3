#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

using ui::ControlKind;
using ui::ControlDef;

void addOkCancel(ui::Layout& l, int y) {
    const int x = l.width - 7 - 50;
    l.controls.push_back({.id = 1, .kind = ControlKind::Button, .label = "OK", .rect = {x - 55, y, 50, 14},
                          .isDefault = true});
    l.controls.push_back({.id = 2, .kind = ControlKind::Button, .label = "Cancel", .rect = {x, y, 50, 14}});
}

ControlDef importPicture(int x, int y) {
    return {.id = 1015, .kind = ControlKind::Button, .label = "Import Picture", .rect = {x, y, 70, 14}};
}

ui::Layout cityEditor() {
    ui::Layout l{.resourceId = kCityEditor, .caption = "Edit City Data", .width = 186, .height = 146};
    l.controls.push_back({.kind = ControlKind::Static,
                          .label = "The names of each of the four levels of this city set",
                          .rect = {7, 7, 172, 16}});
    for (int level = 0; level < 4; ++level) {
        const int y = 28 + level * 18;
        l.controls.push_back({.kind = ControlKind::Static, .label = "Level " + std::to_string(level + 1) + ":",
                              .rect = {7, y + 2, 36, 8}});
        l.controls.push_back({.id = 1011 + level, .kind = ControlKind::Edit, .rect = {46, y, 133, 12}, .limit = 16});
    }
    l.controls.push_back(importPicture(7, 104));
    addOkCancel(l, 125);
    return l;
}

ControlDef label(const char* text, int x, int y, int w) {
    return {.kind = ControlKind::Static, .label = text, .rect = {x, y, w, 8}};
}

ControlDef field(int id, ControlKind kind, int x, int y, int w, int limit = 0) {
    return {.id = id, .kind = kind, .rect = {x, y, w, 12}, .limit = limit};
}

void addAbilityGroup(ui::Layout& l, const char* caption, int y, int list, int first, int second, int text) {
    l.controls.push_back({.kind = ControlKind::Group, .label = caption, .rect = {215, y, 108, 50}});
    l.controls.push_back(field(list, ControlKind::ComboList, 221, y + 11, 96));
    l.controls.push_back(field(first, ControlKind::NumberEdit, 221, y + 30, 28));
    l.controls.push_back(field(second, ControlKind::NumberEdit, 253, y + 30, 28));
    l.controls.push_back(field(text, ControlKind::Edit, 285, y + 30, 32, 8));
}

// The icon frame surrounds client pixels (278, 175) to (310, 207).
ui::Layout itemEditor() {
    ui::Layout l{.resourceId = kItemEditor, .caption = "Edit Item Data", .width = 330, .height = 175};
    l.controls.push_back(label("Name:", 7, 9, 30));
    l.controls.push_back(field(1036, ControlKind::Edit, 40, 7, 135, 31));
    l.controls.push_back(label("Description:", 7, 23, 60));
    l.controls.push_back({.id = 1033, .kind = ControlKind::MultiEdit, .rect = {7, 33, 168, 44}, .limit = 127});
    l.controls.push_back({.kind = ControlKind::Group, .label = "Power", .rect = {7, 82, 80, 72}});
    const char* classes[] = {"Minor Item", "Average Item", "Major Item", "Artefact", "Greater Artefact"};
    for (int i = 0; i < 5; ++i)
        l.controls.push_back({.id = 1189 + i, .kind = ControlKind::Radio, .label = classes[i],
                              .rect = {13, 93 + 12 * i, 70, 10}});
    l.controls.push_back(label("Value:", 95, 86, 30));
    l.controls.push_back(field(1194, ControlKind::NumberEdit, 128, 84, 47));
    l.controls.push_back({.id = 1201, .kind = ControlKind::Check, .label = "Has Charges", .rect = {95, 102, 55, 10}});
    l.controls.push_back(field(1186, ControlKind::NumberEdit, 152, 101, 23));
    l.controls.push_back({.id = 1202, .kind = ControlKind::Check, .label = "Has Limit", .rect = {95, 118, 55, 10}});
    l.controls.push_back(field(1188, ControlKind::NumberEdit, 152, 117, 23));
    l.controls.push_back(label("Graphic Set:", 95, 136, 44));
    l.controls.push_back(field(1199, ControlKind::Edit, 140, 134, 35, 8));
    l.controls.push_back(label("Image", 185, 96, 25));
    l.controls.push_back({.id = 1197, .kind = ControlKind::Frame, .rect = {183, 106, 25, 23}});
    l.controls.push_back(field(1209, ControlKind::NumberEdit, 183, 134, 17));
    l.controls.push_back({.id = 1198, .kind = ControlKind::Spin, .rect = {200, 134, 9, 12}, .buddy = 1209,
                          .minValue = 0, .maxValue = 31, .wrap = true});
    addAbilityGroup(l, "Special Ability #1", 7, 1153, 1154, 1155, 1156);
    addAbilityGroup(l, "Special Ability #2", 62, 1158, 1160, 1161, 1159);
    addOkCancel(l, 154);
    return l;
}

}  // namespace

std::vector<ui::Layout> entryEditorLayouts() { return {cityEditor(), itemEditor()}; }

}  // namespace kestrel::resources
