#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

ControlDef entryCombo(int id, int x, int y, int w = 62) {
    ControlDef def = field(id, ControlKind::ComboEdit, x, y, w, 8);
    def.sorted = true;
    return def;
}

void addCombos(ui::Layout& l, int firstId, int count, int x, int y) {
    for (int i = 0; i < count; ++i) l.controls.push_back(entryCombo(firstId + i, x, y + 15 * i));
}

}  // namespace

// The army set fills the left; shields, the side's values, level and mana
// stand on the right; description and options below the army set.
ui::Layout sideDataLayout() {
    ui::Layout l{.resourceId = kSideData, .caption = "Scenario Side Data", .width = 352, .height = 234};
    l.controls.push_back(group("Army Set", 7, 7, 220, 143));
    l.controls.push_back(label("Regulars", 13, 17, 62));
    addCombos(l, 1061, 8, 13, 27);
    l.controls.push_back(label("Mercenaries", 83, 17, 62));
    addCombos(l, 1069, 3, 83, 27);
    l.controls.push_back(label("Allies", 83, 75, 62));
    addCombos(l, 1076, 4, 83, 85);
    l.controls.push_back(label("Heroes", 153, 17, 62));
    addCombos(l, 1081, 4, 153, 27);
    l.controls.push_back(label("Ship", 153, 90, 62));
    l.controls.push_back(entryCombo(1080, 153, 100));

    l.controls.push_back(label("Description", 7, 154, 60));
    l.controls.push_back({.id = 1033, .kind = ControlKind::MultiEdit, .rect = {7, 164, 220, 36}, .limit = 127});
    l.controls.push_back(check(1095, "Get Mercenaries", 7, 204, 80));
    l.controls.push_back(check(1096, "Sell Items", 95, 204, 70));
    l.controls.push_back(check(1097, "Hero on Turn 1", 7, 216, 80));
    l.controls.push_back(check(1098, "Enhanced", 95, 216, 70));

    l.controls.push_back(group("Shield Data", 234, 7, 111, 56));
    for (int i = 0; i < 3; ++i) l.controls.push_back(entryCombo(1087 + i, 240, 17 + 14 * i, 99));
    addLabelled(l, "Advisor", 46, entryCombo(1086, 280, 68, 65));
    addLabelled(l, "Army Flags", 46, entryCombo(1099, 280, 82, 65));
    addLabelled(l, "Stacking Limit", 66, digitsField(1072, 300, 96, 45));
    addLabelled(l, "Starting Gold", 66, digitsField(1090, 300, 110, 45));

    l.controls.push_back(group("Level", 234, 126, 111, 33));
    const std::pair<int, const char*> levels[] = {{1075, "Human"}, {1092, "Knight"}, {1093, "Lord"}, {1094, "Kestrel"}};
    for (int i = 0; i < 4; ++i)
        l.controls.push_back({.id = levels[i].first,
                              .kind = ControlKind::Radio,
                              .label = levels[i].second,
                              .rect = {240 + 52 * (i % 2), 136 + 11 * (i / 2), 48, 10}});

    l.controls.push_back(group("Mana", 234, 162, 111, 45));
    addLabelled(l, "Type", 30, field(1073, ControlKind::ComboList, 270, 173, 69));
    addLabelled(l, "Max", 24, digitsField(1074, 264, 189, 20));
    addLabelled(l, "Initial", 27, digitsField(1091, 319, 189, 20));
    addOkCancel(l, 213);
    return l;
}

}  // namespace kestrel::resources
