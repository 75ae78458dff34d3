#include "datasets/flag.hpp"

#include "core/record_fields.hpp"

namespace kestrel::datasets {

using L = FlagLayout;

std::ostream& operator<<(std::ostream& out, const Flag& f) { return out << "Flag{\"" << f.entryName << "\"}"; }

Flag readFlag(std::span<const std::uint8_t> record) {
    return {core::RecordReader(record).text(L::kEntryName, L::kEntryNameSize)};
}

core::Bytes writeFlag(const Flag& flag) {
    core::RecordWriter w(L::kSize);
    w.text(L::kEntryName, L::kEntryNameSize, flag.entryName);
    return w.take();
}

Flag newFlag(std::string_view entryName) { return {std::string(entryName)}; }

}  // namespace kestrel::datasets
