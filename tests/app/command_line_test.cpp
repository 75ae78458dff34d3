#include "app/command_line.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
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

// What parse set beside the command, in one line: "qt root=R script=S".
std::string fields(const Options& o) {
    using Value = std::optional<std::filesystem::path>;
    const auto set = [](const std::filesystem::path& p) { return p.empty() ? std::nullopt : Value(p); };
    const auto show = [](const char* key, const Value& v) {
        return v ? std::string(" ") + key + "=" + v->string() : "";
    };
    return (o.host == HostKind::Qt ? "qt" : "headless") + show("root", o.root) + show("script", o.script) +
           show("shots", o.shots) + show("sample", set(o.sampleDir)) + show("picture", set(o.picture)) +
           show("to", o.pictureOut) + show("name", set(o.name)) + show("map", set(o.mapOut)) + show("po", o.poOut) +
           show("text", set(o.textFile)) + show("from", set(o.from)) + show("into", o.to) + show("kind", set(o.kind)) +
           (o.mapShrink != 1 ? " scale=1/" + std::to_string(o.mapShrink) : "") +
           (o.mapRegion ? " region=" + std::to_string(o.mapRegion->x) + "," + std::to_string(o.mapRegion->y) + "," +
                              std::to_string(o.mapRegion->w) + "," + std::to_string(o.mapRegion->h)
                        : "");
}

TEST(CommandLine, EveryFormOfTheUsageIsAccepted) {
    EXPECT_EQ(usage(),
              "usage: kstred [--root DIR] [--shots DIR] [--script FILE [--host headless|qt]]\n"
              "       kstred make-sample DIR\n"
              "       kstred picture FILE [--to OUT.bmp]\n"
              "       kstred [--root DIR] new-scenario NAME\n"
              "       kstred [--root DIR] new-world NAME\n"
              "       kstred [--root DIR] list-scenarios\n"
              "       kstred [--root DIR] render-map SCENARIO OUT.png|OUT.bmp [--scale 1/N] [--region X,Y,W,H]\n"
              "       kstred [--root DIR] export-data [--po OUT.po]\n"
              "       kstred [--root DIR] export-scen NAME [--po OUT.po]\n"
              "       kstred [--root DIR] import-data FILE\n"
              "       kstred [--root DIR] import-scen NAME FILE\n"
              "       kstred show FILE [--kind KIND]\n"
              "       kstred to-json ROOT|FILE [DIR] [--kind KIND]\n"
              "       kstred from-json DIR|FILE.json ROOT|OUT [--kind KIND]\n"
              "       kstred [--root DIR] check [SCENARIO|CAMPAIGN...] [--json]\n"
              "       kstred --help\n"
              "       kstred --version\n");
    struct Case {
        std::vector<std::string> args;
        Command command;
        std::string fields;
    };
    const Case cases[] = {
        {{}, Command::Edit, "qt"},
        {{"--root", "R", "--script", "S"}, Command::Edit, "headless root=R script=S"},
        {{"--script", "S", "--host", "qt", "--shots", "D", "--root", "R"}, Command::Edit, "qt root=R script=S shots=D"},
        {{"--shots", "D"}, Command::Edit, "qt shots=D"},  // the Qt host saves what the user opens
        {{"make-sample", "X"}, Command::MakeSample, "qt sample=X"},
        {{"picture", "F.PCX", "--to", "O.bmp"}, Command::Picture, "qt picture=F.PCX to=O.bmp"},
        {{"picture", "--to", "O.bmp", "F.PCX"}, Command::Picture, "qt picture=F.PCX to=O.bmp"},
        {{"picture", "F.PCX"}, Command::Picture, "qt picture=F.PCX"},
        {{"--root", "R", "new-scenario", "ISLANDS"}, Command::NewScenario, "qt root=R name=ISLANDS"},
        {{"new-world", "MIDLANDS"}, Command::NewWorld, "qt name=MIDLANDS"},
        {{"list-scenarios"}, Command::ListScenarios, "qt"},
        {{"--root", "R", "render-map", "ISLANDS", "o.bmp"}, Command::RenderMap, "qt root=R name=ISLANDS map=o.bmp"},
        {{"render-map", "--scale", "1/8", "ISLANDS", "o.PNG", "--region", "0,7,1,32767"},
         Command::RenderMap,
         "qt name=ISLANDS map=o.PNG scale=1/8 region=0,7,1,32767"},
        {{"render-map", "ISLANDS", "o.png", "--scale", "1/2"},
         Command::RenderMap,
         "qt name=ISLANDS map=o.png scale=1/2"},
        {{"--root", "R", "import-data", "fr.txt"}, Command::ImportData, "qt root=R text=fr.txt"},
        {{"import-scen", "ISLANDS", "fr.txt"}, Command::ImportScen, "qt name=ISLANDS text=fr.txt"},
        {{"show", "Xy_CITY.DAT"}, Command::Show, "qt from=Xy_CITY.DAT"},
        {{"show", "--kind", "cities", "F"}, Command::Show, "qt from=F kind=cities"},
        {{"to-json", "ROOT"}, Command::ToJson, "qt from=ROOT"},
        {{"to-json", "ROOT", "DIR"}, Command::ToJson, "qt from=ROOT into=DIR"},
        {{"from-json", "DIR", "ROOT"}, Command::FromJson, "qt from=DIR into=ROOT"},
        {{"--help"}, Command::Help, "qt"},
        {{"-h"}, Command::Help, "qt"},
        {{"--version"}, Command::Version, "qt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const auto o = parse(c.args);
        ASSERT_TRUE(o);
        EXPECT_EQ(o->command, c.command);
        EXPECT_EQ(fields(*o), c.fields);
    }
}

// More in tests/scripts/command_line.sh, with the program's exit status.
TEST(CommandLine, MisplacedMissingAndUnknownArgumentsAreRefusedWithAReason) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--bogus"}, "unexpected argument: --bogus"},
        {{"--root", "R", "-x"}, "unexpected argument: -x"},
        {{"--root"}, "--root needs a folder"},
        {{"--root", "--script", "S"}, "--root needs a folder"},
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
        {{"render-map", "ISLANDS"}, "render-map needs a .png or .bmp file"},
        {{"render-map", "ISLANDS", "map.gif"}, "render-map needs a .png or .bmp file, not map.gif"},
        {{"render-map", "I", "m.png", "--scale", "1/3"}, "--scale needs 1/2, 1/4 or 1/8, not 1/3"},
        {{"render-map", "I", "m.png", "--scale", "1"}, "--scale needs 1/2, 1/4 or 1/8, not 1"},
        {{"render-map", "I", "m.png", "--scale", "1/2", "--scale", "1/4"}, "--scale given twice"},
        {{"render-map", "I", "m.png", "--region", "1,2,3"}, "--region needs tiles X,Y,W,H, not 1,2,3"},
        {{"render-map", "I", "m.png", "--region", "1,2,3,4,5"}, "--region needs tiles X,Y,W,H, not 1,2,3,4,5"},
        {{"render-map", "I", "m.png", "--region", "0,0,0,4"}, "--region needs tiles X,Y,W,H, not 0,0,0,4"},
        {{"render-map", "I", "m.png", "--region", "1,2,3,x"}, "--region needs tiles X,Y,W,H, not 1,2,3,x"},
        {{"render-map", "I", "m.png", "--region", "1, 2,3,4"}, "--region needs tiles X,Y,W,H, not 1, 2,3,4"},
        {{"render-map", "I", "m.png", "--region", "1,2,3,99999"}, "--region needs tiles X,Y,W,H, not 1,2,3,99999"},
        {{"--scale", "1/2", "render-map", "I", "m.png"}, "--scale goes after render-map"},
        {{"new-world", "A", "B"}, "unexpected argument: B"},
        {{"new-world", "A", "--root", "R"}, "--root goes before new-world"},
        {{"list-scenarios", "X"}, "unexpected argument: X"},
        {{"--script", "S", "list-scenarios"}, "list-scenarios does not take --script"},
        {{"show"}, "show needs a file or folder"},
        {{"show", "F", "--kind"}, "--kind needs a kind"},
        {{"--root", "R", "show", "F"}, "show does not take --root"},
        {{"from-json", "DIR"}, "from-json needs a file or folder"},
        {{"to-json", "A", "B", "C"}, "unexpected argument: C"},
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

// A script that cannot be read is refused before anything opens; at the
// limit it is read, and its second line is the unreadable one. Folders,
// FIFOs and devices: tests/scripts/command_line.sh.
TEST(CommandLine, ScriptsTooLargeOrMissingAreRefused) {
    TempRoot t;
    t.write("big.kst", "");
    std::filesystem::resize_file(t.path() / "big.kst", kScriptSizeLimit + 1);
    t.write("limit.kst", "click 1\n");
    std::filesystem::resize_file(t.path() / "limit.kst", kScriptSizeLimit);
    const std::string refused = "kstred: cannot read the script " + t.path().string() + "/";
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"big.kst", "", refused + "big.kst: too large\n"},
        {"missing.kst", "", refused + "missing.kst: cannot be opened\n"},
        {"limit.kst", "FAIL line 2: cannot read the line\n", ""},
    };
    for (const auto& [script, transcript, error] : cases) {
        Options options;
        options.root = t.path();
        options.script = t.path() / script;
        ui::HeadlessHost host;
        std::ostringstream out, err;
        EXPECT_EQ(runEditor(host, options, out, err), 2) << script;
        EXPECT_EQ(out.str(), transcript) << script;
        EXPECT_EQ(err.str(), error) << script;
    }
}

