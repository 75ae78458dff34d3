#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

ui::Layout loadScenarioLayout() {
    ui::Layout l{.resourceId = kLoadScenario, .caption = "Load Scenario", .width = 200, .height = 146};
    l.controls.push_back(label("Select a scenario from the list to load", 7, 7, 186));
    l.controls.push_back({.id = 1007, .kind = ControlKind::List, .rect = {7, 19, 186, 100}, .sorted = true});
    addOkCancel(l, 125);
    return l;
}

}  // namespace kestrel::resources
