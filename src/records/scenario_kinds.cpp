// The files of a scenario folder, by name.
#include "records/file_kinds.hpp"
#include "scenario/area_file.hpp"
#include "scenario/city_file.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/scenario_header.hpp"
#include "scenario/scenario_items.hpp"
#include "scenario/scenario_terrain.hpp"
#include "scenario/sides.hpp"
#include "shell/map_handoff.hpp"

namespace kestrel::records {

namespace {

constexpr std::array<FileFormat, 1> kCities{CountedRecords<scenario::kCityFormat>::file};

constexpr std::array<FileFormat, 1> kScenarioHeader{OneRecord<scenario::kScenarioHeaderFormat>::file};
constexpr std::array<FileFormat, 1> kWorldHeader{OneRecord<scenario::kWorldHeaderFormat>::file};
constexpr std::array<FileFormat, 1> kMiscData{OneRecord<scenario::kMiscDataFormat>::file};
constexpr std::array<FileFormat, 1> kSides{OneRecord<scenario::kSidesFormat>::file};
constexpr std::array<FileFormat, 1> kAreas{OneRecord<scenario::kAreasFormat>::file};
constexpr std::array<FileFormat, 1> kScenarioTerrain{OneRecord<scenario::kScenarioTerrainFormat>::file};
constexpr std::array<FileFormat, 1> kScenarioItems{OneRecord<scenario::kScenarioItemsFormat>::file};
constexpr std::array<FileFormat, 1> kMapHandoff{OneRecord<shell::kHandoffFormat>::file};

// A world's folder, a campaign's and a scenario's copy hold the same WORLD.DAT.
// EDIT.DAT lies in the data root, handed to the map editor.
constexpr std::array<FileKind, 9> kKinds{{
    {"cities", {"CITY.DAT"}, kCities},
    {"scenario", {"SCENARIO.DAT"}, kScenarioHeader},
    {"world", {"WORLD.DAT"}, kWorldHeader},
    {"misc-data", {"MISC.DAT"}, kMiscData},
    {"sides", {"SIDES.DAT"}, kSides},
    {"areas", {"AREA.DAT"}, kAreas},
    {"scenario-terrain", {"TERRAIN.DAT"}, kScenarioTerrain},
    {"scenario-items", {"ITEM.DAT"}, kScenarioItems},
    {"map-handoff", {"EDIT.DAT"}, kMapHandoff},
}};

}  // namespace

std::span<const FileKind> scenarioKinds() { return kKinds; }

}  // namespace kestrel::records
