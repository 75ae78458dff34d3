// CITY.INI, binary despite its name: the possible capitals of the sides, then
// the initial owners of cities. Each block is a 16-bit count and records of
// 72 bytes that name a city, a side, a chance and four productions.
#pragma once
#include <array>
#include <cstddef>
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

struct CityIniLimits {
    static constexpr int kMaxChance = 100;
    static constexpr int kSides = 9;  // 8: the neutrals
    static constexpr std::size_t kCityName = 15, kProduction = 8;
};

inline constexpr std::array<core::Field, 4> kCityIniFields{{
    core::s16("chance", 0).within(0, CityIniLimits::kMaxChance),
    core::s16("side", 2).named(kNeutralSideNames, kNeutralSide).within(0, CityIniLimits::kSides - 1),
    core::text("city", 4, 32),
    core::text("production", 36, 9, 4),
}};
inline constexpr core::Format kCityIniFormat{"capital or owner", 72, kCityIniFields};
static_assert(core::wellFormed(kCityIniFormat));

struct CityIniLayout {
    static constexpr std::size_t kSize = kCityIniFormat.size;
    static constexpr std::size_t kChance = kCityIniFormat.at("chance"), kSide = kCityIniFormat.at("side");
    static constexpr std::size_t kCity = kCityIniFormat.at("city"), kCitySize = kCityIniFormat.sizeOf("city");
    static constexpr std::size_t kProduction = kCityIniFormat.at("production");
    static constexpr std::size_t kProductionSize = kCityIniFormat.sizeOf("production");
    static constexpr std::size_t kProductions = kCityIniFormat.field("production").count;
};

struct CityIniFileLayout {
    static constexpr std::size_t kCount = core::kCountFormat.at("count");  // of each block
    static constexpr std::size_t kCountSize = core::kCountFormat.size;
    static constexpr std::size_t kLimit = 150;  // records per block
    static constexpr std::size_t kMaxBlockSize = kCountSize + kLimit * CityIniLayout::kSize;
    // A capital block that names more records than the editor holds still
    // has them in the file before the owner block.
    static constexpr std::size_t kMaxReadSize = kCountSize + 32767 * CityIniLayout::kSize + kMaxBlockSize;
};

inline constexpr std::string_view kCityIniFile = "CITY.INI";

// A new record's city, until a city is clicked.
inline constexpr std::string_view kUnnamedCity = "?????";

struct CityIniRecord {
    int chance = 0;
    int side = 0;
    std::string city{kUnnamedCity};
    std::array<std::string, CityIniLayout::kProductions> production;
    bool operator==(const CityIniRecord&) const = default;
};

std::ostream& operator<<(std::ostream& out, const CityIniRecord& record);

enum class CityIniBlock { Capitals, Owners };

struct CityIni {
    std::vector<CityIniRecord> capitals;
    std::vector<CityIniRecord> owners;
    bool operator==(const CityIni&) const = default;
};

// Each block as count and records, the records' bytes as the file holds them
// (bytes after a NUL included): a dialog writes back the block it does not
// edit exactly as it was read.
struct CityIniBlocks {
    core::Bytes capitals{0, 0};
    core::Bytes owners{0, 0};
    core::Bytes& block(CityIniBlock b) { return b == CityIniBlock::Capitals ? capitals : owners; }
};

CityIniRecord readCityIniRecord(std::span<const std::uint8_t> record);
core::Bytes writeCityIniRecord(const CityIniRecord& record);

// Each count is clamped to 0..150 and to the whole records the file holds;
// the owner block starts after as many capital records as the file names.
CityIniBlocks splitCityIni(std::span<const std::uint8_t> file);
std::vector<CityIniRecord> readCityIniBlock(std::span<const std::uint8_t> block);
CityIni readCityIni(std::span<const std::uint8_t> file);
// A block of at most 150 records.
core::Bytes writeCityIniBlock(std::span<const CityIniRecord> block);
core::Bytes writeCityIni(const CityIni& ini);

// Nothing when CITY.INI cannot be read.
std::optional<CityIniBlocks> loadCityIniBlocks(const core::DataRoot& root, std::string_view scenario);
bool saveCityIni(const core::DataRoot& root, std::string_view scenario, const CityIniBlocks& blocks);
bool saveCityIni(const core::DataRoot& root, std::string_view scenario, const CityIni& ini);

}  // namespace kestrel::scenario
