#include "scenario/scenario_items.hpp"

#include "core/record_fields.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

using L = ScenarioItemsLayout;

// Each group of names with where it starts in the record.
template <typename Items, typename Visit>
void forEachGroup(Items& items, Visit visit) {
    visit(items.compulsory, L::kCompulsory);
    visit(items.optional, L::kOptional);
    visit(items.unplaced, L::kUnplaced);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ScenarioItems& items) {
    out << "ScenarioItems{chance " << items.optionalChance;
    forEachGroup(items, [&](const auto& names, std::size_t at) {
        out << (at == L::kCompulsory ? ", compulsory" : at == L::kOptional ? ", optional" : ", unplaced");
        for (const auto& name : names) out << " \"" << name << '"';
    });
    return out << '}';
}

ScenarioItems readScenarioItems(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    ScenarioItems items;
    items.optionalChance = r.s16(L::kChance);
    forEachGroup(items, [&](auto& names, std::size_t at) {
        for (std::size_t i = 0; i < names.size(); ++i) names[i] = r.text(at + i * L::kNameSize, L::kNameSize);
    });
    return items;
}

core::Bytes writeScenarioItems(const ScenarioItems& items) {
    core::RecordWriter w(L::kSize);
    w.s16(L::kChance, items.optionalChance);
    forEachGroup(items, [&](const auto& names, std::size_t at) {
        for (std::size_t i = 0; i < names.size(); ++i) w.text(at + i * L::kNameSize, L::kNameSize, names[i]);
    });
    return w.take();
}

std::vector<std::string> poolNames(const ScenarioItems& items) {
    std::vector<std::string> names;
    forEachGroup(items, [&](const auto& group, std::size_t) {
        for (const auto& name : group)
            if (!name.empty()) names.push_back(name);
    });
    return names;
}

std::optional<ScenarioItems> loadScenarioItems(const core::DataRoot& root, std::string_view scenario) {
    const auto bytes = root.read(scenarioFile(scenario, kScenarioItemsFile), L::kSize);
    if (!bytes) return std::nullopt;
    return readScenarioItems(*bytes);
}

bool saveScenarioItems(const core::DataRoot& root, std::string_view scenario, const ScenarioItems& items) {
    return root.writeAtomic(scenarioFile(scenario, kScenarioItemsFile), writeScenarioItems(items));
}

}  // namespace kestrel::scenario
