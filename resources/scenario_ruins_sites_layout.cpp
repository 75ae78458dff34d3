#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

// The large strategic picture takes client pixels (20, 20) to (220, 270);
// its markers reach 8 pixels further. The fields start right of them.
constexpr int kColumn = 156;
constexpr int kLabelWidth = 42;

// Name, description, type, chance and coords, which ruins and sites share.
// Returns the row below them.
int addPlacedHead(ui::Layout& l, int width) {
    l.controls.push_back({.kind = ControlKind::Canvas, .rect = {13, 12, 134, 154}});
    addLabelled(l, "Name", kLabelWidth, field(1100, ControlKind::Edit, kColumn + kLabelWidth, 7, 100, 15));
    l.controls.push_back(label("Description", kColumn, 24, 60));
    l.controls.push_back({.id = 1101, .kind = ControlKind::MultiEdit, .rect = {kColumn, 34, width, 36}, .limit = 127});
    addLabelled(l, "Type", kLabelWidth, field(1102, ControlKind::ComboList, kColumn + kLabelWidth, 75, 100));
    addLabelled(l, "Chance (%)", kLabelWidth, field(1103, ControlKind::NumberEdit, kColumn + kLabelWidth, 91, 28));
    addLabelled(l, "Coords", 32, field(1104, ControlKind::NumberEdit, kColumn + 106, 91, 28));
    l.controls.push_back(field(1105, ControlKind::NumberEdit, kColumn + 138, 91, 28));
    return 107;
}

}  // namespace

ui::Layout scenarioRuinsLayout() {
    ui::Layout l{.resourceId = kScenarioRuins, .caption = "Scenario Ruins", .width = 380, .height = 214};
    const int y = addPlacedHead(l, 217);
    addLabelled(l, "Monster", kLabelWidth, field(1106, ControlKind::ComboList, kColumn + kLabelWidth, y, 100));
    l.controls.push_back(group("Rewards", kColumn, y + 18, 104, 52));
    const char* rewards[] = {"Mana", "Gold", "Item", "Sage", "Allies"};
    for (int i = 0; i < 5; ++i)
        l.controls.push_back(check(1107 + i, rewards[i], kColumn + 6 + 50 * (i / 3), y + 30 + 12 * (i % 3), 44));
    // The ruin's own state, below the picture.
    const char* states[] = {"Empty", "White Mana", "Gray Mana", "Black Mana", "A-Grade", "Special"};
    for (int i = 0; i < 6; ++i)
        l.controls.push_back(check(1112 + i, states[i], 13 + 68 * (i % 2), 175 + 11 * (i / 2), 62));
    addAbilityGroup(l, "Special Ability", kColumn + 109, y + 18, {1118, 1119, 1120, 1121});
    addLabelled(l, "Special File", 48, field(1122, ControlKind::Edit, kColumn + 48, 195, 40, 8));
    addOkCancel(l, 193);
    return l;
}

ui::Layout scenarioSitesLayout() {
    ui::Layout l{.resourceId = kScenarioSites, .caption = "Scenario Sites", .width = 330, .height = 180};
    const int y = addPlacedHead(l, 166);
    l.controls.push_back(check(1106, "Razed", kColumn + kLabelWidth, y + 2, 60));
    addOkCancel(l, 159);
    return l;
}

}  // namespace kestrel::resources
