#include "app/record_commands.hpp"

#include <variant>

#include "app/picture_command.hpp"
#include "core/atomic_file.hpp"
#include "core/host_file.hpp"
#include "core/text_case.hpp"
#include "records/file_json.hpp"
#include "records/file_kinds.hpp"
#include "records/file_text.hpp"
#include "records/root_json.hpp"

namespace kestrel::app {

namespace {

namespace fs = std::filesystem;

// Record files are small; the largest map is 200 KiB. Larger files, such as a
// map with much appended, are left to other tools, as to-json leaves them.
constexpr std::uint64_t kLargestShown = records::kLargestConvertedFile;

const records::FileKind* kindFor(const RecordCommand& command, const fs::path& named, std::ostream& err) {
    const records::FileKind* kind =
        command.kind.empty() ? records::kindOfFile(named.filename().string()) : records::kindNamed(command.kind);
    if (kind) return kind;
    if (command.kind.empty())
        err << "kstred: " << named.string()
            << " is no record file the editor knows; name its kind with --kind (kstred --help lists them)\n";
    else
        err << "kstred: no kind " << command.kind << " (kstred --help lists them)\n";
    return nullptr;
}

std::optional<core::Bytes> readInput(const fs::path& file, std::ostream& err) {
    core::FileError why = core::FileError::None;
    auto bytes = core::readWholeHostFile(file, kLargestShown, &why);
    if (!bytes) err << "kstred: cannot read " << file.string() << ": " << core::describe(why) << '\n';
    return bytes;
}

int report(const records::TreeReport& r, std::string_view done, std::ostream& out, std::ostream& err) {
    for (const std::string& skipped : r.skipped) err << "kstred: skipped " << skipped << '\n';
    for (const std::string& error : r.errors) err << "kstred: " << error << '\n';
    if (!r.ok()) return 1;
    out << r.converted << (r.converted == 1 ? " record file " : " record files ") << done << ", " << r.copied
        << (r.copied == 1 ? " other file copied\n" : " other files copied\n");
    return 0;
}

bool isPictureName(const fs::path& file) {
    const std::string extension = file.extension().string();
    for (const std::string_view known : {".PCX", ".BMP", ".GIF", ".ICO"})
        if (core::equalsNoCase(extension, known)) return true;
    return false;
}

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

}  // namespace

int showCommand(const RecordCommand& command, std::ostream& out, std::ostream& err) {
    if (command.kind.empty() && isPictureName(command.from))
        return describePicture(command.from, std::nullopt, out, err);
    const records::FileKind* kind = kindFor(command, command.from, err);
    if (!kind) return 2;
    const auto bytes = readInput(command.from, err);
    if (!bytes) return 2;
    out << records::showFile(*kind, *bytes);
    return 0;
}

int toJsonCommand(const RecordCommand& command, std::ostream& out, std::ostream& err) {
    if (isFolder(command.from)) {
        if (!command.to) {
            err << "kstred: to-json of a data root needs the folder to write the tree in\n";
            return 2;
        }
        return report(records::rootToJson(command.from, *command.to), "converted", out, err);
    }
    const records::FileKind* kind = kindFor(command, command.from, err);
    if (!kind) return 2;
    const auto bytes = readInput(command.from, err);
    if (!bytes) return 2;
    const std::string json = records::fileToJson(*kind, *bytes);
    if (!command.to) {
        out << json;
        return 0;
    }
    if (core::writeHostFileAtomic(*command.to, {reinterpret_cast<const std::uint8_t*>(json.data()), json.size()}))
        return 0;
    err << "kstred: cannot write " << command.to->string() << '\n';
    return 1;
}

int fromJsonCommand(const RecordCommand& command, std::ostream& out, std::ostream& err) {
    if (!command.to) {
        err << "kstred: from-json needs where to write\n";
        return 2;
    }
    if (isFolder(command.from)) {
        // A new root is made; an existing one must be a folder.
        std::error_code ec;
        if (!fs::exists(*command.to, ec)) fs::create_directories(*command.to, ec);
        if (!isFolder(*command.to)) {
            err << "kstred: the data root " << command.to->string() << " is not a folder\n";
            return 2;
        }
        return report(records::rootFromJson(command.from, core::DataRoot(*command.to)), "written", out, err);
    }
    const fs::path named =
        command.from.extension() == ".json" ? fs::path(command.from).replace_extension() : command.from;
    const records::FileKind* kind = kindFor(command, named, err);
    if (!kind) return 2;
    const auto json = readInput(command.from, err);
    if (!json) return 2;
    const auto bytes = records::fileFromJson(*kind, {reinterpret_cast<const char*>(json->data()), json->size()});
    if (const auto* refusal = std::get_if<records::JsonRefusal>(&bytes)) {
        err << "kstred: " << command.from.string() << ": " << records::describe(*refusal) << '\n';
        return 1;
    }
    if (core::writeHostFileAtomic(*command.to, std::get<core::Bytes>(bytes))) return 0;
    err << "kstred: cannot write " << command.to->string() << '\n';
    return 1;
}

}  // namespace kestrel::app
