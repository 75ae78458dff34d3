// How a file is made of records: one record, a 16-bit count and that many
// records, or a grid of cells whose size an earlier record gives. A file is
// split into its records as far as it goes; what is cut short says how much
// is missing, and what follows the last part is kept as extra bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/record_format.hpp"

namespace kestrel::records {

enum class PartShape : std::uint8_t { Record, Counted, Grid };

struct Part {
    std::string_view name;
    PartShape shape;
    const core::Format* format;
    // Grid: the cells across and down, fields of the file's first record.
    std::string_view across{}, down{};
    // Counted: the most records the editors hold; 0 when they set no limit.
    int maxCount = 0;
};

struct FileFormat {
    const core::Format* head;  // names the format for people: its first record
    std::span<const Part> parts;
    std::string_view name;
};

// A record as read: its bytes zero-padded to its size, and how many of them
// the file held.
struct RecordBytes {
    const core::Format* format;
    core::Bytes bytes;
    std::size_t length;
    bool cut() const { return length < bytes.size(); }
};

struct PartContent {
    const Part* part;
    std::optional<RecordBytes> count;  // Counted
    std::vector<RecordBytes> records;
};

struct FileContent {
    const FileFormat* format;
    std::vector<PartContent> parts;
    core::Bytes extra;
};

// The 16-bit count in front of a counted part's records.
const core::Format& countFormat();

FileContent splitFile(const FileFormat& format, std::span<const std::uint8_t> file);
core::Bytes joinFile(const FileContent& content);

// The value of a number field of a record, zero when absent.
std::int64_t numberOf(const RecordBytes& record, std::string_view field);

}  // namespace kestrel::records
