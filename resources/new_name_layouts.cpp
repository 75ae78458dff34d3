#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

namespace {

// New Scenario and New World: one question and the name typed under it.
ui::Layout askForName(int resourceId, const char* caption, const char* question, int fieldId) {
    ui::Layout l{.resourceId = resourceId, .caption = caption, .width = 200, .height = 74};
    l.controls.push_back({.kind = ControlKind::Static, .label = question, .rect = {7, 7, 186, 20}});
    l.controls.push_back(field(fieldId, ControlKind::Edit, 7, 32, 80, 8));
    addOkCancel(l, 53);
    return l;
}

}  // namespace

ui::Layout newScenarioLayout() {
    return askForName(kNewScenario, "New Scenario",
                      "Type in a unique name (up to 8 letters) for the scenario you wish to create", 1006);
}

ui::Layout newWorldLayout() {
    return askForName(kNewWorld, "New World",
                      "Type in a unique name (up to 8 letters) for the world you wish to create", 1005);
}

}  // namespace kestrel::resources
