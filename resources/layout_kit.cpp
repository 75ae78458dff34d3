#include "resources/layout_kit.hpp"

namespace kestrel::resources {

ControlDef label(std::string text, int x, int y, int w) {
    return {.kind = ControlKind::Static, .label = std::move(text), .rect = {x, y, w, 8}};
}

ControlDef field(int id, ControlKind kind, int x, int y, int w, int limit) {
    return {.id = id, .kind = kind, .rect = {x, y, w, kLineHeight}, .limit = limit};
}

ControlDef digitsField(int id, int x, int y, int w) {
    ControlDef def = field(id, ControlKind::NumberEdit, x, y, w);
    def.typing = ui::Typing::Digits;
    return def;
}

ControlDef check(int id, std::string text, int x, int y, int w) {
    return {.id = id, .kind = ControlKind::Check, .label = std::move(text), .rect = {x, y, w, 10}};
}

ControlDef group(std::string text, int x, int y, int w, int h) {
    return {.kind = ControlKind::Group, .label = std::move(text), .rect = {x, y, w, h}};
}

ControlDef button(int id, std::string text, int x, int y, int w) {
    return {.id = id, .kind = ControlKind::Button, .label = std::move(text), .rect = {x, y, w, 14}};
}

ControlDef importPicture(int x, int y, int id, std::string text) {
    return button(id, std::move(text), x, y, 80);
}

void addLabelled(ui::Layout& l, std::string text, int labelWidth, ControlDef def) {
    l.controls.push_back(label(std::move(text), def.rect.x - labelWidth, def.rect.y + 2, labelWidth - 3));
    l.controls.push_back(std::move(def));
}

void addOkCancel(ui::Layout& l, int y) {
    const int x = l.width - 7 - 50;
    l.controls.push_back({.id = 1, .kind = ControlKind::Button, .label = "OK", .rect = {x - 55, y, 50, 14},
                          .isDefault = true});
    l.controls.push_back({.id = 2, .kind = ControlKind::Button, .label = "Cancel", .rect = {x, y, 50, 14}});
}

void addAbilityGroup(ui::Layout& l, std::string caption, int x, int y, const AbilityGroupIds& ids) {
    l.controls.push_back(group(std::move(caption), x, y, kAbilityGroupWidth, kAbilityGroupHeight));
    l.controls.push_back(field(ids.list, ControlKind::ComboList, x + 6, y + 11, 96));
    l.controls.push_back(label("N1", x + 6, y + 29, 28));
    l.controls.push_back(label("N2", x + 38, y + 29, 28));
    l.controls.push_back(label("Code", x + 70, y + 29, 32));
    l.controls.push_back(field(ids.first, ControlKind::NumberEdit, x + 6, y + 40, 28));
    l.controls.push_back(field(ids.second, ControlKind::NumberEdit, x + 38, y + 40, 28));
    l.controls.push_back(field(ids.text, ControlKind::Edit, x + 70, y + 40, 32, 8));
}

}  // namespace kestrel::resources
