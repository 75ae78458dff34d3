#include "scenario/diplomacy_file.hpp"

#include "core/record_fields.hpp"
#include "scenario/placed_head.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

using L = DiplomacyLayout;

}  // namespace

std::ostream& operator<<(std::ostream& out, const Relation& r) {
    return out << "Relation{chance " << r.chance << ", sides " << r.firstSide << " -> " << r.secondSide << ", kind "
               << r.kind << ", value " << r.value << '}';
}

Relation readRelation(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return {r.s16(L::kChance), r.s16(L::kFirstSide), r.s16(L::kSecondSide), r.s16(L::kKind), r.s16(L::kValue)};
}

core::Bytes writeRelation(const Relation& relation) {
    core::RecordWriter w(L::kSize);
    w.s16(L::kChance, relation.chance);
    w.s16(L::kFirstSide, relation.firstSide);
    w.s16(L::kSecondSide, relation.secondSide);
    w.s16(L::kKind, relation.kind);
    w.s16(L::kValue, relation.value);
    return w.take();
}

std::vector<Relation> readDiplomacy(std::span<const std::uint8_t> file) {
    std::vector<Relation> relations;
    for (const auto record : countedRecords(file, L::kSize, L::kMaxRecords)) relations.push_back(readRelation(record));
    return relations;
}

core::Bytes writeDiplomacy(std::span<const Relation> relations) {
    std::vector<core::Bytes> records;
    for (const auto& r : relations) records.push_back(writeRelation(r));
    return countedFile(records, L::kMaxRecords);
}

std::optional<std::vector<Relation>> loadDiplomacy(const core::DataRoot& root, std::string_view scenario) {
    const auto file = root.read(scenarioFile(scenario, kDiplomacyFile), PlacedHeadLayout::kCountSize + L::kMaxRecords * L::kSize);
    if (!file) return std::nullopt;
    return readDiplomacy(*file);
}

bool saveDiplomacy(const core::DataRoot& root, std::string_view scenario, std::span<const Relation> relations) {
    return root.writeAtomic(scenarioFile(scenario, kDiplomacyFile), writeDiplomacy(relations));
}

}  // namespace kestrel::scenario