TEST(SampleRoot, HoldsTemplatesEntriesTheItemSheetTheWorldAndTheScenarioInIt) {
    TempRoot t;
    ASSERT_TRUE(writeSampleRoot(t.root()));
    ASSERT_TRUE(writeSampleRoot(t.root()));  // again over itself
    for (const char* f : {"WSDATA/CITY.PCX", "WSDATA/STRAT_L.PCX", "WSDATA/SCENARIO.PCX", "CITY/TOWNS.CIT",
                          "CITY/TOWNS.PCX", "ITEMS/BLADE.ITM", "SETS/Fantasy/ITEMS.PCX"})
        EXPECT_TRUE(t.exists(f)) << f;
    EXPECT_EQ(t.read("ITEMS/CROWN.ITM").size(), 216u);
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

TEST(PictureCommand, DescribesAndConvertsAPictureOrSaysWhyNot) {
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
    EXPECT_EQ(std::vector<int>(bmp.begin() + 54, bmp.begin() + 63),
              (std::vector<int>{255, 0, 255, 30, 20, 10, 0, 0, 0}));

    // Files that do not open exit non-zero.
    t.write("text.pcx", "hello, not a picture");
    out.str("");
    err.str("");
    EXPECT_EQ(describePicture(t.path() / "missing.pcx", std::nullopt, out, err), 1);
    EXPECT_EQ(err.str(), "kstred: cannot open " + (t.path() / "missing.pcx").string() + "\n");
    err.str("");
    EXPECT_EQ(describePicture(t.path() / "text.pcx", std::nullopt, out, err), 1);
    EXPECT_NE(err.str().find("is not a PCX, BMP, GIF or icon picture"), std::string::npos);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace kestrel::app
