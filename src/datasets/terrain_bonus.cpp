#include "datasets/terrain_bonus.hpp"

#include "core/record_fields.hpp"

namespace kestrel::datasets {

using L = TerrainBonusLayout;

std::ostream& operator<<(std::ostream& out, const TerrainBonus& b) {
    return out << "TerrainBonus{\"" << b.entryName << "\", \"" << b.name << "\"}";
}

TerrainBonus readTerrainBonus(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return {r.text(L::kEntryName, L::kEntryNameSize), r.text(L::kName, L::kNameSize)};
}

core::Bytes writeTerrainBonus(const TerrainBonus& b) {
    core::RecordWriter w(L::kSize);
    w.text(L::kEntryName, L::kEntryNameSize, b.entryName);
    w.text(L::kName, L::kNameSize, b.name);
    return w.take();
}

TerrainBonus newTerrainBonus(std::string_view entryName) {
    const std::string name(entryName);
    return {name, name};
}

}  // namespace kestrel::datasets
