#include "resources/layouts.hpp"

#include "core/version.hpp"

namespace kestrel::resources {

namespace {

using ui::ControlKind;
using ui::ControlDef;

ControlDef button(int id, const char* label, int x, int y, int w = 60, int h = 14) {
    return {.id = id, .kind = ControlKind::Button, .label = label, .rect = {x, y, w, h}};
}

ControlDef group(const char* label, int x, int y, int w, int h) {
    return {.kind = ControlKind::Group, .label = label, .rect = {x, y, w, h}};
}

// Buttons of a group in columns, top to bottom, then left to right.
void addColumns(ui::Layout& layout, std::initializer_list<std::pair<int, const char*>> buttons, int x, int y,
                int perColumn, int width) {
    int i = 0;
    for (const auto& [id, label] : buttons) {
        layout.controls.push_back(button(id, label, x + (i / perColumn) * (width + 4), y + (i % perColumn) * 18, width));
        ++i;
    }
}

ui::Layout mainWindow() {
    ui::Layout l{.resourceId = kMainWindow, .caption = "Kestrel 3 Editor", .width = 412, .height = 201};
    l.controls.push_back(group("Game", 7, 7, 120, 95));
    addColumns(l, {{1001, "New Scenario"}, {1007, "Load Scenario"}, {1004, "New World"}, {1028, "Campaign Data"}}, 17,
               20, 4, 100);
    addColumns(l, {{1330, "Export Data"}, {1331, "Export Scen"}, {1332, "Import Data"}, {1333, "Import Scen"}}, 7, 108,
               2, 58);
    l.controls.push_back(group("Data", 133, 7, 130, 150));
    addColumns(l,
               {{1006, "City Data"}, {1008, "Terrain Data"}, {1011, "Army Data"}, {1012, "Ruin Data"},
                {1013, "Site Data"}, {1014, "Hero Data"}, {1016, "Item Data"}, {1018, "Advisor Data"},
                {1019, "Shield Data"}, {1020, "Spell Data"}, {1021, "Flag Data"}},
               140, 20, 6, 56);
    l.controls.push_back(group("Scenario", 269, 7, 136, 150));
    addColumns(l,
               {{1005, "Scenario Data"}, {1009, "Scenario Terrain"}, {1010, "Scenario Sides"}, {1015, "Scenario Items"},
                {1017, "Scenario Map"}, {1022, "Scenario Cities"}, {1023, "Scenario Sites"},
                {1024, "Scenario Ruins"}, {1025, "Item Placement"}, {1026, "Army Placement"},
                {1027, "Hero Placement"}, {1029, "Diplomacy"}, {1030, "Scenario Sounds"}},
               276, 20, 7, 60);
    ControlDef quit = button(1, "Quit", 355, 180, 50);
    quit.isDefault = true;
    l.controls.push_back(quit);
    l.systemMenu = {{kAboutCommand, kAboutCommandLabel}, {kCheckDataCommand, kCheckDataCommandLabel}};
    return l;
}

ui::Layout aboutBox() {
    ui::Layout l{.resourceId = kAboutBox, .caption = "About kstred", .width = 170, .height = 62};
    l.controls.push_back({.kind = ControlKind::Icon, .rect = {11, 17, 20, 20}});
    l.controls.push_back({.kind = ControlKind::Static,
                          .label = std::string("kstred Version ") + kShortVersion,
                          .rect = {40, 20, 119, 8}});
    ControlDef ok = button(1, "OK", 113, 41, 50);
    ok.isDefault = true;
    l.controls.push_back(ok);
    return l;
}

ui::Layout terrainMenu() {
    ui::Layout l{.resourceId = kTerrainMenu, .caption = "Terrain Data Sub-Menu", .width = 125, .height = 89};
    l.controls.push_back(button(1008, "Terrain Data", 20, 8, 85));
    l.controls.push_back(button(1009, "Terrain Sub Types", 20, 26, 85));
    l.controls.push_back(button(1010, "Terrain Bonuses", 20, 44, 85));
    ControlDef done = button(1, "Done", 20, 67, 85);
    done.isDefault = true;
    l.controls.push_back(done);
    return l;
}

}  // namespace

std::vector<ui::Layout> mainWindowLayouts() { return {mainWindow(), aboutBox(), terrainMenu()}; }

}  // namespace kestrel::resources
