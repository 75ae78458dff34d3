#include "datasets/terrain_type.hpp"

#include <gtest/gtest.h>

#include "datasets/entry_lists.hpp"
#include "datasets/terrain_type_editor.hpp"
#include "dataset_testing.hpp"

namespace kestrel::datasets {
namespace {

using testing::TempRoot;
using Ids = TerrainTypeIds;

using namespace std::string_literals;

TerrainType sampleType() {
    TerrainType t = newTerrainType("MARSH");
    t.name = "Fifteen Letters";
    t.adjoins = "WATER";
    t.subtypes = {"ABCDEFGH", "GRASS"};
    t.moveCost = 9;
    t.terrainClass = TerrainClass::kNone;
    t.gridMoveCost = 7;
    t.gridClass = 12;
    t.marks[0][0] = t.marks[4][1] = t.marks[8][2] = true;
    return t;
}

// Move cost, class (none: -1), the 3x3 move cost and class, and three marks.
TEST(TerrainTypeRecord, FieldsAtTheirOffsets) {
    const core::Bytes r = writeTerrainType(sampleType());
    EXPECT_EQ(r, patched(core::Bytes(88, 0), {{0, "Fifteen Letters"}, {16, "MARSH"}, {25, "WATER"}, {34, "ABCDEFGH"},
                                               {43, "GRASS"}, {52, "\x09\0\xFF\xFF\x07\0\x0C\0\x01"s},
                                               {73, "\x01"}, {86, "\x01"}}));
    EXPECT_EQ(readTerrainType(r), sampleType());
}

// Column by column: three bytes (rows) per column from 60, the ninth column at 84.
struct MarkByte {
    int column, row;
    std::size_t offset;
};
constexpr MarkByte kMarkBytes[]{{0, 0, 60}, {0, 2, 62}, {1, 0, 63}, {2, 1, 67}, {3, 0, 69},
                                {7, 0, 81}, {7, 2, 83}, {8, 0, 84}, {8, 1, 85}, {8, 2, 86}};

TEST(TerrainTypeRecord, EachMarkHasItsOwnByte) {
    for (const auto& m : kMarkBytes) {
        SCOPED_TRACE(::testing::Message() << "column " << m.column << " row " << m.row);
        EXPECT_EQ(terrainMarkOffset(m.column, m.row), m.offset);
        TerrainType t = newTerrainType("X");
        t.marks[m.column][m.row] = true;
        const core::Bytes r = writeTerrainType(t);
        for (std::size_t at = 60; at < 88; ++at) EXPECT_EQ(r[at], at == m.offset ? 1 : 0) << at;
        EXPECT_EQ(readTerrainType(r), t);
    }
    EXPECT_THROW(terrainMarkOffset(9, 0), std::out_of_range);
    EXPECT_THROW(terrainMarkOffset(0, 3), std::out_of_range);
    EXPECT_THROW(terrainMarkOffset(-1, 0), std::out_of_range);
}

// Texts without a NUL read to their field's end; any non-zero mark byte is a
// mark, written as 1; byte 87 is ignored and written as 0.
TEST(TerrainTypeRecord, FullTextFieldsMarkBytesAndByte87) {
    EXPECT_EQ(readTerrainType(core::Bytes(88, 'A')).name, std::string(16, 'A'));
    EXPECT_EQ(readTerrainType(core::Bytes(88, 'A')).adjoins, std::string(9, 'A'));
    const core::Bytes fresh = writeTerrainType(newTerrainType("X"));
    const TerrainType t = readTerrainType(patched(fresh, {{61, "\x80"}, {86, "\x02\xFF"}}));
    EXPECT_TRUE(t.marks[0][1]);
    EXPECT_TRUE(t.marks[8][2]);
    EXPECT_EQ(writeTerrainType(t), patched(fresh, {{61, "\x01"}, {86, "\x01"}}));
}

TEST(TerrainTypeEditor, MarkBoxesShowAndStoreTheirBytes) {
    TerrainType stored = newTerrainType("MARSH");
    stored.marks[0][0] = stored.marks[2][1] = stored.marks[8][0] = stored.marks[8][2] = true;
    EditorRun e(Kind::TerrainType, "MARSH");
    e.run(writeTerrainType(stored), [](ui::Window& w) {
        for (const int id : {1323, 1334, 1331, 1358}) EXPECT_TRUE(w.checked(id)) << id;
        for (const int id : {1324, 1332, 1340, 1350, 1357}) EXPECT_FALSE(w.checked(id)) << id;
        w.userCheck(1323, false);  // column 0, row 0
        w.userCheck(1340, true);   // column 8, row 1
        w.userCheck(1352, true);   // column 2, row 2
        clickOk(w);
    });
    // Column 2, rows 1 and 2; column 8, every row.
    EXPECT_EQ(e.saved(), patched(writeTerrainType(newTerrainType("MARSH")), {{67, "\x01\x01"}, {84, "\x01\x01\x01"}}));
}

TEST(SubtypeList, CountsTheSubtypeFilesWithOrWithoutBoxes) {
    TempRoot t;
    EXPECT_EQ(fillSubtypeList(t.root()), 0);  // no folder at all
    t.write("TERRAIN/SUBTYPE/GRASS.STT", "");
    t.write("TERRAIN/SUBTYPE/hills.stt", "");
    t.write("TERRAIN/SUBTYPE/NOTES.TXT", "");
    t.write("TERRAIN/BONUS/MINE.BON", "");
    t.mkdir("TERRAIN/SUBTYPE/OLD.STT");  // a folder, not a subtype
    EXPECT_EQ(fillSubtypeList(t.root()), 2);

    ui::HeadlessHost host;
    TerrainTypeEditor editor(host, t.root(), "MARSH");
    host.onNextModal([&](ui::Window& w) {
        EXPECT_EQ(fillSubtypeList(t.root(), &editor, {Ids::kFirstSubtype}), 2);
        EXPECT_EQ(w.items(Ids::kFirstSubtype), (std::vector<std::string>{"GRASS", "hills"}));
    });
    host.runModal(editor);
}

}  // namespace
}  // namespace kestrel::datasets
