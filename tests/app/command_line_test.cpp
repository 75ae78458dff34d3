#include "app/command_line.hpp"

#include <algorithm>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "app/picture_command.hpp"
#include "app/sample_root.hpp"
#include "sample/pcx_writer.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::app {
namespace {

using testing::TempRoot;

std::optional<Options> parse(std::vector<std::string> args, std::string* error = nullptr) {
    std::string e;
    auto o = parseCommandLine(args, e);
    if (error) *error = e;
    return o;
}

TEST(CommandLine, EveryFormOfTheUsageIsAccepted) {
    EXPECT_EQ(usage(),
              "usage: kstred [--root DIR] [--shots DIR] [--script FILE [--host headless|qt]]\n"
              "       kstred make-sample DIR\n"
              "       kstred picture FILE [--to OUT.bmp]\n"
              "       kstred [--root DIR] new-scenario NAME\n"
              "       kstred [--root DIR] new-world NAME\n"
              "       kstred [--root DIR] list-scenarios\n"
              "       kstred [--root DIR] render-map SCENARIO OUT.bmp\n"
              "       kstred [--root DIR] export-data [--po OUT.po]\n"
              "       kstred [--root DIR] export-scen NAME [--po OUT.po]\n"
              "       kstred [--root DIR] import-data FILE\n"
              "       kstred [--root DIR] import-scen NAME FILE\n"
              "       kstred --help\n"
              "       kstred --version\n");
    auto o = parse({});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->command, Command::Edit);
    EXPECT_EQ(o->host, HostKind::Qt);
    EXPECT_FALSE(o->root);
    o = parse({"--root", "R", "--script", "S"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, HostKind::Headless);
    EXPECT_EQ(o->root, "R");
    EXPECT_EQ(*o->script, "S");
    o = parse({"--script", "S", "--host", "qt", "--shots", "D", "--root", "R"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, HostKind::Qt);
    EXPECT_EQ(*o->shots, "D");
    EXPECT_EQ(o->root, "R");
    o = parse({"--shots", "D"});  // the Qt host saves what the user opens
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, HostKind::Qt);
    EXPECT_FALSE(o->script);
    o = parse({"make-sample", "X"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->command, Command::MakeSample);
    EXPECT_EQ(o->sampleDir, "X");
    for (const auto& args : {std::vector<std::string>{"picture", "F.PCX", "--to", "O.bmp"},
                             std::vector<std::string>{"picture", "--to", "O.bmp", "F.PCX"}}) {
        o = parse(args);
        ASSERT_TRUE(o);
        EXPECT_EQ(o->command, Command::Picture);
        EXPECT_EQ(o->picture, "F.PCX");
        EXPECT_EQ(*o->pictureOut, "O.bmp");
    }
    EXPECT_FALSE(parse({"picture", "F.PCX"})->pictureOut);
    o = parse({"--root", "R", "new-scenario", "ISLANDS"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->command, Command::NewScenario);
    EXPECT_EQ(o->root, "R");
    EXPECT_EQ(o->name, "ISLANDS");
    EXPECT_EQ(parse({"new-world", "MIDLANDS"})->name, "MIDLANDS");
    EXPECT_EQ(parse({"list-scenarios"})->command, Command::ListScenarios);
    o = parse({"--root", "R", "import-data", "fr.txt"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->command, Command::ImportData);
    EXPECT_EQ(o->textFile, "fr.txt");
    o = parse({"import-scen", "ISLANDS", "fr.txt"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->command, Command::ImportScen);
    EXPECT_EQ(o->name, "ISLANDS");
    EXPECT_EQ(o->textFile, "fr.txt");
    EXPECT_EQ(parse({"--help"})->command, Command::Help);
    EXPECT_EQ(parse({"-h"})->command, Command::Help);
    EXPECT_EQ(parse({"--version"})->command, Command::Version);
}

TEST(CommandLine, MisplacedMissingAndUnknownArgumentsAreRefusedWithAReason) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--bogus"}, "unexpected argument: --bogus"},
        {{"bogus"}, "unexpected argument: bogus"},
        {{"--root", "R", "-x"}, "unexpected argument: -x"},
        {{"--root"}, "--root needs a folder"},
        {{"--root", "--script", "S"}, "--root needs a folder"},
        {{"--script"}, "--script needs a file"},
        {{"--shots"}, "--shots needs a folder"},
        {{"--script", "S", "--host"}, "--host needs headless or qt"},
        {{"--script", "S", "--host", "gtk"}, "--host needs headless or qt, not gtk"},
        {{"--host", "headless"}, "--host goes with --script"},
        {{"--host", "qt", "--root", "R"}, "--host goes with --script"},
        {{"--root", "A", "--root", "B"}, "--root given twice"},
        {{"--script", "S", "--host", "qt", "--host", "qt"}, "--host given twice"},
        {{"--root", "R", "--help"}, "--help goes alone"},
        {{"make-sample", "D", "-h"}, "-h goes alone"},
        // Subcommands without a data root, and the editor's options.
        {{"--root", "X", "make-sample", "D"}, "make-sample does not take --root"},
        {{"make-sample", "D", "--root", "X"}, "make-sample does not take --root"},
        {{"--root", "X", "picture", "F"}, "picture does not take --root"},
        {{"--script", "S", "make-sample", "D"}, "make-sample does not take --script"},
        {{"picture", "F", "--host", "qt"}, "picture does not take --host"},
        {{"picture", "F", "--shots", "D"}, "picture does not take --shots"},
        {{"make-sample", "D", "--to", "x.bmp"}, "make-sample does not take --to"},
        {{"--to", "x.bmp"}, "--to goes after picture"},
        {{"--to", "x.bmp", "picture", "F"}, "--to goes after picture"},
        // Subcommand arguments.
        {{"make-sample"}, "make-sample needs a folder"},
        {{"picture"}, "picture needs a file"},
        {{"picture", "--to", "O.bmp"}, "picture needs a file"},
        {{"picture", "F", "--to"}, "--to needs a file"},
        {{"picture", "F", "--to", "A", "--to", "B"}, "--to given twice"},
        {{"picture", "F", "G"}, "unexpected argument: G"},
        {{"make-sample", "D", "picture", "F"}, "unexpected argument: picture"},
        {{"new-scenario"}, "new-scenario needs a name"},
        {{"new-world", "A", "B"}, "unexpected argument: B"},
        {{"new-world", "A", "--root", "R"}, "--root goes before new-world"},
        {{"list-scenarios", "X"}, "unexpected argument: X"},
        {{"--script", "S", "list-scenarios"}, "list-scenarios does not take --script"},
        {{"--help", "make-sample", "D"}, "--help goes alone"},
        {{"--version", "--help"}, "--version goes alone"},
        {{"--root", "R", "--version"}, "--version goes alone"},
        {{"picture", "F", "--version"}, "--version goes alone"},
    };
    for (const auto& [args, message] : cases) {
        std::string error;
        EXPECT_FALSE(parse(args, &error)) << message;
        EXPECT_EQ(error, message);
    }
}

// A script that cannot be read is refused before anything opens.
TEST(CommandLine, ScriptsThatAreNoRegularFileOrTooLargeAreRefused) {
    TempRoot t;
    t.mkdir("folder");
    const auto fifo = t.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    t.write("big.kst", "");
    std::filesystem::resize_file(t.path() / "big.kst", kScriptSizeLimit + 1);
    const std::vector<std::pair<std::filesystem::path, std::string>> cases{
        {t.path() / "folder", "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {fifo, "not a regular file"},
        {t.path() / "big.kst", "too large"},
        {t.path() / "missing.kst", "cannot be opened"},
    };
    for (const auto& [script, why] : cases) {
        Options options;
        options.root = t.path();
        options.script = script;
        ui::HeadlessHost host;
        std::ostringstream out, err;
        EXPECT_EQ(runEditor(host, options, out, err), 2) << script;
        EXPECT_EQ(err.str(), "kstred: cannot read the script " + script.string() + ": " + why + "\n");
        EXPECT_EQ(out.str(), "");
    }
    // At the limit the script is read: its second line is the unreadable one.
    t.write("limit.kst", "click 1\n");
    std::filesystem::resize_file(t.path() / "limit.kst", kScriptSizeLimit);
    Options options;
    options.root = t.path();
    options.script = t.path() / "limit.kst";
    ui::HeadlessHost host;
    std::ostringstream out, err;
    EXPECT_EQ(runEditor(host, options, out, err), 2);
    EXPECT_EQ(out.str(), "FAIL line 2: cannot read the line\n");
    EXPECT_EQ(err.str(), "");
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

TEST(SampleRoot, HoldsTheWorldAndTheScenarioInIt) {
    TempRoot t;
    ASSERT_TRUE(writeSampleRoot(t.root()));
    ASSERT_TRUE(writeSampleRoot(t.root()));
    EXPECT_EQ(t.read("WORLD/MIDLANDS/WORLD.DAT").size(), 44u);
    EXPECT_EQ(t.read("SCENARIO/ISLANDS/WORLD.DAT"), t.read("WORLD/MIDLANDS/WORLD.DAT"));
    EXPECT_EQ(t.read("SCENARIO/ISLANDS/SCENARIO.PCX"), t.read("WSDATA/SCENARIO.PCX"));
    // The strategic pictures are drawn from the map, at the sizes of the templates.
    for (const char* picture : {"STRAT_S.PCX", "STRAT_L.PCX"}) {
        const auto drawn = t.read(std::string("SCENARIO/ISLANDS/") + picture);
        const auto templ = t.read(std::string("WSDATA/") + picture);
        ASSERT_GE(drawn.size(), 12u);
        EXPECT_NE(drawn, templ) << picture;
        EXPECT_TRUE(std::equal(drawn.begin() + 8, drawn.begin() + 12, templ.begin() + 8)) << picture;
    }
    Options list;
    list.command = Command::ListScenarios;
    std::ostringstream out, err;
    EXPECT_EQ(runScenarioCommand(list, t.path(), out, err), 0);
    EXPECT_EQ(out.str(), "The Isles\tISLANDS\n");
    // A name must not forge a column or a line.
    core::Bytes forged = t.read("SCENARIO/ISLANDS/SCENARIO.DAT");
    const std::string name = "A\tB\nC\\D\x01";
    std::copy(name.c_str(), name.c_str() + name.size() + 1, forged.begin() + 56);
    t.write("SCENARIO/ISLANDS/SCENARIO.DAT", forged);
    out.str("");
    EXPECT_EQ(runScenarioCommand(list, t.path(), out, err), 0);
    EXPECT_EQ(out.str(), "A\\tB\\nC\\\\D\\x01\tISLANDS\n");
    const auto header = t.read("SCENARIO/ISLANDS/SCENARIO.DAT");
    ASSERT_EQ(header.size(), 375u);
    EXPECT_EQ(std::string(header.begin(), header.begin() + 9), std::string("MIDLANDS\0", 9));
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
