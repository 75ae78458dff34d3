// The scenario's ITEM.DAT: one 362-byte record naming the items of the
// scenario's pool, 16 compulsory, 16 optional with one common chance, and 8
// that are not placed.
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

namespace kestrel::scenario {

inline constexpr std::string_view kScenarioItemsFile = "ITEM.DAT";

struct ScenarioItemsLayout {
    static constexpr std::size_t kSize = 362;
    static constexpr std::size_t kNameSize = 9;  // entry names of ITEMS
    static constexpr std::size_t kChance = 0;
    static constexpr std::size_t kCompulsory = 2, kOptional = 146, kUnplaced = 290;
    static constexpr std::size_t kGroupNames = 16, kUnplacedNames = 8;
};

struct ScenarioItemsLimits {
    static constexpr int kMaxChance = 100;
};

struct ScenarioItems {
    std::int16_t optionalChance = 50;  // percent
    std::array<std::string, ScenarioItemsLayout::kGroupNames> compulsory;
    std::array<std::string, ScenarioItemsLayout::kGroupNames> optional;
    std::array<std::string, ScenarioItemsLayout::kUnplacedNames> unplaced;
    bool operator==(const ScenarioItems&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ScenarioItems& items);

// A short record reads as if padded with zeros; bytes past the record are dropped.
ScenarioItems readScenarioItems(std::span<const std::uint8_t> record);
core::Bytes writeScenarioItems(const ScenarioItems& items);

// The non-empty names of the compulsory, optional and unplaced items, in slot order.
std::vector<std::string> poolNames(const ScenarioItems& items);

// The scenario's file, or nothing when it cannot be read.
std::optional<ScenarioItems> loadScenarioItems(const core::DataRoot& root, std::string_view scenario);
bool saveScenarioItems(const core::DataRoot& root, std::string_view scenario, const ScenarioItems& items);

}  // namespace kestrel::scenario
