// Fuzzes the item record: every input is read as it is, and cut or padded to
// the earlier 200-byte layout and to the current one; what was read must
// write and read back unchanged. Items of any texts are written too.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "datasets/item.hpp"
#include "record_fuzz.hpp"

namespace {

using namespace kestrel::datasets;
using namespace kestrel::fuzz;

// The current-layout record an earlier one stands for: the name field grows
// by 16 bytes, every later field moves with it, and there is no entry name.
Bytes modernised(std::span<const std::uint8_t> old) {
    Bytes out(kItemLayout.size, 0);
    std::copy(old.begin(), old.begin() + kOldItemLayout.nameSize, out.begin());
    std::copy(old.begin() + kOldItemLayout.nameSize, old.end(), out.begin() + kItemLayout.nameSize);
    std::fill_n(out.begin() + kItemLayout.entryName, kItemEntryNameSize, 0);
    return out;
}

void checkTexts(std::span<const std::uint8_t> record, const Item& item) {
    const ItemLayout& l = record.size() == kOldItemLayout.size ? kOldItemLayout : kItemLayout;
    if (item.name.size() > l.nameSize) fail("a name longer than its field");
    if (item.description.size() > kItemDescriptionSize) fail("a description longer than its field");
    if (item.entryName.size() > kItemEntryNameSize) fail("an entry name longer than its field");
    checkFieldText(record, 0, l.nameSize, item.name, "the name is not its field's text");
    checkFieldText(record, l.description, kItemDescriptionSize, item.description, "the description is not its field's text");
    if (l.entryName)
        checkFieldText(record, l.entryName, kItemEntryNameSize, item.entryName, "the entry name is not its field's text");
    else if (!item.entryName.empty())
        fail("an earlier-layout record has an entry name");
    const std::size_t at[2] = {l.ability1, l.ability2};
    for (int i = 0; i < 2; ++i) {
        const std::string& text = item.abilities[i].text;
        if (text.size() > SpecialAbility::kTextSize) fail("an ability text longer than its field");
        checkFieldText(record, at[i] + SpecialAbility::kTextAt, SpecialAbility::kTextSize, text,
                       "an ability text is not its field's text");
    }
}

void checkRead(std::span<const std::uint8_t> record) {
    const Item item = readItem(record);
    checkTexts(record, item);
    // What the bytes can hold; a writer that shifts these back must not lose bits.
    if (item.icon < 0 || item.icon > 63) fail("icon outside 0..63");
    if (item.powerClass < 0 || item.powerClass > 255) fail("power class outside a byte");
    if (item.charges < 0 || item.charges > 127 || item.limit < 0 || item.limit > 127) fail("a count outside 7 bits");

    if (record.size() == kOldItemLayout.size) {
        if (!(readItem(modernised(record)) == item)) fail("an earlier-layout record reads otherwise than moved to the current one");
    } else if (!(readItem(resized(record, kItemLayout.size)) == item)) {
        fail("a record reads otherwise than at its full size");
    }

    const auto written = writeItem(item);
    if (written.size() != kItemLayout.size) fail("a written record is not 216 bytes");
    if (!(readItem(written) == item)) fail("a written record reads back otherwise");
    if (writeItem(readItem(written)) != written) fail("rewriting a written record changes its bytes");
}

// Texts of any length and content; numbers anywhere the record can hold them.
void checkWrite(FuzzedDataProvider& in) {
    Item item;
    item.icon = in.ConsumeIntegralInRange(0, 63);
    item.powerClass = in.ConsumeIntegralInRange(0, 255);
    item.value = in.ConsumeIntegral<std::int16_t>();
    item.hasCharges = in.ConsumeBool();
    item.charges = in.ConsumeIntegralInRange(0, 127);
    item.hasLimit = in.ConsumeBool();
    item.limit = in.ConsumeIntegralInRange(0, 127);
    for (auto& a : item.abilities) {
        a.code = in.ConsumeIntegral<std::int16_t>();
        a.first = in.ConsumeIntegral<std::int16_t>();
        a.second = in.ConsumeIntegral<std::int16_t>();
        a.text = in.ConsumeRandomLengthString(2 * SpecialAbility::kTextSize);
    }
    item.name = in.ConsumeRandomLengthString(2 * kItemLayout.nameSize);
    item.entryName = in.ConsumeRandomLengthString(2 * kItemEntryNameSize);
    item.description = in.ConsumeRandomLengthString(2 * kItemDescriptionSize);

    const auto written = writeItem(item);
    if (written.size() != kItemLayout.size) fail("a written record is not 216 bytes");
    Item expected = item;
    expected.name = keptText(item.name, kItemLayout.nameSize);
    expected.description = keptText(item.description, kItemDescriptionSize);
    expected.entryName = keptText(item.entryName, kItemEntryNameSize);
    for (auto& a : expected.abilities) a.text = keptText(a.text, SpecialAbility::kTextSize);
    if (!(readItem(written) == expected)) fail("a written item does not read back, texts cut to their fields");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> record(data, size);
    checkRead(record);
    if (size != kOldItemLayout.size) checkRead(resized(record, kOldItemLayout.size));
    if (size != kItemLayout.size) checkRead(resized(record, kItemLayout.size));
    FuzzedDataProvider in(data, size);
    checkWrite(in);
    return 0;
}
