#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

// The records' list over New, Insert, Append and Delete, as wide as the dialog.
void addRecordList(ui::Layout& l, int listHeight) {
    l.controls.push_back({.id = 1100, .kind = ControlKind::List, .rect = {7, 7, l.width - 14, listHeight}});
    const char* buttons[] = {"New", "Insert", "Append", "Delete"};
    for (int i = 0; i < 4; ++i) l.controls.push_back(button(1101 + i, buttons[i], 7 + 63 * i, listHeight + 11, 56));
}

// X and Y beside each other and "Set XY" after them, from x on row y.
void addPosition(ui::Layout& l, int x, int y) {
    addLabelled(l, "X", 10, field(1107, ControlKind::NumberEdit, x + 10, y, 28));
    addLabelled(l, "Y", 10, field(1108, ControlKind::NumberEdit, x + 52, y, 28));
    l.controls.push_back(button(1105, "Set XY", x + 88, y - 1, 40));
}

}  // namespace

// The item's name and chance; where it lies: on the ground at a position,
// with a hero or in a ruin.
ui::Layout itemPlacementLayout() {
    ui::Layout l{.resourceId = kItemPlacement, .caption = "Item Placement", .width = 280, .height = 212};
    addRecordList(l, 80);
    addLabelled(l, "Item Name", 42, field(1110, ControlKind::ComboList, 49, 114, 80));
    addLabelled(l, "Chance (%)", 45, field(1106, ControlKind::NumberEdit, 190, 114, 30));
    l.controls.push_back(group("", 7, 130, 266, 58));
    // One run of radio buttons: they form one group.
    l.controls.push_back({.id = 1111, .kind = ControlKind::Radio, .label = "Ground", .rect = {13, 141, 40, 10}});
    l.controls.push_back({.id = 1112, .kind = ControlKind::Radio, .label = "Hero", .rect = {13, 157, 40, 10}});
    l.controls.push_back({.id = 1113, .kind = ControlKind::Radio, .label = "Ruin", .rect = {13, 173, 40, 10}});
    addPosition(l, 60, 140);
    l.controls.push_back(field(1114, ControlKind::ComboList, 70, 156, 100));
    l.controls.push_back(field(1115, ControlKind::ComboList, 70, 172, 100));
    addOkCancel(l, 192);
    return l;
}

// A group of armies of one side: side, army type, how many, where and how likely.
ui::Layout armyPlacementLayout() {
    ui::Layout l{.resourceId = kArmyPlacement, .caption = "Army Placement", .width = 280, .height = 190};
    addRecordList(l, 80);
    addLabelled(l, "Side", 40, field(1110, ControlKind::ComboList, 47, 114, 90));
    addLabelled(l, "Army", 25, field(1111, ControlKind::ComboList, 175, 114, 80));
    addLabelled(l, "Number", 40, field(1112, ControlKind::NumberEdit, 47, 132, 28));
    addLabelled(l, "Chance (%)", 45, field(1106, ControlKind::NumberEdit, 175, 132, 30));
    addPosition(l, 37, 150);
    addOkCancel(l, 170);
    return l;
}

// A hero of a side: name, class, level and attributes, where and how likely,
// and five rows of special abilities.
ui::Layout heroPlacementLayout() {
    ui::Layout l{.resourceId = kHeroPlacement, .caption = "Hero Placement", .width = 330, .height = 306};
    addRecordList(l, 70);
    addLabelled(l, "Side", 40, field(1110, ControlKind::ComboList, 47, 104, 90));
    addLabelled(l, "Name", 25, field(1111, ControlKind::Edit, 175, 104, 80, 15));
    l.controls.push_back(check(1112, "Female", 265, 105, 45));
    addLabelled(l, "Class", 40, field(1113, ControlKind::ComboList, 47, 122, 90));
    addLabelled(l, "Level", 25, field(1114, ControlKind::ComboList, 175, 122, 35));
    addLabelled(l, "XP", 15, field(1115, ControlKind::NumberEdit, 240, 122, 30));
    addLabelled(l, "Chance (%)", 45, field(1106, ControlKind::NumberEdit, 52, 140, 30));
    addPosition(l, 90, 140);
    const char* attributes[] = {"Str", "Mov", "Hits", "View"};
    for (int i = 0; i < 4; ++i)
        addLabelled(l, attributes[i], 20, field(1118 + i, ControlKind::NumberEdit, 27 + 45 * i, 158, 22));
    l.controls.push_back(check(1116, "Flying", 190, 159, 40));
    l.controls.push_back(check(1117, "All Terr Move Bonus", 235, 159, 88));
    l.controls.push_back(group("Special Abilities", 7, 176, 316, 106));
    const struct {
        const char* text;
        int x;
    } heads[] = {{"Ability", 13}, {"Value 1", 123}, {"Value 2", 163}, {"Text", 203}};
    for (const auto& h : heads) l.controls.push_back(label(h.text, h.x, 188, 36));
    for (int row = 0; row < 5; ++row) {
        const int id = 1130 + 4 * row, y = 198 + 16 * row;
        l.controls.push_back(field(id, ControlKind::ComboList, 13, y, 104));
        l.controls.push_back(field(id + 1, ControlKind::NumberEdit, 123, y, 34));
        l.controls.push_back(field(id + 2, ControlKind::NumberEdit, 163, y, 34));
        l.controls.push_back(field(id + 3, ControlKind::Edit, 203, y, 50, 8));
    }
    addOkCancel(l, 286);
    return l;
}

}  // namespace kestrel::resources
