#include "scenario/city_ini.hpp"

#include <algorithm>

#include "core/record_fields.hpp"
#include "scenario/placed_head.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

using L = CityIniLayout;
using F = CityIniFileLayout;

std::size_t productionAt(std::size_t slot) { return L::kProduction + slot * L::kProductionSize; }

// One block at `at`: its records, and where the next block starts.
std::vector<CityIniRecord> readBlock(std::span<const std::uint8_t> file, std::size_t& at) {
    std::vector<CityIniRecord> block;
    if (at >= file.size()) return block;
    const int stored = core::RecordReader(file.subspan(at)).s16(0);
    const std::size_t named = static_cast<std::size_t>(std::max(stored, 0));
    const std::size_t first = at + F::kCountSize;
    const std::size_t whole = file.size() < first ? 0 : (file.size() - first) / L::kSize;
    const std::size_t count = std::min({named, F::kLimit, whole});
    for (std::size_t i = 0; i < count; ++i)
        block.push_back(readCityIniRecord(file.subspan(first + i * L::kSize, L::kSize)));
    at = first + named * L::kSize;
    return block;
}

void appendBlock(core::Bytes& file, const std::vector<CityIniRecord>& block) {
    std::vector<core::Bytes> records;
    for (std::size_t i = 0; i < std::min(block.size(), F::kLimit); ++i) records.push_back(writeCityIniRecord(block[i]));
    const core::Bytes counted = countedFile(records, F::kLimit);
    file.insert(file.end(), counted.begin(), counted.end());
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const CityIniRecord& r) {
    out << "CityIniRecord{\"" << r.city << "\", side " << r.side << ", chance " << r.chance << ", production";
    for (const auto& p : r.production) out << " \"" << p << '"';
    return out << '}';
}

CityIniRecord readCityIniRecord(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    CityIniRecord c;
    c.chance = r.s16(L::kChance);
    c.side = r.s16(L::kSide);
    c.city = r.text(L::kCity, L::kCitySize);
    for (std::size_t i = 0; i < c.production.size(); ++i) c.production[i] = r.text(productionAt(i), L::kProductionSize);
    return c;
}

core::Bytes writeCityIniRecord(const CityIniRecord& c) {
    core::RecordWriter w(L::kSize);
    w.s16(L::kChance, c.chance);
    w.s16(L::kSide, c.side);
    w.text(L::kCity, L::kCitySize, c.city);
    for (std::size_t i = 0; i < c.production.size(); ++i) w.text(productionAt(i), L::kProductionSize, c.production[i]);
    return w.take();
}

CityIni readCityIni(std::span<const std::uint8_t> file) {
    CityIni ini;
    std::size_t at = 0;
    ini.capitals = readBlock(file, at);
    ini.owners = readBlock(file, at);
    return ini;
}

core::Bytes writeCityIni(const CityIni& ini) {
    core::Bytes file;
    appendBlock(file, ini.capitals);
    appendBlock(file, ini.owners);
    return file;
}

std::optional<CityIni> loadCityIni(const core::DataRoot& root, std::string_view scenario) {
    const auto file = root.read(scenarioFile(scenario, kCityIniFile), F::kMaxReadSize);
    if (!file) return std::nullopt;
    return readCityIni(*file);
}

bool saveCityIni(const core::DataRoot& root, std::string_view scenario, const CityIni& ini) {
    return root.writeAtomic(scenarioFile(scenario, kCityIniFile), writeCityIni(ini));
}

}  // namespace kestrel::scenario
