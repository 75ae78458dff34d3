// The sections of a scenario's text file "KS_<folder>.Txt", written once as
// data: what the export writes, what the import and the PO bridge look up.
// Each section reads fixed files of the scenario's folder; repeated records
// are numbered in the tag itself ("#NAME3: ").
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "textx/data_sections.hpp"

namespace kestrel::textx {

// What ends every scenario tag before its "<": "#MON3" is written "#MON3: <".
inline constexpr std::string_view kScenarioTagEnd = ": ";
inline constexpr std::string_view kScenarioIndent = "    ";

enum class RecordForm {
    One,      // the file is the record; the tag carries no number
    Fixed,    // `count` records of `size` bytes from `first`, whether used or not
    Counted,  // a signed 16-bit count, then that many records; at most `count` are kept
};

// Where the records of a tag group lie in their file.
struct RecordsAt {
    RecordForm form = RecordForm::One;
    std::size_t first = 0;   // record 0 begins here (Counted: after the count)
    std::size_t size = 0;    // bytes from one record to the next
    std::size_t count = 1;   // Fixed: the records exported; Counted: the editors' storage
    std::size_t hidden = 0;  // Fixed: records after them that only the import reaches
};

struct ScenarioTag {
    std::string_view stem;  // "#NAME": the tag up to its number or its ':'
    FieldAt field;          // within the record
    std::size_t limit;      // characters the import stores at most, always below field.size
};

// Tags read from the same records, with the notes written after them.
struct TagGroup {
    RecordsAt records;
    std::span<const ScenarioTag> tags;        // each record's, in order
    std::span<const std::string_view> notes;  // the text after the indent
    int blanks = 0;                           // empty lines after the notes
    bool perRecord = false;                   // notes and blanks after every record, else once after the last
    bool skipEmpty = false;                   // records whose first text is empty are left out
    int closing = 0;                          // empty lines after the last record
};

// One file of the scenario's folder and the tag groups read from it.
struct ScenarioSource {
    std::string_view file;    // "CITY.DAT"
    std::size_t readSize;     // bytes the export reads at most
    std::size_t rewriteSize;  // bytes the import reads at most and writes back
    std::span<const TagGroup> groups;
};

struct ScenarioSection {
    std::string_view title;   // in the banner
    std::string_view locTag;  // "#LOC:" with its blanks
    std::span<const ScenarioSource> sources;
    int closing = 0;  // empty lines after the section's files, written whether they were read or not
};

// In the order of the file: section number n (the n-th banner) is element n - 1.
std::span<const ScenarioSection> scenarioSections();

// "KS_ISLANDS.Txt": the text file of the scenario in folder `scenario`.
std::string scenarioTextFile(std::string_view scenario);
// "SCENARIO\ISLANDS\CITY.DAT": the source file as a path below the data root.
std::string sourcePath(std::string_view scenario, const ScenarioSource& source);

// "#NAME3: ", "#GOLD: ": the tag as written up to its "<"; `index` is used
// only when the group's records are numbered.
std::string writtenTag(const TagGroup& group, const ScenarioTag& tag, std::size_t index);
bool numbered(const TagGroup& group);

// How many records of the group the file holds: 1 for One, `count` for Fixed
// (a short file reads as if padded with zeros), and for Counted the count,
// 0 when negative, clamped to the storage and to the records the file reaches.
std::size_t recordCount(const TagGroup& group, std::span<const std::uint8_t> file);
// How many records of the group the import may change: recordCount and the hidden ones.
std::size_t importedCount(const TagGroup& group, std::span<const std::uint8_t> file);
// Where the tag's field of record `index` begins in the file.
std::size_t fieldOffset(const TagGroup& group, const ScenarioTag& tag, std::size_t index);
// The field's text, up to its NUL; empty past the end of the file.
std::string fieldText(const TagGroup& group, const ScenarioTag& tag, std::size_t index,
                      std::span<const std::uint8_t> file);

// What a tag line of the import names: the file, its group and tag.
struct ScenarioTarget {
    const ScenarioSource* source;
    const TagGroup* group;
    const ScenarioTag* tag;
};
// The tag `stem` ("#NAME", "#MON") of section `number` (1 for the first
// banner), with a number after it or not; nothing when the section has no
// such tag, which the import then ignores. The index still has to be checked
// against recordCount of the file.
std::optional<ScenarioTarget> findScenarioTag(std::size_t number, std::string_view stem, bool withNumber);

}  // namespace kestrel::textx
