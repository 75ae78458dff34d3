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
#include "core/record_format.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kScenarioItemsFile = "ITEM.DAT";

struct ScenarioItemsLimits {
    static constexpr int kMaxChance = 100;
};

// Names are entry names of ITEMS.
inline constexpr std::array<core::Field, 4> kScenarioItemsFields{{
    core::s16("optionalChance", 0).within(0, ScenarioItemsLimits::kMaxChance),
    core::text("compulsory", 2, 9, 16),
    core::text("optional", 146, 9, 16),
    core::text("unplaced", 290, 9, 8),
}};
inline constexpr core::Format kScenarioItemsFormat{"scenario items", 362, kScenarioItemsFields};
static_assert(core::wellFormed(kScenarioItemsFormat));

struct ScenarioItemsLayout {
    static constexpr const core::Format& kF = kScenarioItemsFormat;
    static constexpr std::size_t kSize = kF.size;
    static constexpr std::size_t kNameSize = kF.sizeOf("compulsory");
    static constexpr std::size_t kChance = kF.at("optionalChance");
    static constexpr std::size_t kCompulsory = kF.at("compulsory"), kOptional = kF.at("optional"),
                                 kUnplaced = kF.at("unplaced");
    static constexpr std::size_t kGroupNames = kF.field("compulsory").count,
                                 kUnplacedNames = kF.field("unplaced").count;
};
static_assert(ScenarioItemsLayout::kF.sizeOf("optional") == ScenarioItemsLayout::kNameSize &&
              ScenarioItemsLayout::kF.sizeOf("unplaced") == ScenarioItemsLayout::kNameSize &&
              ScenarioItemsLayout::kF.field("optional").count == ScenarioItemsLayout::kGroupNames);

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
