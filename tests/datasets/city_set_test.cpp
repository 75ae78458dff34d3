#include "datasets/city_set.hpp"

#include <gtest/gtest.h>

#include "dataset_testing.hpp"

namespace kestrel::datasets {
namespace {

TEST(CitySetEditor, FailedWriteSaysSoAndKeepsTheDialogOpen) {
    EditorRun e(Kind::CitySet, "STUCK");
    e.t.mkdir("CITY/STUCK.CIT");  // a folder where the record should go
    e.run(std::nullopt, [](ui::Window& w) {
        EXPECT_EQ(w.text(1011), "");
        w.userType(1011, "Camp");
        clickOk(w);
    });
    EXPECT_FALSE(e.closed);
    EXPECT_EQ(e.messages(),
              (std::vector<ui::MessageBox>{{"Error", "Error writing CITY\\STUCK.CIT", ui::Icon::Exclamation}}));
    EXPECT_TRUE(std::filesystem::is_directory(e.t.path() / "CITY/STUCK.CIT"));
}

}  // namespace
}  // namespace kestrel::datasets
