// Scenario Cities and the capital and owner lists it opens: picking on the
// picture, the markers, the list rules and the paths that must write nothing.
#include "scenario/scenario_cities_dialog.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "scenario/city_ini.hpp"
#include "scenario/city_ini_dialog.hpp"
#include "scenario/map_scene.hpp"
#include "scenario/sides.hpp"
#include "support/modal_play.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::scenario {
namespace {

using Ids = ScenarioCitiesIds;
using ListIds = CityIniIds;
using kestrel::testing::Play;

constexpr const char* kCities = "SCENARIO/ISLE/CITY.DAT";
constexpr const char* kIni = "SCENARIO/ISLE/CITY.INI";
const pictures::Rgb kRed{255, 0, 0}, kWhite{255, 255, 255};

City city(std::string name, int x, int y, std::array<std::string, 4> production = {}) {
    City c;
    c.name = std::move(name);
    c.x = x;
    c.y = y;
    c.chance = 100;
    c.production = std::move(production);
    return c;
}

// A 32 by 40 map under a blue STRAT_L; side 0 "Red Kings", side 1 with a
// name longer than list lines take, the neutrals offering WOLVES and PIKEMEN.
struct CitiesRun {
    kestrel::testing::TempRoot t;
    ui::HeadlessHost host;
    CitiesRun() {
        testing::writeBluePicture(t, "STRAT_L", 200, 250);
        t.write("SCENARIO/ISLE/MAP.DAT", newMapFile(mapSizes()[0]));
        Sides sides = defaultSides();
        sides[0].used = sides[1].used = true;
        sides[0].name = "Red Kings";
        sides[1].name = "The Blue Isles Of The Sea";
        sides[1].regulars[0] = "SAPPERS";
        sides[8].regulars = {"WOLVES", "PIKEMEN", "", "", "", "", "", ""};
        t.write("SCENARIO/ISLE/SIDES.DAT", writeSides(sides));
        // West and East lie 2 tiles either side of (12, 10), at pixel (95, 83).
        write({city("Corner", 0, 0), city("West", 10, 10), city("East", 14, 10)});
    }
    void write(const std::vector<City>& cities) const { t.write(kCities, writeCities(cities)); }
    void run(const Play& cities, const std::vector<Play>& opened = {}) {
        ScenarioCitiesDialog dialog(host, t.root(), "ISLE");
        host.onNextModal(cities);
        for (const auto& play : opened) host.onNextModal(play);
        host.runModal(dialog);
    }
    std::vector<std::string> messages() const { return kestrel::testing::shownMessages(host); }
};

TEST(ScenarioCities, PickingMarkersAndTheMapLocation) {
    CitiesRun r;
    r.run([](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kName), "Corner");
        EXPECT_EQ(w.client().pixel(20, 20), kRed);    // the current record's marker
        EXPECT_EQ(w.client().pixel(82, 82), kWhite);  // West's
        // Equally near West and East: the earlier record wins.
        w.userMouse({ui::MouseEvent::Kind::LeftDown, 95, 83});
        EXPECT_EQ(w.text(Ids::kName), "West");
        EXPECT_EQ(w.client().pixel(82, 82), kRed);
        EXPECT_EQ(w.client().pixel(20, 20), kWhite);
        w.userType(Ids::kName, "Westmarch");
        w.userType(Ids::kX, "11");
        w.userMouse({ui::MouseEvent::Kind::LeftDown, 120, 83});  // (16, 10): nearest East
        w.userMouse({ui::MouseEvent::Kind::LeftDown, 10, 10});   // outside the picture
        EXPECT_EQ(w.text(Ids::kName), "East");
        // The map location reads the file, not the unsaved move.
        w.userMouse({ui::MouseEvent::Kind::RightDown, 95, 83});
        w.userClick(ui::kIdCancel);
    });
    EXPECT_EQ(r.messages(),
              (std::vector<std::string>{"Map Location (12,10): Area:-   City:West   Ruin:-   Site:-   "}));
}

TEST(ScenarioCities, ProductionKeepsWhatTheNeutralsDoNotOfferAndLimitsHold) {
    CitiesRun r;
    City c = city("Keep", 3, 4, {"GRIFFINS", "wol", "", ""});
    c.level = 9;  // beyond the list: shown as nothing, kept
    c.reserved16.fill(0x5A);
    const City far = city("Far", 32000, -32000);  // its marker lies off the picture and the client
    r.write({c, far});
    r.run([](ui::Window& w) {
        EXPECT_EQ(w.items(Ids::kFirstProduction), (std::vector<std::string>{"PIKEMEN", "WOLVES"}));
        EXPECT_EQ(w.text(Ids::kFirstProduction), "GRIFFINS");
        EXPECT_EQ(w.selection(Ids::kFirstProduction), -1);
        EXPECT_EQ(w.text(Ids::kFirstProduction + 1), "WOLVES");
        EXPECT_EQ(w.selection(Ids::kLevel), -1);
        EXPECT_EQ(w.client().pixel(40, 45), kRed);  // (3, 4) at (38, 45)
        w.userType(Ids::kChance, "101");
        w.userClick(ui::kIdOk);
        EXPECT_FALSE(w.isClosed());
        w.userType(Ids::kChance, "100");
        w.userType(Ids::kFirstProduction + 2, "OGRES");
        w.userClick(ui::kIdOk);
        EXPECT_TRUE(w.isClosed());
    });
    EXPECT_EQ(r.messages(), (std::vector<std::string>{"kstred: Please enter an integer between 0 and 100."}));
    c.production = {"GRIFFINS", "WOLVES", "OGRES", ""};
    EXPECT_EQ(r.t.read(kCities), writeCities(std::vector{c, far}));
}

