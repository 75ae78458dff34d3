#include "datasets/terrain_type.hpp"

#include <stdexcept>

#include "core/record_fields.hpp"

namespace kestrel::datasets {

using L = TerrainTypeLayout;

static_assert(kTerrainClassNames[TerrainClass::kFeature] == "Feature" &&
              kTerrainClassNames[TerrainClass::kRoad] == "Road" &&
              kTerrainClassNames[TerrainClass::kForest] == "Forest" &&
              kTerrainClassNames[TerrainClass::kRiver] == "River");

std::span<const std::string_view> terrainClassNames() { return kTerrainClassNames; }

std::size_t terrainMarkOffset(int column, int row) {
    if (column < 0 || column >= L::kColumns || row < 0 || row >= L::kRows)
        throw std::out_of_range("no terrain mark at column " + std::to_string(column) + ", row " + std::to_string(row));
    return kTerrainTypeFormat.field("marks").elementAt(static_cast<std::size_t>(column)) +
           kTerrainMarkColumnFormat.field("row").elementAt(static_cast<std::size_t>(row));
}

std::ostream& operator<<(std::ostream& out, const TerrainType& t) {
    out << "TerrainType{\"" << t.name << "\", \"" << t.entryName << "\", adjoins \"" << t.adjoins << "\", \""
        << t.subtypes[0] << "\", \"" << t.subtypes[1] << "\", move " << t.moveCost << ", class " << t.terrainClass
        << ", 3x3 move " << t.gridMoveCost << ", 3x3 class " << t.gridClass << ", marks";
    for (int r = 0; r < L::kRows; ++r) {
        out << ' ';
        for (int c = 0; c < L::kColumns; ++c) out << (t.marks[c][r] ? 'x' : '.');
    }
    return out << "}";
}

TerrainType readTerrainType(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    TerrainType t;
    t.name = r.text(L::kName, L::kNameSize);
    t.entryName = r.text(L::kEntryName, L::kEntryNameSize);
    t.adjoins = r.text(L::kAdjoins, L::kSubtypeSize);
    t.subtypes = {r.text(L::kFirstSubtype, L::kSubtypeSize), r.text(L::kSecondSubtype, L::kSubtypeSize)};
    t.moveCost = r.s16(L::kMoveCost);
    t.terrainClass = r.s16(L::kClass);
    t.gridMoveCost = r.s16(L::kGridMoveCost);
    t.gridClass = r.s16(L::kGridClass);
    for (int c = 0; c < L::kColumns; ++c)
        for (int row = 0; row < L::kRows; ++row) t.marks[c][row] = r.u8(terrainMarkOffset(c, row)) != 0;
    return t;
}

core::Bytes writeTerrainType(const TerrainType& t) {
    core::RecordWriter w(L::kSize);
    w.text(L::kName, L::kNameSize, t.name);
    w.text(L::kEntryName, L::kEntryNameSize, t.entryName);
    w.text(L::kAdjoins, L::kSubtypeSize, t.adjoins);
    w.text(L::kFirstSubtype, L::kSubtypeSize, t.subtypes[0]);
    w.text(L::kSecondSubtype, L::kSubtypeSize, t.subtypes[1]);
    w.s16(L::kMoveCost, t.moveCost);
    w.s16(L::kClass, t.terrainClass);
    w.s16(L::kGridMoveCost, t.gridMoveCost);
    w.s16(L::kGridClass, t.gridClass);
    for (int c = 0; c < L::kColumns; ++c)
        for (int row = 0; row < L::kRows; ++row) w.u8(terrainMarkOffset(c, row), t.marks[c][row] ? 1 : 0);
    return w.take();
}

TerrainType newTerrainType(std::string_view entryName) {
    TerrainType t;
    t.name = std::string(entryName);
    t.entryName = std::string(entryName);
    t.moveCost = 2;
    t.terrainClass = TerrainClass::kFeature;
    t.gridClass = TerrainClass::kBasic;
    return t;
}

}  // namespace kestrel::datasets
