#include "check/check_context.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "check/record_checks.hpp"
#include "core/cp1252.hpp"
#include "pictures/display.hpp"
#include "pictures/picture.hpp"
#include "records/record_leaves.hpp"

namespace kestrel::check {

namespace {

// Opened without following a link and refused unless regular, so that a FIFO
// or device put in place of a file never blocks the run.
std::optional<core::Bytes> readRegular(const std::filesystem::path& path, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = "cannot be opened";
        return std::nullopt;
    }
    struct stat st {};
    std::optional<core::Bytes> bytes;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = "is no regular file";
    } else if (static_cast<std::uint64_t>(st.st_size) > kMaxFileSize) {
        why = "is " + std::to_string(st.st_size) + " bytes long, larger than any file of the game";
    } else {
        core::Bytes data(static_cast<std::size_t>(st.st_size));
        std::size_t got = 0;
        while (got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        data.resize(got);
        bytes = std::move(data);
    }
    ::close(fd);
    return bytes;
}

}  // namespace

std::optional<core::Bytes> Context::read(const RootEntry& entry) {
    mostReads_ = std::max(mostReads_, ++reads_[&entry]);
    if (entry.type != EntryType::File) {
        findings_.error(entry.path, "", "",
                        entry.type == EntryType::Folder ? "a folder where a file is expected" : "no regular file");
        return std::nullopt;
    }
    std::string why;
    auto bytes = readRegular(index_.hostPath(entry), why);
    if (!bytes) findings_.error(entry.path, "", "", "the file " + why);
    return bytes;
}

std::optional<RecordFile> Context::recordFile(std::string_view gamePath, const records::FileKind& kind) {
    const RootEntry* entry = index_.find(gamePath);
    if (!entry) return std::nullopt;
    return recordFile(*entry, kind);
}

std::optional<RecordFile> Context::recordFile(const RootEntry& entry, const records::FileKind& kind) {
    auto bytes = read(entry);
    if (!bytes) return std::nullopt;
    RecordFile file{&entry, std::move(*bytes), {}};
    const records::FileFormat& layout = records::layoutFor(kind, file.bytes.size());
    file.content = records::splitFile(layout, file.bytes);
    checkRecords(findings_, entry.path, kind, file.content, file.bytes.size());
    return file;
}

std::optional<PictureSize> Context::picture(const RootEntry& entry) {
    if (const auto known = pictures_.find(&entry); known != pictures_.end()) return known->second;
    std::optional<PictureSize> size;
    if (const auto bytes = read(entry)) {
        const auto kind = pictures::detectPictureKind(*bytes, bytes->size());
        const auto header =
            kind ? pictures::readPictureHeader(*kind, *bytes, pictures::Display::trueColour()) : std::nullopt;
        if (header)
            size = PictureSize{header->width, header->height};
        else
            findings_.error(entry.path, "", "",
                            kind ? "the picture does not decode" : "no picture the editor can read");
    }
    pictures_.emplace(&entry, size);
    return size;
}

std::int64_t RecordFile::number(std::size_t part, std::size_t record, std::string_view field) const {
    if (part >= content.parts.size() || record >= content.parts[part].records.size()) return 0;
    return records::numberOf(content.parts[part].records[record], field);
}

std::string RecordFile::text(std::size_t part, std::size_t record, std::string_view field) const {
    if (part >= content.parts.size() || record >= content.parts[part].records.size()) return {};
    const records::RecordBytes& r = content.parts[part].records[record];
    const records::Leaf* leaf = records::leavesOf(*r.format).find(field);
    if (!leaf || leaf->kind != records::LeafKind::Text) return {};
    const auto start = r.bytes.begin() + static_cast<std::ptrdiff_t>(leaf->at);
    const auto end = std::find(start, start + static_cast<std::ptrdiff_t>(leaf->size), 0);
    return std::string(start, end);
}

std::size_t RecordFile::records(std::size_t part) const {
    return part < content.parts.size() ? content.parts[part].records.size() : 0;
}

std::string quoted(std::string_view text) { return "'" + core::cp1252ToUtf8(text) + "'"; }

std::string recordLabel(const records::FileContent& content, std::size_t part, std::size_t record) {
    const records::Part& p = content.format->parts[part];
    if (p.shape == records::PartShape::Grid) {
        const std::int64_t across = std::max<std::int64_t>(
            1, content.parts[0].records.empty() ? 1 : records::numberOf(content.parts[0].records[0], p.across));
        return "tile[" + std::to_string(static_cast<std::int64_t>(record) % across) + "," +
               std::to_string(static_cast<std::int64_t>(record) / across) + "]";
    }
    if (content.format->parts.size() == 1) return std::to_string(record);
    if (p.shape == records::PartShape::Record) return std::string(p.name);
    return std::string(p.name) + "[" + std::to_string(record) + "]";
}

}  // namespace kestrel::check
