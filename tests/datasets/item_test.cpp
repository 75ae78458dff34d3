#include "datasets/item.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "core/le.hpp"
#include "datasets/item_editor.hpp"
#include "sample/pcx_writer.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;

Item sampleItem() {
    Item i;
    i.name = "Ring of Dawn";
    i.description = "Glows at sunrise.";
    i.entryName = "DAWN";
    i.icon = 13;
    i.powerClass = 3;
    i.value = 1500;
    i.hasCharges = true;
    i.charges = 99;
    i.hasLimit = false;
    i.limit = 7;
    i.abilities[0] = {31, 2, -1, "MEDAL"};
    i.abilities[1] = {9, 0, 0, ""};
    return i;
}

TEST(ItemRecord, FieldsAtTheirOffsets) {
    const core::Bytes r = writeItem(sampleItem());
    ASSERT_EQ(r.size(), 216u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[0])), "Ring of Dawn");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[32])), "Glows at sunrise.");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[160])), "DAWN");
    for (std::size_t off = 169; off < 176; ++off) EXPECT_EQ(r[off], 0) << off;  // padding and reserved words
    EXPECT_EQ(r[176], 13 << 2);
    EXPECT_EQ(r[177], 0);
    EXPECT_EQ(r[178], 3);
    EXPECT_EQ(r[179], 0);
    EXPECT_EQ(core::getS16(r, 180), 1500);
    EXPECT_EQ(r[182], 199);  // 99 charges, flag set
    EXPECT_EQ(r[183], 14);   // limit 7 kept, flag clear
    EXPECT_EQ(core::getS16(r, 184), 31);
    EXPECT_EQ(core::getS16(r, 186), 2);
    EXPECT_EQ(core::getS16(r, 188), -1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&r[190])), "MEDAL");
    EXPECT_EQ(r[199], 0);
    EXPECT_EQ(core::getS16(r, 200), 9);
    EXPECT_EQ(readItem(r), sampleItem());
}

TEST(ItemRecord, NewItemDefaults) {
    const core::Bytes r = writeItem(newItem("AXE"));
    core::Bytes expected(216, 0);
    expected[0] = 'A', expected[1] = 'X', expected[2] = 'E';
    expected[160] = 'A', expected[161] = 'X', expected[162] = 'E';
    EXPECT_EQ(r, expected);
}

TEST(ItemRecord, ChargesFlagWithZeroCount) {
    Item i = newItem("X");
    i.hasCharges = true;
    EXPECT_EQ(writeItem(i)[182], 1);
}

// Bit 0 of each byte is its flag, the rest its count; the two bytes are independent.
struct FlagBytes {
    std::uint8_t charges, limit;
    bool hasCharges;
    int chargeCount;
    bool hasLimit;
    int limitCount;
};
constexpr FlagBytes kFlagBytes[]{
    {0x0A, 0x03, false, 5, true, 1},
    {0x03, 0x0A, true, 1, false, 5},
    {0xC6, 0x00, false, 99, false, 0},
    {0x00, 0xC7, false, 0, true, 99},
};

TEST(ItemRecord, FlagsAreBitZeroAndIndependentInBothLayouts) {
    for (const auto& f : kFlagBytes) {
        SCOPED_TRACE(::testing::Message() << std::hex << int{f.charges} << " " << int{f.limit});
        for (const ItemLayout& l : {kItemLayout, kOldItemLayout}) {
            core::Bytes r(l.size, 0);
            r[l.charges] = f.charges;
            r[l.limit] = f.limit;
            const Item item = readItem(r);
            EXPECT_EQ(item.hasCharges, f.hasCharges);
            EXPECT_EQ(item.charges, f.chargeCount);
            EXPECT_EQ(item.hasLimit, f.hasLimit);
            EXPECT_EQ(item.limit, f.limitCount);
            const core::Bytes again = writeItem(item);
            EXPECT_EQ(again[182], f.charges);
            EXPECT_EQ(again[183], f.limit);
        }
    }
}

