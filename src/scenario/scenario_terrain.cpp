#include "scenario/scenario_terrain.hpp"

#include "core/record_fields.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

using L = ScenarioTerrainLayout;

namespace {

// Runs of equal fields, each with where it starts and how wide one is.
template <typename Terrain, typename Visit>
void forEachNameRun(Terrain& t, Visit visit) {
    visit(std::span(t.terrain), L::kTerrainNames, L::kNameSize);
    visit(std::span(t.roads), L::kRoadNames, L::kNameSize);
    visit(std::span(t.forests), L::kForestNames, L::kNameSize);
    visit(std::span(t.bonuses), L::kBonusNames, L::kNameSize);
    visit(std::span(t.bonusTexts), L::kBonusTexts, L::kTextSize);
    visit(std::span(t.moveIcons), L::kMoveIcons, L::kNameSize);
    visit(std::span(&t.river, 1), L::kRiverName, L::kNameSize);
}

template <typename Terrain, typename Visit>
void forEachClassRun(Terrain& t, Visit visit) {
    visit(std::span(t.firstClass), L::kFirstClasses);
    visit(std::span(t.secondClass), L::kSecondClasses);
}

void printNames(std::ostream& out, const char* what, std::span<const std::string> names) {
    out << ", " << what;
    for (const auto& name : names) out << " \"" << name << '"';
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ScenarioTerrain& t) {
    out << "ScenarioTerrain{";
    printNames(out, "terrain", t.terrain);
    out << ", classes";
    for (std::size_t s = 0; s < L::kSlots; ++s) out << ' ' << t.firstClass[s] << '/' << t.secondClass[s];
    printNames(out, "roads", t.roads);
    printNames(out, "forests", t.forests);
    printNames(out, "bonuses", t.bonuses);
    printNames(out, "texts", t.bonusTexts);
    printNames(out, "icons", t.moveIcons);
    out << ", river \"" << t.river << "\", byte " << int{t.untouched} << ", forest flags " << int{t.forestFlags[0]}
        << ' ' << int{t.forestFlags[1]};
    return out << '}';
}

ScenarioTerrain newScenarioTerrain() {
    ScenarioTerrain t;
    t.firstClass.fill(kFeatureClass);
    t.forestFlags = {0, 1};
    return t;
}

int namesUsed(std::span<const std::string> names) {
    for (std::size_t i = names.size(); i > 0; --i)
        if (!names[i - 1].empty()) return static_cast<int>(i);
    return 0;
}

ScenarioTerrain readScenarioTerrain(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    ScenarioTerrain t;
    forEachNameRun(t, [&](std::span<std::string> names, std::size_t at, std::size_t size) {
        for (std::size_t i = 0; i < names.size(); ++i) names[i] = r.text(at + i * size, size);
    });
    forEachClassRun(t, [&](std::span<std::int16_t> classes, std::size_t at) {
        for (std::size_t i = 0; i < classes.size(); ++i) classes[i] = r.s16(at + L::kClassSize * i);
    });
    t.untouched = r.u8(L::kUntouched);
    for (std::size_t i = 0; i < L::kFlags; ++i) t.forestFlags[i] = r.u8(L::kForestFlags + i);
    return t;
}

core::Bytes writeScenarioTerrain(const ScenarioTerrain& t) {
    core::RecordWriter w(L::kSize);
    w.s16(L::kSlotCount, namesUsed(t.terrain));
    w.s16(L::kRoadCount, namesUsed(t.roads));
    w.s16(L::kForestCount, namesUsed(t.forests));
    forEachNameRun(t, [&](std::span<const std::string> names, std::size_t at, std::size_t size) {
        for (std::size_t i = 0; i < names.size(); ++i) w.text(at + i * size, size, names[i]);
    });
    forEachClassRun(t, [&](std::span<const std::int16_t> classes, std::size_t at) {
        for (std::size_t i = 0; i < classes.size(); ++i) w.s16(at + L::kClassSize * i, classes[i]);
    });
    w.u8(L::kUntouched, t.untouched);
    for (std::size_t i = 0; i < L::kFlags; ++i) w.u8(L::kForestFlags + i, t.forestFlags[i]);
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
