#include "scenario/map_location.hpp"

#include "scenario/map_file.hpp"
#include "scenario/placed_records.hpp"
#include "scenario/scenario_files.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

namespace {

constexpr std::string_view kGap = "   ";

// The area's name under the tile, or nothing when MAP.DAT or AREA.DAT cannot be read.
std::optional<std::string> tileAreaName(const core::DataRoot& root, std::string_view scenario, MapPosition at) {
    const auto map = root.read(scenarioFile(scenario, kMapFile), kMapReadLimit);
    const auto areas = root.read(scenarioFile(scenario, kAreaFile), AreaLayout::kFileSize);
    if (!map || !areas) return std::nullopt;
    const MapHeader header = readMapHeader(*map);
    const int area = readMapCell(*map, mapCellOffset(header, at.x, at.y)).area();
    return areaName(*areas, area);
}

std::string nearestName(const core::DataRoot& root, std::string_view scenario, const PlacedFile& layout,
                        MapPosition at) {
    // Unlike the map views, the nearest record is sought among all of the file.
    const auto placed = readPlaced(root, scenario, layout.unlimited());
    if (!placed) return "-";
    const int i = nearestPlaced(positionsOf(*placed), at, 10000);
    return i < 0 ? "-" : (*placed)[static_cast<std::size_t>(i)].name;
}

}  // namespace

std::string mapLocationText(const core::DataRoot& root, std::string_view scenario, MapPosition at) {
    std::string text = "Area:" + tileAreaName(root, scenario, at).value_or("-");
    text += kGap;
    for (const auto& [label, layout] :
         {std::pair{"City:", kCityPlaces}, std::pair{"Ruin:", kRuinPlaces}, std::pair{"Site:", kSitePlaces}}) {
        text += label + nearestName(root, scenario, layout, at);
        text += kGap;
    }
    return text;
}

std::string mapLocationCaption(MapPosition at) {
    return "Map Location (" + std::to_string(at.x) + "," + std::to_string(at.y) + ")";
}

void ShowMapLocation(ui::Host& host, const core::DataRoot& root, std::string_view scenario, MapPosition at) {
    host.message(mapLocationText(root, scenario, at), mapLocationCaption(at), ui::Icon::None);
}

}  // namespace kestrel::scenario
