#include "datasets/ability_entry.hpp"

#include "core/fixed_text.hpp"
#include "core/le.hpp"
#include "core/record_fields.hpp"

namespace kestrel::datasets {

namespace {

std::int16_t readS16(std::span<const std::uint8_t> record, std::size_t offset) {
    return core::RecordReader(record).s16(offset);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const SpecialAbility& a) {
    return out << "Ability{" << a.code << ", " << a.first << ", " << a.second << ", \"" << a.text << "\"}";
}

SpecialAbility readAbility(std::span<const std::uint8_t> record, std::size_t offset) {
    using A = SpecialAbility;
    return {readS16(record, offset + A::kCodeAt), readS16(record, offset + A::kFirstAt),
            readS16(record, offset + A::kSecondAt), core::readFixedText(record, offset + A::kTextAt, A::kTextSize)};
}

void writeAbility(std::span<std::uint8_t> record, std::size_t offset, const SpecialAbility& ability) {
    using A = SpecialAbility;
    core::putS16(record, offset + A::kCodeAt, ability.code);
    core::putS16(record, offset + A::kFirstAt, ability.first);
    core::putS16(record, offset + A::kSecondAt, ability.second);
    core::writeFixedText(record, offset + A::kTextAt, A::kTextSize, ability.text);
    record[offset + A::kSize - 1] = 0;
}

int abilityPosition(std::span<const AbilityChoice> choices, std::int16_t code) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].value == code) return static_cast<int>(i);
    return 0;
}

std::int16_t abilityCode(std::span<const AbilityChoice> choices, int position) {
    return position >= 0 && position < static_cast<int>(choices.size()) ? choices[position].value : std::int16_t{0};
}

}  // namespace kestrel::datasets
