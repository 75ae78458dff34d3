#include "check/findings.hpp"

#include <algorithm>
#include <cstdio>

namespace kestrel::check {

void Findings::error(std::string_view path, std::string_view record, std::string_view field, std::string message) {
    all_.push_back(
        {std::string(path), std::string(record), std::string(field), core::Severity::Error, std::move(message)});
}

void Findings::warning(std::string_view path, std::string_view record, std::string_view field, std::string message) {
    all_.push_back(
        {std::string(path), std::string(record), std::string(field), core::Severity::Warning, std::move(message)});
}

std::vector<core::Finding> Findings::sorted() const {
    std::vector<core::Finding> out = all_;
    std::sort(out.begin(), out.end(), core::findingBefore);
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

namespace {

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

std::string findingJson(const core::Finding& f) {
    return "{\"path\":" + jsonString(f.path) + ",\"record\":" + jsonString(f.record) +
           ",\"field\":" + jsonString(f.field) + ",\"severity\":\"" + std::string(core::severityName(f.severity)) +
           "\",\"message\":" + jsonString(f.message) + "}";
}

}  // namespace kestrel::check
