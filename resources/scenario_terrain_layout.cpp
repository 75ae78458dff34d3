#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

constexpr int kSlotRows = 11, kPitch = 15, kTop = 19;
constexpr int kNameWidth = 58, kClassWidth = 50;
constexpr int kColumnWidth = kNameWidth + 2 * kClassWidth + 8;
constexpr int kRight = 7 + 2 * kColumnWidth + 22, kRightWidth = 66, kWidth = kRight + kRightWidth + 7;

ControlDef nameList(int id, int x, int y, int w = kNameWidth) {
    ControlDef def = field(id, ControlKind::ComboEdit, x, y, w, 8);
    def.sorted = true;
    return def;
}

// Names in a group, one under the other.
void addNameGroup(ui::Layout& l, std::string caption, int firstId, int names, int x, int y, int w) {
    l.controls.push_back(group(std::move(caption), x, y, w, 15 + names * kPitch));
    for (int i = 0; i < names; ++i) l.controls.push_back(nameList(firstId + i, x + 6, y + 12 + i * kPitch, w - 12));
}

}  // namespace

// The 22 slots in two columns of 11 rows, each a terrain list and two class
// lists; roads, river and forests on the right; the move bonuses and the
// move icons below.
ui::Layout scenarioTerrainLayout() {
    ui::Layout l{.resourceId = kScenarioTerrain, .caption = "Scenario Terrain", .width = kWidth, .height = 272};
    for (int column = 0; column < 2; ++column) {
        const int x = 7 + column * (kColumnWidth + 12);
        l.controls.push_back(label("Terrain", x, 7, kNameWidth));
        l.controls.push_back(label("Class", x + kNameWidth + 4, 7, kClassWidth));
        for (int row = 0; row < kSlotRows; ++row) {
            const int slot = column * kSlotRows + row, y = kTop + row * kPitch;
            l.controls.push_back(nameList(1100 + slot, x, y));
            l.controls.push_back(field(1130 + slot, ControlKind::ComboList, x + kNameWidth + 4, y, kClassWidth));
            l.controls.push_back(
                field(1160 + slot, ControlKind::ComboList, x + kNameWidth + kClassWidth + 8, y, kClassWidth));
        }
    }
    addNameGroup(l, "Road Data", 1190, 2, kRight, 7, kRightWidth);
    addNameGroup(l, "River Data", 1196, 1, kRight, 56, kRightWidth);
    addNameGroup(l, "Forests", 1192, 4, kRight, 90, kRightWidth);

    // Move bonuses: the terrain bonus beside the caption, the text under it.
    constexpr int kBonusTop = kTop + kSlotRows * kPitch + 10, kBonusWidth = 132;
    const char* bonuses[] = {"Bonus 1", "Bonus 2", "1 && 2"};
    for (int i = 0; i < 3; ++i) {
        const int x = 7 + i * (kBonusWidth + 8);
        addLabelled(l, bonuses[i], 34, nameList(1200 + i, x + 34, kBonusTop));
        l.controls.push_back(field(1203 + i, ControlKind::Edit, x, kBonusTop + 16, kBonusWidth, 31));
        if (i < 2) l.controls.push_back(check(1206 + i, "Forest", x, kBonusTop + 32, 40));
    }
    // Move icons: a terrain bonus under each caption.
    constexpr int kIconTop = kBonusTop + 48;
    const char* icons[] = {"Water (48 x 24)", "Ship (32 x 10)", "Flying (32 x 10)"};
    for (int i = 0; i < 3; ++i) {
        const int x = 7 + i * 80;
        l.controls.push_back(label(icons[i], x, kIconTop, 70));
        l.controls.push_back(nameList(1210 + i, x, kIconTop + 10, 70));
    }
    addOkCancel(l, kIconTop + 10);
    return l;
}

}  // namespace kestrel::resources