// No picture: nothing was read, so OK must not empty the file. No CITY.DAT: OK
// writes an empty one. A folder in its place: the failed write keeps the dialog open.
TEST(ScenarioCities, FailuresWriteNothingOrSaySo) {
    const std::string notFound = "Error: City file not found (CITY.DAT)!";
    const std::string none = "Error: There are no cities on the map!";
    const struct {
        const char* removed;
        bool folder;
        std::vector<std::string> messages;
        std::optional<core::Bytes> written;  // none: as it was
    } cases[]{
        {"SCENARIO/ISLE/STRAT_L.PCX", false, {"Error: Error loading picture", none}, std::nullopt},
        {kCities, false, {notFound, none}, core::Bytes{0, 0}},
        {kCities, true, {notFound, none, "Error: Error writing city file CITY.DAT"}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.messages.back());
        CitiesRun r;
        std::filesystem::remove(r.t.path() / c.removed);
        if (c.folder) r.t.mkdir(kCities);
        const core::Bytes before = c.written || c.folder ? core::Bytes{} : r.t.read(kCities);
        bool closed = false;
        r.run([&](ui::Window& w) {
            EXPECT_EQ(w.text(Ids::kName), "");
            w.userClick(Ids::kEditCapitals);
            w.userClick(ui::kIdOk);
            closed = w.isClosed();
        });
        EXPECT_EQ(closed, !c.folder);
        EXPECT_EQ(r.messages(), c.messages);
        if (!c.folder) {
            EXPECT_EQ(r.t.read(kCities), c.written.value_or(before));
        }
    }
}

// The owner list of the city dialog's records; `play` acts on it.
core::Bytes runOwners(CitiesRun& r, const Play& play, bool ok = true) {
    r.run([](ui::Window& w) { w.userClick(Ids::kEditOwners); }, {[&](ui::Window& w) {
              play(w);
              w.userClick(ok ? ui::kIdOk : ui::kIdCancel);
              EXPECT_TRUE(w.isClosed());
          }});
    return r.t.read(kIni);
}

TEST(CityLists, NewInsertAppendDeleteAndTheCurrentRecord) {
    CitiesRun r;
    const CityIniRecord capital{100, 0, "Corner", {"WOLVES", "", "", ""}};
    const CityIniRecord owner{50, 8, "East", {}};
    r.t.write(kIni, writeCityIni({{capital}, {owner, {5, 1, "West", {}}}}));
    const core::Bytes written = runOwners(r, [](ui::Window& w) {
        EXPECT_EQ(w.items(ListIds::kList),
                  (std::vector<std::string>{"East for Neutrals(8): 50%", "West for The Blue Isles (1): 5%"}));
        EXPECT_EQ(w.selection(ListIds::kList), 0);
        EXPECT_EQ(w.items(ListIds::kFirstProduction), (std::vector<std::string>{"PIKEMEN", "WOLVES"}));
        w.userSelect(ListIds::kList, 1);
        EXPECT_EQ(w.items(ListIds::kFirstProduction), (std::vector<std::string>{"SAPPERS"}));
        EXPECT_EQ(w.client().pixel(82, 82), kRed);  // West's marker
        w.userClick(ListIds::kDelete);              // the last: the new last is current
        EXPECT_EQ(w.selection(ListIds::kList), 0);
        EXPECT_EQ(w.text(ListIds::kCity), "East");
        w.userClick(ListIds::kAppend);
        w.userType(ListIds::kChance, "7");
        EXPECT_EQ(w.client().pixel(82, 82), kWhite);  // no city of that name
        w.userMouse({ui::MouseEvent::Kind::LeftDown, 20, 20});
        w.userSelect(ListIds::kOwner, 1);
        w.userClick(ListIds::kInsert);
        EXPECT_EQ(w.selection(ListIds::kList), 1);
        w.userClick(ListIds::kNew);
        EXPECT_EQ(w.selection(ListIds::kList), 3);
        w.userType(ListIds::kChance, "x");
        w.userSelect(ListIds::kList, 0);  // refused: the record stays current
        EXPECT_EQ(w.selection(ListIds::kList), 3);
        w.userType(ListIds::kChance, "0");
    });
    const CityIni read = readCityIni(written);
    EXPECT_EQ(read.capitals, std::vector<CityIniRecord>{capital});
    EXPECT_EQ(read.owners, (std::vector<CityIniRecord>{owner, CityIniRecord{}, {7, 1, "Corner", {}}, CityIniRecord{}}));
    EXPECT_EQ(r.messages(), (std::vector<std::string>{"kstred: Please enter an integer."}));
}

