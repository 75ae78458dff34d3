#include "datasets/hero_type_editor.hpp"
#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

using Ids = datasets::HeroTypeIds;

constexpr int kRow = 14;  // one grid row: a 12-unit field and its gap

ControlDef combo(int id, ControlKind kind, int x, int y, int w, int limit = 0) {
    ControlDef def = field(id, kind, x, y, w, limit);
    def.sorted = kind == ControlKind::ComboEdit;
    return def;
}

// Names, description, base values, terrain bonuses and, in the bottom row,
// the picture imports.
void addGeneral(ui::Layout& l) {
    addLabelled(l, "Male Name:", 52, field(Ids::kMaleName, ControlKind::Edit, 59, 7, 180, 31));
    addLabelled(l, "Female Name:", 52, field(Ids::kFemaleName, ControlKind::Edit, 59, 22, 180, 31));
    l.controls.push_back(label("Description:", 7, 39, 60));
    l.controls.push_back(
        {.id = Ids::kDescription, .kind = ControlKind::MultiEdit, .rect = {7, 49, 232, 52}, .limit = 127});

    l.controls.push_back(group("Base Values", 7, 107, 232, 58));
    addLabelled(l, "Strength", 40, field(Ids::kStrength, ControlKind::NumberEdit, 53, 119, 24));
    addLabelled(l, "Move", 40, field(Ids::kMove, ControlKind::NumberEdit, 53, 133, 24));
    addLabelled(l, "Hits", 40, field(Ids::kHits, ControlKind::NumberEdit, 53, 147, 24));
    addLabelled(l, "View", 56, field(Ids::kView, ControlKind::NumberEdit, 153, 119, 28));
    addLabelled(l, "Medal Chance", 56, field(Ids::kMedalChance, ControlKind::NumberEdit, 153, 133, 28));

    l.controls.push_back(group("Move Bonus", 7, 171, 232, 62));
    for (int i = 0; i < 4; ++i)
        l.controls.push_back(
            combo(Ids::kMoveTerrains[i], ControlKind::ComboEdit, 13 + 114 * (i % 2), 183 + 16 * (i / 2), 106, 8));
    l.controls.push_back(check(Ids::kCanFly, "Can Fly", 13, 218, 60));

    l.controls.push_back(group("Combat Bonus", 7, 239, 232, 32));
    l.controls.push_back(combo(Ids::kCombatTerrain, ControlKind::ComboEdit, 13, 252, 106, 8));
    addLabelled(l, "Bonus", 30, field(Ids::kCombatBonus, ControlKind::NumberEdit, 157, 252, 24));

    l.controls.push_back(button(Ids::kImportMale, "Import Male Picture", 7, 331, 112));
    l.controls.push_back(button(Ids::kImportFemale, "Import Female Picture", 127, 331, 112));
}

// Rows "Level 1" to "Level 10" with the male and female names, XP and AP.
void addLevels(ui::Layout& l, int x, int y) {
    l.controls.push_back(group("Levels", x, y, 300, 166));
    l.controls.push_back(label("Male Name", x + 42, y + 11, 90));
    l.controls.push_back(label("Female Name", x + 142, y + 11, 90));
    l.controls.push_back(label("XP", x + 242, y + 11, 28));
    l.controls.push_back(label("AP", x + 274, y + 11, 20));
    for (int i = 0; i < 10; ++i) {
        const auto& ids = Ids::kLevels[i];
        const int row = y + 21 + kRow * i;
        l.controls.push_back(label("Level " + std::to_string(i + 1), x + 6, row + 2, 34));
        l.controls.push_back(field(ids.maleName, ControlKind::Edit, x + 42, row, 96, 31));
        l.controls.push_back(field(ids.femaleName, ControlKind::Edit, x + 142, row, 96, 31));
        l.controls.push_back(field(ids.xp, ControlKind::NumberEdit, x + 242, row, 28));
        l.controls.push_back(field(ids.ap, ControlKind::NumberEdit, x + 274, row, 20));
    }
}

// One row per ability: the list, the two values, the code text and the cost.
void addAbilities(ui::Layout& l, int x, int y) {
    l.controls.push_back(group("Special Abilities", x, y, 300, 166));
    l.controls.push_back(label("Ability", x + 22, y + 11, 60));
    l.controls.push_back(label("N1", x + 142, y + 11, 32));
    l.controls.push_back(label("N2", x + 178, y + 11, 32));
    l.controls.push_back(label("Code", x + 214, y + 11, 44));
    l.controls.push_back(label("Cost", x + 262, y + 11, 32));
    for (int i = 0; i < 10; ++i) {
        const auto& ids = Ids::kAbilities[i];
        const int row = y + 21 + kRow * i;
        l.controls.push_back(label(std::to_string(i + 1), x + 6, row + 2, 14));
        l.controls.push_back(field(ids.ability.list, ControlKind::ComboList, x + 22, row, 116));
        l.controls.push_back(field(ids.ability.first, ControlKind::NumberEdit, x + 142, row, 32));
        l.controls.push_back(field(ids.ability.second, ControlKind::NumberEdit, x + 178, row, 32));
        l.controls.push_back(field(ids.ability.text, ControlKind::Edit, x + 214, row, 44, 8));
        l.controls.push_back(field(ids.cost, ControlKind::NumberEdit, x + 262, row, 24));
    }
}

// Ten names with their "Fem" boxes.
void addDefaultNames(ui::Layout& l, int x, int y) {
    l.controls.push_back(group("Default Names", x, y, 170, 166));
    for (int i = 0; i < 10; ++i) {
        const auto& ids = Ids::kDefaultNames[i];
        const int row = y + 21 + kRow * i;
        l.controls.push_back(label(std::to_string(i + 1), x + 6, row + 2, 14));
        l.controls.push_back(field(ids.name, ControlKind::Edit, x + 22, row, 96, 15));
        l.controls.push_back(check(ids.female, "Fem", x + 126, row + 1, 36));
    }
}

// The move sound, the facing and the four sound triggers with their numbers.
void addSounds(ui::Layout& l, int x, int y) {
    l.controls.push_back(group("Sounds", x, y, 170, 112));
    addLabelled(l, "Move Sound", 60, field(Ids::kMoveSound, ControlKind::ComboList, x + 66, y + 11, 96));
    addLabelled(l, "Default Facing", 60, field(Ids::kFacing, ControlKind::ComboList, x + 66, y + 11 + kRow, 96));
    l.controls.push_back(label("Sound Trigger", x + 6, y + 42, 90));
    l.controls.push_back(label("Number", x + 110, y + 42, 40));
    for (int i = 0; i < 4; ++i) {
        const int row = y + 52 + kRow * i;
        l.controls.push_back(field(Ids::kTriggers[i], ControlKind::ComboList, x + 6, row, 96));
        l.controls.push_back(field(Ids::kTriggerCounts[i], ControlKind::NumberEdit, x + 110, row, 24));
    }
}

}  // namespace

ui::Layout heroEditorLayout() {
    ui::Layout l{.resourceId = kHeroEditor, .caption = "Edit Hero Data", .width = 732, .height = 352};
    addGeneral(l);
    addLevels(l, 247, 7);
    addAbilities(l, 247, 179);
    addDefaultNames(l, 555, 7);
    addSounds(l, 555, 179);
    addOkCancel(l, 331);
    return l;
}

}  // namespace kestrel::resources
