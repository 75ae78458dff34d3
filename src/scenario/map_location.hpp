// The map location view: what lies at a map position, told in a message box.
#pragma once
#include <string>
#include <string_view>

#include "core/data_root.hpp"
#include "scenario/area_file.hpp"
#include "scenario/map_position.hpp"

namespace kestrel::ui {
class Host;
}

namespace kestrel::scenario {

// "Area:NAME   City:NAME   Ruin:NAME   Site:NAME   ", with "-" for what
// cannot be read or has no records. Files are read as they are on disk now.
std::string mapLocationText(const core::DataRoot& root, std::string_view scenario, MapPosition at);
// "Map Location (x,y)"
std::string mapLocationCaption(MapPosition at);
// Shows the text in a message box without an icon.
void ShowMapLocation(ui::Host& host, const core::DataRoot& root, std::string_view scenario, MapPosition at);

}  // namespace kestrel::scenario
