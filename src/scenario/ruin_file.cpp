#include "scenario/ruin_file.hpp"

#include <algorithm>

#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

using L = RuinLayout;

constexpr datasets::AbilityChoice kAbilities[] = {
    {"Nothing", 0},           {"Leadership +N", 1}, {"Chaos +N", 2},    {"Morale +N", 3},   {"Fear +N", 4},
    {"Siege +N", 5},          {"Fortify +N", 6},    {"Movement +N", 7}, {"Strength +N", 8}, {"All-Terr Move Bonus", 9},
    {"Gold +N", 10},          {"Engineer +N", 12},  {"Flying", 13},     {"Hits +N", 14},    {"Speed", 15},
    {"Summon <code> +N", 22}, {"View +N", 23},      {"Bless", 25},      {"Poison +N", 26},  {"Disease +N", 27},
    {"View Hidden Map", 29},
};

}  // namespace

std::span<const datasets::AbilityChoice> ruinAbilities() { return kAbilities; }

std::ostream& operator<<(std::ostream& out, const ScenarioRuin& r) {
    out << "ScenarioRuin{" << r.head << ", guard " << r.guard << ", flags";
    for (const auto flag : r.flags) out << " " << int{flag};
    return out << ", untouched " << int{r.untouched} << ", " << r.ability << ", \"" << r.specialFile << "\"}";
}

ScenarioRuin readRuin(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    ScenarioRuin ruin;
    ruin.head = readPlacedHead(record);
    ruin.guard = r.s16(L::kGuard);
    for (std::size_t i = 0; i < L::kFlagCount; ++i) ruin.flags[i] = r.s8(L::flagAt(i));
    ruin.untouched = r.u8(L::kUntouched);
    ruin.ability = {r.s16(L::kAbilityCode), r.s16(L::kAbilityFirst), r.s16(L::kAbilitySecond),
                    r.text(L::kAbilityText, L::kAbilityTextSize)};
    ruin.specialFile = r.text(L::kSpecialFile, L::kSpecialFileSize);
    return ruin;
}

core::Bytes writeRuin(const ScenarioRuin& ruin) {
    core::RecordWriter w(L::kSize);
    writePlacedHead(w, ruin.head);
    w.s16(L::kGuard, ruin.guard);
    for (std::size_t i = 0; i < L::kFlagCount; ++i) w.s8(L::flagAt(i), ruin.flags[i]);
    w.u8(L::kUntouched, ruin.untouched);
    w.s16(L::kAbilityCode, ruin.ability.code);
    w.s16(L::kAbilityFirst, ruin.ability.first);
    w.s16(L::kAbilitySecond, ruin.ability.second);
    w.text(L::kAbilityText, L::kAbilityTextSize, ruin.ability.text);
    w.text(L::kSpecialFile, L::kSpecialFileSize, ruin.specialFile);
    return w.take();
}

std::vector<ScenarioRuin> readRuinFile(std::span<const std::uint8_t> file) {
    std::vector<ScenarioRuin> ruins;
    for (const auto record : countedRecords(file, L::kSize, L::kMaxRecords)) ruins.push_back(readRuin(record));
    return ruins;
}

core::Bytes writeRuinFile(std::span<const ScenarioRuin> ruins) {
    std::vector<core::Bytes> records;
    for (const auto& ruin : ruins.first(std::min(ruins.size(), L::kMaxRecords))) records.push_back(writeRuin(ruin));
    return countedFile(records, L::kMaxRecords);
}

std::optional<std::vector<ScenarioRuin>> loadRuins(const core::DataRoot& root, std::string_view scenario) {
    const auto file =
        root.read(scenarioFile(scenario, kRuinFile), PlacedHeadLayout::kCountSize + L::kMaxRecords * L::kSize);
    if (!file) return std::nullopt;
    return readRuinFile(*file);
}

bool saveRuins(const core::DataRoot& root, std::string_view scenario, std::span<const ScenarioRuin> ruins) {
    return root.writeAtomic(scenarioFile(scenario, kRuinFile), writeRuinFile(ruins));
}

}  // namespace kestrel::scenario
