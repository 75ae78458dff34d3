// Advisor record: nineteen 64-byte texts the advisor speaks before a battle,
// four opening lines, four second lines and one phrase per battle outcome.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>

#include "core/bytes.hpp"
#include "core/record_format.hpp"

namespace kestrel::datasets {

// The texts one after the other; results[n] follows n of 10 battles won.
inline constexpr std::array<core::Field, 3> kAdvisorFields{{
    core::text("firstLines", 0, 64, 4),
    core::text("secondLines", 256, 64, 4),
    core::text("results", 512, 64, 11),
}};
inline constexpr core::Format kAdvisorFormat{"advisor", 1216, kAdvisorFields};
static_assert(core::wellFormed(kAdvisorFormat));

struct AdvisorLayout {
    static constexpr std::size_t kFirstLines = kAdvisorFormat.field("firstLines").count,
                                 kSecondLines = kAdvisorFormat.field("secondLines").count,
                                 kResults = kAdvisorFormat.field("results").count;
    static constexpr std::size_t kTexts = kFirstLines + kSecondLines + kResults;
    static constexpr std::size_t kTextSize = kAdvisorFormat.sizeOf("firstLines");  // text n at n * kTextSize
    static constexpr std::size_t kTextLimit = 63;
    static constexpr std::size_t kSize = kAdvisorFormat.size;
};
// Nothing lies between the texts.
static_assert(kAdvisorFormat.at("secondLines") == kAdvisorFormat.field("firstLines").end() &&
              kAdvisorFormat.at("results") == kAdvisorFormat.field("secondLines").end() &&
              kAdvisorFormat.field("results").end() == AdvisorLayout::kSize);

struct Advisor {
    // First lines, then second lines, then the results of 0 to 10 won battles.
    std::array<std::string, AdvisorLayout::kTexts> texts;
    bool operator==(const Advisor&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Advisor& advisor);

// Texts past the end of a short record read as empty.
Advisor readAdvisor(std::span<const std::uint8_t> record);
core::Bytes writeAdvisor(const Advisor& advisor);
Advisor newAdvisor();

}  // namespace kestrel::datasets
