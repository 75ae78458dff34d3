// Terrain type record: its names, the subtypes it adjoins and consists of,
// move cost and class, and its 3x3 form with the real-tile marks.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"

namespace kestrel::datasets {

struct TerrainTypeLayout {
    static constexpr std::size_t kSize = 88;
    static constexpr std::size_t kName = 0, kNameSize = 16;
    static constexpr std::size_t kEntryName = 16, kEntryNameSize = 9;
    static constexpr std::size_t kAdjoins = 25, kFirstSubtype = 34, kSecondSubtype = 43, kSubtypeSize = 9;
    static constexpr std::size_t kMoveCost = 52, kClass = 54, kGridMoveCost = 56, kGridClass = 58;
    // One byte per mark, column by column: columns 0 to 7 from kMarks, the
    // last column in the reserved bytes from kLastColumnMarks; byte 87 stays zero.
    static constexpr std::size_t kMarks = 60, kLastColumnMarks = 84;
    static constexpr int kColumns = 9, kRows = 3;
};

struct TerrainTypeLimits {
    static constexpr std::size_t kName = 15, kSubtype = 8;
    static constexpr int kMaxMoveCost = 9;
};

// Indices into terrainClassNames(). Other editors pick terrain out by these
// values, so they never change.
struct TerrainClass {
    static constexpr int kNone = -1, kBasic = 0, kWater = 1, kFeature = 6, kRoad = 9, kForest = 10, kRiver = 11;
};

// The classes in the order of both class lists; the record stores the index.
std::span<const std::string_view> terrainClassNames();

// The byte that holds the mark of column 0..8 and row 0..2.
std::size_t terrainMarkOffset(int column, int row);

struct TerrainType {
    std::string name;
    std::string entryName;
    std::string adjoins;
    std::array<std::string, 2> subtypes;
    int moveCost = 0;
    int terrainClass = TerrainClass::kNone;
    int gridMoveCost = 0;
    int gridClass = TerrainClass::kNone;
    std::array<std::array<bool, TerrainTypeLayout::kRows>, TerrainTypeLayout::kColumns> marks{};  // [column][row]
    bool operator==(const TerrainType&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TerrainType& type);

// Any non-zero mark byte is a mark; fields past the end of a short record read as zero.
TerrainType readTerrainType(std::span<const std::uint8_t> record);
core::Bytes writeTerrainType(const TerrainType& type);
TerrainType newTerrainType(std::string_view entryName);

}  // namespace kestrel::datasets
