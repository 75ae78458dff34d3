// Advisor record: nineteen 64-byte texts the advisor speaks before a battle,
// four opening lines, four second lines and one phrase per battle outcome.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>

#include "core/bytes.hpp"

namespace kestrel::datasets {

struct AdvisorLayout {
    static constexpr std::size_t kTexts = 19;
    static constexpr std::size_t kTextSize = 64;  // text n at n * kTextSize
    static constexpr std::size_t kTextLimit = 63;
    static constexpr std::size_t kSize = kTexts * kTextSize;
    static constexpr std::size_t kFirstLines = 4, kSecondLines = 4, kResults = 11;
};

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
