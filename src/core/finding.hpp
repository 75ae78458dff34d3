// What the checker finds in a data root, one problem at a place: a file, a
// record of it, a field of that record. The main window lists them too, so the
// type lives below every layer that shows or makes them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::core {

enum class Severity : std::uint8_t { Error, Warning };

// Texts are UTF-8: a name from the data is converted where the message quotes it.
struct Finding {
    std::string path;    // relative to the root, '/' between components, as on disk
    std::string record;  // empty: the file as a whole
    std::string field;   // empty: the record as a whole
    Severity severity = Severity::Error;
    std::string message;

    bool operator==(const Finding&) const = default;
};

std::string_view severityName(Severity severity);

// "PATH[:RECORD[:FIELD]]: error: message", every part escaped.
std::string findingLine(const Finding& finding);
// The place alone: "PATH[:RECORD[:FIELD]]".
std::string findingPlace(const Finding& finding);
// Path, then record and field with their numbers compared as numbers, then
// severity and message: the order people and diffs expect.
bool findingBefore(const Finding& a, const Finding& b);

std::ostream& operator<<(std::ostream& out, const Finding& finding);

struct Tally {
    std::size_t errors = 0, warnings = 0, files = 0;
};
Tally tallyOf(const std::vector<Finding>& sorted);
// "2 errors, 1 warning in 3 files"
std::string summaryLine(const Tally& tally);

}  // namespace kestrel::core
