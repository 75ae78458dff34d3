// Item record: 216 bytes now, 200 in the earlier layout (a 16-byte name and
// every later field 16 bytes earlier).
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/record_format.hpp"
#include "datasets/ability_entry.hpp"

namespace kestrel::datasets {

// The power classes, in the order of the radio buttons.
inline constexpr std::array<std::string_view, 5> kItemPowerClasses{"Minor Item", "Average Item", "Major Item",
                                                                   "Artefact", "Greater Artefact"};

// The abilities an item can have, in the order of the editor's lists.
std::span<const AbilityChoice> itemAbilities();
using ItemAbilityEntry = AbilityEntryFormat<&itemAbilities, 9, kListedAbilities>;

// The icon sheet of a graphic set: 32 by 32 pixel cells, 8 to a row; icon i
// is the cell in column i % 8, row i / 8.
inline constexpr int kItemIconSize = 32, kItemIconsPerRow = 8;
inline constexpr std::string_view kDefaultGraphicSet = "Fantasy";
// "SETS\Fantasy\ITEMS", without the picture's extension.
std::string itemSheetBase(std::string_view graphicSet);

struct ItemLimits {
    static constexpr std::size_t kName = 31, kDescription = 127;
    static constexpr int kIcons = 32, kPowerClasses = 5, kMaxValue = 20000, kMaxCount = 99;
};

// Bytes 169 to 177 but the icon (padding, three reserved words, two reserved
// bits and a reserved byte) and the padding at 179 stay uncovered.
inline constexpr std::array<core::Field, 11> kItemFields{{
    core::text("name", 0, 32),
    core::text("description", 32, 128),
    core::text("entryName", 160, 9),
    core::bits("icon", 176, 1, 2, 6).within(0, ItemLimits::kIcons - 1),
    core::u8("powerClass", 178).named(kItemPowerClasses).meaningsOnly(),
    core::s16("value", 180).within(0, ItemLimits::kMaxValue),
    core::bits("hasCharges", 182, 1, 0, 1),
    core::bits("charges", 182, 1, 1, 7).within(0, ItemLimits::kMaxCount),
    core::bits("hasLimit", 183, 1, 0, 1),
    core::bits("limit", 183, 1, 1, 7).within(0, ItemLimits::kMaxCount),
    core::records("abilities", 184, ItemAbilityEntry::format, 2),
}};
inline constexpr core::Format kItemFormat{"item", 216, kItemFields};
static_assert(core::wellFormed(kItemFormat));

// A 16-byte name and every later field 16 bytes earlier; bytes 144 to 159,
// where the entry name would lie, are not read.
inline constexpr auto kOldItemFields =
    core::withoutCuts<10>(kItemFields, std::array<core::Cut, 1>{{{16, 16}}}, "entryName");
inline constexpr core::Format kOldItemFormat{"earlier item", 200, kOldItemFields};
static_assert(core::wellFormed(kOldItemFormat));

struct ItemLayout {
    std::size_t size, nameSize, description, icon, power, value, charges, limit, ability1, ability2;
    std::size_t entryName;  // 0: not read
    // Alike in both layouts: the name first, the icon above two reserved
    // bits, each count above its flag.
    static constexpr std::size_t kName = kItemFormat.at("name");
    static constexpr int kIconBit = kItemFormat.field("icon").bit;
    static constexpr int kFlagBit = kItemFormat.field("hasCharges").bit, kCountBit = kItemFormat.field("charges").bit;
};

// A layout's offsets, as its format gives them.
constexpr ItemLayout itemLayout(const core::Format& f) {
    const core::Field& abilities = f.field("abilities");
    return {f.size,
            f.sizeOf("name"),
            f.at("description"),
            f.at("icon"),
            f.at("powerClass"),
            f.at("value"),
            f.at("charges"),
            f.at("limit"),
            abilities.at,
            abilities.elementAt(1),
            f.has("entryName") ? f.at("entryName") : 0};
}
inline constexpr ItemLayout kItemLayout = itemLayout(kItemFormat);
inline constexpr ItemLayout kOldItemLayout = itemLayout(kOldItemFormat);
inline constexpr std::size_t kItemDescriptionSize = kItemFormat.sizeOf("description");
inline constexpr std::size_t kItemEntryNameSize = kItemFormat.sizeOf("entryName");

struct Item {
    std::string name;
    std::string description;
    std::string entryName;
    int icon = 0;        // 0 to 63 in the byte; the editor offers 0 to 31
    int powerClass = 0;  // 0 Minor Item ... 4 Greater Artefact
    int value = 0;
    bool hasCharges = false;
    int charges = 0;
    bool hasLimit = false;
    int limit = 0;
    std::array<SpecialAbility, 2> abilities;
    bool operator==(const Item&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Item& item);

// A 200-byte record is the earlier layout; anything else the current one,
// with fields past the end of a short record read as zero.
Item readItem(std::span<const std::uint8_t> record);
core::Bytes writeItem(const Item& item);
Item newItem(std::string_view entryName);

std::span<const std::string_view> itemPowerClasses();

}  // namespace kestrel::datasets