TEST(ItemRecord, EarlierLayoutOf200Bytes) {
    core::Bytes old(200, 0);
    const std::string name = "Fifteen Letters";  // a 16-byte name field
    std::copy(name.begin(), name.end(), old.begin());
    old[16] = 'D';
    old[144] = 'Z';  // not read: the old entry name
    old[160] = 5 << 2;
    old[162] = 4;
    core::putS16(old, 164, 20000);
    old[166] = 11;
    old[167] = 3;
    core::putS16(old, 168, 28);
    core::putS16(old, 184, 30);
    const Item item = readItem(old);
    EXPECT_EQ(item.name, name);
    EXPECT_EQ(item.description, "D");
    EXPECT_EQ(item.entryName, "");
    EXPECT_EQ(item.icon, 5);
    EXPECT_EQ(item.powerClass, 4);
    EXPECT_EQ(item.value, 20000);
    EXPECT_TRUE(item.hasCharges);
    EXPECT_EQ(item.charges, 5);
    EXPECT_TRUE(item.hasLimit);
    EXPECT_EQ(item.limit, 1);
    EXPECT_EQ(item.abilities[0].code, 28);
    EXPECT_EQ(item.abilities[1].code, 30);
}

TEST(ItemRecord, ShortAndOddSizedRecordsReadAsTheCurrentLayout) {
    core::Bytes r = writeItem(sampleItem());
    r.resize(181);  // value cut in half
    const Item item = readItem(r);
    EXPECT_EQ(item.name, "Ring of Dawn");
    EXPECT_EQ(item.value, 1500 & 0xFF);
    EXPECT_EQ(item.abilities[0], SpecialAbility{});
    EXPECT_EQ(readItem({}), Item{});
}

TEST(ItemAbilities, PositionsAndCodes) {
    const auto choices = itemAbilities();
    ASSERT_EQ(choices.size(), 23u);
    EXPECT_EQ(choices[22].name, "Medals +N");
    EXPECT_EQ(abilityCode(choices, 22), 31);
    EXPECT_EQ(abilityCode(choices, 10), 11);
    EXPECT_EQ(abilityPosition(choices, 11), 10);
    EXPECT_EQ(abilityPosition(choices, 10), 0);  // not offered: shows as Nothing
    EXPECT_EQ(abilityCode(choices, -1), 0);
}

