// The main window's Check Data on the program's own checker.
#include <gtest/gtest.h>

#include "check/check_root.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"

namespace kestrel::app {
namespace {

using testing::runScript;
using testing::TempRoot;

// What `kstred check` finds, listed in the window; a double click on the
// army type's finding opens its entry editor on it.
TEST(CheckDataWindow, ListsWhatCheckFindsAndOpensTheEditorOfTheFile) {
    TempRoot t;
    t.write("ARMY/GRIFFINS.ARM", core::Bytes(100, 0));
    const auto found = check::checkRoot(t.path()).findings;
    ASSERT_EQ(found.size(), 2u);  // its length and its missing picture
    ASSERT_EQ(found[0].path, "ARMY/GRIFFINS.ARM");
    const auto run = runScript(t.path(),
                               "menu 32\n"
                               "expect open 190\n"
                               "expect items 1000 \"" +
                                   core::findingLine(found[0]) + "\" \"" + core::findingLine(found[1]) +
                                   "\"\n"
                                   "expect text 1001 \"2 errors, 0 warnings in 1 file\"\n"
                                   "dblclick 1000 #0\n"
                                   "expect caption \"Edit Army - GRIFFINS\"\n"
                                   "click 2\n"
                                   "expect open 190\n"
                                   "click 1\n"
                                   "expect open 102\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(run.transcript,
              "open 102 \"Kestrel 3 Editor\"\n"
              "open 190 \"Check Data\"\n"
              "open 148 \"Edit Army - GRIFFINS\"\n"
              "close 148 cancel\n"
              "close 190 ok\n"
              "close 102 ok\n");
}

}  // namespace
}  // namespace kestrel::app
