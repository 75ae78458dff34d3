// Every kind of record file the editor knows, how its name gives it away, and
// its layouts: the current one first, then earlier ones known by their exact
// length.
#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "records/file_format.hpp"

namespace kestrel::records {

struct FileKind {
    std::string_view name;                  // for --kind: "city-set"
    std::array<std::string_view, 2> names;  // "*.CIT", "REWARD?.DAT"; any case
    std::span<const FileFormat> layouts;
};

// The groups, each listed beside the codecs it describes.
std::span<const FileKind> datasetKinds();
std::span<const FileKind> scenarioKinds();
std::span<const FileKind> campaignKinds();

// The kind a file's name gives: the name itself, or what follows an
// underscore in it (git names the files it hands a diff driver
// "Xy12Ab_CITY.DAT").
const FileKind* kindOfFile(std::string_view fileName);
const FileKind* kindNamed(std::string_view kindName);
// The kinds' --kind names, in one line.
std::string kindNames();

// The earlier layout of exactly this length, else the current one.
const FileFormat& layoutFor(const FileKind& kind, std::size_t fileSize);
// The layout whose first record has this format name; nothing when none.
const FileFormat* layoutNamed(const FileKind& kind, std::string_view formatName);

// A file format of one record.
template <const core::Format& F>
struct OneRecord {
    static constexpr std::array<Part, 1> parts{{{"record", PartShape::Record, &F}}};
    static constexpr FileFormat file{&F, parts, F.name};
};

// A 16-bit count and that many records.
template <const core::Format& F>
struct CountedRecords {
    static constexpr std::array<Part, 1> parts{{{"records", PartShape::Counted, &F}}};
    static constexpr FileFormat file{&F, parts, F.name};
};

}  // namespace kestrel::records
