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

namespace kestrel::scenario {

struct CityIniLayout {
    static constexpr std::size_t kSize = 72;
    static constexpr std::size_t kChance = 0, kSide = 2;
    static constexpr std::size_t kCity = 4, kCitySize = 32;
    static constexpr std::size_t kProduction = 36, kProductionSize = 9, kProductions = 4;
};

struct CityIniFileLayout {
    static constexpr std::size_t kCountSize = 2;
    static constexpr std::size_t kLimit = 150;  // records per block
    static constexpr std::size_t kMaxBlockSize = kCountSize + kLimit * CityIniLayout::kSize;
    // A capital block that names more records than the editor holds still
    // has them in the file before the owner block.
    static constexpr std::size_t kMaxReadSize = kCountSize + 32767 * CityIniLayout::kSize + kMaxBlockSize;
};

inline constexpr std::string_view kCityIniFile = "CITY.INI";

struct CityIniLimits {
    static constexpr int kMaxChance = 100;
    static constexpr int kSides = 9;  // 8: the neutrals
    static constexpr std::size_t kCityName = 15, kProduction = 8;
};

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
