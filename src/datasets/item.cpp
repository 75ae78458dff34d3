#include "datasets/item.hpp"

#include "core/fixed_text.hpp"
#include "core/le.hpp"

namespace kestrel::datasets {

namespace {

// clang-format off
constexpr std::array<AbilityChoice, 23> kAbilities{{
    {"Nothing", 0},          {"Leadership +N", 1},   {"Chaos +N", 2},          {"Morale +N", 3},
    {"Fear +N", 4},          {"Siege +N", 5},        {"Fortify +N", 6},        {"Movement +N", 7},
    {"Strength +N", 8},      {"All-Terr Move Bonus", 9}, {"Gold +N/city", 11}, {"Engineer +N", 12},
    {"Flying", 13},          {"Hits +N", 14},        {"Speed", 15},            {"Invisibility", 16},
    {"Move +N (grp)", 17},   {"Hits +N (grp)", 18},  {"View Range +N", 23},    {"View Range +N (grp)", 24},
    {"Assassinate +N", 28},  {"First Strike +N", 30}, {"Medals +N", 31},
}};
// clang-format on

std::uint8_t byteAt(std::span<const std::uint8_t> record, std::size_t offset) {
    return offset < record.size() ? record[offset] : std::uint8_t{0};
}

using L = ItemLayout;

// The flag says whether the count above it applies.
std::uint8_t flaggedCount(bool on, int count) {
    return static_cast<std::uint8_t>((count << L::kCountBit) | (on ? 1 << L::kFlagBit : 0));
}
bool flagOf(std::uint8_t byte) { return (byte >> L::kFlagBit) & 1; }

}  // namespace

std::span<const AbilityChoice> itemAbilities() { return kAbilities; }
std::span<const std::string_view> itemPowerClasses() { return kItemPowerClasses; }

std::string itemSheetBase(std::string_view graphicSet) { return "SETS\\" + std::string(graphicSet) + "\\ITEMS"; }

std::ostream& operator<<(std::ostream& out, const Item& i) {
    return out << "Item{\"" << i.name << "\", \"" << i.description << "\", \"" << i.entryName << "\", icon " << i.icon
               << ", power " << i.powerClass << ", value " << i.value << ", charges " << i.hasCharges << "/"
               << i.charges << ", limit " << i.hasLimit << "/" << i.limit << ", " << i.abilities[0] << ", "
               << i.abilities[1] << "}";
}

Item readItem(std::span<const std::uint8_t> record) {
    const ItemLayout& l = record.size() == kOldItemLayout.size ? kOldItemLayout : kItemLayout;
    Item item;
    item.name = core::readFixedText(record, L::kName, l.nameSize);
    item.description = core::readFixedText(record, l.description, kItemDescriptionSize);
    if (l.entryName) item.entryName = core::readFixedText(record, l.entryName, kItemEntryNameSize);
    item.icon = byteAt(record, l.icon) >> L::kIconBit;
    item.powerClass = byteAt(record, l.power);
    item.value = static_cast<std::int16_t>(byteAt(record, l.value) | byteAt(record, l.value + 1) << 8);
    item.hasCharges = flagOf(byteAt(record, l.charges));
    item.charges = byteAt(record, l.charges) >> L::kCountBit;
    item.hasLimit = flagOf(byteAt(record, l.limit));
    item.limit = byteAt(record, l.limit) >> L::kCountBit;
    item.abilities = {readAbility(record, l.ability1), readAbility(record, l.ability2)};
    return item;
}

core::Bytes writeItem(const Item& item) {
    const ItemLayout& l = kItemLayout;
    core::Bytes record(l.size, 0);
    core::writeFixedText(record, L::kName, l.nameSize, item.name);
    core::writeFixedText(record, l.description, kItemDescriptionSize, item.description);
    core::writeFixedText(record, l.entryName, kItemEntryNameSize, item.entryName);
    record[l.icon] = static_cast<std::uint8_t>(item.icon << L::kIconBit);
    record[l.power] = static_cast<std::uint8_t>(item.powerClass);
    core::putS16(record, l.value, static_cast<std::int16_t>(item.value));
    record[l.charges] = flaggedCount(item.hasCharges, item.charges);
    record[l.limit] = flaggedCount(item.hasLimit, item.limit);
    writeAbility(record, l.ability1, item.abilities[0]);
    writeAbility(record, l.ability2, item.abilities[1]);
    return record;
}

Item newItem(std::string_view entryName) {
    Item item;
    item.name = std::string(entryName);
    item.entryName = std::string(entryName);
    return item;
}

}  // namespace kestrel::datasets
