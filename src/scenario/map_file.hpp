// The scenario's map (MAP.DAT): an 18-byte header of nine 16-bit words, then
// row stride x height cells of 10 bytes. The map itself is painted by the
// separate map editor; this editor creates the file and sets its size.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "core/record_format.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kMapFile = "MAP.DAT";

inline constexpr std::array<core::Field, 6> kMapHeaderFields{{
    core::s16("width", 0), core::s16("height", 2), core::s16("stride", 4),  // cells stored per row
    core::s16("strideShift", 6), core::s16("cellCount", 8),
    core::s16("otherWords", 10, 4),  // not interpreted, kept as they are
}};
inline constexpr core::Format kMapHeaderFormat{"map header", 18, kMapHeaderFields};
static_assert(core::wellFormed(kMapHeaderFormat));

struct MapHeaderLayout {
    static constexpr std::size_t kSize = kMapHeaderFormat.size;
    static constexpr std::size_t kWidth = kMapHeaderFormat.at("width"), kHeight = kMapHeaderFormat.at("height"),
                                 kStride = kMapHeaderFormat.at("stride"),
                                 kStrideShift = kMapHeaderFormat.at("strideShift"),
                                 kCellCount = kMapHeaderFormat.at("cellCount");
    static constexpr std::size_t kOtherWords = kMapHeaderFormat.at("otherWords"),
                                 kOtherWordCount = kMapHeaderFormat.field("otherWords").count;
};

// What a cell shows on top of its terrain.
inline constexpr std::array<std::string_view, 2> kOverlayKindNames{"symbols", "road"};

// Bit fields of the cell's 16-bit words; the bits and bytes no field names
// are not interpreted and stay as read.
inline constexpr std::array<core::Field, 7> kMapCellFields{{
    core::bits("terrainSlot", 0, 2, 0, 5),  // which of the 22 terrain pictures
    core::bits("variant", 0, 2, 5, 5),      // cell of that picture
    core::bits("area", 2, 2, 0, 8),         // record of AREA.DAT
    core::bits("overlayKind", 2, 2, 8, 3).named(kOverlayKindNames),
    core::bits("roadPicture", 8, 2, 0, 4),
    core::bits("roadColumn", 8, 2, 5, 3),
    core::bits("roadRow", 8, 2, 8, 2),
}};
inline constexpr core::Format kMapCellFormat{"map tile", 10, kMapCellFields};
static_assert(core::wellFormed(kMapCellFormat));

// One of the sizes a new map can have.
struct MapSize {
    int width, height, stride, strideShift, cellCount;
};

// The six sizes, smallest first; the index is the dialog's size choice.
std::span<const MapSize> mapSizes();
// The size choice that shows a map of this width: an unknown width shows the first.
int mapSizeIndexForWidth(int width);

inline constexpr int kLargestMapCells = 20480;
inline constexpr std::size_t kMapCellSize = kMapCellFormat.size;
inline constexpr std::size_t kLargestMapFile = MapHeaderLayout::kSize + kLargestMapCells * kMapCellSize;
// How much of a MAP.DAT is read: the largest map and room for what another
// program may have appended. A longer file is never rewritten.
inline constexpr std::size_t kMapReadLimit = 256 * 1024;

struct MapHeader {
    int width = 0, height = 0, stride = 0, strideShift = 0, cellCount = 0;
    std::array<int, MapHeaderLayout::kOtherWordCount> otherWords{};
    bool operator==(const MapHeader&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MapHeader& header);

// The header of a new map: the size, then 250, 200, 0, 0.
MapHeader mapHeaderFor(const MapSize& size);
// Reads as if padded with zeros when shorter than a header.
MapHeader readMapHeader(std::span<const std::uint8_t> bytes);
core::Bytes writeMapHeader(const MapHeader& header);

// Why a MAP.DAT of `fileSize` bytes is not a whole map: cut inside its
// header, a row stride of 0 or below the width, fewer tiles than its header
// names ("it holds 1000 of the 1280 tiles its header names"). Nothing when
// it is whole.
std::optional<std::string> mapFileFault(const MapHeader& header, std::size_t fileSize);

// Where the cell of map position (x, y) begins in the file.
std::size_t mapCellOffset(const MapHeader& header, int x, int y);

// One cell. Only the named bit fields change; every other bit stays as read.
struct MapCell {
    std::array<std::uint8_t, kMapCellSize> bytes{};

    int terrainSlot() const;
    int variant() const;
    int area() const;
    int overlayKind() const;  // 0 symbols, 1 road
    int roadPicture() const;
    int roadColumn() const;
    int roadRow() const;
    void setTerrainSlot(int value);
    void setVariant(int value);
    void setArea(int value);
    void setOverlayKind(int value);
    void setRoadPicture(int value);
    void setRoadColumn(int value);
    void setRoadRow(int value);

    bool operator==(const MapCell&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MapCell& cell);

// The cell at `offset`; bytes past the end of the buffer read as zero.
MapCell readMapCell(std::span<const std::uint8_t> file, std::size_t offset);
// Stores the cell when it lies wholly inside the buffer.
bool putMapCell(std::span<std::uint8_t> file, std::size_t offset, const MapCell& cell);

// A new map: its header, then cell count zero cells.
core::Bytes newMapFile(const MapSize& size);

// The header of the scenario's MAP.DAT, or nothing when it cannot be read.
std::optional<MapHeader> loadMapHeader(const core::DataRoot& root, std::string_view scenario);

enum class MapWrite {
    Created,  // there was none: a new map of the size
    Resized,  // only the header changed; every other byte is kept, however many
    Failed,   // the file could not be read or written, and is as it was
};

// Creates the scenario's map in the given size, or rewrites the header of the
// one there. A file shorter than its header holds no cells, so it is made anew.
MapWrite writeMapSize(const core::DataRoot& root, std::string_view scenario, const MapSize& size);

}  // namespace kestrel::scenario
