#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

ControlDef subtypeCombo(int id, int x, int y, int w) {
    ControlDef def = field(id, ControlKind::ComboEdit, x, y, w, 8);
    def.sorted = true;
    return def;
}

}  // namespace

// Three columns: the army's own values; its subtypes and terrain bonuses;
// its ability, sounds and costs.
ui::Layout armyEditorLayout() {
    ui::Layout l{.resourceId = kArmyEditor, .caption = "Edit Army Data", .width = 388, .height = 218};
    l.controls.push_back(label("Name", 7, 7, 60));
    l.controls.push_back(field(1036, ControlKind::Edit, 7, 17, 146, 15));
    l.controls.push_back(label("Description", 7, 33, 60));
    l.controls.push_back({.id = 1033, .kind = ControlKind::MultiEdit, .rect = {7, 43, 146, 46}, .limit = 127});
    const std::pair<int, const char*> left[] = {
        {1122, "Medal Chance"}, {1099, "Strength"}, {1100, "Move"}, {1101, "Hits"}};
    const std::pair<int, const char*> right[] = {{1102, "Time"}, {1103, "Upkeep"}, {1104, "View Range"}};
    for (int row = 0; row < 4; ++row) {
        const int y = 95 + 15 * row;
        addLabelled(l, left[row].second, 50, field(left[row].first, ControlKind::NumberEdit, 57, y, 22));
        if (row < 3)
            addLabelled(l, right[row].second, 44, field(right[row].first, ControlKind::NumberEdit, 131, y, 22));
    }
    addLabelled(l, "Move Sound", 57, field(1118, ControlKind::ComboList, 64, 158, 89));
    addLabelled(l, "Default Facing", 57, field(1119, ControlKind::ComboList, 64, 174, 89));
    l.controls.push_back(importPicture(7, 197));

    l.controls.push_back(group("Army Subtypes", 160, 7, 106, 46));
    l.controls.push_back(field(1038, ControlKind::Edit, 166, 18, 94, 8));
    l.controls.push_back(field(1039, ControlKind::Edit, 166, 34, 94, 8));
    l.controls.push_back(group("Move Bonus", 160, 58, 106, 88));
    l.controls.push_back(check(1109, "Can Fly", 166, 69, 94));
    for (int i = 0; i < 4; ++i) l.controls.push_back(subtypeCombo(1105 + i, 166, 81 + 15 * i, 94));
    l.controls.push_back(group("Combat Bonus", 160, 151, 106, 42));
    l.controls.push_back(subtypeCombo(1110, 166, 162, 94));
    addLabelled(l, "Bonus", 32, field(1111, ControlKind::NumberEdit, 198, 177, 22));

    addAbilityGroup(l, "Special Ability", 273, 7, {1112, 1115, 1116, 1117});
    l.controls.push_back(group("Sound Triggers", 273, 74, 108, 75));
    for (int i = 0; i < 2; ++i) {
        const int y = 85 + 31 * i;
        l.controls.push_back(field(1303 + i, ControlKind::ComboList, 279, y, 96));
        addLabelled(l, "Number", 42, field(1120 + i, ControlKind::NumberEdit, 321, y + 15, 24));
    }
    addLabelled(l, "New Cost", 50, field(1114, ControlKind::NumberEdit, 323, 155, 30));
    addLabelled(l, "Setup Points", 50, field(1113, ControlKind::NumberEdit, 323, 171, 30));
    addOkCancel(l, 197);
    return l;
}

}  // namespace kestrel::resources
