#include "datasets/terrain_subtype.hpp"

#include "core/record_fields.hpp"

namespace kestrel::datasets {

using L = TerrainSubtypeLayout;

std::ostream& operator<<(std::ostream& out, const TerrainSubtype& s) {
    return out << "TerrainSubtype{\"" << s.entryName << "\", \"" << s.name << "\", \"" << s.condensedName << "\"}";
}

TerrainSubtype readTerrainSubtype(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return {r.text(L::kEntryName, L::kEntryNameSize), r.text(L::kName, L::kNameSize),
            r.text(L::kCondensedName, L::kCondensedNameSize)};
}

core::Bytes writeTerrainSubtype(const TerrainSubtype& s) {
    core::RecordWriter w(L::kSize);
    w.text(L::kEntryName, L::kEntryNameSize, s.entryName);
    w.text(L::kName, L::kNameSize, s.name);
    w.text(L::kCondensedName, L::kCondensedNameSize, s.condensedName);
    return w.take();
}

TerrainSubtype newTerrainSubtype(std::string_view entryName) {
    const std::string name(entryName);
    return {name, name, name};
}

}  // namespace kestrel::datasets
