#include <gtest/gtest.h>

#include <algorithm>

#include "core/cp1252.hpp"
#include "datasets/city_set.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "ui/host.hpp"
#include "ui/script_player.hpp"

namespace kestrel::ui {
namespace {

using testing::runScript;
using testing::TempRoot;

TEST(ScriptParse, ReadsEveryLineForm) {
    int bad = 0;
    const auto lines = parseScript(
        "# comment\n"
        "click 1006\n"
        "type 1010 \"A \\\"q\\\" \\\\ b\"   # trailing comment\n"
        "select 1008 \"X\"\nselect 1008 #2\nselect 1008 none\n"
        "dblclick 1008 \"X\"\ncheck 5 on\ncheck 5 off\nradio 7\nspin 9 up\nspin 9 down\n"
        "mouse left 10 20\nmouse right 1 2\nmouse move 3 4\nmouse release 5 6\n"
        "key escape\nkey enter\nkey f1\nmenu 32\nfile \"/tmp/a.pcx\"\nfile cancel\n"
        "expect caption \"C\"\nexpect text 1 \"T\"\nexpect checked 5 on\nexpect selected 1008 \"X\"\n"
        "expect selected 1008 none\nexpect items 1008 \"A\" \"B\"\nexpect items 1008\n"
        "expect message \"Error\" \"E\"\nexpect no-message\nexpect open 132\nexpect open none\n"
        "dump\nsnapshot \"out.bmp\"\r\n\n   \n",
        bad);
    ASSERT_TRUE(lines) << "bad line " << bad;
    EXPECT_EQ(lines->size(), 34u);
    EXPECT_EQ((*lines)[1].tokens[2].text, "A \"q\" \\ b");
    EXPECT_EQ((*lines)[1].number, 3);
    EXPECT_EQ((*lines)[3].tokens[2].kind, ScriptToken::Kind::Index);
}

TEST(ScriptParse, NamesTheFirstUnreadableLine) {
    for (const auto& [text, line] : std::vector<std::pair<std::string, int>>{{"click\n", 1},
                                                                             {"click 1\nclick x\n", 2},
                                                                             {"type 1010 \"open\n", 1},
                                                                             {"type 1010 \"bad \\q escape\"\n", 1},
                                                                             {"type 1010 \"short \\x4\"\n", 1},
                                                                             {"select 1008 #x\n", 1},
                                                                             {"check 5 maybe\n", 1},
                                                                             {"frobnicate\n", 1},
                                                                             {"expect\n", 1},
                                                                             {"expect items 1008 \"A\" 3\n", 1},
                                                                             {"click 1 2\n", 1},
                                                                             {"dump now\n", 1},
                                                                             {"menu\n", 1},
                                                                             {"menu about\n", 1},
                                                                             {"\n\nkey space\n", 3}}) {
        int bad = 0;
        EXPECT_FALSE(parseScript(text, bad)) << text;
        EXPECT_EQ(bad, line) << text;
    }
}

// Transcript texts escape what would forge a line or a field; a script
// reads the escapes back, so a transcript line can become an expectation
// (a failure's escapes: ScriptRun.FailureTextsNameWhatWasExpectedAndGot).
TEST(ScriptParse, TheEscapesOfTranscriptsReadBack) {
    const std::string text = "tab\there\nnew \\ \"q\" \x01\x7F\x81\xE9";
    const std::string quoted = quote(text);
    EXPECT_EQ(quoted, "\"tab\\there\\nnew \\\\ \\\"q\\\" \\x01\\x7F\\x81\xE9\"");
    int bad = 0;
    const auto lines = parseScript("expect caption " + core::cp1252ToUtf8(quoted) + "\n", bad);
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[0].tokens[2].text, text);
}

TEST(ScriptRun, EndOfScriptClosesDialogsAsCancelAndMainAsQuit) {
    TempRoot t;
    const auto run = runScript(t.path(), "click 1008\nclick 1009\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.transcript,
              "open 102 \"Kestrel 3 Editor\"\n"
              "open 135 \"Terrain Data Sub-Menu\"\n"
              "open 136 \"Terrain Subtypes List\"\n"
              "close 136 cancel\n"
              "close 135 cancel\n"
              "close 102 ok\n");
}

// Each script fails on its last line. The transcript of the run and of a
// failure's close: tests/scripts/main_window.kst and failed_expectation.kst;
// a line that cannot be read: bad_line.kst; a dump: army_placement.kst.
TEST(ScriptRun, FailureTextsNameWhatWasExpectedAndGot) {
    TempRoot t;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"expect caption \"a\\tb\\x0D\"", "expected caption \"a\\tb\\x0D\", got \"Kestrel 3 Editor\""},
        {"expect message \"Error\" \"X\"", "expected message Error \"X\", got no message"},
        {"click 1022\nexpect message \"Error\" \"X\"",
         "expected message Error \"X\", got message Message \"No scenario has been loaded!\""},
        {"click 1022\nexpect no-message", "expected no-message, got message Message \"No scenario has been loaded!\""},
        {"expect open 132", "expected open 132, got 102"},
        {"expect text 4242 \"\"", "expected control 4242, got none"},
        {"click 1006\nexpect items 1008 \"A\"", "expected items 1008 \"A\", got no items"},
        {"click 1006\nexpect selected 1008 \"A\"", "expected selected 1008 \"A\", got none"},
        {"click 1006\nexpect text 1010 \"A\"", "expected text 1010 \"A\", got \"\""},
        {"click 4242", "expected control 4242 to take the action, got refused"},
        {"click 1006\nselect 1008 \"NOPE\"", "expected control 1008 to take the action, got refused"},
        {"click 1006\ntype 1008 \"x\"", "expected control 1008 to take the action, got refused"},
        {"click 1\nclick 1006", "expected an open dialog, got none"},
    };
    for (const auto& [script, failure] : cases) {
        const auto run = runScript(t.path(), script + "\n");
        const auto line = std::to_string(std::count(script.begin(), script.end(), '\n') + 1);
        EXPECT_EQ(run.status, 1) << script;
        EXPECT_NE(run.transcript.find("FAIL line " + line + ": " + failure + "\n"), std::string::npos)
            << script + "\n" + run.transcript;
    }
}

