// CITY.DAT and CITY.INI: every field at its offset; CITY.INI's two blocks
// with their counts clamped to what the editor holds and to what the file has.
#include "scenario/city_file.hpp"

#include <gtest/gtest.h>

#include "scenario/city_ini.hpp"
#include "support/laid_out.hpp"

namespace kestrel::scenario {
namespace {

using testing::laidOut;

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
    const City c = everyField();
    core::Bytes want = laidOut(208, {{0, "Ravenholm"}, {32, "Grey walls"}, {170, "PIKEMEN"}, {179, "GRIFFINS"}},
                               {{160, 75}, {162, 127}, {164, 159}});          // chance, x, y
    testing::putTexts(want, {{166, "\x03\x63\x02\x2A"}, {197, "ABCDEFGH"}});  // level, income, mana type, mana
    std::copy(c.reserved16.begin(), c.reserved16.end(), want.begin() + 16);
    want[206] = 1;
    want[207] = 0xAB;
    EXPECT_EQ(writeCity(c), want);
    EXPECT_EQ(readCity(want), c);
}

CityIniRecord ini(int side, std::string city, int chance) {
    return {chance, side, std::move(city), {"WOLVES", "", "PIKEMEN", "ABCDEFGH"}};
}

TEST(CityIniFile, BlocksOneAfterTheOtherEveryFieldAtItsOffset) {
    const CityIni file{{ini(8, "Ravenholm", 50)}, {ini(2, std::string(31, 'n'), 100), ini(-1, "", -7)}};
    // Each block a count and records of chance, side, city and four productions.
    core::Bytes want = laidOut(2 + 72 + 2 + 2 * 72, {{6, "Ravenholm"}, {80, std::string(31, 'n')}},
                               {{0, 1}, {2, 50}, {4, 8}, {74, 2}, {76, 100}, {78, 2}, {148, -7}, {150, -1}});
    for (const std::size_t at : {2, 76, 148})
        testing::putTexts(want, {{at + 36, "WOLVES"}, {at + 54, "PIKEMEN"}, {at + 63, "ABCDEFGH"}});
    EXPECT_EQ(writeCityIni(file), want);
    EXPECT_EQ(readCityIni(want), file);
    EXPECT_EQ(writeCityIni({}), (core::Bytes{0, 0, 0, 0}));
    EXPECT_EQ(CityIniRecord{}, (CityIniRecord{0, 0, "?????", {}}));
}

TEST(CityIniFile, CountsAreClampedAndTheOwnersFollowEveryCapitalOfTheFile) {
    CityIni full;
    full.capitals.assign(152, ini(1, "Cap", 10));
    full.capitals[149].city = "Last";
    full.owners = {ini(3, "Own", 20)};
    // What a file with 152 capitals holds: the writer keeps to 150, so build it by hand.
    core::Bytes b{152, 0};
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
