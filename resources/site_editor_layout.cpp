#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

ui::Layout siteEditorLayout() {
    ui::Layout l{.resourceId = kSiteEditor, .caption = "Edit Site Data", .width = 161, .height = 198};
    addLabelled(l, "Name:", 30, field(1036, ControlKind::Edit, 37, 7, 117, 15));
    addAbilityGroup(l, "Special Ability", 7, 26, {1112, 1115, 1116, 1117});
    // As wide as the name and the animations: the group and its list.
    const int extra = 147 - kAbilityGroupWidth;
    for (auto& c : l.controls)
        if (c.kind == ControlKind::Group || c.id == 1112) c.rect.w += extra;
    l.controls.push_back(check(1120, "Can be Razed?", 7, 96, 100));
    l.controls.push_back(group("Regular Animations", 7, 112, 147, 28));
    l.controls.push_back(check(1325, "Normal", 13, 124, 60));
    l.controls.push_back(check(1326, "Razed", 80, 124, 60));
    l.controls.push_back(importPicture(7, 150));
    addOkCancel(l, 177);
    return l;
}

}  // namespace kestrel::resources
