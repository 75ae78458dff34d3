// A scenario folder's record files, each read once and kept for the checks
// that compare them with each other and with the data sets.
#pragma once
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "check/check_context.hpp"
#include "check/data_sets.hpp"

namespace kestrel::check {

struct ScenarioFiles {
    const RootIndex* index = nullptr;
    const RootEntry* folder = nullptr;
    std::set<std::string, std::less<>> present;             // kinds whose file is there, read or not
    std::map<std::string, RecordFile, std::less<>> byKind;  // by kind name ("sides", "map")

    const RecordFile* get(std::string_view kind) const;
    // A file that is there but could not be read whole: what refers to it is
    // not judged, its own findings say enough.
    bool unsound(std::string_view kind) const;
    // "side 2 (Elves)", from SIDES.DAT when the scenario has one.
    std::string sideLabel(std::int64_t side) const;
    // Whether a side's records count: the neutrals always do.
    bool sideUsed(std::int64_t side) const;
};

struct MapBounds {
    std::int64_t width = 0, height = 0;
    bool contains(std::int64_t x, std::int64_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};
// The map's size from MAP.DAT's header; nothing without a whole header.
std::optional<MapBounds> mapBounds(const ScenarioFiles& files);

// An error at a record whose position ("x", "y") lies off the map.
void expectOnMap(Findings& findings, const RecordFile& file, std::size_t part, std::size_t record,
                 const MapBounds& bounds);

// The non-empty texts of fields `field[0]` .. `field[n-1]` of every record of a part.
NameSet textsOf(const RecordFile& file, std::size_t part, std::string_view field, std::size_t n = 0);

// A folder of the catalogue as paths show it: "TERRAIN/DATA".
std::string folderOf(datasets::Kind kind);

// A warning at the record's text field unless it is empty or names an entry
// of `kind`: "army type 'GRYPHON' of side 2 (Elves) does not exist in ARMY".
struct EntryRef {
    std::size_t part = 0, record = 0;
    std::string field;
    std::string_view what;  // "army type"
    std::string of;         // " of side 2 (Elves)"
};
void expectEntry(Findings& findings, const RecordFile& file, const DataSets& sets, datasets::Kind kind,
                 const EntryRef& ref);

// Name fields of a one-record file: `field` alone, or `field[0]` .. `field[slots-1]`.
struct NameFields {
    std::string_view field, what;
    datasets::Kind kind;
    std::size_t slots;  // 0: one name, not a list
};
// expectEntry for each, the field names after `prefix` ("side[2].").
void expectEntries(Findings& findings, const DataSets& sets, const RecordFile& file, std::span<const NameFields> names,
                   const std::string& prefix = {}, const std::string& of = {});

}  // namespace kestrel::check
