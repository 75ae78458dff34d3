#include "scenario/placed_head.hpp"

#include <algorithm>

namespace kestrel::scenario {

using L = PlacedHeadLayout;

namespace {
constexpr std::size_t kCountAt = core::kCountFormat.at("count");
}  // namespace

std::ostream& operator<<(std::ostream& out, const PlacedHead& h) {
    return out << "{\"" << h.name << "\", \"" << h.description << "\", type " << h.type << ", chance " << h.chance
               << ", at " << h.at << "}";
}

PlacedHead readPlacedHead(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return {r.text(L::kName, L::kNameSize),
            r.text(L::kDescription, L::kDescriptionSize),
            r.s16(L::kType),
            r.s16(L::kChance),
            {r.s16(L::kX), r.s16(L::kY)}};
}

void writePlacedHead(core::RecordWriter& w, const PlacedHead& h) {
    w.text(L::kName, L::kNameSize, h.name);
    w.text(L::kDescription, L::kDescriptionSize, h.description);
    w.s16(L::kType, h.type);
    w.s16(L::kChance, h.chance);
    w.s16(L::kX, h.at.x);
    w.s16(L::kY, h.at.y);
}

std::vector<std::span<const std::uint8_t>> countedRecords(std::span<const std::uint8_t> file, std::size_t recordSize,
                                                          std::size_t limit) {
    const int stored = core::RecordReader(file).s16(kCountAt);
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(std::max(stored, 0)), limit);
    std::vector<std::span<const std::uint8_t>> records;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = L::kCountSize + i * recordSize;
        if (at >= file.size()) break;  // the count promises more than the file holds
        records.push_back(file.subspan(at, std::min(recordSize, file.size() - at)));
    }
    return records;
}

core::Bytes countedFile(std::span<const core::Bytes> records, std::size_t limit) {
    const std::size_t count = std::min(records.size(), limit);
    core::RecordWriter head(L::kCountSize);
    head.s16(kCountAt, static_cast<int>(count));
    core::Bytes file = head.take();
    for (std::size_t i = 0; i < count; ++i) file.insert(file.end(), records[i].begin(), records[i].end());
    return file;
}

}  // namespace kestrel::scenario
