#include "app/command_line.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "app/picture_command.hpp"
#include "app/sample_root.hpp"
#include "sample/pcx_writer.hpp"
#include "support/temp_root.hpp"

namespace kestrel::app {
namespace {

using testing::TempRoot;

std::optional<Options> parse(std::vector<std::string> args, std::string* error = nullptr) {
    std::string e;
    auto o = parseCommandLine(args, e);
    if (error) *error = e;
    return o;
}

TEST(CommandLine, ScriptsRunHeadlessUnlessTheQtHostIsAsked) {
    auto o = parse({"--root", "R", "--script", "S"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, HostKind::Headless);
    EXPECT_EQ(o->root, "R");
    o = parse({"--script", "S", "--host", "qt", "--shots", "D"});
    EXPECT_EQ(o->host, HostKind::Qt);
    EXPECT_EQ(*o->shots, "D");
    EXPECT_EQ(parse({})->host, HostKind::Qt);
    EXPECT_EQ(parse({"make-sample", "X"})->command, Command::MakeSample);
    o = parse({"picture", "F.PCX", "--to", "O.bmp"});
    EXPECT_EQ(o->command, Command::Picture);
    EXPECT_EQ(*o->pictureOut, "O.bmp");
}

TEST(CommandLine, NonsenseIsRefusedWithAReason) {
    std::string error;
    EXPECT_FALSE(parse({"--bogus"}, &error));
    EXPECT_EQ(error, "unexpected argument: --bogus");
    EXPECT_FALSE(parse({"--host", "headless"}, &error));
    EXPECT_EQ(error, "the headless host needs a script");
    EXPECT_FALSE(parse({"--root"}));
    EXPECT_FALSE(parse({"--host", "gtk", "--script", "S"}));
    EXPECT_FALSE(parse({"--to", "x.bmp"}));
}

TEST(SampleRoot, HoldsTemplatesEntriesAndTheItemSheet) {
    TempRoot t;
    ASSERT_TRUE(writeSampleRoot(t.root()));
    for (const char* f : {"WSDATA/CITY.PCX", "WSDATA/STRAT_L.PCX", "WSDATA/SCENARIO.PCX", "CITY/TOWNS.CIT",
                          "CITY/TOWNS.PCX", "ITEMS/BLADE.ITM", "SETS/Fantasy/ITEMS.PCX"})
        EXPECT_TRUE(t.exists(f)) << f;
    EXPECT_EQ(t.read("ITEMS/CROWN.ITM").size(), 216u);
    EXPECT_TRUE(writeSampleRoot(t.root()));  // again over itself
}

TEST(PictureCommand, DescribesAndConvertsAPicture) {
    TempRoot t;
    sample::IndexedImage img;
    img.width = 3;
    img.height = 2;
    img.pixels = {0, 1, 2, 2, 1, 0};
    img.palette[1] = {10, 20, 30};
    img.palette[2] = {255, 0, 255};
    t.write("p.pcx", sample::encodePcx8(img));
    std::ostringstream out, err;
    EXPECT_EQ(describePicture(t.path() / "p.pcx", t.path() / "p.bmp", out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "PCX 3 x 2, 1 plane, 8 bits per pixel, 256 colours\n");
    const auto bmp = t.read("p.bmp");
    ASSERT_EQ(bmp.size(), 54u + 2 * 12);
    // Bottom row first: pixels 2, 1, 0 in blue, green, red order.
    EXPECT_EQ(std::vector<int>(bmp.begin() + 54, bmp.begin() + 63), (std::vector<int>{255, 0, 255, 30, 20, 10, 0, 0, 0}));
}

TEST(PictureCommand, FilesThatDoNotOpenExitNonZero) {
    TempRoot t;
    t.write("text.pcx", "hello, not a picture");
    std::ostringstream out, err;
    EXPECT_EQ(describePicture(t.path() / "missing.pcx", std::nullopt, out, err), 1);
    EXPECT_EQ(err.str(), "kstred: cannot open " + (t.path() / "missing.pcx").string() + "\n");
    err.str("");
    EXPECT_EQ(describePicture(t.path() / "text.pcx", std::nullopt, out, err), 1);
    EXPECT_NE(err.str().find("is not a PCX, BMP, GIF or icon picture"), std::string::npos);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace kestrel::app
