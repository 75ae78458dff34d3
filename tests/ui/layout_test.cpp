#include "ui/layout.hpp"

#include <gtest/gtest.h>

#include <set>

#include "datasets/catalogue.hpp"

namespace kestrel::ui {
namespace {

TEST(Layouts, IdsAreUniqueAndControlsFitTheirDialog) {
    for (const int resource : allLayoutIds()) {
        const Layout& l = layoutFor(resource);
        std::set<int> ids;
        for (const auto& c : l.controls) {
            if (c.id != kNoId) {
                EXPECT_TRUE(ids.insert(c.id).second) << resource << " id " << c.id;
            }
            EXPECT_GE(c.rect.x, 0) << resource << " " << c.label;
            EXPECT_LE(c.rect.x + c.rect.w, l.width) << resource << " " << c.label;
            EXPECT_LE(c.rect.y + c.rect.h, l.height) << resource << " " << c.label;
        }
    }
}

// Dialogs open with the focus in the first control a user can tab to: past
// read-only fields, labels, groups and pictures.
TEST(Layouts, DialogsOpenWithTheFocusInTheFirstControlAUserCanUse) {
    const std::vector<std::pair<int, int>> cases{
        {183, 1295},  // Edit Text File: the text, not the read-only path above it
        {170, 1100},  // capitals: the list, above the read-only City
        {133, 1011},  // Edit City Data: its first field, past its label
        {134, 1016},  // miscellaneous data: the first radio, past the group around it
        {150, 1329},  // Edit Ruin Data: a check box, where the dialog has no field
        {100, 1},     // About: OK, past the icon and the texts
    };
    for (const auto& [resource, id] : cases) EXPECT_EQ(layoutFor(resource).firstFocus(), id) << resource;

    Layout shows{.controls = {{.id = 5, .kind = ControlKind::Static},
                              {.id = 6, .kind = ControlKind::Frame},
                              {.id = 7, .kind = ControlKind::Canvas},
                              {.id = 8, .kind = ControlKind::Icon},
                              {.id = 9, .kind = ControlKind::Spin},
                              {.id = 10, .kind = ControlKind::Edit, .readOnly = true}}};
    EXPECT_EQ(shows.firstFocus(), kNoId);
    shows.controls.push_back({.kind = ControlKind::Button});  // nobody could address it
    EXPECT_EQ(shows.firstFocus(), kNoId);
    shows.controls.push_back({.id = 11, .kind = ControlKind::NumberEdit});
    EXPECT_EQ(shows.firstFocus(), 11);
}

TEST(Layouts, EveryListDialogOfTheCatalogue) {
    for (const auto& kind : datasets::catalogue()) {
        if (kind.kind == datasets::Kind::Shield) continue;
        const Layout& l = layoutFor(kind.listDialog);
        EXPECT_EQ(l.caption, kind.listTitle);
        EXPECT_EQ(l.width, 175);
        EXPECT_EQ(l.height, 157);
        EXPECT_EQ(l.find(1010)->limit, kind.kind == datasets::Kind::HeroType ? 7 : 8);
        EXPECT_TRUE(l.find(1008)->sorted);
        EXPECT_EQ(l.find(2)->label, "Edit");
        EXPECT_EQ(l.defaultButton(), 1);
        EXPECT_EQ(l.find(1)->label, "Done");
    }
}

TEST(Layouts, MainWindowButtonsSitInTheirGroups) {
    const Layout& l = layoutFor(102);
    EXPECT_EQ(l.caption, "Kestrel 3 Editor");
    EXPECT_EQ(l.width, 412);
    EXPECT_EQ(l.height, 201);
    EXPECT_EQ(l.systemMenu, (std::vector<MenuItem>{{16, "&About kstred..."}, {32, "&Check Data..."}}));
    std::map<std::string, Rect> groups;
    for (const auto& c : l.controls)
        if (c.kind == ControlKind::Group) groups[c.label] = c.rect;
    ASSERT_EQ(groups.size(), 3u);
    const auto inside = [](const Rect& outer, const Rect& r) {
        return r.x >= outer.x && r.y >= outer.y && r.x + r.w <= outer.x + outer.w && r.y + r.h <= outer.y + outer.h;
    };
    const std::map<std::string, std::vector<int>> members{
        {"Game", {1001, 1004, 1007, 1028}},
        {"Data", {1006, 1008, 1011, 1012, 1013, 1014, 1016, 1018, 1019, 1020, 1021}},
        {"Scenario", {1005, 1009, 1010, 1015, 1017, 1022, 1023, 1024, 1025, 1026, 1027, 1029, 1030}}};
    int buttons = 0;
    for (const auto& [group, ids] : members)
        for (const int id : ids) {
            ASSERT_TRUE(l.find(id)) << id;
            EXPECT_TRUE(inside(groups[group], l.find(id)->rect)) << id << " in " << group;
            ++buttons;
        }
    for (const int id : {1330, 1331, 1332, 1333, 1}) {
        ASSERT_TRUE(l.find(id)) << id;
        for (const auto& [name, rect] : groups) EXPECT_FALSE(inside(rect, l.find(id)->rect)) << id;
        ++buttons;
    }
    EXPECT_EQ(buttons, 33);
    EXPECT_EQ(l.find(1)->label, "Quit");
    EXPECT_EQ(l.defaultButton(), 1);
    EXPECT_EQ(l.find(1331)->label, "Export Scen");
    EXPECT_EQ(l.find(1030)->label, "Scenario Sounds");
}

// The captions of 135 and 100: the transcript of tests/scripts/main_window.kst.
TEST(Layouts, CityEditorAndSmallDialogs) {
    const Layout& city = layoutFor(133);
    EXPECT_EQ(city.width, 186);
    EXPECT_EQ(city.height, 146);
    for (int id = 1011; id <= 1014; ++id) EXPECT_EQ(city.find(id)->limit, 16);
    EXPECT_EQ(city.find(1015)->label, "Import Picture");
    const Layout& terrain = layoutFor(135);
    EXPECT_EQ(terrain.width, 125);
    EXPECT_EQ(terrain.height, 89);
    EXPECT_EQ(terrain.find(1009)->label, "Terrain Sub Types");
    EXPECT_THROW(layoutFor(99999), std::out_of_range);
}

TEST(Layouts, DialogUnitsScaleTheSameEverywhere) { EXPECT_EQ(toPixels({4, 8, 412, 201}), (Rect{6, 13, 618, 326})); }

}  // namespace
}  // namespace kestrel::ui
