#include "textx/text_import.hpp"

#include <algorithm>

#include "core/fixed_text.hpp"
#include "core/host_file.hpp"

namespace kestrel::textx {

std::optional<core::Bytes> readImportFile(const std::filesystem::path& file) {
    return core::readWholeHostFile(file, kImportFileLimit);
}

std::string_view asText(const core::Bytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

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

bool succeeded(const ImportResult& result) { return result.opened && result.failed.empty(); }

std::string message(const ImportResult& result) {
    if (!result.opened) return std::string(kCannotOpenFile);
    if (result.failed.empty()) return std::string(kImportedMessage);
    // The rest was written; saying only "imported" would hide the lost texts.
    std::string text = "Error writing " + result.failed.front();
    if (const std::size_t more = result.failed.size() - 1; more == 1)
        text += " and 1 more file";
    else if (more > 1)
        text += " and " + std::to_string(more) + " more files";
    return text;
}

}  // namespace kestrel::textx
