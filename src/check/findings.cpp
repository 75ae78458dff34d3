#include "check/findings.hpp"

#include <algorithm>
#include <cstdio>


namespace kestrel::check {

void Findings::error(std::string_view path, std::string_view record, std::string_view field, std::string message) {
    all_.push_back({std::string(path), std::string(record), std::string(field), core::Severity::Error,
                    std::move(message)});
}

void Findings::warning(std::string_view path, std::string_view record, std::string_view field, std::string message) {
    all_.push_back({std::string(path), std::string(record), std::string(field), core::Severity::Warning,
                    std::move(message)});
}

std::vector<core::Finding> Findings::sorted() const {
    std::vector<core::Finding> out = all_;
    std::sort(out.begin(), out.end(), core::findingBefore);
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

Tally tallyOf(const std::vector<core::Finding>& sorted) {
    Tally tally;
    const std::string* lastPath = nullptr;
    for (const core::Finding& f : sorted) {
        (f.severity == core::Severity::Error ? tally.errors : tally.warnings) += 1;
        if (!lastPath || *lastPath != f.path) ++tally.files;
        lastPath = &f.path;
    }
    return tally;
}

namespace {

std::string counted(std::size_t n, std::string_view one) {
    std::string text = std::to_string(n) + " " + std::string(one);
    if (n != 1) text += "s";
    return text;
}

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\u%04x", u);
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

std::string summaryLine(const Tally& tally) {
    return counted(tally.errors, "error") + ", " + counted(tally.warnings, "warning") + " in " +
           counted(tally.files, "file");
}

std::string findingJson(const core::Finding& f) {
    return "{\"path\":" + jsonString(f.path) + ",\"record\":" + jsonString(f.record) +
           ",\"field\":" + jsonString(f.field) + ",\"severity\":\"" + std::string(core::severityName(f.severity)) +
           "\",\"message\":" + jsonString(f.message) + "}";
}

}  // namespace kestrel::check
