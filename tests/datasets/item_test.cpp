#include "datasets/item.hpp"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "dataset_testing.hpp"
#include "datasets/item_editor.hpp"
#include "sample/pcx_writer.hpp"

namespace kestrel::datasets {
namespace {

using namespace std::string_literals;
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

// Icon index above two low bits, power class, value; charges 99 with the flag
// set and limit 7 with it clear; the two abilities. Padding and reserved words stay zero.
TEST(ItemRecord, FieldsAtTheirOffsets) {
    const core::Bytes r = writeItem(sampleItem());
    EXPECT_EQ(r, patched(core::Bytes(216, 0), {{0, "Ring of Dawn"}, {32, "Glows at sunrise."}, {160, "DAWN"},
                                                {176, "\x34\0\x03\0\xDC\x05\xC7\x0E\x1F\0\x02\0\xFF\xFF" "MEDAL"s},
                                                {200, "\x09"}}));
    EXPECT_EQ(readItem(r), sampleItem());
}

// Bit 0 of each byte is its flag, the rest its count; the two bytes are
// independent, in both layouts and in the editor's boxes and fields.
TEST(ItemRecord, FlagsAreBitZeroAndIndependentInBothLayoutsAndTheEditor) {
    struct FlagBytes {
        std::uint8_t charges, limit;
        bool hasCharges;
        int chargeCount;
        bool hasLimit;
        int limitCount;
    };
    constexpr FlagBytes kFlagBytes[]{
        {0x0A, 0x03, false, 5, true, 1},  {0x03, 0x0A, true, 1, false, 5}, {0xC6, 0x00, false, 99, false, 0},
        {0x00, 0xC7, false, 0, true, 99}, {0x01, 0x00, true, 0, false, 0},
    };
    for (const auto& f : kFlagBytes) {
        SCOPED_TRACE(::testing::Message() << std::hex << int{f.charges} << " " << int{f.limit});
        for (const ItemLayout& l : {kItemLayout, kOldItemLayout}) {
            core::Bytes r(l.size, 0);
            r[l.charges] = f.charges;
            r[l.limit] = f.limit;
            const Item item = readItem(r);
            EXPECT_EQ((std::tuple{item.hasCharges, item.charges, item.hasLimit, item.limit}),
                      (std::tuple{f.hasCharges, f.chargeCount, f.hasLimit, f.limitCount}));
            const core::Bytes again = writeItem(item);
            EXPECT_EQ(again[182], f.charges);
            EXPECT_EQ(again[183], f.limit);
        }
        const core::Bytes record = patched(writeItem(newItem("DAWN")), {{182, {char(f.charges), char(f.limit)}}});
        EditorRun e(Kind::Item, "DAWN");
        e.run(record, [&](ui::Window& w) {
            EXPECT_TRUE(w.checked(ItemIds::kFirstPower));  // power class 0
            EXPECT_EQ(w.checked(ItemIds::kHasCharges), f.hasCharges);
            EXPECT_EQ(w.text(ItemIds::kCharges), std::to_string(f.chargeCount));
            EXPECT_EQ(w.checked(ItemIds::kHasLimit), f.hasLimit);
            EXPECT_EQ(w.text(ItemIds::kLimit), std::to_string(f.limitCount));
            clickOk(w);
        });
        EXPECT_TRUE(e.messages().empty());
        EXPECT_EQ(e.saved(), record);
    }
}

// A 16-byte name, no entry name (144 is not read), the rest 16 bytes earlier.
// The editor opens it and OK writes the current layout.
TEST(ItemRecord, EarlierLayoutOf200Bytes) {
    const core::Bytes old = patched(
        core::Bytes(200, 0),
        {{0, "Fifteen Letters"}, {16, "D"}, {144, "Z"}, {160, "\x14\0\x04\0\x20\x4E\x0B\x03\x1C"s}, {184, "\x1F"}});
    Item expected{"Fifteen Letters", "D", "", 5, 4, 20000, true, 5, true, 1, {{{28, 0, 0, ""}, {31, 0, 0, ""}}}};
    EXPECT_EQ(readItem(old), expected);
    EditorRun e(Kind::Item, "LAMP");
    e.run(old, [](ui::Window& w) {
        EXPECT_EQ(w.text(ItemIds::kName), "Fifteen Letters");
        EXPECT_EQ(w.text(ItemIds::kIcon), "5");
        EXPECT_EQ(w.text(ItemIds::kAbilities[1].list), "Medals +N");
        clickOk(w);
    });
    expected.entryName = "LAMP";
    EXPECT_EQ(e.saved(), writeItem(expected));
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
    // Header size 40, 256 x 128, one plane of 8 bits; palette entry 0 green 200.
    const core::Bytes bmp = patched(core::Bytes(54 + 1024 + 256 * 128, 0),
                                    {{0, "BM"}, {14, "\x28\0\0\0\0\x01\0\0\x80\0\0\0\x01\0\x08"s}, {55, "\xC8"}});
    o.t.write("SETS/Fantasy/ITEMS.BMP", bmp);
    o.window->userType(ItemIds::kIcon, "0");
    EXPECT_EQ(o.iconPixel(5, 5), (pictures::Rgb{0, 200, 0}));
    EXPECT_EQ(readItem(o.t.read("ITEMS/DAWN.ITM")), newItem("DAWN"));  // the record is untouched
}

TEST(ItemEditor, NoSheetABadSetOrAnIndexTheFieldRefusesDrawsNothing) {
    OpenItemEditor o;
    EXPECT_EQ(o.iconPixel(5, 5), pictures::kDialogFace);
    // A fifth row of cells that no accepted index reaches.
    o.t.write("SETS/Fantasy/ITEMS.PCX", sample::encodePcx8(cellSheet(40, 5)));
    for (const char* index : {"x", "32", "39", "-5", "-1", "536870912", "2147483647", "-2147483648"}) {
        o.window->userType(ItemIds::kIcon, index);
        for (const auto& [x, y] : {std::pair{0, 0}, {16, 16}, {31, 31}})
            EXPECT_EQ(o.iconPixel(x, y), pictures::kDialogFace) << index << " at " << x << "," << y;
    }
    o.window->userType(ItemIds::kIcon, "31");
    EXPECT_EQ(o.iconPixel(16, 16), (pictures::Rgb{31 * 7, 40, 255 - 31}));
    o.window->userType(ItemIds::kGraphicSet, "..\\..");
    EXPECT_EQ(o.iconPixel(16, 16), pictures::kDialogFace);
}

}  // namespace
}  // namespace kestrel::datasets
