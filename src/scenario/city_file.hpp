// CITY.DAT: the cities placed on a scenario's map, a 16-bit count and then
// records of 208 bytes. The editor edits them but never adds or removes one.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "core/record_format.hpp"
#include "scenario/sides.hpp"

namespace kestrel::scenario {

inline constexpr std::array<std::string_view, 4> kCityLevelNames{"Ruin (0)", "Village (1)", "Castle (2)",
                                                                 "Citadel (3)"};
// A city stores its mana type as a side does.
inline constexpr const auto& kCityManaTypeNames = kManaTypeNames;
inline constexpr std::array<std::string_view, 4> kCityTypeNames{"Type 0", "Type 1", "Type 2", "Type 3"};

// Byte 207 has no field: it is kept as read.
// What the city dialog accepts.
struct CityLimits {
    static constexpr std::size_t kName = 15, kDescription = 127, kProduction = 8;
    static constexpr int kMaxChance = 100, kMaxX = 128, kMaxY = 160, kMaxIncome = 99, kMaxMana = 99;
};

inline constexpr std::array<core::Field, 12> kCityFields{{
    core::text("name", 0, 16),
    core::bytes("reserved", 16, 16),
    core::text("description", 32, 128),
    core::s16("chance", 160).within(0, CityLimits::kMaxChance),
    core::s16("x", 162).within(0, CityLimits::kMaxX),
    core::s16("y", 164).within(0, CityLimits::kMaxY),
    core::u8("level", 166).named(kCityLevelNames).meaningsOnly(),
    core::u8("income", 167).within(0, CityLimits::kMaxIncome),
    core::u8("manaType", 168).named(kCityManaTypeNames).meaningsOnly(),
    core::u8("mana", 169).within(0, CityLimits::kMaxMana),
    core::text("production", 170, 9, 4),
    core::u8("cityType", 206).named(kCityTypeNames).meaningsOnly(),
}};
inline constexpr core::Format kCityFormat{"city", 208, kCityFields};
static_assert(core::wellFormed(kCityFormat));

struct CityLayout {
    static constexpr std::size_t kSize = kCityFormat.size;
    static constexpr std::size_t kName = kCityFormat.at("name"), kNameSize = kCityFormat.sizeOf("name");
    static constexpr std::size_t kReserved16 = kCityFormat.at("reserved"),
                                 kReserved16Size = kCityFormat.sizeOf("reserved");
    static constexpr std::size_t kDescription = kCityFormat.at("description");
    static constexpr std::size_t kDescriptionSize = kCityFormat.sizeOf("description");
    static constexpr std::size_t kChance = kCityFormat.at("chance");
    static constexpr std::size_t kX = kCityFormat.at("x"), kY = kCityFormat.at("y");
    static constexpr std::size_t kLevel = kCityFormat.at("level"), kIncome = kCityFormat.at("income");
    static constexpr std::size_t kManaType = kCityFormat.at("manaType"), kMana = kCityFormat.at("mana");
    static constexpr std::size_t kProduction = kCityFormat.at("production");
    static constexpr std::size_t kProductionSize = kCityFormat.sizeOf("production");
    static constexpr std::size_t kProductions = kCityFormat.field("production").count;
    static constexpr std::size_t kCityType = kCityFormat.at("cityType");
    static constexpr std::size_t kReserved207 = kCityFormat.field("cityType").end();
};

struct CityFileLayout {
    static constexpr std::size_t kCount = core::kCountFormat.at("count");
    static constexpr std::size_t kRecords = core::kCountFormat.size;
    static constexpr std::size_t kLimit = 150;
    static constexpr std::size_t kMaxSize = kRecords + kLimit * CityLayout::kSize;
};

inline constexpr std::string_view kCityFile = "CITY.DAT";

struct City {
    std::string name;
    std::array<std::uint8_t, CityLayout::kReserved16Size> reserved16{};  // kept as read
    std::string description;
    int chance = 0;
    int x = 0, y = 0;
    int level = 0, income = 0, manaType = 0, mana = 0;
    std::array<std::string, CityLayout::kProductions> production;
    int cityType = 0;
    std::uint8_t reserved207 = 0;  // kept as read
    bool operator==(const City&) const = default;
};

std::ostream& operator<<(std::ostream& out, const City& city);

City readCity(std::span<const std::uint8_t> record);
core::Bytes writeCity(const City& city);

// The count is clamped to 0..150 and to the whole records the file holds.
std::vector<City> readCities(std::span<const std::uint8_t> file);
// Count and records; never more than 150.
core::Bytes writeCities(std::span<const City> cities);

// The scenario's cities, or nothing when CITY.DAT cannot be read.
std::optional<std::vector<City>> loadCities(const core::DataRoot& root, std::string_view scenario);
bool saveCities(const core::DataRoot& root, std::string_view scenario, std::span<const City> cities);

}  // namespace kestrel::scenario
