#include "datasets/shield_list_dialog.hpp"
#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

// Button labels of each group, in the order of the feature kinds.
struct GroupLabels {
    const char *newLabel, *editLabel, *deleteLabel;
};
constexpr GroupLabels kLabels[] = {
    {"New Base", "Edit Base", "Delete Base"},
    {"New Ordinary", "Edit Ordinary", "Del Ordinary"},
    {"New Charge", "Edit Charge", "Delete Charge"},
};

constexpr int kGroupWidth = 104, kGroupGap = 6;

}  // namespace

// Three lists side by side, one per feature kind.
ui::Layout shieldListLayout() {
    ui::Layout l{.resourceId = kShieldList, .caption = "Shield Data List", .width = 338, .height = 222};
    for (std::size_t i = 0; i < datasets::kShieldGroups.size(); ++i) {
        const auto& ids = datasets::kShieldGroups[i];
        const int x = 7 + static_cast<int>(i) * (kGroupWidth + kGroupGap);
        const int inner = x + 6, w = kGroupWidth - 12;
        l.controls.push_back(group(std::string(datasets::shieldKindInfo(ids.kind).group), x, 7, kGroupWidth, 187));
        l.controls.push_back({.id = ids.list, .kind = ControlKind::List, .rect = {inner, 18, w, 88}, .sorted = true});
        l.controls.push_back(label("Name:", inner, 110, w));
        l.controls.push_back(field(ids.name, ControlKind::Edit, inner, 120, w, 7));
        l.controls.push_back(button(ids.newButton, kLabels[i].newLabel, inner, 137, w));
        l.controls.push_back(button(ids.editButton, kLabels[i].editLabel, inner, 155, w));
        l.controls.push_back(button(ids.deleteButton, kLabels[i].deleteLabel, inner, 173, w));
    }
    l.controls.push_back(
        {.id = 1, .kind = ControlKind::Button, .label = "Done", .rect = {275, 201, 56, 14}, .isDefault = true});
    return l;
}

}  // namespace kestrel::resources
