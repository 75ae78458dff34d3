#include "check/scenario_files.hpp"

#include <algorithm>

#include "core/cp1252.hpp"
#include "records/record_leaves.hpp"
#include "scenario/sides.hpp"

namespace kestrel::check {

const RecordFile* ScenarioFiles::get(std::string_view kind) const {
    const auto found = byKind.find(kind);
    return found == byKind.end() ? nullptr : &found->second;
}

namespace {

// Shorter than its counts or its record: the editors fill the rest with zeros.
bool isCut(const RecordFile& file) {
    const records::FileContent& c = file.content;
    if (c.parts.size() < c.format->parts.size()) return true;
    for (const records::PartContent& p : c.parts) {
        if (p.count &&
            (p.count->cut() || static_cast<std::int64_t>(p.records.size()) < records::numberOf(*p.count, "count")))
            return true;
        if (!p.records.empty() && p.records.back().cut()) return true;
    }
    return false;
}

}  // namespace

bool ScenarioFiles::unsound(std::string_view kind) const {
    const RecordFile* file = get(kind);
    return present.contains(kind) && (!file || isCut(*file));
}

std::string ScenarioFiles::sideLabel(std::int64_t side) const {
    std::string label = "side " + std::to_string(side);
    const RecordFile* sides = get("sides");
    if (side < 0 || side > scenario::kNeutralSide || !sides) return label;
    const std::string name = sides->text(0, 0, "side[" + std::to_string(side) + "].name");
    return name.empty() ? label : label + " (" + core::cp1252ToUtf8(name) + ")";
}

bool ScenarioFiles::sideUsed(std::int64_t side) const {
    if (side == scenario::kNeutralSide) return true;
    const RecordFile* sides = get("sides");
    return sides && side >= 0 && side < scenario::kNeutralSide &&
           sides->number(0, 0, "side[" + std::to_string(side) + "].used") != 0;
}

std::optional<MapBounds> mapBounds(const ScenarioFiles& files) {
    const RecordFile* map = files.get("map");
    if (!map || map->records(0) == 0 || map->content.parts[0].records[0].cut()) return std::nullopt;
    return MapBounds{map->number(0, 0, "width"), map->number(0, 0, "height")};
}

namespace {

// A value its format's range already refuses has its finding.
bool outsideItsRange(const RecordFile& file, std::size_t part, std::size_t record, std::string_view field) {
    const records::Leaf* leaf = records::leavesOf(*file.content.parts[part].records[record].format).find(field);
    if (!leaf || !leaf->field || !leaf->field->ranged()) return false;
    const std::int64_t value = file.number(part, record, field);
    return value < leaf->field->low || value > leaf->field->high;
}

}  // namespace

void expectOnMap(Findings& findings, const RecordFile& file, std::size_t part, std::size_t record,
                 const MapBounds& bounds) {
    const std::int64_t x = file.number(part, record, "x"), y = file.number(part, record, "y");
    if (bounds.contains(x, y)) return;
    if (outsideItsRange(file, part, record, "x") || outsideItsRange(file, part, record, "y")) return;
    findings.error(file.entry->path, recordLabel(file.content, part, record), x < 0 || x >= bounds.width ? "x" : "y",
                   "the position (" + std::to_string(x) + ", " + std::to_string(y) + ") is off the map of " +
                       std::to_string(bounds.width) + " x " + std::to_string(bounds.height));
}

NameSet textsOf(const RecordFile& file, std::size_t part, std::string_view field, std::size_t n) {
    NameSet names;
    for (std::size_t r = 0; r < file.records(part); ++r)
        for (std::size_t i = 0; i < std::max<std::size_t>(n, 1); ++i) {
            const std::string leaf = n ? std::string(field) + "[" + std::to_string(i) + "]" : std::string(field);
            if (std::string name = file.text(part, r, leaf); !name.empty()) names.insert(std::move(name));
        }
    return names;
}

std::string folderOf(datasets::Kind kind) {
    std::string folder(datasets::info(kind).directory);
    std::ranges::replace(folder, '\\', '/');
    return folder;
}

void expectEntry(Findings& findings, const RecordFile& file, const DataSets& sets, datasets::Kind kind,
                 const EntryRef& ref) {
    const std::string name = file.text(ref.part, ref.record, ref.field);
    if (name.empty() || sets.has(kind, name)) return;
    findings.warning(
        file.entry->path, recordLabel(file.content, ref.part, ref.record), ref.field,
        std::string(ref.what) + " " + check::quoted(name) + ref.of + " does not exist in " + folderOf(kind));
}

void expectEntries(Findings& findings, const DataSets& sets, const RecordFile& file, std::span<const NameFields> names,
                   const std::string& prefix, const std::string& of) {
    for (const NameFields& n : names)
        for (std::size_t i = 0; i < std::max<std::size_t>(n.slots, 1); ++i) {
            std::string field = prefix + std::string(n.field);
            if (n.slots) field += "[" + std::to_string(i) + "]";
            expectEntry(findings, file, sets, n.kind, {0, 0, field, n.what, of});
        }
}

}  // namespace kestrel::check
