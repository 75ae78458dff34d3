#include "datasets/catalogue.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

using ui::ControlKind;

// Shared by every list dialog but the shields' three-list one.
ui::Layout listDialog(const datasets::KindInfo& kind) {
    ui::Layout l{.resourceId = kind.listDialog, .caption = std::string(kind.listTitle), .width = 175, .height = 157};
    l.controls = {
        {.id = 1008, .kind = ControlKind::List, .rect = {7, 7, 98, 143}, .sorted = true},
        {.kind = ControlKind::Static, .label = "Name:", .rect = {112, 7, 56, 8}},
        {.id = 1010, .kind = ControlKind::Edit, .rect = {112, 17, 56, 12}, .limit = static_cast<int>(kind.nameLimit)},
        {.id = 4, .kind = ControlKind::Button, .label = "New", .rect = {112, 33, 56, 14}},
        {.id = 2, .kind = ControlKind::Button, .label = "Edit", .rect = {112, 60, 56, 14}},
        {.id = 3, .kind = ControlKind::Button, .label = "Delete", .rect = {112, 78, 56, 14}},
        {.id = 1, .kind = ControlKind::Button, .label = "Done", .rect = {112, 136, 56, 14}, .isDefault = true},
    };
    return l;
}

}  // namespace

std::vector<ui::Layout> listDialogLayouts() {
    std::vector<ui::Layout> layouts;
    for (const auto& kind : datasets::catalogue())
        if (kind.kind != datasets::Kind::Shield) layouts.push_back(listDialog(kind));
    return layouts;
}

}  // namespace kestrel::resources
