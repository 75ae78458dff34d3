// What every record file must be, whatever refers to it: a length its format
// can have, counts that fit, texts that end within their fields and values
// the editors can store.
#pragma once
#include <cstddef>
#include <string_view>

#include "check/findings.hpp"
#include "records/file_format.hpp"
#include "records/file_kinds.hpp"

namespace kestrel::check {

void checkRecords(Findings& findings, std::string_view path, const records::FileKind& kind,
                  const records::FileContent& content, std::size_t fileSize);

}  // namespace kestrel::check
