#include "datasets/terrain_type.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "core/le.hpp"
#include "datasets/entry_lists.hpp"
#include "datasets/terrain_subtype.hpp"
#include "datasets/terrain_type_editor.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::datasets {
namespace {

using testing::TempRoot;
using Ids = TerrainTypeIds;

std::string textAt(const core::Bytes& r, std::size_t offset) { return reinterpret_cast<const char*>(&r[offset]); }

void putText(core::Bytes& r, std::size_t offset, std::string_view text) {
    std::copy(text.begin(), text.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
}

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

TEST(TerrainTypeRecord, NewTerrainDefaults) {
    core::Bytes expected(88, 0);
    putText(expected, 0, "MARSH");
    putText(expected, 16, "MARSH");
    expected[52] = 2;  // move cost
    expected[54] = 6;  // class Feature; 3x3 move cost and class Basic are zero
    EXPECT_EQ(writeTerrainType(newTerrainType("MARSH")), expected);
}

TEST(TerrainTypeRecord, FieldsAtTheirOffsets) {
    const core::Bytes r = writeTerrainType(sampleType());
    ASSERT_EQ(r.size(), 88u);
    EXPECT_EQ(textAt(r, 0), "Fifteen Letters");
    EXPECT_EQ(r[15], 0);
    EXPECT_EQ(textAt(r, 16), "MARSH");
    EXPECT_EQ(textAt(r, 25), "WATER");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[34]), 9), std::string("ABCDEFGH\0", 9));
    EXPECT_EQ(textAt(r, 43), "GRASS");
    EXPECT_EQ(core::getS16(r, 52), 9);
    EXPECT_EQ(r[54], 0xFF);  // no class
    EXPECT_EQ(r[55], 0xFF);
    EXPECT_EQ(core::getS16(r, 56), 7);
    EXPECT_EQ(core::getS16(r, 58), 12);
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

TEST(TerrainTypeRecord, AnyNonZeroMarkByteIsAMarkAndByte87IsIgnored) {
    core::Bytes r = writeTerrainType(newTerrainType("X"));
    r[61] = 0x80;
    r[86] = 2;
    r[87] = 0xFF;
    TerrainType t = readTerrainType(r);
    EXPECT_TRUE(t.marks[0][1]);
    EXPECT_TRUE(t.marks[8][2]);
    const core::Bytes again = writeTerrainType(t);
    EXPECT_EQ(again[61], 1);
    EXPECT_EQ(again[86], 1);
    EXPECT_EQ(again[87], 0);
}

TEST(TerrainTypeRecord, ShortRecordsAndFullTextFields) {
    core::Bytes r(88, 'A');
    EXPECT_EQ(readTerrainType(r).name, std::string(16, 'A'));
    EXPECT_EQ(readTerrainType(r).adjoins, std::string(9, 'A'));
    r.resize(52);  // ends before the move cost
    const TerrainType t = readTerrainType(r);
    EXPECT_EQ(t.subtypes[1], std::string(9, 'A'));
    EXPECT_EQ(t.moveCost, 0);
    EXPECT_EQ(t.terrainClass, 0);
    EXPECT_FALSE(t.marks[0][0]);
    EXPECT_EQ(readTerrainType({}).name, "");
}

TEST(TerrainClasses, OrderIsFixed) {
    const auto names = terrainClassNames();
    ASSERT_EQ(names.size(), 13u);
    EXPECT_EQ(names.front(), "Basic");
    EXPECT_EQ(names.back(), "3x3");
    // Other editors pick these out by number.
    EXPECT_EQ(names[9], "Road");
    EXPECT_EQ(names[10], "Forest");
    EXPECT_EQ(names[11], "River");
    EXPECT_EQ(TerrainClass::kRoad, 9);
    EXPECT_EQ(TerrainClass::kRiver, 11);
}

