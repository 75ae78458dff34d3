// Fuzzes the city set record: reading any bytes, writing what was read, and
// writing texts of any length.
#include <fuzzer/FuzzedDataProvider.h>

#include "datasets/city_set.hpp"
#include "record_fuzz.hpp"

namespace {

using namespace kestrel::datasets;
using namespace kestrel::fuzz;
using L = CitySetLayout;

void checkRead(std::span<const std::uint8_t> record) {
    const CitySet set = readCitySet(record);
    for (std::size_t i = 0; i < L::kLevels; ++i) {
        if (set.levels[i].size() > L::kNameField) fail("a level name longer than its field");
        checkFieldText(record, i * L::kNameField, L::kNameField, set.levels[i], "a level name is not its field's text");
    }
    // Short records read as if padded with zeros; bytes past the record are ignored.
    if (!(readCitySet(resized(record, L::kSize)) == set)) fail("a record reads otherwise than at its full size");

    const auto written = writeCitySet(set);
    if (written.size() != L::kSize) fail("a written record is not kSize bytes");
    if (!(readCitySet(written) == set)) fail("a written record reads back otherwise");
    if (writeCitySet(readCitySet(written)) != written) fail("rewriting a written record changes its bytes");
}

void checkWrite(FuzzedDataProvider& in) {
    CitySet set;
    for (auto& level : set.levels) level = in.ConsumeRandomLengthString(2 * L::kNameField);
    const auto written = writeCitySet(set);
    if (written.size() != L::kSize) fail("a record with long names is not kSize bytes");
    const CitySet back = readCitySet(written);
    for (std::size_t i = 0; i < L::kLevels; ++i)
        if (back.levels[i] != keptText(set.levels[i], L::kNameField)) fail("a written name does not read back cut to its field");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkRead({data, size});
    FuzzedDataProvider in(data, size);
    checkWrite(in);
    return 0;
}
