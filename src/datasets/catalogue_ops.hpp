// New, Delete, the list of entries and picture import: the file operations
// that every data set shares. No dialogs here.
#pragma once
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"
#include "datasets/catalogue.hpp"

namespace kestrel::datasets {

enum class NewResult { Created, EmptyName, Exists, CannotCreate };

// The longest base name of an entry's files: the name limit, plus the kind
// letter that a shield's file name carries before the name.
std::size_t fileNameLimit(const KindInfo& kind);

// An entry name the file system would accept as it stands, within the limit.
bool isAcceptableEntryName(const KindInfo& kind, std::string_view name);

// Creates the entry's folders, its record and its template pictures.
NewResult createEntry(const core::DataRoot& root, const KindInfo& kind, std::string_view name,
                      std::span<const std::uint8_t> record);

// Entry names of the data set, in case-insensitive order.
std::vector<std::string> listEntries(const core::DataRoot& root, const KindInfo& kind);

// Removes the entry's files; missing ones are skipped.
void deleteEntry(const core::DataRoot& root, const KindInfo& kind, std::string_view name);

// Copies a chosen picture to `<directory>\<name>.<its extension>`, in
// blocks; the extension keeps its case. A file larger than any picture the
// editor reads is refused unread.
struct ImportResult {
    enum class Status { Copied, BadName, CannotRead, CannotWrite } status = Status::Copied;
    core::FileError readError = core::FileError::None;
    std::string target;  // the game path written, or that could not be written
    explicit operator bool() const { return status == Status::Copied; }
};
ImportResult importPicture(const core::DataRoot& root, const KindInfo& kind, std::string_view name,
                           const std::filesystem::path& chosen, std::string_view nameSuffix = {});

// The filter list of the picture import's open-file dialog.
inline constexpr std::string_view kPictureFilters =
    "PCX Files (*.pcx)|*.pcx|BMP Files (*.bmp)|*.bmp|All Files (*.*)|*.*||";

}  // namespace kestrel::datasets
