#include "core/finding.hpp"

#include <cctype>
#include <tuple>

#include "core/escaped_text.hpp"

namespace kestrel::core {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Runs of digits compare by value, the rest byte by byte: "tile[2,10]"
// after "tile[2,9]", "[10]" after "[9]".
int compareNatural(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && isDigit(a[ei])) ++ei;
            while (ej < b.size() && isDigit(b[ej])) ++ej;
            std::string_view da = a.substr(i, ei - i), db = b.substr(j, ej - j);
            while (da.size() > 1 && da.front() == '0') da.remove_prefix(1);
            while (db.size() > 1 && db.front() == '0') db.remove_prefix(1);
            if (da.size() != db.size()) return da.size() < db.size() ? -1 : 1;
            if (const int c = da.compare(db); c != 0) return c < 0 ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
        ++i;
        ++j;
    }
    if (i == a.size() && j == b.size()) return 0;
    return i == a.size() ? -1 : 1;
}

std::string counted(std::size_t n, std::string_view one) {
    std::string text = std::to_string(n) + " " + std::string(one);
    if (n != 1) text += "s";
    return text;
}

}  // namespace

std::string_view severityName(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

std::string findingPlace(const Finding& finding) {
    std::string place = escapeUtf8Controls(finding.path);
    if (!finding.record.empty() || !finding.field.empty()) place += ":" + escapeUtf8Controls(finding.record);
    if (!finding.field.empty()) place += ":" + escapeUtf8Controls(finding.field);
    return place;
}

std::string findingLine(const Finding& finding) {
    return findingPlace(finding) + ": " + std::string(severityName(finding.severity)) + ": " +
           escapeUtf8Controls(finding.message);
}

bool findingBefore(const Finding& a, const Finding& b) {
    if (a.path != b.path) return a.path < b.path;
    if (const int c = compareNatural(a.record, b.record); c != 0) return c < 0;
    if (const int c = compareNatural(a.field, b.field); c != 0) return c < 0;
    return std::tie(a.severity, a.message) < std::tie(b.severity, b.message);
}

std::ostream& operator<<(std::ostream& out, const Finding& finding) { return out << findingLine(finding); }

Tally tallyOf(const std::vector<Finding>& sorted) {
    Tally tally;
    const std::string* lastPath = nullptr;
    for (const Finding& f : sorted) {
        (f.severity == Severity::Error ? tally.errors : tally.warnings) += 1;
        if (!lastPath || *lastPath != f.path) ++tally.files;
        lastPath = &f.path;
    }
    return tally;
}

std::string summaryLine(const Tally& tally) {
    return counted(tally.errors, "error") + ", " + counted(tally.warnings, "warning") + " in " +
           counted(tally.files, "file");
}

}  // namespace kestrel::core
