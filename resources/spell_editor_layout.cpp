#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// The texts on the left, the four abilities two by two on the right.
ui::Layout spellEditorLayout() {
    ui::Layout l{.resourceId = kSpellEditor, .caption = "Edit Spell Data", .width = 411, .height = 165};
    addLabelled(l, "Name", 33, field(1036, ControlKind::Edit, 40, 7, 135, 15));
    l.controls.push_back(label("Description", 7, 23, 60));
    l.controls.push_back({.id = 1033, .kind = ControlKind::MultiEdit, .rect = {7, 33, 168, 80}, .limit = 127});
    addLabelled(l, "Mana Cost", 45, field(1091, ControlKind::NumberEdit, 52, 119, 30));
    const AbilityGroupIds abilities[] = {
        {1153, 1115, 1116, 1156}, {1157, 1159, 1160, 1158}, {1161, 1163, 1164, 1162}, {1165, 1167, 1168, 1166}};
    for (int i = 0; i < 4; ++i)
        addAbilityGroup(l, "Special Ability #" + std::to_string(i + 1), 182 + (i % 2) * 114, 7 + (i / 2) * 68,
                        abilities[i]);
    addOkCancel(l, 144);
    return l;
}

}  // namespace kestrel::resources
