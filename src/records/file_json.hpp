// The JSON form of a record file: field names as `show` gives them, numbers
// as numbers, texts in UTF-8, meanings by name. Converting back gives the
// very bytes, those behind NULs, uncovered bits, cut and overlong files
// included.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/bytes.hpp"
#include "records/file_kinds.hpp"

namespace kestrel::records {

std::string fileToJson(const FileKind& kind, std::span<const std::uint8_t> file);

struct JsonRefusal {
    std::size_t line;
    std::string field;  // empty: the refusal is not about one field
    std::string message;
};

std::variant<core::Bytes, JsonRefusal> fileFromJson(const FileKind& kind, std::string_view json);

// "line 12: field name: ..." as the command line prints it after the file.
std::string describe(const JsonRefusal& refusal);

}  // namespace kestrel::records
