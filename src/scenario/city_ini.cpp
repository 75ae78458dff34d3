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

core::Bytes joined(const core::Bytes& first, const core::Bytes& second) {
    core::Bytes file = first;
    file.insert(file.end(), second.begin(), second.end());
    return file;
}

// The block at `at`, with the count it is read with; `at` moves past as
// many records as the file names.
core::Bytes blockAt(std::span<const std::uint8_t> file, std::size_t& at) {
    if (at >= file.size()) return CityIniBlocks{}.capitals;
    const int stored = core::RecordReader(file.subspan(at)).s16(F::kCount);
    const std::size_t named = static_cast<std::size_t>(std::max(stored, 0));
    const std::size_t first = at + F::kCountSize;
    const std::size_t whole = file.size() < first ? 0 : (file.size() - first) / L::kSize;
    const std::size_t count = std::min({named, F::kLimit, whole});
    core::RecordWriter head(F::kCountSize);
    head.s16(F::kCount, static_cast<int>(count));
    core::Bytes block = head.take();
    const auto records = file.subspan(first, count * L::kSize);
    block.insert(block.end(), records.begin(), records.end());
    at = first + named * L::kSize;
    return block;
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

CityIniBlocks splitCityIni(std::span<const std::uint8_t> file) {
    std::size_t at = 0;
    CityIniBlocks blocks;
    blocks.capitals = blockAt(file, at);
    blocks.owners = blockAt(file, at);
    return blocks;
}

std::vector<CityIniRecord> readCityIniBlock(std::span<const std::uint8_t> block) {
    std::size_t at = 0;
    const core::Bytes counted = blockAt(block, at);
    std::vector<CityIniRecord> records;
    for (std::size_t first = F::kCountSize; first < counted.size(); first += L::kSize)
        records.push_back(readCityIniRecord(std::span(counted).subspan(first, L::kSize)));
    return records;
}

CityIni readCityIni(std::span<const std::uint8_t> file) {
    const CityIniBlocks blocks = splitCityIni(file);
    return {readCityIniBlock(blocks.capitals), readCityIniBlock(blocks.owners)};
}

core::Bytes writeCityIniBlock(std::span<const CityIniRecord> block) {
    std::vector<core::Bytes> records;
    for (std::size_t i = 0; i < std::min(block.size(), F::kLimit); ++i) records.push_back(writeCityIniRecord(block[i]));
    return countedFile(records, F::kLimit);
}

core::Bytes writeCityIni(const CityIni& ini) {
    return joined(writeCityIniBlock(ini.capitals), writeCityIniBlock(ini.owners));
}

std::optional<CityIniBlocks> loadCityIniBlocks(const core::DataRoot& root, std::string_view scenario) {
    const auto file = root.read(scenarioFile(scenario, kCityIniFile), F::kMaxReadSize);
    if (!file) return std::nullopt;
    return splitCityIni(*file);
}

bool saveCityIni(const core::DataRoot& root, std::string_view scenario, const CityIniBlocks& blocks) {
    return root.writeAtomic(scenarioFile(scenario, kCityIniFile), joined(blocks.capitals, blocks.owners));
}

bool saveCityIni(const core::DataRoot& root, std::string_view scenario, const CityIni& ini) {
    return root.writeAtomic(scenarioFile(scenario, kCityIniFile), writeCityIni(ini));
}

}  // namespace kestrel::scenario
