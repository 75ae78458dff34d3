// CITY.DAT and CITY.INI: every field at its offset, counts clamped to what
// the editor holds and to what the file has.
#include "scenario/city_file.hpp"

#include <gtest/gtest.h>

#include "core/le.hpp"
#include "scenario/city_ini.hpp"

namespace kestrel::scenario {
namespace {

std::string at(const core::Bytes& b, std::size_t offset, std::size_t size) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(offset),
                       b.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

City everyField() {
    City c;
    c.name = "Ravenholm";
    for (std::size_t i = 0; i < c.reserved16.size(); ++i) c.reserved16[i] = static_cast<std::uint8_t>(0xE0 + i);
    c.description = "Grey walls";
    c.chance = 75;
    c.x = 127;
    c.y = 159;
    c.level = 3;
    c.income = 99;
    c.manaType = 2;
    c.mana = 42;
    c.production = {"PIKEMEN", "GRIFFINS", "", "ABCDEFGH"};
    c.cityType = 1;
    c.reserved207 = 0xAB;
    return c;
}

TEST(CityFile, EveryFieldAtItsOffset) {
    const core::Bytes r = writeCity(everyField());
    ASSERT_EQ(r.size(), 208u);
    EXPECT_EQ(at(r, 0, 16), std::string("Ravenholm\0\0\0\0\0\0\0", 16));
    EXPECT_EQ(at(r, 16, 16), "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF");
    EXPECT_EQ(at(r, 32, 11), std::string("Grey walls\0", 11));
    EXPECT_EQ(at(r, 43, 117), std::string(117, '\0'));
    const std::vector<std::pair<std::size_t, int>> words{{160, 75}, {162, 127}, {164, 159}};
    for (const auto& [offset, value] : words) EXPECT_EQ(core::getS16(r, offset), value) << offset;
    EXPECT_EQ(at(r, 166, 4), "\x03\x63\x02\x2A");  // level, income, mana type, mana
    EXPECT_EQ(at(r, 170, 9), std::string("PIKEMEN\0\0", 9));
    EXPECT_EQ(at(r, 179, 9), std::string("GRIFFINS\0", 9));
    EXPECT_EQ(at(r, 188, 9), std::string(9, '\0'));
    EXPECT_EQ(at(r, 197, 9), std::string("ABCDEFGH\0", 9));
    EXPECT_EQ(r[206], 1);
    EXPECT_EQ(r[207], 0xAB);
    EXPECT_EQ(readCity(r), everyField());
}

TEST(CityFile, CountIsClampedToTheLimitAndToTheRecordsOfTheFile) {
    const std::vector<City> many(151, everyField());
    const core::Bytes file = writeCities(many);
    ASSERT_EQ(file.size(), 2u + 150 * 208);
    EXPECT_EQ(core::getS16(file, 0), 150);
    EXPECT_EQ(at(file, 2 + 149 * 208, 208), at(writeCity(everyField()), 0, 208));

    const auto withCount = [&](int count, std::size_t size) {
        core::Bytes f(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        core::putS16(f, 0, static_cast<std::int16_t>(count));
        return readCities(f).size();
    };
    EXPECT_EQ(withCount(3, file.size()), 3u);
    EXPECT_EQ(withCount(-1, file.size()), 0u);
    EXPECT_EQ(withCount(32000, file.size()), 150u);
    EXPECT_EQ(withCount(5, 2 + 2 * 208 + 100), 2u);  // the cut third record is not taken
    EXPECT_TRUE(readCities(core::Bytes{7}).empty());
    EXPECT_EQ(writeCities({}), (core::Bytes{0, 0}));
}

CityIniRecord ini(int side, std::string city, int chance) {
    return {chance, side, std::move(city), {"WOLVES", "", "PIKEMEN", "ABCDEFGH"}};
}

TEST(CityIniFile, BlocksOneAfterTheOtherEveryFieldAtItsOffset) {
    const CityIni file{{ini(8, "Ravenholm", 50)}, {ini(2, std::string(31, 'n'), 100), ini(-1, "", -7)}};
    const core::Bytes b = writeCityIni(file);
    ASSERT_EQ(b.size(), 2u + 72 + 2 + 2 * 72);
    EXPECT_EQ(core::getS16(b, 0), 1);
    EXPECT_EQ(core::getS16(b, 2), 50);
    EXPECT_EQ(core::getS16(b, 4), 8);
    EXPECT_EQ(at(b, 6, 32), std::string("Ravenholm") + std::string(23, '\0'));
    EXPECT_EQ(at(b, 38, 36), std::string("WOLVES\0\0\0", 9) + std::string(9, '\0') + std::string("PIKEMEN\0\0", 9) +
                                 std::string("ABCDEFGH\0", 9));
    EXPECT_EQ(core::getS16(b, 74), 2);
    EXPECT_EQ(at(b, 76 + 4, 32), std::string(31, 'n') + '\0');
    EXPECT_EQ(core::getS16(b, 76 + 72), -7);
    EXPECT_EQ(core::getS16(b, 76 + 74), -1);
    EXPECT_EQ(readCityIni(b), file);
    EXPECT_EQ(writeCityIni({}), (core::Bytes{0, 0, 0, 0}));
    EXPECT_EQ(CityIniRecord{}, (CityIniRecord{0, 0, "?????", {}}));
}

TEST(CityIniFile, CountsAreClampedAndTheOwnersFollowEveryCapitalOfTheFile) {
    CityIni full;
    full.capitals.assign(152, ini(1, "Cap", 10));
    full.capitals[149].city = "Last";
    full.owners = {ini(3, "Own", 20)};
    // What a file with 152 capitals holds: the writer keeps to 150, so build it by hand.
    core::Bytes b;
    core::Bytes count{0, 0};
    core::putS16(count, 0, 152);
    b.insert(b.end(), count.begin(), count.end());
    for (const auto& r : full.capitals) {
        const core::Bytes rec = writeCityIniRecord(r);
        b.insert(b.end(), rec.begin(), rec.end());
    }
    const core::Bytes owners = writeCityIni({{}, full.owners});
    b.insert(b.end(), owners.begin() + 2, owners.end());
    const CityIni read = readCityIni(b);
    ASSERT_EQ(read.capitals.size(), 150u);
    EXPECT_EQ(read.capitals.back().city, "Last");
    EXPECT_EQ(read.owners, full.owners);
    EXPECT_EQ(writeCityIni(read).size(), 2u + 150 * 72 + 2 + 72);

    core::Bytes negative = writeCityIni({{ini(0, "A", 1)}, {ini(0, "B", 1)}});
    core::putS16(negative, 74, -5);
    EXPECT_EQ(readCityIni(negative), (CityIni{{ini(0, "A", 1)}, {}}));
    core::putS16(negative, 0, 9);  // more capitals than the file has: the whole ones, no owners behind them
    EXPECT_EQ(readCityIni(negative).capitals.size(), 2u);
    EXPECT_TRUE(readCityIni(negative).owners.empty());
    EXPECT_EQ(readCityIni(core::Bytes{1}), CityIni{});
}

}  // namespace
}  // namespace kestrel::scenario
