#include "datasets/ruin_set.hpp"

#include "core/record_fields.hpp"

namespace kestrel::datasets {

using L = RuinSetLayout;

std::ostream& operator<<(std::ostream& out, const RuinSet& s) {
    return out << "RuinSet{\"" << s.entryName << "\", removeTop " << s.removeTop << "}";
}

RuinSet readRuinSet(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return {r.text(L::kEntryName, L::kEntryNameSize), r.s8(L::kRemoveTop) != 0};
}

core::Bytes writeRuinSet(const RuinSet& set) {
    core::RecordWriter w(L::kSize);
    w.text(L::kEntryName, L::kEntryNameSize, set.entryName);
    w.s8(L::kRemoveTop, set.removeTop ? 1 : 0);
    return w.take();
}

RuinSet newRuinSet(std::string_view entryName) { return {std::string(entryName), false}; }

}  // namespace kestrel::datasets