// Each list dialog writes its own block afresh and the other one byte for
// byte as read, the bytes after a NUL included.
TEST(CityLists, TheBlockNotEditedIsWrittenBackAsRead) {
    const CityIniRecord capital{100, 0, "Corner", {"WOLVES", "", "", ""}}, owner{50, 8, "East", {}};
    // One record whose city field goes on after its NUL.
    const auto untidy = [](const CityIniRecord& record) {
        core::Bytes block = writeCityIniBlock(std::vector{record});
        std::fill(block.begin() + 2 + 4 + static_cast<std::ptrdiff_t>(record.city.size()) + 1, block.begin() + 2 + 36,
                  std::uint8_t{0x5A});
        return block;
    };
    const auto joined = [](core::Bytes first, const core::Bytes& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    };
    for (const bool capitals : {true, false}) {
        SCOPED_TRACE(capitals ? "capitals" : "owners");
        CityIniRecord edited = capitals ? capital : owner;
        const core::Bytes kept = untidy(capitals ? owner : capital);
        const auto file = [&](const core::Bytes& own) { return capitals ? joined(own, kept) : joined(kept, own); };
        CitiesRun r;
        r.t.write(kIni, file(untidy(edited)));
        r.run([&](ui::Window& w) { w.userClick(capitals ? Ids::kEditCapitals : Ids::kEditOwners); },
              {[](ui::Window& w) {
                  w.userType(ListIds::kChance, "7");
                  w.userClick(ui::kIdOk);
              }});
        edited.chance = 7;
        EXPECT_EQ(r.t.read(kIni), file(writeCityIniBlock(std::vector{edited})));
    }
}

TEST(CityLists, UnwritableEmptyAndFullBlocksAndAFailedPicture) {
    // CITY.INI cannot be written: said, and the lists stay open with their edits.
    CitiesRun r;
    r.t.mkdir(kIni);
    r.run([](ui::Window& w) { w.userClick(Ids::kEditOwners); }, {[](ui::Window& w) {
              w.userClick(ListIds::kNew);
              w.userClick(ui::kIdOk);
              EXPECT_FALSE(w.isClosed());
              EXPECT_EQ(w.items(ListIds::kList).size(), 1u);
              w.userClick(ui::kIdCancel);
          }});
    EXPECT_EQ(r.messages(), (std::vector<std::string>{"Error: Can't open CITY.INI file"}));

    // No CITY.INI: Insert with no current record adds at 0; Cancel writes nothing.
    std::filesystem::remove(r.t.path() / kIni);
    const Play insert = [](ui::Window& w) {
        EXPECT_TRUE(w.items(ListIds::kList).empty());
        w.userClick(ListIds::kDelete);
        w.userClick(ListIds::kInsert);
        EXPECT_EQ(w.items(ListIds::kList), (std::vector<std::string>{"????? for Red Kings(0): 0%"}));
    };
    runOwners(r, insert, false);
    EXPECT_FALSE(r.t.exists(kIni));

    // A full block ignores the adding buttons.
    const CityIni full{{}, std::vector<CityIniRecord>(150, CityIniRecord{1, 2, "West", {}})};
    r.t.write(kIni, writeCityIni(full));
    const core::Bytes written = runOwners(r, [](ui::Window& w) {
        for (const int id : {ListIds::kNew, ListIds::kInsert, ListIds::kAppend}) w.userClick(id);
        EXPECT_EQ(w.items(ListIds::kList).size(), 150u);
    });
    EXPECT_EQ(written, writeCityIni(full));

    // The picture gone since the city dialog opened: OK leaves CITY.INI alone.
    r.t.write(kIni, "kept");
    r.run(
        [&](ui::Window& w) {
            std::filesystem::remove(r.t.path() / "SCENARIO/ISLE/STRAT_L.PCX");
            w.userClick(Ids::kEditCapitals);
        },
        {[](ui::Window& w) {
            EXPECT_EQ(w.layout().caption, "Edit Scenario Capitols");
            w.userClick(ui::kIdOk);
            EXPECT_TRUE(w.isClosed());
        }});
    EXPECT_EQ(r.t.read(kIni), (core::Bytes{'k', 'e', 'p', 't'}));
}

}  // namespace
}  // namespace kestrel::scenario