TEST(ScriptRun, NoMessageSeesEveryMessageNotYetExpected) {
    TempRoot t;
    const std::string noScenario = "message Message \"No scenario has been loaded!\"";
    // Other expectations between the message and the check do not hide it.
    auto run = runScript(t.path(), "click 1022\nexpect open 102\nexpect no-message\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.transcript, "open 102 \"Kestrel 3 Editor\"\n" + noScenario + "\n"
                              "FAIL line 3: expected no-message, got " + noScenario + "\nclose 102 ok\n");
    // The second of two messages, when only the first was expected.
    run = runScript(t.path(), "click 1022\nclick 1005\nexpect message \"Message\" \"No scenario has been loaded!\"\n"
                              "expect open 102\nexpect no-message\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.transcript.find("FAIL line 5: expected no-message, got " + noScenario + "\n"), std::string::npos)
        << run.transcript;
    run = runScript(t.path(), "click 1022\nclick 1005\nexpect message \"Message\" \"No scenario has been loaded!\"\n"
                              "expect message \"Message\" \"No scenario has been loaded!\"\nexpect no-message\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
}

TEST(ScriptRun, SnapshotThatCannotBeWrittenFailsNamingThePath) {
    TempRoot t;
    t.mkdir("folder");
    // /dev/full takes the open and refuses the bytes.
    for (const std::string& path :
         {(t.path() / "missing" / "shot.bmp").string(), (t.path() / "folder").string(), std::string("/dev/full")}) {
        const auto run = runScript(t.path(), "click 1006\nsnapshot \"" + path + "\"\nclick 1\n");
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_EQ(run.transcript, "open 102 \"Kestrel 3 Editor\"\nopen 132 \"City Data List\"\n"
                                  "FAIL line 2: cannot write " + path + "\nclose 132 cancel\nclose 102 ok\n");
    }
    EXPECT_FALSE(t.exists("missing"));
}

// A snapshot is a BMP of the client area, 186 x 146 dialog units here.
TEST(ScriptRun, HostPathsStayUtf8WhileOtherTextsBecomeEightBitAndSnapshotsAreBmp) {
    int bad = 0;
    const auto lines = parseScript("file \"b\xC3\xBC.pcx\"\nsnapshot \"\xC3\xBC.bmp\"\ntype 1 \"\xC3\xBC\"\n", bad);
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[0].tokens[1].text, "b\xC3\xBC.pcx");
    EXPECT_EQ((*lines)[1].tokens[1].text, "\xC3\xBC.bmp");
    EXPECT_EQ((*lines)[2].tokens[2].text, "\xFC");

    TempRoot t;
    t.write("CITY/TOWNS.CIT", datasets::writeCitySet(datasets::newCitySet()));
    t.write("pick/bild-\xC3\xBC.pcx", "picture bytes");
    const std::string pick = (t.path() / "pick" / "bild-\xC3\xBC.pcx").string();
    const std::string shot = (t.path() / "sch\xC3\xB6n.bmp").string();
    const auto run = runScript(
        t.path(), "click 1006\ntype 1010 \"\xC3\x89L\"\nclick 4\nexpect items 1008 \"TOWNS\" \"\xC3\x89L\"\n" +
                      ("dblclick 1008 \"TOWNS\"\nfile \"" + pick + "\"\nclick 1015\nexpect no-message\n") +
                      "snapshot \"" + shot + "\"\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_TRUE(t.root().isFile("CITY\\\xC9L.CIT"));
    EXPECT_EQ(t.read("CITY/TOWNS.pcx"), core::Bytes({'p', 'i', 'c', 't', 'u', 'r', 'e', ' ', 'b', 'y', 't', 'e', 's'}));
    const auto bytes = t.read("sch\xC3\xB6n.bmp");
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[18] | bytes[19] << 8, 279);
    EXPECT_EQ(bytes[22] | bytes[23] << 8, 237);
}

}  // namespace
}  // namespace kestrel::ui
