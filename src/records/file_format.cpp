#include "records/file_format.hpp"

#include <algorithm>

#include "records/record_leaves.hpp"

namespace kestrel::records {

namespace {

struct Reader {
    std::span<const std::uint8_t> file;
    std::size_t at = 0;

    bool more() const { return at < file.size(); }

    RecordBytes take(const core::Format& format) {
        const std::size_t length = std::min(format.size, file.size() - at);
        RecordBytes r{&format, core::Bytes(format.size, 0), length};
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(at), length, r.bytes.begin());
        at += length;
        return r;
    }

    // At most `wanted` records, as many as begin inside the file.
    void takeRecords(PartContent& part, std::int64_t wanted) {
        for (std::int64_t i = 0; i < wanted && more(); ++i) part.records.push_back(take(*part.part->format));
    }
};

}  // namespace

const core::Format& countFormat() { return core::kCountFormat; }

std::int64_t numberOf(const RecordBytes& record, std::string_view field) {
    const Leaf* leaf = leavesOf(*record.format).find(field);
    return leaf ? readLeaf(*leaf, record.bytes).number : 0;
}

FileContent splitFile(const FileFormat& format, std::span<const std::uint8_t> file) {
    FileContent content{&format, {}, {}};
    Reader reader{file};
    for (const Part& part : format.parts) {
        // The first part is there even in an empty file: cut to nothing.
        if (!reader.more() && !content.parts.empty()) break;
        PartContent& p = content.parts.emplace_back(PartContent{&part, std::nullopt, {}});
        switch (part.shape) {
            case PartShape::Record:
                p.records.push_back(reader.take(*part.format));
                break;
            case PartShape::Counted:
                p.count = reader.take(core::kCountFormat);
                reader.takeRecords(p, numberOf(*p.count, "count"));
                break;
            case PartShape::Grid: {
                const RecordBytes& first = content.parts.front().records.front();
                reader.takeRecords(p, numberOf(first, part.across) * numberOf(first, part.down));
                break;
            }
        }
    }
    content.extra.assign(file.begin() + static_cast<std::ptrdiff_t>(reader.at), file.end());
    return content;
}

core::Bytes joinFile(const FileContent& content) {
    core::Bytes out;
    const auto append = [&out](const RecordBytes& r) {
        out.insert(out.end(), r.bytes.begin(), r.bytes.begin() + static_cast<std::ptrdiff_t>(r.length));
    };
    for (const PartContent& part : content.parts) {
        if (part.count) append(*part.count);
        for (const RecordBytes& r : part.records) append(r);
    }
    out.insert(out.end(), content.extra.begin(), content.extra.end());
    return out;
}

}  // namespace kestrel::records
