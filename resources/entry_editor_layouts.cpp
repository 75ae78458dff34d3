#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

using ui::ControlKind;
using ui::ControlSpec;

void addOkCancel(ui::Layout& l, int y) {
    const int x = l.width - 7 - 50;
    l.controls.push_back({.id = 1, .kind = ControlKind::Button, .label = "OK", .rect = {x - 55, y, 50, 14},
                          .isDefault = true});
    l.controls.push_back({.id = 2, .kind = ControlKind::Button, .label = "Cancel", .rect = {x, y, 50, 14}});
}

ControlSpec importPicture(int x, int y) {
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

}  // namespace

std::vector<ui::Layout> entryEditorLayouts() { return {cityEditor()}; }

}  // namespace kestrel::resources
