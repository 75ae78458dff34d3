// The tile map view, the small strategic view and the position picker
// "Select XY Coord" that holds them, played through the headless host.
#include <gtest/gtest.h>

#include "resources/layouts.hpp"
#include "scenario/map_scene.hpp"
#include "scenario/position_picker.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::scenario {
namespace {

using testing::cellColour;
using testing::expectPixels;
using testing::MapScene;
using Kind = ui::MouseEvent::Kind;

constexpr pictures::Rgb kBlue{0, 0, 200}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kGreen{0, 255, 0};
const pictures::Rgb kTerrain = cellColour(1, 0, 0);

void writeSmallPicture(const MapScene& scene) { testing::writeBluePicture(scene.t, "STRAT_S", 100, 125); }

core::Bytes narrowMap() {  // 5 by 4 tiles, stored 8 to a row
    core::Bytes map = writeMapHeader({5, 4, 8, 3, 32, {250, 200, 0, 0}});
    map.resize(18 + 32 * 10, 0);
    return map;
}

TEST(TileMapView, OriginsAreClampedToEveryMapSize) {
    for (int size = 0; size < 6; ++size) {
        MapScene scene(size);
        const int w = mapSizes()[size].width, h = mapSizes()[size].height;
        TileMapView view;
        ASSERT_TRUE(view.Create(scene.t.root(), 12, 11, 336 + 47, 288 + 47, MapScene::kScenario, nullptr));
        EXPECT_EQ(view.tilesAcross(), 7);
        EXPECT_EQ(view.tilesDown(), 6);
        view.ScrollTo(30000, 30000);
        EXPECT_EQ(view.origin(), (MapPosition{w - 7, h - 6})) << w;
        view.ScrollTo(-1, 3);
        EXPECT_EQ(view.origin(), (MapPosition{w - 7, 3})) << w;
        view.CentreOn({0, 0});
        EXPECT_EQ(view.origin(), (MapPosition{0, 0})) << w;
        view.CentreOn({w - 1, h - 1});
        EXPECT_EQ(view.origin(), (MapPosition{w - 7, h - 6})) << w;
    }
    MapScene scene;
    TileMapView view;
    ASSERT_TRUE(view.Create(scene.t.root(), 12, 11, 336, 288, MapScene::kScenario, nullptr));
    view.ScrollTo(30, 30);  // each coordinate on its own
    EXPECT_EQ(view.origin(), (MapPosition{25, 30}));
    view.CentreOn({10, 10});
    EXPECT_EQ(view.origin(), (MapPosition{7, 7}));
    EXPECT_TRUE(view.Contains(12, 11));
    EXPECT_TRUE(view.Contains(347, 298));
    EXPECT_FALSE(view.Contains(348, 100));
    EXPECT_FALSE(view.Contains(100, 10));
    EXPECT_EQ(view.PositionAt(12 + 48 + 47, 11 + 5 * 48), (MapPosition{8, 12}));
}

TEST(TileMapView, PaintsTilesAndTheCallersMarkersOnly) {
    MapScene scene;
    scene.setCell(8, 9, [](MapCell& c) { c.setVariant(1); });
    std::vector<std::pair<MapPosition, MapPosition>> painted;  // position, tile corner
    TileMapView view;
    ASSERT_TRUE(view.Create(
        scene.t.root(), 12, 11, 336, 288, MapScene::kScenario, nullptr, [](MapPosition at) { return at.x == at.y; },
        [&](MapPosition at, pictures::Surface&, int left, int top) { painted.push_back({at, {left, top}}); }));
    pictures::Surface client(480, 320, pictures::kDialogFace);
    view.Paint(client, 7, 8);
    EXPECT_EQ(view.origin(), (MapPosition{7, 8}));
    // (8, 9) has variant 1; the face lies around the view.
    expectPixels(client, {{12, 11, kTerrain}, {12 + 48, 11 + 48, cellColour(1, 1, 0)}, {347, 298, kTerrain},
                          {348, 298, pictures::kDialogFace}, {11, 11, pictures::kDialogFace}});
    using P = std::pair<MapPosition, MapPosition>;
    EXPECT_EQ(painted, (std::vector<P>{{{8, 8}, {60, 11}}, {{9, 9}, {108, 59}}, {{10, 10}, {156, 107}},
                                       {{11, 11}, {204, 155}}, {{12, 12}, {252, 203}}, {{13, 13}, {300, 251}}}));
    TileMapView unloaded;
    EXPECT_FALSE(unloaded.Create(scene.t.root(), 12, 11, 336, 288, "", nullptr));
    unloaded.Paint(client, 0, 0);  // nothing, and no crash
}

TEST(TileMapView, MapNarrowerThanTheViewShowsNothingLeftOfIt) {
    MapScene scene;
    scene.setMap(narrowMap());
    TileMapView view;
    ASSERT_TRUE(view.Create(scene.t.root(), 12, 11, 336, 288, MapScene::kScenario, nullptr));
    pictures::Surface client(480, 320, pictures::kDialogFace);
    view.Paint(client, 0, 0);
    EXPECT_EQ(view.origin(), (MapPosition{-2, -2}));
    // x = -1, y = -1, (0, 0) and (4, 3).
    expectPixels(client, {{12 + 96 - 1, 11 + 96, pictures::kDialogFace}, {12 + 96, 11 + 96 - 1, pictures::kDialogFace},
                          {12 + 96, 11 + 96, kTerrain}, {347, 298, kTerrain}});
    EXPECT_EQ(view.PositionAt(12, 11), (MapPosition{-2, -2}));
    EXPECT_FALSE(view.IsOnMap({-1, 0}));
    EXPECT_FALSE(view.IsOnMap({5, 0}));  // stored in the row, but not on the map
    EXPECT_TRUE(view.IsOnMap({4, 3}));
}

TEST(StrategicView, FramesWhatTheTilesShowAndMapsClicks) {
    MapScene scene;
    writeSmallPicture(scene);
    TileMapView tiles;
    StrategicView view;
    ASSERT_TRUE(tiles.Create(scene.t.root(), 12, 11, 336, 288, MapScene::kScenario, &view));
    ASSERT_TRUE(view.Create(scene.t.root(), 360, 11, 100, 125, MapScene::kScenario, &tiles));
    pictures::Surface client(480, 320);
    view.Paint(client);
    // Origin (0, 0) of 32 by 40: (360, 11) to (360 + 700 / 32, 11 + 750 / 40), right and bottom excluded.
    expectPixels(client, {{360, 11, kWhite}, {380, 28, kWhite}, {370, 28, kWhite}, {380, 20, kWhite},
                          {381, 20, kBlue}, {370, 29, kBlue}, {370, 20, kBlue}, {459, 135, kBlue}});
    tiles.ScrollTo(25, 34);
    view.Paint(client);
    expectPixels(client, {{438, 117, kWhite}, {458, 134, kWhite}, {459, 134, kBlue}});
    view.Paint(client, false);
    EXPECT_EQ(client.pixel(438, 117), kBlue);
    EXPECT_EQ(view.PositionAt(360, 11), (MapPosition{0, 0}));
    EXPECT_EQ(view.PositionAt(459, 135), (MapPosition{31, 39}));
    EXPECT_TRUE(view.Contains(459, 135));
    EXPECT_FALSE(view.Contains(460, 11));
    EXPECT_FALSE(view.Contains(360, 136));

    // A map narrower than the tiles: the frame is cut to the picture, never drawn over the tiles.
    scene.setMap(narrowMap());
    TileMapView narrowTiles;
    StrategicView narrow;
    ASSERT_TRUE(narrowTiles.Create(scene.t.root(), 12, 11, 336, 288, MapScene::kScenario, &narrow));
    ASSERT_TRUE(narrow.Create(scene.t.root(), 360, 11, 100, 125, MapScene::kScenario, &narrowTiles));
    narrowTiles.ScrollTo(0, 0);  // origin (-2, -2)
    pictures::Surface fresh(480, 320);
    narrow.Paint(fresh);
    expectPixels(fresh, {{459, 50, kWhite}, {360, 135, kWhite}, {360, 50, kBlue}, {359, 135, pictures::Rgb{}}});

    std::filesystem::remove(scene.t.path() / "SCENARIO/ISLE/STRAT_S.PCX");
    StrategicView missing;
    EXPECT_FALSE(missing.Create(scene.t.root(), 360, 11, 100, 125, MapScene::kScenario, &tiles));
}

class Picker : public ::testing::Test {
protected:
    void SetUp() override { writeSmallPicture(scene); }
    // Runs the picker with `play` as the user.
    int pick(int x, int y, std::function<void(ui::Window&)> play, MarkerTest test = {}, MarkerPainter painter = {}) {
        host.onNextModal(std::move(play));
        return picker.PickPosition(x, y, std::move(test), std::move(painter));
    }
    static void mouse(ui::Window& w, Kind kind, int x, int y) { w.userMouse({kind, x, y}); }

