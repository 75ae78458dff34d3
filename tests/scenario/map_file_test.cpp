#include "scenario/map_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/le.hpp"
#include "support/as_other_user.hpp"
#include "support/temp_root.hpp"

namespace kestrel::scenario {
namespace {

using testing::TempRoot;

constexpr const char* kMapPath = "SCENARIO/ISLANDS/MAP.DAT";

std::vector<int> headerWords(const core::Bytes& file) {
    std::vector<int> words;
    for (std::size_t at = 0; at < 18; at += 2) words.push_back(core::getS16(file, at));
    return words;
}

// A map whose every byte tells where it is, so any moved or lost byte shows.
core::Bytes patternedMap(const MapSize& size, std::size_t extra = 0) {
    core::Bytes file = newMapFile(size);
    file.resize(file.size() + extra);
    for (std::size_t i = 18; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return file;
}

TEST(MapFile, EachSizeHasItsHeaderAndCells) {
    const std::vector<std::vector<int>> words{
        {32, 40, 32, 5, 1280, 250, 200, 0, 0},     {40, 50, 64, 6, 3200, 250, 200, 0, 0},
        {60, 75, 64, 6, 4800, 250, 200, 0, 0},     {80, 100, 128, 7, 12800, 250, 200, 0, 0},
        {100, 125, 128, 7, 16000, 250, 200, 0, 0}, {128, 160, 128, 7, 20480, 250, 200, 0, 0},
    };
    ASSERT_EQ(mapSizes().size(), words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const core::Bytes file = newMapFile(mapSizes()[i]);
        ASSERT_EQ(file.size(), 18u + static_cast<std::size_t>(words[i][4]) * 10) << i;
        EXPECT_EQ(headerWords(file), words[i]);
        EXPECT_TRUE(std::all_of(file.begin() + 18, file.end(), [](auto b) { return b == 0; })) << i;
        EXPECT_EQ(mapSizeIndexForWidth(words[i][0]), static_cast<int>(i));
    }
    for (const int width : {0, -32, 31, 33, 64, 32767}) EXPECT_EQ(mapSizeIndexForWidth(width), 0) << width;
}

TEST(MapFile, CellFieldsChangeOnlyTheirBits) {
    MapCell c;
    c.bytes.fill(0xFF);
    c.setTerrainSlot(0);
    c.setVariant(7);
    EXPECT_EQ(core::getU16(c.bytes, 0), 0xFCE0);  // slot bits 0-4, variant 5-9; 10-15 kept
    c.setArea(0x12);
    c.setOverlayKind(1);
    EXPECT_EQ(core::getU16(c.bytes, 2), 0xF912);  // area 0-7, overlay 8-10; 11-15 kept
    c.setRoadPicture(1);
    c.setRoadColumn(2);
    c.setRoadRow(3);
    EXPECT_EQ(core::getU16(c.bytes, 8), 0xFF51);  // bit 4 and bits 10-15 kept
    EXPECT_EQ(core::getU32(c.bytes, 4), 0xFFFFFFFFu);
    EXPECT_EQ((std::vector{c.terrainSlot(), c.variant(), c.area(), c.overlayKind(), c.roadPicture(), c.roadColumn(),
                           c.roadRow()}),
              (std::vector{0, 7, 0x12, 1, 1, 2, 3}));
    c.setTerrainSlot(21 + 32);  // wider than the field: cut to it
    EXPECT_EQ(c.terrainSlot(), 21);
    EXPECT_EQ(c.variant(), 7);

    core::Bytes file = newMapFile(mapSizes()[1]);  // 40 wide, stride 64
    const std::size_t last = mapCellOffset(mapHeaderFor(mapSizes()[1]), 39, 49);
    EXPECT_EQ(last, 18u + (49 * 64 + 39) * 10);
    ASSERT_TRUE(putMapCell(file, last, c));
    EXPECT_EQ(readMapCell(file, last), c);
    EXPECT_FALSE(putMapCell(file, file.size() - 9, c));
}

// Created when missing or shorter than its header; otherwise only the header
// changes, however long the file.
TEST(MapFile, CreatedOrResizedKeepingEveryOtherByte) {
    TempRoot t;
    EXPECT_FALSE(loadMapHeader(t.root(), "ISLANDS"));
    EXPECT_EQ(writeMapSize(t.root(), "ISLANDS", mapSizes()[0]), MapWrite::Failed);  // no scenario folder
    t.mkdir("SCENARIO/ISLANDS");
    EXPECT_EQ(writeMapSize(t.root(), "ISLANDS", mapSizes()[0]), MapWrite::Created);
    EXPECT_EQ(t.read(kMapPath), newMapFile(mapSizes()[0]));
    std::filesystem::remove(t.path() / kMapPath);
    EXPECT_EQ(writeMapSize(t.root(), "ISLANDS", mapSizes()[5]), MapWrite::Created);
    EXPECT_EQ(t.read(kMapPath), newMapFile(mapSizes()[5]));

    t.write(kMapPath, core::Bytes{40, 0, 50});
    EXPECT_EQ(loadMapHeader(t.root(), "ISLANDS"), (MapHeader{40, 50}));
    EXPECT_EQ(writeMapSize(t.root(), "ISLANDS", mapSizes()[2]), MapWrite::Created);
    EXPECT_EQ(t.read(kMapPath), newMapFile(mapSizes()[2]));

    // Longer than any map is read, bytes behind its cells included.
    const core::Bytes huge = patternedMap(mapSizes()[5], kMapReadLimit);
    t.write(kMapPath, huge);
    EXPECT_EQ(writeMapSize(t.root(), "ISLANDS", mapSizes()[0]), MapWrite::Resized);
    const core::Bytes after = t.read(kMapPath);
    ASSERT_EQ(after.size(), huge.size());
    EXPECT_EQ(headerWords(after), headerWords(newMapFile(mapSizes()[0])));
    EXPECT_TRUE(std::equal(after.begin() + 18, after.end(), huge.begin() + 18));

    // There but unreadable: not replaced by an empty map.
    const core::Bytes map = patternedMap(mapSizes()[0]);
    t.write(kMapPath, map);
    std::filesystem::permissions(t.path() / kMapPath, std::filesystem::perms::owner_write);
    testing::handOver(t.path());
    EXPECT_TRUE(
        testing::asOtherUser([&] { return writeMapSize(t.root(), "ISLANDS", mapSizes()[3]) == MapWrite::Failed; }));
    std::filesystem::permissions(t.path() / kMapPath, std::filesystem::perms::owner_all);
    EXPECT_EQ(t.read(kMapPath), map);
}

}  // namespace
}  // namespace kestrel::scenario
