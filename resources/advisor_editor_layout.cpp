#include "datasets/advisor_editor.hpp"
#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

constexpr int kFirstText = datasets::AdvisorIds::kFirstText;
constexpr int kRow = 15;
constexpr int kTextWidth = 240;  // room for 63 characters of a typical phrase

// Four variants of one line, unlabelled, in a group of their own.
void addVariants(ui::Layout& l, std::string caption, int firstId, int y) {
    l.controls.push_back(group(std::move(caption), 7, y, kTextWidth + 12, 14 + 4 * kRow));
    for (int i = 0; i < 4; ++i)
        l.controls.push_back(field(firstId + i, ControlKind::Edit, 13, y + 12 + kRow * i, kTextWidth, 63));
}

}  // namespace

ui::Layout advisorEditorLayout() {
    ui::Layout l{.resourceId = kAdvisorEditor, .caption = "Edit Advisor Data", .width = 573, .height = 214};
    addVariants(l, "First Line", kFirstText, 7);
    addVariants(l, "Second Line", kFirstText + 4, 87);
    l.controls.push_back(importPicture(7, 193));

    const int x = 267;
    l.controls.push_back(group("Combat Results", x, 7, kTextWidth + 59, 14 + 11 * kRow));
    for (int won = 0; won <= 10; ++won)
        addLabelled(l, "Won " + std::to_string(won) + " of 10:", 50,
                    field(kFirstText + 8 + won, ControlKind::Edit, x + 53, 19 + kRow * won, kTextWidth, 63));
    addOkCancel(l, 193);
    return l;
}

}  // namespace kestrel::resources
