// DIPLOM.INI, binary despite its name: how the sides stand towards each other
// when a scenario starts. A 16-bit count and up to 100 records of 10 bytes,
// each directed from one side to another and given a chance.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "core/record_format.hpp"
#include "scenario/sides.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kDiplomacyFile = "DIPLOM.INI";

// The kind of a relation: a standing, or (any other value) an index value.
inline constexpr std::int16_t kStandingKind = 0, kIndexValueKind = 1;
inline constexpr std::array<std::string_view, 2> kRelationKindNames{"Standing", "Index Value"};

// The value is a standing or an index value, as the kind says, so it carries
// no names of its own.
// What the dialog accepts.
struct DiplomacyLimits {
    static constexpr int kMaxChance = 100;
    static constexpr int kMinIndexValue = -100, kMaxIndexValue = 100;
};

inline constexpr std::array<core::Field, 5> kRelationFields{{
    core::s16("chance", 0).within(0, DiplomacyLimits::kMaxChance),
    core::s16("firstSide", 2).within(0, static_cast<int>(SidesFileLayout::kPlayerSides) - 1),
    core::s16("secondSide", 4).within(0, static_cast<int>(SidesFileLayout::kPlayerSides) - 1),
    core::s16("kind", 6).named(kRelationKindNames, kStandingKind).meaningsOnly(),
    core::s16("value", 8),
}};
inline constexpr core::Format kRelationFormat{"relation", 10, kRelationFields};
static_assert(core::wellFormed(kRelationFormat));

struct DiplomacyLayout {
    static constexpr std::size_t kSize = kRelationFormat.size;
    static constexpr std::size_t kMaxRecords = 100;
    static constexpr std::size_t kChance = kRelationFormat.at("chance"), kFirstSide = kRelationFormat.at("firstSide"),
                                 kSecondSide = kRelationFormat.at("secondSide"), kKind = kRelationFormat.at("kind"),
                                 kValue = kRelationFormat.at("value");
};

// Standings: 0 allied, 1 at peace, 2 neutral, 3 at war.
inline constexpr std::int16_t kNeutralStanding = 2, kLastStanding = 3;

// One side's relation to another; the defaults are those of a new record.
struct Relation {
    std::int16_t chance = 0;  // percent
    std::int16_t firstSide = 0;
    std::int16_t secondSide = 0;
    std::int16_t kind = kStandingKind;
    std::int16_t value = kNeutralStanding;  // the standing, or the index value
    bool operator==(const Relation&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Relation& relation);

Relation readRelation(std::span<const std::uint8_t> record);
core::Bytes writeRelation(const Relation& relation);

// As many records as the count says, clamped to 0..100, of those the file
// reaches; a cut last record reads as if padded with zeros.
std::vector<Relation> readDiplomacy(std::span<const std::uint8_t> file);
// The count, then at most 100 records.
core::Bytes writeDiplomacy(std::span<const Relation> relations);

// Nothing when the scenario's file cannot be read.
std::optional<std::vector<Relation>> loadDiplomacy(const core::DataRoot& root, std::string_view scenario);
bool saveDiplomacy(const core::DataRoot& root, std::string_view scenario, std::span<const Relation> relations);

}  // namespace kestrel::scenario
