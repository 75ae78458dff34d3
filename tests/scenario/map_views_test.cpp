// The large strategic picture, the pick rule and the map location text that
// the city, ruin and site editors share.
#include <gtest/gtest.h>

#include "scenario/map_location.hpp"
#include "scenario/map_scene.hpp"
#include "scenario/placed_records.hpp"
#include "scenario/strategic_picture.hpp"
#include "support/laid_out.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::scenario {
namespace {

using kestrel::testing::TempRoot;
using testing::placedFile;

TEST(PickRule, LargerDistanceWinsSmallestAndTheEarliestOnTies) {
    const std::vector<MapPosition> at{{10, 10}, {12, 7}, {8, 12}, {30, 30}};
    EXPECT_EQ(nearestPlaced(at, {11, 9}), 0);   // d 1, 2, 3
    EXPECT_EQ(nearestPlaced(at, {10, 9}), 0);   // d 1 and 2: the nearest
    EXPECT_EQ(nearestPlaced(at, {9, 11}), 0);   // d 1 and 1: the earlier
    EXPECT_EQ(nearestPlaced(at, {29, 31}), 3);
    EXPECT_EQ(nearestPlaced({}, {0, 0}), -1);
    EXPECT_EQ(nearestPlaced(at, {5000, 5000}), -1);          // d 4970 never beats 1000
    EXPECT_EQ(nearestPlaced(at, {5000, 5000}, 10000), 3);    // the map location has no limit
}

TEST(MapLocation, NamesAreaAndNearestOfEachKindOrADash) {
    TempRoot t;
    t.mkdir("SCENARIO/ISLE");
    EXPECT_EQ(mapLocationText(t.root(), "ISLE", {3, 4}), "Area:-   City:-   Ruin:-   Site:-   ");
    core::Bytes map = newMapFile(mapSizes()[0]);
    MapCell cell;
    cell.setArea(2);
    putMapCell(map, mapCellOffset(readMapHeader(map), 3, 4), cell);
    t.write("SCENARIO/ISLE/MAP.DAT", map);
    EXPECT_EQ(mapLocationText(t.root(), "ISLE", {3, 4}), "Area:-   City:-   Ruin:-   Site:-   ");  // no AREA.DAT
    t.write("SCENARIO/ISLE/AREA.DAT", kestrel::testing::laidOut(256 * 34, {{2 * 34, "Marsh"}}));
    t.write("SCENARIO/ISLE/CITY.DAT", placedFile(208, 162, {{"Far", 30, 30}, {"Near", 1, 1}}));
    t.write("SCENARIO/ISLE/RUIN.DAT", placedFile(192, 148, {}));
    t.write("SCENARIO/ISLE/SITE.DAT", placedFile(154, 148, {{"Shrine", 900, 900}}));
    EXPECT_EQ(mapLocationText(t.root(), "ISLE", {3, 4}), "Area:Marsh   City:Near   Ruin:-   Site:Shrine   ");
    EXPECT_EQ(mapLocationText(t.root(), "ISLE", {0, 0}), "Area:   City:Near   Ruin:-   Site:Shrine   ");
}

// The editors hold 150 cities and 100 ruins or sites; the nearest record is
// sought among every record of the file.
TEST(MapLocation, TheNearestMayLieBeyondWhatTheEditorsHold) {
    TempRoot t;
    for (const PlacedFile& kind : {kCityPlaces, kRuinPlaces, kSitePlaces}) {
        std::vector<std::tuple<std::string, int, int>> records(static_cast<std::size_t>(kind.limit) + 5, {"Far", 0, 0});
        records.back() = {"Target", 31, 39};
        t.write("SCENARIO/ISLE/" + std::string(kind.file), placedFile(kind.recordSize, kind.positionAt, records));
    }
    EXPECT_EQ(mapLocationText(t.root(), "ISLE", {30, 38}), "Area:-   City:Target   Ruin:Target   Site:Target   ");
}

class LargePicture : public ::testing::Test {
protected:
    void SetUp() override { testing::writeBluePicture(t, "STRAT_L", 200, 250); }
    std::vector<ui::MessageBox> load() {
        ui::HeadlessHost host;
        picture.load(host, t.root(), "ISLE");
        return host.messages();
    }
    TempRoot t;
    LargeStrategicPicture picture;
};

TEST_F(LargePicture, MissingPictureOrMapSayWhatIsMissing) {
    // Content no decoder knows gives no picture; a missing file one that cannot load.
    t.write("SCENARIO/ISLE/STRAT_L.PCX", "not a picture");
    EXPECT_EQ(load(), (std::vector<ui::MessageBox>{{"Error", "Error finding file STRAT_L", ui::Icon::Exclamation}}));
    EXPECT_FALSE(picture.loaded());
    std::filesystem::remove(t.path() / "SCENARIO/ISLE/STRAT_L.PCX");
    EXPECT_EQ(load(), (std::vector<ui::MessageBox>{{"Error", "Error loading picture", ui::Icon::Exclamation}}));
    EXPECT_FALSE(picture.loaded());
    SetUp();
    EXPECT_EQ(load(), (std::vector<ui::MessageBox>{{"Error", "Map file not found (MAP.DAT)!", ui::Icon::Exclamation}}));
    EXPECT_TRUE(picture.loaded());
    EXPECT_EQ(picture.positionAt(219, 269), (MapPosition{31, 39}));  // 32 by 40 without a map
}

TEST_F(LargePicture, PixelsAndPositionsBothWaysWithIntegerDivision) {
    t.write("SCENARIO/ISLE/MAP.DAT", newMapFile(mapSizes()[5]));  // 128 by 160
    EXPECT_TRUE(load().empty());
    EXPECT_EQ(picture.pixelOf({0, 0}), (MapPosition{20, 20}));
    EXPECT_EQ(picture.pixelOf({127, 159}), (MapPosition{20 + 127 * 200 / 128, 20 + 159 * 250 / 160}));
    EXPECT_EQ(picture.positionAt(20, 20), (MapPosition{0, 0}));
    EXPECT_EQ(picture.positionAt(120, 145), (MapPosition{64, 80}));
    EXPECT_EQ(picture.positionAt(219, 269), (MapPosition{127, 159}));
    EXPECT_FALSE(picture.positionAt(19, 100));
    EXPECT_FALSE(picture.positionAt(220, 100));
    EXPECT_FALSE(picture.positionAt(100, 270));
}

TEST_F(LargePicture, MarkersAreThirteenPixelsCurrentRedOthersWhite) {
    t.write("SCENARIO/ISLE/MAP.DAT", newMapFile(mapSizes()[0]));
    load();
    pictures::Surface client(300, 300);
    const std::vector<MapPosition> markers{{0, 0}, {16, 20}};
    picture.paint(client, markers, 1);
    const pictures::Rgb red{255, 0, 0}, white{255, 255, 255}, blue{0, 0, 200};
    // (0, 0) lies at pixel (20, 20): marker from (15, 15) to (27, 27), both excluded at 28; outside the
    // picture, untouched. (16, 20) lies at (120, 145): filled red, framed white.
    testing::expectPixels(client, {{15, 15, red}, {27, 27, red}, {16, 16, white}, {26, 21, white}, {28, 21, blue}});
    testing::expectPixels(client, {{21, 28, blue}, {14, 21, pictures::Rgb{}}, {115, 140, white}, {127, 152, white}});
    testing::expectPixels(client, {{120, 145, red}, {128, 145, blue}});
}

}  // namespace
}  // namespace kestrel::scenario
