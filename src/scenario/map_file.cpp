#include "scenario/map_file.hpp"

#include <algorithm>

#include "core/le.hpp"
#include "core/record_fields.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

using L = MapHeaderLayout;

constexpr std::array<MapSize, 6> kSizes{{
    {32, 40, 32, 5, 1280},
    {40, 50, 64, 6, 3200},
    {60, 75, 64, 6, 4800},
    {80, 100, 128, 7, 12800},
    {100, 125, 128, 7, 16000},
    {128, 160, 128, 7, 20480},
}};

constexpr std::array<int, L::kOtherWordCount> kNewOtherWords{250, 200, 0, 0};

constexpr bool allInWords(const core::Format& format) {
    for (const core::Field& f : format.fields)
        if (f.type != core::FieldType::Bits || f.size != 2 || f.count != 1) return false;
    return true;
}
static_assert(allInWords(kMapCellFormat), "the accessors read 16-bit words");

constexpr const core::Field& kTerrainSlot = kMapCellFormat.field("terrainSlot");
constexpr const core::Field& kVariant = kMapCellFormat.field("variant");
constexpr const core::Field& kArea = kMapCellFormat.field("area");
constexpr const core::Field& kOverlayKind = kMapCellFormat.field("overlayKind");
constexpr const core::Field& kRoadPicture = kMapCellFormat.field("roadPicture");
constexpr const core::Field& kRoadColumn = kMapCellFormat.field("roadColumn");
constexpr const core::Field& kRoadRow = kMapCellFormat.field("roadRow");

int get(const MapCell& c, const core::Field& f) { return (core::getU16(c.bytes, f.at) >> f.bit) & ((1 << f.bits) - 1); }

void set(MapCell& c, const core::Field& f, int value) {
    const unsigned mask = ((1u << f.bits) - 1) << f.bit;
    const unsigned word = core::getU16(c.bytes, f.at);
    const unsigned updated = (word & ~mask) | ((static_cast<unsigned>(value) << f.bit) & mask);
    core::putU16(c.bytes, f.at, static_cast<std::uint16_t>(updated));
}

}  // namespace

std::span<const MapSize> mapSizes() { return kSizes; }

int mapSizeIndexForWidth(int width) {
    const auto it = std::find_if(kSizes.begin(), kSizes.end(), [width](const MapSize& s) { return s.width == width; });
    return it == kSizes.end() ? 0 : static_cast<int>(it - kSizes.begin());
}

std::ostream& operator<<(std::ostream& out, const MapHeader& h) {
    out << "MapHeader{" << h.width << "x" << h.height << ", stride " << h.stride << " (" << h.strideShift << "), cells "
        << h.cellCount << ", words";
    for (const int w : h.otherWords) out << " " << w;
    return out << "}";
}

MapHeader mapHeaderFor(const MapSize& s) {
    return {s.width, s.height, s.stride, s.strideShift, s.cellCount, kNewOtherWords};
}

MapHeader readMapHeader(std::span<const std::uint8_t> bytes) {
    const core::RecordReader r(bytes.first(std::min(bytes.size(), L::kSize)));
    MapHeader h{r.s16(L::kWidth), r.s16(L::kHeight), r.s16(L::kStride), r.s16(L::kStrideShift), r.s16(L::kCellCount)};
    for (std::size_t i = 0; i < L::kOtherWordCount; ++i) h.otherWords[i] = r.s16(L::kOtherWords + 2 * i);
    return h;
}

core::Bytes writeMapHeader(const MapHeader& h) {
    core::RecordWriter w(L::kSize);
    w.s16(L::kWidth, h.width);
    w.s16(L::kHeight, h.height);
    w.s16(L::kStride, h.stride);
    w.s16(L::kStrideShift, h.strideShift);
    w.s16(L::kCellCount, h.cellCount);
    for (std::size_t i = 0; i < L::kOtherWordCount; ++i) w.s16(L::kOtherWords + 2 * i, h.otherWords[i]);
    return w.take();
}

