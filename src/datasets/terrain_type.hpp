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
#include "core/record_format.hpp"

namespace kestrel::datasets {

// The classes in the order of both class lists; the record stores the index.
inline constexpr std::array<std::string_view, 13> kTerrainClassNames{
    "Basic",   "Water",    "Bonus1", "Bonus2", "Flier", "Illegal", "Feature",
    "Special", "Animated", "Road",   "Forest", "River", "3x3"};

// Indices into terrainClassNames(). Other editors pick terrain out by these
// values, so they never change.
struct TerrainClass {
    static constexpr int kNone = -1, kBasic = 0, kWater = 1, kFeature = 6, kRoad = 9, kForest = 10, kRiver = 11;
};

struct TerrainTypeLimits {
    static constexpr std::size_t kName = 15, kSubtype = 8;
    static constexpr int kMaxMoveCost = 9;
};

// A class, or none chosen.
constexpr core::Field terrainClassField(core::Field f) {
    return f.named(kTerrainClassNames)
        .within(TerrainClass::kNone, static_cast<std::int32_t>(kTerrainClassNames.size()) - 1);
}

// One column of the 3x3 form's real-tile marks: a byte per row, 1 for a mark.
inline constexpr std::array<core::Field, 1> kTerrainMarkColumnFields{core::u8("row", 0, 3).within(0, 1)};
inline constexpr core::Format kTerrainMarkColumnFormat{"mark column", 3, kTerrainMarkColumnFields};
static_assert(core::wellFormed(kTerrainMarkColumnFormat));

// The ninth column of marks takes bytes 84 to 86, behind the other eight;
// byte 87 has no field and stays zero.
inline constexpr std::array<core::Field, 9> kTerrainTypeFields{{
    core::text("name", 0, 16),
    core::text("entryName", 16, 9),
    core::text("adjoins", 25, 9),
    core::text("subtype", 34, 9, 2),
    core::s16("moveCost", 52).within(0, TerrainTypeLimits::kMaxMoveCost),
    terrainClassField(core::s16("terrainClass", 54)),
    core::s16("gridMoveCost", 56).within(0, TerrainTypeLimits::kMaxMoveCost),
    terrainClassField(core::s16("gridClass", 58)),
    core::records("marks", 60, kTerrainMarkColumnFormat, 9),
}};
inline constexpr core::Format kTerrainTypeFormat{"terrain type", 88, kTerrainTypeFields};
static_assert(core::wellFormed(kTerrainTypeFormat));

struct TerrainTypeLayout {
    static constexpr std::size_t kSize = kTerrainTypeFormat.size;
    static constexpr std::size_t kName = kTerrainTypeFormat.at("name"), kNameSize = kTerrainTypeFormat.sizeOf("name");
    static constexpr std::size_t kEntryName = kTerrainTypeFormat.at("entryName"),
                                 kEntryNameSize = kTerrainTypeFormat.sizeOf("entryName");
    static constexpr std::size_t kAdjoins = kTerrainTypeFormat.at("adjoins");
    static constexpr std::size_t kFirstSubtype = kTerrainTypeFormat.field("subtype").elementAt(0),
                                 kSecondSubtype = kTerrainTypeFormat.field("subtype").elementAt(1),
                                 kSubtypeSize = kTerrainTypeFormat.sizeOf("subtype");
    static constexpr std::size_t kMoveCost = kTerrainTypeFormat.at("moveCost"),
                                 kClass = kTerrainTypeFormat.at("terrainClass"),
                                 kGridMoveCost = kTerrainTypeFormat.at("gridMoveCost"),
                                 kGridClass = kTerrainTypeFormat.at("gridClass");
    // One byte per mark, column by column: terrainMarkOffset().
    static constexpr int kColumns = static_cast<int>(kTerrainTypeFormat.field("marks").count);
    static constexpr int kRows = static_cast<int>(kTerrainMarkColumnFormat.field("row").count);
};

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
