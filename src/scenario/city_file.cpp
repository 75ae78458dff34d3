#include "scenario/city_file.hpp"

#include <algorithm>

#include "core/record_fields.hpp"
#include "scenario/placed_head.hpp"
#include "scenario/placed_records.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

using L = CityLayout;
using F = CityFileLayout;

std::size_t productionAt(std::size_t slot) { return L::kProduction + slot * L::kProductionSize; }

}  // namespace

std::ostream& operator<<(std::ostream& out, const City& c) {
    out << "City{\"" << c.name << "\", \"" << c.description << "\", chance " << c.chance << ", at " << c.x << ',' << c.y
        << ", level " << c.level << ", income " << c.income << ", mana " << c.manaType << '/' << c.mana << ", type "
        << c.cityType << ", production";
    for (const auto& p : c.production) out << " \"" << p << '"';
    out << ", reserved";
    for (const auto b : c.reserved16) out << ' ' << int(b);
    return out << " / " << int(c.reserved207) << '}';
}

City readCity(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    City c;
    c.name = r.text(L::kName, L::kNameSize);
    for (std::size_t i = 0; i < c.reserved16.size(); ++i) c.reserved16[i] = r.u8(L::kReserved16 + i);
    c.description = r.text(L::kDescription, L::kDescriptionSize);
    c.chance = r.s16(L::kChance);
    c.x = r.s16(L::kX);
    c.y = r.s16(L::kY);
    c.level = r.u8(L::kLevel);
    c.income = r.u8(L::kIncome);
    c.manaType = r.u8(L::kManaType);
    c.mana = r.u8(L::kMana);
    for (std::size_t i = 0; i < c.production.size(); ++i) c.production[i] = r.text(productionAt(i), L::kProductionSize);
    c.cityType = r.u8(L::kCityType);
    c.reserved207 = r.u8(L::kReserved207);
    return c;
}

core::Bytes writeCity(const City& c) {
    core::RecordWriter w(L::kSize);
    w.text(L::kName, L::kNameSize, c.name);
    std::copy(c.reserved16.begin(), c.reserved16.end(), w.span(L::kReserved16, L::kReserved16Size).begin());
    w.text(L::kDescription, L::kDescriptionSize, c.description);
    w.s16(L::kChance, c.chance);
    w.s16(L::kX, c.x);
    w.s16(L::kY, c.y);
    w.u8(L::kLevel, c.level);
    w.u8(L::kIncome, c.income);
    w.u8(L::kManaType, c.manaType);
    w.u8(L::kMana, c.mana);
    for (std::size_t i = 0; i < c.production.size(); ++i) w.text(productionAt(i), L::kProductionSize, c.production[i]);
    w.u8(L::kCityType, c.cityType);
    w.u8(L::kReserved207, c.reserved207);
    return w.take();
}

std::vector<City> readCities(std::span<const std::uint8_t> file) {
    // The same count the map views take, so markers and the map location agree.
    const std::size_t count = placedCount(file, kCityPlaces);
    std::vector<City> cities;
    cities.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        cities.push_back(readCity(file.subspan(F::kRecords + i * L::kSize, L::kSize)));
    return cities;
}

core::Bytes writeCities(std::span<const City> cities) {
    std::vector<core::Bytes> records;
    for (std::size_t i = 0; i < std::min(cities.size(), F::kLimit); ++i) records.push_back(writeCity(cities[i]));
    return countedFile(records, F::kLimit);
}

std::optional<std::vector<City>> loadCities(const core::DataRoot& root, std::string_view scenario) {
    const auto file = root.read(scenarioFile(scenario, kCityFile), F::kMaxSize);
    if (!file) return std::nullopt;
    return readCities(*file);
}

bool saveCities(const core::DataRoot& root, std::string_view scenario, std::span<const City> cities) {
    return root.writeAtomic(scenarioFile(scenario, kCityFile), writeCities(cities));
}

}  // namespace kestrel::scenario
