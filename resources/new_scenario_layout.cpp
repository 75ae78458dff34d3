#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

ui::Layout newScenarioLayout() {
    ui::Layout l{.resourceId = kNewScenario, .caption = "New Scenario", .width = 200, .height = 74};
    l.controls.push_back({.kind = ControlKind::Static,
                          .label = "Type in a unique name (up to 8 letters) for the scenario you wish to create",
                          .rect = {7, 7, 186, 20}});
    l.controls.push_back(field(1006, ControlKind::Edit, 7, 32, 80, 8));
    addOkCancel(l, 53);
    return l;
}

}  // namespace kestrel::resources