std::optional<std::string> mapFileFault(const MapHeader& h, std::size_t fileSize) {
    if (fileSize < L::kSize)
        return "it ends after " + std::to_string(fileSize) + " bytes, inside its " + std::to_string(L::kSize) +
               "-byte header";
    if (h.stride <= 0) return "its row stride is " + std::to_string(h.stride);
    if (h.stride < h.width)
        return "its row stride " + std::to_string(h.stride) + " is below its width " + std::to_string(h.width);
    const std::size_t named = static_cast<std::size_t>(h.stride) * static_cast<std::size_t>(std::max(0, h.height));
    const std::size_t held = (fileSize - L::kSize) / kMapCellSize;
    if (held < named)
        return "it holds " + std::to_string(held) + " of the " + std::to_string(named) + " tiles its header names";
    return std::nullopt;
}

std::size_t mapCellOffset(const MapHeader& h, int x, int y) {
    return L::kSize + (static_cast<std::size_t>(y) * static_cast<std::size_t>(h.stride) + static_cast<std::size_t>(x)) *
                          kMapCellSize;
}

int MapCell::terrainSlot() const { return get(*this, kTerrainSlot); }
int MapCell::variant() const { return get(*this, kVariant); }
int MapCell::area() const { return get(*this, kArea); }
int MapCell::overlayKind() const { return get(*this, kOverlayKind); }
int MapCell::roadPicture() const { return get(*this, kRoadPicture); }
int MapCell::roadColumn() const { return get(*this, kRoadColumn); }
int MapCell::roadRow() const { return get(*this, kRoadRow); }
void MapCell::setTerrainSlot(int value) { set(*this, kTerrainSlot, value); }
void MapCell::setVariant(int value) { set(*this, kVariant, value); }
void MapCell::setArea(int value) { set(*this, kArea, value); }
void MapCell::setOverlayKind(int value) { set(*this, kOverlayKind, value); }
void MapCell::setRoadPicture(int value) { set(*this, kRoadPicture, value); }
void MapCell::setRoadColumn(int value) { set(*this, kRoadColumn, value); }
void MapCell::setRoadRow(int value) { set(*this, kRoadRow, value); }

std::ostream& operator<<(std::ostream& out, const MapCell& c) {
    out << "MapCell{terrain " << c.terrainSlot() << ", variant " << c.variant() << ", area " << c.area() << ", overlay "
        << c.overlayKind() << ", bytes";
    for (const auto b : c.bytes) out << " " << static_cast<int>(b);
    return out << "}";
}

MapCell readMapCell(std::span<const std::uint8_t> file, std::size_t offset) {
    const core::RecordReader r(file);
    MapCell c;
    for (std::size_t i = 0; i < kMapCellSize; ++i) c.bytes[i] = r.u8(offset + i);
    return c;
}

bool putMapCell(std::span<std::uint8_t> file, std::size_t offset, const MapCell& cell) {
    if (offset > file.size() || file.size() - offset < kMapCellSize) return false;
    std::copy(cell.bytes.begin(), cell.bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
    return true;
}

core::Bytes newMapFile(const MapSize& size) {
    core::Bytes file = writeMapHeader(mapHeaderFor(size));
    file.resize(L::kSize + static_cast<std::size_t>(size.cellCount) * kMapCellSize, 0);
    return file;
}

std::optional<MapHeader> loadMapHeader(const core::DataRoot& root, std::string_view scenario) {
    const auto bytes = root.read(scenarioFile(scenario, kMapFile), L::kSize);
    if (!bytes) return std::nullopt;
    return readMapHeader(*bytes);
}

MapWrite writeMapSize(const core::DataRoot& root, std::string_view scenario, const MapSize& size) {
    const std::string path = scenarioFile(scenario, kMapFile);
    const auto start = root.read(path, L::kSize);
    if (!start && root.isFile(path)) return MapWrite::Failed;  // there, but its tiles cannot be kept
    if (!start || start->size() < L::kSize)
        return root.writeAtomic(path, newMapFile(size)) ? MapWrite::Created : MapWrite::Failed;
    // Only the header changes, so the rest is streamed over whatever its length.
    return root.replaceStart(path, writeMapHeader(mapHeaderFor(size))) ? MapWrite::Resized : MapWrite::Failed;
}

}  // namespace kestrel::scenario
