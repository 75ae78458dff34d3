// What both imports share: the chosen file read whole, a translation put into
// its field, and the result told as the main window and the command line say it.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"

namespace kestrel::textx {

inline constexpr std::string_view kImportedMessage = "Text Imported!";
inline constexpr std::string_view kCannotOpenFile = "Can't open file";
// The filter list of the imports' open-file dialog.
inline constexpr std::string_view kImportFilters = "Text Files (*.txt;*.po)|*.txt;*.po|All Files (*.*)|*.*||";
// Far beyond any export of a whole data root; larger files are refused unread.
inline constexpr std::uint64_t kImportFileLimit = 256u << 20;

// Why a translated text was left out.
enum class Skip { UnknownTag, RefusedPath, OutsideFile, UnreadableFile };
inline constexpr std::size_t kSkipKinds = 4;

struct ImportResult {
    bool opened = false;                            // the chosen file could be read
    std::vector<std::string> written;               // record files changed, in the order written
    std::vector<std::string> failed;                // record files whose new bytes could not be written
    std::vector<std::string> unencodable;           // PO contexts whose text has no Windows-1252 form
    std::string unreadCharset;                      // of a PO file that is not read: no conversion from it
    std::size_t changed = 0;                        // texts now in the files written
    std::array<std::size_t, kSkipKinds> skipped{};  // texts left out, by Skip; the unencodable ones aside

    void skip(Skip why) { ++skipped[static_cast<std::size_t>(why)]; }
};

// The chosen file, or nothing when it cannot be read.
std::optional<core::Bytes> readImportFile(const std::filesystem::path& file);
std::string_view asText(const core::Bytes& bytes);
// A gettext PO file, by its name's ending in any case.
bool isPoFile(const std::filesystem::path& file);

// Puts a translation into a field of the record in memory: cut at a NUL and
// to `limit` characters, NUL-terminated, zeros behind it; an empty text leaves
// the field. A record too short
// for the field is first padded with zeros to `fullSize`. False, and nothing
// touched, when the field already holds the text.
bool putText(core::Bytes& record, std::size_t offset, std::size_t size, std::size_t limit, std::string_view text,
             std::size_t fullSize);

// A PO file refused for its charset: nothing applied.
ImportResult charsetRefused(std::string charset);

// "Text Imported!", or why not.
bool succeeded(const ImportResult& result);
std::string message(const ImportResult& result);
// What happened, for the command line to add to the message: "2 texts
// changed, 1 file rewritten, 1 text skipped (refused path: 1)".
std::string summary(const ImportResult& result);

}  // namespace kestrel::textx