// A root with three subtypes; opens the editor on MARSH.TER (when given), lets
// `play` act on it and notes whether it closed.
struct TerrainEditorRun {
    TempRoot t;
    ui::HeadlessHost host;
    bool closed = false;
    TerrainEditorRun() {
        for (const char* name : {"HILLS", "GRASS", "grassy"})
            t.write(std::string("TERRAIN/SUBTYPE/") + name + ".STT", writeTerrainSubtype(newTerrainSubtype(name)));
    }
    void run(const std::optional<core::Bytes>& record, const std::function<void(ui::Window&)>& play) {
        if (record) t.write("TERRAIN/DATA/MARSH.TER", *record);
        TerrainTypeEditor editor(host, t.root(), "MARSH");
        host.onNextModal([&](ui::Window& w) {
            play(w);
            closed = w.isClosed();
        });
        host.runModal(editor);
    }
    core::Bytes written() const { return t.read("TERRAIN/DATA/MARSH.TER"); }
};

TEST(TerrainTypeEditor, MoveCostsOutsideZeroToNineAreRefusedAndNothingIsWritten) {
    const struct {
        int id;
        const char* text;
        const char* message;
    } cases[]{
        {Ids::kMoveCost, "10", "Please enter an integer between 0 and 9."},
        {Ids::kMoveCost, "-1", "Please enter an integer between 0 and 9."},
        {Ids::kGridMoveCost, "10", "Please enter an integer between 0 and 9."},
        {Ids::kGridMoveCost, "two", "Please enter an integer."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.id << " " << c.text);
        const core::Bytes record = writeTerrainType(sampleType());
        TerrainEditorRun e;
        e.run(record, [&](ui::Window& w) {
            w.userType(Ids::kName, "Changed");
            w.userType(c.id, c.text);
            w.userClick(ui::kIdOk);
        });
        EXPECT_FALSE(e.closed);
        ASSERT_EQ(e.host.messages().size(), 1u);
        EXPECT_EQ(e.host.messages()[0].caption, "kstred");
        EXPECT_EQ(e.host.messages()[0].text, c.message);
        EXPECT_EQ(e.written(), record);
    }
    TerrainEditorRun edge;
    edge.run(writeTerrainType(sampleType()), [](ui::Window& w) {
        w.userType(Ids::kMoveCost, "0");
        w.userType(Ids::kGridMoveCost, "9");
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(edge.host.messages().empty());
    EXPECT_EQ(core::getS16(edge.written(), 52), 0);
    EXPECT_EQ(core::getS16(edge.written(), 56), 9);
}

TEST(TerrainTypeEditor, NoClassOrAnUnknownOneShowsNothingAndStaysMinusOne) {
    TerrainType stored = sampleType();
    stored.terrainClass = TerrainClass::kNone;
    stored.gridClass = 13;  // past the table
    TerrainEditorRun e;
    e.run(writeTerrainType(stored), [](ui::Window& w) {
        EXPECT_EQ(w.selection(Ids::kClass), -1);
        EXPECT_EQ(w.selection(Ids::kGridClass), -1);
        EXPECT_EQ(w.items(Ids::kClass).size(), 13u);
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(e.closed);
    const core::Bytes r = e.written();
    EXPECT_EQ(core::getS16(r, 54), -1);
    EXPECT_EQ(core::getS16(r, 58), -1);

    TerrainEditorRun chosen;
    chosen.run(writeTerrainType(stored), [](ui::Window& w) {
        w.userSelect(Ids::kClass, TerrainClass::kRiver);
        w.userSelect(Ids::kGridClass, 12);
        w.userClick(ui::kIdOk);
    });
    EXPECT_EQ(core::getS16(chosen.written(), 54), 11);
    EXPECT_EQ(core::getS16(chosen.written(), 58), 12);
}

TEST(TerrainTypeEditor, SubtypeCombosOfferEverySubtypeAndKeepWhatIsTyped) {
    TerrainType stored = sampleType();
    stored.adjoins = "gra";        // begins GRASS: shows it
    stored.subtypes[0] = "SWAMP";  // no such subtype: shows as stored
    stored.subtypes[1] = "";
    TerrainEditorRun e;
    e.run(writeTerrainType(stored), [](ui::Window& w) {
        for (const int id : {Ids::kAdjoins, Ids::kFirstSubtype, Ids::kSecondSubtype})
            EXPECT_EQ(w.items(id), (std::vector<std::string>{"GRASS", "grassy", "HILLS"})) << id;
        EXPECT_EQ(w.text(Ids::kAdjoins), "GRASS");
        EXPECT_EQ(w.text(Ids::kFirstSubtype), "SWAMP");
        EXPECT_EQ(w.selection(Ids::kSecondSubtype), -1);
        w.userType(Ids::kSecondSubtype, "Bog");
        w.userClick(ui::kIdOk);
    });
    ASSERT_TRUE(e.closed);
    const TerrainType saved = readTerrainType(e.written());
    EXPECT_EQ(saved.adjoins, "GRASS");
    EXPECT_EQ(saved.subtypes[0], "SWAMP");
    EXPECT_EQ(saved.subtypes[1], "Bog");
}

TEST(TerrainTypeEditor, OkRewritesTheEntryNameAtSixteen) {
    core::Bytes record = writeTerrainType(sampleType());
    std::fill(record.begin() + 16, record.begin() + 25, 'Z');
    TerrainEditorRun e;
    e.run(record, [](ui::Window& w) { w.userClick(ui::kIdOk); });
    const core::Bytes r = e.written();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[16]), 9), std::string("MARSH\0\0\0\0", 9));
    record[16] = 'M', record[17] = 'A', record[18] = 'R', record[19] = 'S', record[20] = 'H';
    std::fill(record.begin() + 21, record.begin() + 25, 0);
    EXPECT_EQ(r, record);  // and nothing else changed
}

TEST(TerrainTypeEditor, MarkBoxesShowAndStoreTheirBytes) {
    TerrainType stored = newTerrainType("MARSH");
    stored.marks[0][0] = stored.marks[2][1] = stored.marks[8][0] = stored.marks[8][2] = true;
    TerrainEditorRun e;
    e.run(writeTerrainType(stored), [](ui::Window& w) {
        for (const int id : {1323, 1334, 1331, 1358}) EXPECT_TRUE(w.checked(id)) << id;
        for (const int id : {1324, 1332, 1340, 1350, 1357}) EXPECT_FALSE(w.checked(id)) << id;
        w.userCheck(1323, false);  // column 0, row 0
        w.userCheck(1340, true);   // column 8, row 1
        w.userCheck(1352, true);   // column 2, row 2
        w.userClick(ui::kIdOk);
    });
    const core::Bytes r = e.written();
    core::Bytes marks(r.begin() + 60, r.end());
    core::Bytes expected(28, 0);
    expected[67 - 60] = 1;  // column 2, row 1
    expected[68 - 60] = 1;  // column 2, row 2
    expected[84 - 60] = expected[85 - 60] = expected[86 - 60] = 1;
    EXPECT_EQ(marks, expected);
}

TEST(TerrainTypeEditor, VanishedRecordOpensEmptyAndOkWritesIt) {
    TerrainEditorRun e;
    e.t.mkdir("TERRAIN/DATA");
    e.run(std::nullopt, [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kName), "");
        EXPECT_EQ(w.text(Ids::kMoveCost), "0");
        EXPECT_EQ(w.text(Ids::kGridMoveCost), "0");
        EXPECT_EQ(w.selection(Ids::kClass), -1);
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(e.closed);
    core::Bytes expected(88, 0);
    putText(expected, 16, "MARSH");
    expected[54] = expected[55] = expected[58] = expected[59] = 0xFF;
    EXPECT_EQ(e.written(), expected);
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
