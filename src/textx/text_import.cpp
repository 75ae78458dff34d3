#include "textx/text_import.hpp"

#include <algorithm>

#include "core/fixed_text.hpp"
#include "core/host_file.hpp"
#include "core/text_case.hpp"

namespace kestrel::textx {

std::optional<core::Bytes> readImportFile(const std::filesystem::path& file) {
    return core::readWholeHostFile(file, kImportFileLimit);
}

std::string_view asText(const core::Bytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool isPoFile(const std::filesystem::path& file) { return core::equalsNoCase(file.extension().string(), ".po"); }

bool putText(core::Bytes& record, std::size_t offset, std::size_t size, std::size_t limit, std::string_view text,
             std::size_t fullSize) {
    text = text.substr(0, text.find('\0'));
    if (text.empty()) return false;  // the translator left it
    // One byte stays for the NUL the game looks for.
    text = text.substr(0, std::min(limit, size - 1));
    if (core::readFixedText(record, offset, size) == text) return false;
    if (record.size() < offset + size) record.resize(std::max(fullSize, offset + size), 0);
    core::writeFixedText(record, offset, size, text);
    return true;
}

ImportResult charsetRefused(std::string charset) {
    ImportResult result;
    result.opened = true;
    result.unreadCharset = std::move(charset);
    return result;
}

bool succeeded(const ImportResult& result) {
    return result.opened && result.unreadCharset.empty() && result.failed.empty() && result.unencodable.empty();
}

namespace {

constexpr std::array<std::string_view, kSkipKinds> kSkipReasons{"unknown context or tag", "refused path",
                                                                "index outside the file", "unreadable file"};

// "1 file", "2 files".
std::string counted(std::size_t count, std::string_view noun) {
    return std::to_string(count) + ' ' + std::string(noun) + (count == 1 ? "" : "s");
}

// "Error writing A and 2 more files".
std::string listed(std::string_view what, const std::vector<std::string>& names, std::string_view noun) {
    std::string text = std::string(what) + names.front();
    if (const std::size_t more = names.size() - 1; more > 0)
        text += " and " + counted(more, "more " + std::string(noun));
    return text;
}

}  // namespace

std::string message(const ImportResult& result) {
    if (!result.opened) return std::string(kCannotOpenFile);
    if (!result.unreadCharset.empty()) return "Can't convert from charset " + result.unreadCharset;
    // The rest was written; saying only "imported" would hide the lost texts.
    if (!result.failed.empty()) return listed("Error writing ", result.failed, "file");
    if (!result.unencodable.empty()) return listed("No Windows-1252 form for ", result.unencodable, "text");
    return std::string(kImportedMessage);
}

std::string summary(const ImportResult& result) {
    std::size_t skipped = 0;
    std::string reasons;
    const auto add = [&](std::string_view reason, std::size_t count) {
        if (count == 0) return;
        reasons += (reasons.empty() ? " (" : ", ") + std::string(reason) + ": " + std::to_string(count);
        skipped += count;
    };
    for (std::size_t i = 0; i < kSkipKinds; ++i) add(kSkipReasons[i], result.skipped[i]);
    add("no Windows-1252 form", result.unencodable.size());
    return counted(result.changed, "text") + " changed, " + counted(result.written.size(), "file") + " rewritten, " +
           counted(skipped, "text") + " skipped" + (reasons.empty() ? "" : reasons + ")");
}

}  // namespace kestrel::textx
