#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

ControlDef setCombo(int id, int x, int y) {
    ControlDef def = field(id, ControlKind::ComboEdit, x, y, 62, 8);
    def.sorted = true;
    return def;
}

// Two columns of four: the first four slots on the left, top to bottom.
void addSetGroup(ui::Layout& l, std::string caption, int y, const int (&ids)[8]) {
    l.controls.push_back(group(std::move(caption), 301, y, 142, 74));
    for (int i = 0; i < 8; ++i) l.controls.push_back(setCombo(ids[i], 308 + (i / 4) * 68, y + 12 + (i % 4) * 15));
}

}  // namespace

ui::Layout scenarioDataLayout() {
    ui::Layout l{.resourceId = kScenarioData, .caption = "Scenario Miscellaneous Data", .width = 450, .height = 247};

    // One run of radio buttons: they form one group.
    l.controls.push_back(group("Map Size", 7, 4, 150, 86));
    const char* sizes[] = {"32 x 40", "40 x 50", "60 x 75", "80 x 100", "100 x 125", "128 x 160"};
    for (int i = 0; i < 6; ++i)
        l.controls.push_back({.id = 1016 + i,
                              .kind = ControlKind::Radio,
                              .label = sizes[i],
                              .rect = {14 + (i / 3) * 70, 16 + (i % 3) * 13, 64, 10}});
    l.controls.push_back(
        {.kind = ControlKind::Static,
         .label = "WARNING: Changing the map size after the map has been edited can have unpredictable results",
         .rect = {14, 56, 136, 30}});

    l.controls.push_back(group("Miscellaneous Data", 7, 94, 150, 94));
    addLabelled(l, "Scenario Name:", 56, field(1022, ControlKind::Edit, 66, 106, 84, 15));
    addLabelled(l, "Author:", 56, field(1023, ControlKind::Edit, 66, 122, 84, 15));
    addLabelled(l, "Pre-Gold:", 56, field(1024, ControlKind::Edit, 66, 138, 20, 3));
    addLabelled(l, "Post-Gold:", 40, field(1025, ControlKind::Edit, 130, 138, 20, 3));
    addLabelled(l, "Max Bonus:", 56, digitsField(1026, 66, 154, 20));
    ControlDef world = field(1032, ControlKind::ComboEdit, 66, 170, 84, 8);
    world.sorted = true;
    addLabelled(l, "World:", 56, world);
    addLabelled(l, "Graphic Set:", 56, field(1034, ControlKind::Edit, 66, 196, 62, 8));

    l.controls.push_back(group("Monsters", 164, 4, 130, 142));
    l.controls.push_back(label("Name", 171, 15, 80));
    l.controls.push_back(label("Str", 257, 15, 28));
    const int names[] = {1027, 1029, 1035, 1037, 1039, 1041, 1043, 1045};
    for (int i = 0; i < 8; ++i) {
        l.controls.push_back(field(names[i], ControlKind::Edit, 171, 25 + i * 15, 80, 15));
        l.controls.push_back(digitsField(names[i] + 1, 257, 25 + i * 15, 28));
    }

    l.controls.push_back(group("Scenario Description", 164, 150, 130, 90));
    l.controls.push_back(field(1033, ControlKind::MultiEdit, 171, 162, 116, 255));
    l.controls.back().rect.h = 72;

    addSetGroup(l, "Ruin Sets", 4, {1031, 1047, 1048, 1049, 1050, 1051, 1052, 1053});
    addSetGroup(l, "Site Sets", 82, {1054, 1055, 1056, 1057, 1058, 1059, 1060, 1061});
    l.controls.push_back(group("City Sets", 301, 160, 142, 44));
    for (int i = 0; i < 4; ++i) l.controls.push_back(setCombo(1062 + i, 308 + (i / 2) * 68, 172 + (i % 2) * 15));

    addOkCancel(l, 226);
    return l;
}

}  // namespace kestrel::resources
