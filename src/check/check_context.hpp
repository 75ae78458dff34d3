// What every check works with: the root's entries, the findings, and the
// files, each read once. A record file comes back split into its records and
// already checked against its format; a picture comes back as its size.
#pragma once
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "check/findings.hpp"
#include "check/root_index.hpp"
#include "core/bytes.hpp"
#include "records/file_format.hpp"
#include "records/file_kinds.hpp"

namespace kestrel::check {

// The largest file the checker reads; a record file or picture is far smaller.
inline constexpr std::uint64_t kMaxFileSize = 64u << 20;

struct RecordFile {
    const RootEntry* entry = nullptr;
    core::Bytes bytes;
    records::FileContent content;
    // The record's number field, zero when the file is cut before it.
    std::int64_t number(std::size_t part, std::size_t record, std::string_view field) const;
    // A text field as stored: up to its NUL, 8-bit.
    std::string text(std::size_t part, std::size_t record, std::string_view field) const;
    std::size_t records(std::size_t part) const;
};

struct PictureSize {
    int width = 0, height = 0;
};

class Context {
public:
    Context(const RootIndex& index, Findings& findings) : index_(index), findings_(findings) {}

    const RootIndex& index() const { return index_; }
    Findings& findings() { return findings_; }

    // The file's bytes: nothing, and an error at the file, when it is no
    // regular file, cannot be read or is too large to be a file of the game.
    std::optional<core::Bytes> read(const RootEntry& entry);
    // A record file at a game path, split by the layout its length gives and
    // checked against it (length, counts, texts, ranges). Nothing when it does
    // not exist (the caller says what is missing) or cannot be read.
    std::optional<RecordFile> recordFile(std::string_view gamePath, const records::FileKind& kind);
    std::optional<RecordFile> recordFile(const RootEntry& entry, const records::FileKind& kind);
    // A picture: nothing when it does not exist or does not decode (then an
    // error at the picture, once however often it is asked for).
    std::optional<PictureSize> picture(const RootEntry& entry);

    // How often the most read file was read: one, unless a check is wrong.
    std::size_t mostReads() const { return mostReads_; }

private:
    const RootIndex& index_;
    Findings& findings_;
    std::map<const RootEntry*, std::size_t> reads_;
    std::map<const RootEntry*, std::optional<PictureSize>> pictures_;
    std::size_t mostReads_ = 0;
};

// A name from the data quoted for a message: 'GRYPHON', in UTF-8.
std::string quoted(std::string_view text);

// How findings name a record: its index in its part, with the part's name in
// front when the file has more than one part ("capitals[2]", "header").
std::string recordLabel(const records::FileContent& content, std::size_t part, std::size_t record);

}  // namespace kestrel::check
