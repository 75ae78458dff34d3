#include "datasets/city_set.hpp"

#include <gtest/gtest.h>

#include "datasets/city_set_editor.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::datasets {
namespace {

using testing::TempRoot;

TEST(CitySetRecord, SixteenCharactersKeepTheirNul) {
    const core::Bytes record = writeCitySet({{"ABCDEFGHIJKLMNOP", "", "x", "y"}});
    EXPECT_EQ(record[15], 'P');
    EXPECT_EQ(record[16], 0);
    EXPECT_EQ(record[20], 0);  // an empty name is a NUL in its first byte
    EXPECT_EQ(readCitySet(record), (CitySet{{"ABCDEFGHIJKLMNOP", "", "x", "y"}}));
}

TEST(CitySetRecord, ShortAndDirtyRecords) {
    core::Bytes record = writeCitySet(newCitySet());
    record[5] = 'Z';  // bytes behind a NUL mean nothing
    record.resize(42);
    EXPECT_EQ(readCitySet(record), (CitySet{{"Ruin", "Village", "Ca", ""}}));
    EXPECT_EQ(readCitySet({}), CitySet{});
    core::Bytes full(80, 'Q');  // no NUL at all: each field is read to its end only
    EXPECT_EQ(readCitySet(full).levels[0], std::string(20, 'Q'));
}

TEST(CitySetEditor, FailedWriteSaysSoAndKeepsTheDialogOpen) {
    TempRoot t;
    t.mkdir("CITY/STUCK.CIT");  // a folder where the record should go
    ui::HeadlessHost host;
    CitySetEditor editor(host, t.root(), "STUCK");
    bool stayedOpen = false;
    host.onNextModal([&](ui::Window& window) {
        EXPECT_EQ(window.text(1011), "");
        window.userType(1011, "Camp");
        window.userClick(1);
        stayedOpen = !window.isClosed();
    });
    host.runModal(editor);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0], (ui::MessageBox{"Error", "Error writing CITY\\STUCK.CIT", ui::Icon::Exclamation}));
    EXPECT_TRUE(std::filesystem::is_directory(t.path() / "CITY/STUCK.CIT"));
}

}  // namespace
}  // namespace kestrel::datasets
