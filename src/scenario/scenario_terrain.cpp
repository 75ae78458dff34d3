#include "scenario/scenario_terrain.hpp"

#include <algorithm>

#include "core/record_fields.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

using L = ScenarioTerrainLayout;

namespace {
constexpr std::size_t terrainAt(std::size_t slot) { return L::kTerrainNames + slot * L::kNameSize; }
constexpr std::size_t roadAt(std::size_t road) { return L::kRoadNames + road * L::kNameSize; }
}  // namespace

std::ostream& operator<<(std::ostream& out, const ScenarioTerrain& t) {
    out << "ScenarioTerrain{terrain";
    for (const auto& name : t.terrain) out << " \"" << name << "\"";
    out << ", roads";
    for (const auto& name : t.roads) out << " \"" << name << "\"";
    out << ", record of " << t.record.size() << " bytes}";
    return out;
}

ScenarioTerrain readScenarioTerrain(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    ScenarioTerrain t;
    for (std::size_t i = 0; i < L::kSize; ++i) t.record[i] = r.u8(i);
    for (std::size_t s = 0; s < L::kSlots; ++s) t.terrain[s] = r.text(terrainAt(s), L::kNameSize);
    for (std::size_t s = 0; s < L::kRoads; ++s) t.roads[s] = r.text(roadAt(s), L::kNameSize);
    return t;
}

core::Bytes writeScenarioTerrain(const ScenarioTerrain& t) {
    core::RecordWriter w(L::kSize);
    const auto kept = std::span(t.record).first(std::min(t.record.size(), L::kSize));
    std::copy(kept.begin(), kept.end(), w.span(0, L::kSize).begin());
    for (std::size_t s = 0; s < L::kSlots; ++s) w.text(terrainAt(s), L::kNameSize, t.terrain[s]);
    for (std::size_t s = 0; s < L::kRoads; ++s) w.text(roadAt(s), L::kNameSize, t.roads[s]);
    return w.take();
}

std::optional<ScenarioTerrain> loadScenarioTerrain(const core::DataRoot& root, std::string_view scenario) {
    const auto bytes = root.read(scenarioFile(scenario, kScenarioTerrainFile), L::kSize);
    if (!bytes) return std::nullopt;
    return readScenarioTerrain(*bytes);
}

bool saveScenarioTerrain(const core::DataRoot& root, std::string_view scenario, const ScenarioTerrain& terrain) {
    return root.writeAtomic(scenarioFile(scenario, kScenarioTerrainFile), writeScenarioTerrain(terrain));
}

}  // namespace kestrel::scenario
