// The golden texts of the city set and the scenario's cities.
#include "datasets/city_set.hpp"
#include "records_testing.hpp"
#include "scenario/city_file.hpp"

namespace kestrel::records {
namespace {

TEST(ShownRecords, CitySetWithJunkBehindANul) {
    core::Bytes file = datasets::writeCitySet({{"Ruin", "Village", "Castle", "Citadel"}});
    file[20 + 8] = 0x5A;  // behind "Village"
    testing::expectShownAs("city-set", file, "city_set");
}

TEST(ShownRecords, CitiesWithAReservedByteAndACutRecord) {
    scenario::City city;
    city.name = "Ravenholm";
    city.description = "Seat of the \"Red\" Kings";
    city.chance = 100;
    city.x = 6;
    city.y = 127;
    city.level = 3;
    city.manaType = 9;  // no name
    city.production = {"PIKEMEN", "", "", ""};
    city.reserved207 = 0x80;
    core::Bytes file = scenario::writeCities(std::vector<scenario::City>{city, city});
    file[0] = 3;                    // a count beyond the records
    file.resize(file.size() - 50);  // the second record cut
    testing::expectShownAs("cities", file, "cities");
}

}  // namespace
}  // namespace kestrel::records