// The editor, played as a user would.
TEST(ItemEditor, NewItemOpensWithItsDefaultsAndOkWritesTheCurrentLayout) {
    TempRoot t;
    const auto run = runScript(t.path(),
                               "click 1016\ntype 1010 \"DAWN\"\nclick 4\nexpect items 1008 \"DAWN\"\n"
                               "dblclick 1008 \"DAWN\"\nexpect caption \"Edit Item - DAWN\"\n"
                               "expect text 1036 \"DAWN\"\nexpect text 1209 \"0\"\nexpect text 1199 \"Fantasy\"\n"
                               "expect checked 1189 on\nexpect selected 1153 \"Nothing\"\n"
                               "type 1036 \"Ring of Dawn\"\nspin 1198 down\nexpect text 1209 \"31\"\nspin 1198 up\n"
                               "spin 1198 up\nexpect text 1209 \"1\"\nradio 1192\ncheck 1201 on\ntype 1186 \"99\"\n"
                               "select 1158 \"Medals +N\"\ntype 1194 \"20001\"\nclick 1\n"
                               "expect message \"kstred\" \"Please enter an integer between 0 and 20000.\"\n"
                               "type 1194 \"20000\"\nclick 1\nexpect open 155\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    const core::Bytes r = t.read("ITEMS/DAWN.ITM");
    ASSERT_EQ(r.size(), 216u);
    const Item item = readItem(r);
    EXPECT_EQ(item.name, "Ring of Dawn");
    EXPECT_EQ(item.entryName, "DAWN");
    EXPECT_EQ(item.icon, 1);
    EXPECT_EQ(item.powerClass, 3);
    EXPECT_EQ(item.value, 20000);
    EXPECT_EQ(r[182], 199);
    EXPECT_EQ(item.abilities[1].code, 31);
}

TEST(ItemEditor, OldLayoutOpensAndIsRewrittenCurrent) {
    TempRoot t;
    core::Bytes old(200, 0);
    std::string name = "Old Lamp";
    std::copy(name.begin(), name.end(), old.begin());
    old[160] = 2 << 2;
    t.write("ITEMS/LAMP.ITM", old);
    const auto run = runScript(t.path(),
                               "click 1016\nselect 1008 \"LAMP\"\nclick 2\nexpect text 1036 \"Old Lamp\"\n"
                               "expect text 1209 \"2\"\nclick 1\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    const core::Bytes now = t.read("ITEMS/LAMP.ITM");
    ASSERT_EQ(now.size(), 216u);
    EXPECT_EQ(readItem(now).icon, 2);
    EXPECT_EQ(readItem(now).entryName, "LAMP");
}

TEST(ItemEditor, DeleteLeavesPicturesOfTheSameName) {
    TempRoot t;
    t.write("ITEMS/AXE.ITM", writeItem(newItem("AXE")));
    t.write("ITEMS/AXE.PCX", "p");
    const auto run = runScript(t.path(), "click 1016\nselect 1008 \"AXE\"\nclick 3\nexpect items 1008\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.files(), (std::vector<std::string>{"ITEMS/", "ITEMS/AXE.PCX"}));
}

// Opens the editor on DAWN.ITM, lets `play` act on it and notes whether it closed.
struct ItemEditorRun {
    TempRoot t;
    ui::HeadlessHost host;
    bool closed = false;
    void run(const core::Bytes& record, const std::function<void(ui::Window&)>& play) {
        t.write("ITEMS/DAWN.ITM", record);
        ItemEditor editor(host, t.root(), "DAWN");
        host.onNextModal([&](ui::Window& w) {
            play(w);
            closed = w.isClosed();
        });
        host.runModal(editor);
    }
};

TEST(ItemEditor, ChargeAndLimitFlagsLoadAndSaveIndependently) {
    for (const auto& f : kFlagBytes) {
        SCOPED_TRACE(::testing::Message() << std::hex << int{f.charges} << " " << int{f.limit});
        core::Bytes record = writeItem(newItem("DAWN"));
        record[182] = f.charges;
        record[183] = f.limit;
        ItemEditorRun e;
        e.run(record, [&](ui::Window& w) {
            EXPECT_EQ(w.checked(ItemIds::kHasCharges), f.hasCharges);
            EXPECT_EQ(w.text(ItemIds::kCharges), std::to_string(f.chargeCount));
            EXPECT_EQ(w.checked(ItemIds::kHasLimit), f.hasLimit);
            EXPECT_EQ(w.text(ItemIds::kLimit), std::to_string(f.limitCount));
            w.userClick(ui::kIdOk);
        });
        EXPECT_TRUE(e.closed);
        EXPECT_TRUE(e.host.messages().empty());
        EXPECT_EQ(e.t.read("ITEMS/DAWN.ITM"), record);
    }
}

TEST(ItemEditor, IconIndexPastTheSheetIsRefusedAndNothingIsWritten) {
    const core::Bytes record = writeItem(newItem("DAWN"));
    ItemEditorRun e;
    e.run(record, [](ui::Window& w) {
        w.userType(ItemIds::kIcon, "32");
        w.userClick(ui::kIdOk);
    });
    EXPECT_FALSE(e.closed);
    ASSERT_EQ(e.host.messages().size(), 1u);
    EXPECT_EQ(e.host.messages()[0].caption, "kstred");
    EXPECT_EQ(e.host.messages()[0].text, "Please enter an integer between 0 and 31.");
    EXPECT_EQ(e.t.read("ITEMS/DAWN.ITM"), record);

    ItemEditorRun last;
    last.run(record, [](ui::Window& w) {
        w.userType(ItemIds::kIcon, "31");
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(last.host.messages().empty());
    EXPECT_EQ(last.t.read("ITEMS/DAWN.ITM")[176], 31 << 2);
}

// A sheet of 8 x `rows` cells, each filled with the colour of its index.
sample::IndexedImage cellSheet(std::uint8_t shade, int rows = 4) {
    sample::IndexedImage sheet;
    sheet.width = 256;
    sheet.height = rows * 32;
    sheet.pixels.resize(256 * rows * 32);
    for (int y = 0; y < rows * 32; ++y)
        for (int x = 0; x < 256; ++x) sheet.pixels[y * 256 + x] = static_cast<std::uint8_t>((y / 32) * 8 + x / 32);
    for (int i = 0; i < 256; ++i) sheet.palette[i] = {static_cast<std::uint8_t>(i * 7), shade, static_cast<std::uint8_t>(255 - i)};
    return sheet;
}

struct OpenItemEditor {
    TempRoot t;
    ui::HeadlessHost host;
    std::unique_ptr<ItemEditor> editor;
    std::unique_ptr<ui::Window> window;
    OpenItemEditor() {
        t.write("ITEMS/DAWN.ITM", writeItem(newItem("DAWN")));
        editor = std::make_unique<ItemEditor>(host, t.root(), "DAWN");
        window = std::make_unique<ui::Window>(*editor);
        editor->attach(window.get());
        editor->onInit();
    }
    pictures::Rgb iconPixel(int x, int y) { return window->client().pixel(kItemIconX + x, kItemIconY + y); }
};

TEST(ItemEditor, DrawsTheCellOfTheIconIndex) {
    OpenItemEditor o;
    o.t.write("sets/fantasy/items.pcx", sample::encodePcx8(cellSheet(40)));
    EXPECT_EQ(o.iconPixel(0, 0), (pictures::Rgb{0, 40, 255}));
    o.window->userType(ItemIds::kIcon, "13");
    EXPECT_EQ(o.iconPixel(0, 0), (pictures::Rgb{13 * 7, 40, 255 - 13}));
    EXPECT_EQ(o.iconPixel(31, 31), (pictures::Rgb{13 * 7, 40, 255 - 13}));
    EXPECT_EQ(o.iconPixel(32, 0), pictures::kDialogFace);
    EXPECT_EQ(o.iconPixel(-1, 0), pictures::kDialogFace);
}

TEST(ItemEditor, BmpSheetWinsAndGraphicSetChoosesTheSheet) {
    OpenItemEditor o;
    o.t.write("SETS/Fantasy/ITEMS.PCX", sample::encodePcx8(cellSheet(40)));
    o.t.write("SETS/Other/ITEMS.PCX", sample::encodePcx8(cellSheet(90)));
    o.window->userType(ItemIds::kGraphicSet, "Other");
    EXPECT_EQ(o.iconPixel(5, 5).g, 90);
    o.window->userType(ItemIds::kGraphicSet, "Fantasy");
    EXPECT_EQ(o.iconPixel(5, 5).g, 40);
    // A BMP beside the PCX is taken first (an 8-bit sheet, bottom-up rows).
    core::Bytes bmp(54 + 1024 + 256 * 128, 0);
    bmp[0] = 'B', bmp[1] = 'M';
    core::putU32(bmp, 14, 40);
    core::putS32(bmp, 18, 256);
    core::putS32(bmp, 22, 128);
    core::putU16(bmp, 26, 1);
    core::putU16(bmp, 28, 8);
    bmp[54 + 1] = 200;  // palette entry 0: green 200
    o.t.write("SETS/Fantasy/ITEMS.BMP", bmp);
    o.window->userType(ItemIds::kIcon, "0");
    EXPECT_EQ(o.iconPixel(5, 5), (pictures::Rgb{0, 200, 0}));
    EXPECT_EQ(readItem(o.t.read("ITEMS/DAWN.ITM")), newItem("DAWN"));  // the record is untouched
}

TEST(ItemEditor, IndexOutsideTheFieldRangeDrawsNothing) {
    OpenItemEditor o;
    // A fifth row of cells that no accepted index reaches.
    o.t.write("SETS/Fantasy/ITEMS.PCX", sample::encodePcx8(cellSheet(40, 5)));
    for (const char* index : {"32", "39", "-5", "-1", "536870912", "2147483647", "-2147483648"}) {
        o.window->userType(ItemIds::kIcon, index);
        for (const auto& [x, y] : {std::pair{0, 0}, {16, 16}, {31, 31}})
            EXPECT_EQ(o.iconPixel(x, y), pictures::kDialogFace) << index << " at " << x << "," << y;
    }
    o.window->userType(ItemIds::kIcon, "31");
    EXPECT_EQ(o.iconPixel(16, 16), (pictures::Rgb{31 * 7, 40, 255 - 31}));
}

TEST(ItemEditor, MissingSheetOrBadIndexDrawsNothing) {
    OpenItemEditor o;
    EXPECT_EQ(o.iconPixel(5, 5), pictures::kDialogFace);
    o.t.write("SETS/Fantasy/ITEMS.PCX", sample::encodePcx8(cellSheet(40)));
    o.window->userType(ItemIds::kIcon, "x");
    EXPECT_EQ(o.iconPixel(5, 5), pictures::kDialogFace);
    o.window->userType(ItemIds::kGraphicSet, "..\\..");
    o.window->userType(ItemIds::kIcon, "1");
    EXPECT_EQ(o.iconPixel(5, 5), pictures::kDialogFace);
}

}  // namespace
}  // namespace kestrel::datasets
