#include "datasets/catalogue_ops.hpp"

#include "core/fixed_text.hpp"
#include "core/folder_search.hpp"
#include "pictures/picture.hpp"

namespace kestrel::datasets {

std::size_t fileNameLimit(const KindInfo& kind) { return kind.nameLimit + (kind.kind == Kind::Shield ? 1 : 0); }

bool isAcceptableEntryName(const KindInfo& kind, std::string_view name) {
    return name.size() <= fileNameLimit(kind) && core::isPortableFileName(name);
}

NewResult createEntry(const core::DataRoot& root, const KindInfo& kind, std::string_view name,
                      std::span<const std::uint8_t> record) {
    if (name.empty()) return NewResult::EmptyName;
    if (!isAcceptableEntryName(kind, name)) return NewResult::CannotCreate;
    for (const auto dir : kind.createdDirectories)
        if (!dir.empty()) root.makeDirectory(dir);
    if (kind.folderPerEntry) root.makeDirectory(std::string(kind.directory) + "\\" + std::string(name));
    const std::string path = recordPath(kind, name);
    if (root.isFile(path)) return NewResult::Exists;
    if (!root.writeAtomic(path, record)) return NewResult::CannotCreate;
    for (const auto suffix : kind.templateCopies)
        if (!suffix.empty()) root.copy(kind.templatePicture, entryPath(kind, name, suffix));
    return NewResult::Created;
}

std::vector<std::string> listEntries(const core::DataRoot& root, const KindInfo& kind) {
    std::vector<std::string> names;
    if (kind.folderPerEntry) {
        // One folder per entry, found by the folder search; the list shows the
        // name stored in the record.
        for (const auto& file : core::searchFolders(root, std::string(kind.directory) + "\\", kind.extension))
            if (const auto record = root.read(file.path(), kind.recordSize))
                names.push_back(core::readFixedText(*record, 0, 9));
        return names;
    }
    const std::size_t cut = kind.extension.size();
    for (auto& file : root.listFiles(listPattern(kind))) {
        file.resize(file.size() > cut ? file.size() - cut : 0);
        names.push_back(std::move(file));
    }
    return names;
}

void deleteEntry(const core::DataRoot& root, const KindInfo& kind, std::string_view name) {
    if (!core::isPortableFileName(name)) return;
    for (const auto suffix : kind.deleteSuffixes)
        if (!suffix.empty()) root.remove(entryPath(kind, name, suffix));
}

ImportResult importPicture(const core::DataRoot& root, const KindInfo& kind, std::string_view name,
                           const std::filesystem::path& chosen, std::string_view nameSuffix) {
    using Status = ImportResult::Status;
    const std::string file = chosen.filename().native();
    const std::size_t dot = file.rfind('.');
    const std::string targetName =
        std::string(name) + std::string(nameSuffix) + (dot == std::string::npos ? "" : file.substr(dot));
    ImportResult result;
    result.target = std::string(kind.directory) + "\\" + targetName;
    if (file.empty() || !core::isPortableFileName(name) || !core::isPortableFileName(targetName)) {
        result.status = Status::BadName;
        return result;
    }
    if (!root.copyFromHost(chosen, result.target, pictures::kMaxFileSize, &result.readError))
        result.status = result.readError == core::FileError::None ? Status::CannotWrite : Status::CannotRead;
    return result;
}

}  // namespace kestrel::datasets
