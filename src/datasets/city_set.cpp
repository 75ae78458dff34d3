#include "datasets/city_set.hpp"

#include "core/fixed_text.hpp"

namespace kestrel::datasets {

std::ostream& operator<<(std::ostream& out, const CitySet& set) {
    out << "CitySet{";
    for (std::size_t i = 0; i < set.levels.size(); ++i) out << (i ? ", \"" : "\"") << set.levels[i] << '"';
    return out << '}';
}

CitySet readCitySet(std::span<const std::uint8_t> record) {
    CitySet set;
    for (std::size_t i = 0; i < CitySetLayout::kLevels; ++i)
        set.levels[i] = core::readFixedText(record, i * CitySetLayout::kNameField, CitySetLayout::kNameField);
    return set;
}

core::Bytes writeCitySet(const CitySet& set) {
    core::Bytes record(CitySetLayout::kSize, 0);
    for (std::size_t i = 0; i < CitySetLayout::kLevels; ++i)
        core::writeFixedText(record, i * CitySetLayout::kNameField, CitySetLayout::kNameField, set.levels[i]);
    return record;
}

CitySet newCitySet() { return {{"Ruin", "Village", "Castle", "Citadel"}}; }

}  // namespace kestrel::datasets