    MapScene scene;
    ui::HeadlessHost host;
    PositionPicker picker{host, scene.t.root(), MapScene::kScenario};
};

TEST_F(Picker, OpensCentredWithTheSelectedTileFramedAndALeftClickChooses) {
    const auto test = [](MapPosition at) { return at == MapPosition{18, 17}; };
    const auto painter = [](MapPosition, pictures::Surface& s, int left, int top) {
        s.fill({left + 20, top + 20, 4, 4}, kGreen);
    };
    const int result = pick(
        20, 20,
        [](ui::Window& w) {
            const pictures::Surface& s = w.client();
            // (20, 20) is the fourth tile of the fourth row from origin (17, 17).
            const int left = 12 + 3 * 48, top = 11 + 3 * 48;
            const std::pair<int, pictures::Rgb> across[] = {{0, kTerrain}, {1, kRed},  {2, kRed},
                                                            {3, kTerrain}, {45, kRed}, {46, kRed},
                                                            {47, kTerrain}};
            for (const auto& [dx, colour] : across) {
                EXPECT_EQ(s.pixel(left + dx, top + 10), colour) << dx;
                EXPECT_EQ(s.pixel(left + 10, top + dx), colour) << dx;
            }
            // The caller paints the selected tile too, and (18, 17).
            expectPixels(s, {{left + 20, top + 20, kGreen}, {12 + 48 + 20, 11 + 20, kGreen},
                             {12 + 2 * 48 + 20, 11 + 20, kTerrain}, {400, 100, kBlue}});
            mouse(w, Kind::LeftDown, 12 + 5 * 48 + 47, 11 + 2 * 48);
        },
        test, painter);
    EXPECT_EQ(result, ui::kIdOk);
    EXPECT_EQ(picker.selected(), (MapPosition{22, 19}));
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(Picker, ClickOrDragOnThePictureScrollsTheTiles) {
    pick(0, 0, [](ui::Window& w) {
        mouse(w, Kind::LeftDown, 360 + 50, 11 + 62);  // (16, 19)
        EXPECT_FALSE(w.isClosed());
        mouse(w, Kind::Move, 360 + 99, 11 + 124);  // (31, 39): clamped to (25, 34)
        mouse(w, Kind::Release, 360 + 99, 11 + 124);
        mouse(w, Kind::Move, 360, 11);  // no longer dragging
        EXPECT_EQ(w.client().pixel(438, 117), kWhite);
        mouse(w, Kind::LeftDown, 12, 11);
    });
    EXPECT_EQ(picker.selected(), (MapPosition{25, 34}));
    pick(0, 0, [](ui::Window& w) {
        mouse(w, Kind::LeftDown, 360 + 50, 11 + 62);
        mouse(w, Kind::LeftDown, 12 + 48, 11);
    });
    EXPECT_EQ(picker.selected(), (MapPosition{17, 19}));
}

TEST_F(Picker, RightClickTellsTheLocationAndCancelKeepsThePosition) {
    scene.ruins({{"Tomb", 3, 4}});
    const int result = pick(3, 4, [](ui::Window& w) {
        mouse(w, Kind::RightDown, 12 + 3 * 48, 11 + 3 * 48);  // origin (0, 1)
        mouse(w, Kind::RightDown, 459, 135);
        mouse(w, Kind::RightDown, 355, 100);  // between the views: nothing
        EXPECT_FALSE(w.isClosed());
        w.userClick(ui::kIdCancel);
    });
    EXPECT_EQ(result, ui::kIdCancel);
    EXPECT_EQ(picker.selected(), (MapPosition{3, 4}));
    EXPECT_EQ(host.messages(), (std::vector<ui::MessageBox>{
                                   {"Map Location (3,4)", "Area:-   City:-   Ruin:Tomb   Site:-   ", ui::Icon::None},
                                   {"Map Location (31,39)", "Area:-   City:-   Ruin:Tomb   Site:-   ", ui::Icon::None}}));
    // A negative start keeps what the picker holds.
    pick(-1, 9, [](ui::Window& w) { w.userClick(ui::kIdOk); });
    EXPECT_EQ(picker.selected(), (MapPosition{3, 9}));
}

TEST_F(Picker, ViewsThatCannotBeCreatedSaySoAndTakeNoClicks) {
    std::filesystem::remove(scene.t.path() / "SCENARIO/ISLE/MAP.DAT");
    std::filesystem::remove(scene.t.path() / "SCENARIO/ISLE/STRAT_S.PCX");
    const int result = pick(2, 3, [](ui::Window& w) {
        mouse(w, Kind::LeftDown, 100, 100);
        mouse(w, Kind::RightDown, 400, 50);
        EXPECT_FALSE(w.isClosed());
        EXPECT_EQ(w.client().pixel(100, 100), pictures::kDialogFace);
        w.userClick(ui::kIdOk);
    });
    EXPECT_EQ(result, ui::kIdOk);
    EXPECT_EQ(picker.selected(), (MapPosition{2, 3}));
    EXPECT_EQ(host.messages(),
              (std::vector<ui::MessageBox>{{"Error", "Error creating map display", ui::Icon::Exclamation},
                                           {"Error", "Error creating strat display", ui::Icon::Exclamation}}));
}

TEST_F(Picker, TilesBesideANarrowMapAreNoPosition) {
    scene.setMap(narrowMap());
    pick(0, 0, [](ui::Window& w) {
        mouse(w, Kind::LeftDown, 12 + 47, 11 + 2 * 48);  // x = -2
        mouse(w, Kind::RightDown, 12 + 47, 11 + 2 * 48);
        EXPECT_FALSE(w.isClosed());
        mouse(w, Kind::LeftDown, 12 + 2 * 48, 11 + 2 * 48);
    });
    EXPECT_EQ(picker.selected(), (MapPosition{0, 0}));
    EXPECT_TRUE(host.messages().empty());
}

TEST(PickerLayout, ButtonsStandClearOfBothViews) {
    const ui::Layout& l = ui::layoutFor(resources::kPositionPicker);
    EXPECT_GE(ui::toPixelsX(l.width), 460 + 6);
    EXPECT_GE(ui::toPixelsY(l.height), 299 + 6);
    const ui::Rect views[] = {{12, 11, 336, 288}, {360, 11, 100, 125}};
    ASSERT_EQ(l.controls.size(), 2u);
    for (const auto& c : l.controls) {
        const ui::Rect r = ui::toPixels(c.rect);
        for (const auto& v : views)
            EXPECT_TRUE(r.x >= v.x + v.w || r.x + r.w <= v.x || r.y >= v.y + v.h || r.y + r.h <= v.y) << c.label;
    }
}

}  // namespace
}  // namespace kestrel::scenario
