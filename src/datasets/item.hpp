// Item record: 216 bytes now, 200 in the earlier layout (a 16-byte name and
// every later field 16 bytes earlier).
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>

#include "core/bytes.hpp"
#include "datasets/ability_entry.hpp"

namespace kestrel::datasets {

struct ItemLayout {
    std::size_t size, nameSize, description, icon, power, value, charges, limit, ability1, ability2;
    std::size_t entryName;  // 0: not read
};
inline constexpr ItemLayout kItemLayout{216, 32, 32, 176, 178, 180, 182, 183, 184, 200, 160};
inline constexpr ItemLayout kOldItemLayout{200, 16, 16, 160, 162, 164, 166, 167, 168, 184, 0};
inline constexpr std::size_t kItemDescriptionSize = 128;
inline constexpr std::size_t kItemEntryNameSize = 9;

struct ItemLimits {
    static constexpr std::size_t kName = 31, kDescription = 127;
    static constexpr int kIcons = 32, kPowerClasses = 5, kMaxValue = 20000, kMaxCount = 99;
};

struct Item {
    std::string name;
    std::string description;
    std::string entryName;
    int icon = 0;         // 0 to 63 in the byte; the editor offers 0 to 31
    int powerClass = 0;   // 0 Minor Item ... 4 Greater Artefact
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

// The abilities an item can have, in the order of the editor's lists.
std::span<const AbilityChoice> itemAbilities();
// The power classes, in the order of the radio buttons.
std::span<const std::string_view> itemPowerClasses();

}  // namespace kestrel::datasets
