// The sections of the data-set text file "KS_Data.Txt", written once as data:
// what the export writes, what the import and the PO bridge look up.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "datasets/catalogue.hpp"

namespace kestrel::textx {

struct FieldAt {
    std::size_t offset = 0;
    std::size_t size = 0;  // the field's bytes; its text ends at the first NUL within them
};

struct DataTag {
    std::string_view written;  // the tag and the blanks up to its "<", as the export writes it
    FieldAt field;             // in the current layout of the record
    FieldAt older;             // in the earlier layout, where it lies elsewhere; size 0: as current
    std::size_t limit;         // characters the import stores at most
    bool blankAfter = false;   // an empty line follows its "#LOC:" line
};

struct DataSection {
    std::string_view title;     // in the banner
    datasets::Kind kind;        // folder, extension and record size from the catalogue
    std::string_view idFolder;  // the record path of the "#ID:" line before the file name
    std::string_view indent;
    std::string_view idTag;   // "#ID:" with its blanks
    std::string_view locTag;  // "#LOC:" with its blanks
    std::size_t olderSize;    // exact length of a record in the earlier layout; 0: none
    std::span<const DataTag> tags;
    std::span<const std::string_view> notes;  // the text after the indent
};

// In the order of the file.
std::span<const DataSection> dataSections();

// "CITY\*.CIT": the record files of the section.
std::string recordPattern(const DataSection& section);
// The bytes read of each record file.
std::size_t recordSize(const DataSection& section);
// "City\ELVES.CIT": the record file as the "#ID:" line names it.
std::string idPath(const DataSection& section, std::string_view fileName);
// Where the tag's text lies in a record of `length` bytes.
FieldAt fieldIn(const DataSection& section, const DataTag& tag, std::size_t length);

}  // namespace kestrel::textx
