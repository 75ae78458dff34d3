#include "datasets/city_set.hpp"

#include <gtest/gtest.h>

#include "datasets/city_set_editor.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;

core::Bytes field(const core::Bytes& record, std::size_t level) {
    return core::Bytes(record.begin() + level * 20, record.begin() + (level + 1) * 20);
}

core::Bytes padded(std::string_view text) {
    core::Bytes b(text.begin(), text.end());
    b.resize(20, 0);
    return b;
}

TEST(CitySetRecord, NewDefaultsAtTheirOffsets) {
    const core::Bytes record = writeCitySet(newCitySet());
    ASSERT_EQ(record.size(), 80u);
    EXPECT_EQ(field(record, 0), padded("Ruin"));
    EXPECT_EQ(field(record, 1), padded("Village"));
    EXPECT_EQ(field(record, 2), padded("Castle"));
    EXPECT_EQ(field(record, 3), padded("Citadel"));
}

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

TEST(CitySetEditor, NewCitySetShowsDefaultsAndOkWritesTheFields) {
    TempRoot t;
    const auto run = runScript(t.path(),
                               "click 1006\n"
                               "type 1010 \"TOWNS\"\n"
                               "click 4\n"
                               "expect items 1008 \"TOWNS\"\n"
                               "dblclick 1008 \"TOWNS\"\n"
                               "expect open 133\n"
                               "expect caption \"Edit City Data - TOWNS\"\n"
                               "expect text 1011 \"Ruin\"\n"
                               "expect text 1012 \"Village\"\n"
                               "expect text 1013 \"Castle\"\n"
                               "expect text 1014 \"Citadel\"\n"
                               "type 1011 \"ABCDEFGHIJKLMNOPQRS\"\n"
                               "type 1013 \"\"\n"
                               "click 1\n"
                               "expect open 132\n"
                               "expect no-message\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    const core::Bytes record = t.read("CITY/TOWNS.CIT");
    ASSERT_EQ(record.size(), 80u);
    EXPECT_EQ(field(record, 0), padded("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(field(record, 1), padded("Village"));
    EXPECT_EQ(field(record, 2), padded(""));
}

TEST(CitySetEditor, CancelWritesNothing) {
    TempRoot t;
    t.write("CITY/TOWNS.CIT", writeCitySet(newCitySet()));
    const auto run = runScript(t.path(), "click 1006\nselect 1008 \"TOWNS\"\nclick 2\ntype 1011 \"Other\"\nclick 2\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("CITY/TOWNS.CIT"), writeCitySet(newCitySet()));
}

TEST(CitySetEditor, VanishedRecordOpensEmptyAndOkCreatesIt) {
    TempRoot t;
    t.write("CITY/GONE.CIT", "");
    const auto run = runScript(t.path(),
                               "click 1006\nselect 1008 \"GONE\"\nkey escape\nexpect open 133\n"
                               "expect text 1011 \"\"\nexpect text 1014 \"\"\nclick 1\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("CITY/GONE.CIT"), core::Bytes(80, 0));
}

TEST(CitySetEditor, OverlongTextFromElsewhereIsRefusedOnOk) {
    TempRoot t;
    core::Bytes record(80, 0);
    for (int i = 0; i < 20; ++i) record[i] = 'L';  // written by another tool: 20 characters, no NUL
    t.write("CITY/LONG.CIT", record);
    const auto run = runScript(t.path(),
                               "click 1006\nselect 1008 \"LONG\"\nclick 2\nclick 1\n"
                               "expect message \"kstred\" \"Please enter no more than 16 characters.\"\n"
                               "expect open 133\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("CITY/LONG.CIT"), record);
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

TEST(CitySetEditor, ImportPictureCopiesAtOnceAndCancelKeepsIt) {
    TempRoot t;
    TempRoot outside;
    outside.write("art/keep.pcx", "PIC");
    t.write("CITY/TOWNS.CIT", writeCitySet(newCitySet()));
    const auto run = runScript(t.path(), "click 1006\nselect 1008 \"TOWNS\"\nclick 2\nfile \"" +
                                             (outside.path() / "art/keep.pcx").string() +
                                             "\"\nclick 1015\nfile cancel\nclick 1015\nclick 2\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.read("CITY/TOWNS.pcx"), (core::Bytes{'P', 'I', 'C'}));
    EXPECT_EQ(t.read("CITY/TOWNS.CIT"), writeCitySet(newCitySet()));
}

}  // namespace
}  // namespace kestrel::datasets
