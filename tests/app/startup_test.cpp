#include "app/startup.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "support/temp_root.hpp"

namespace kestrel::app {
namespace {

using testing::TempRoot;

TEST(ChooseRoot, RootOptionThenEnvironmentThenWorkingDirectoryAndOnlyTheWindowAsks) {
    const Options script{.script = "S", .host = HostKind::Headless};
    struct Case {
        const char* what;
        Options options;
        std::string_view environment;
        bool holdsTemplates;
        RootChoice expected;
    };
    const Case cases[] = {
        {"window from the home folder", {}, "", false, {{}, true}},
        {"window with --shots from the home folder", {.shots = "D"}, "", false, {{}, true}},
        {"window from a data root", {}, "", true, {"."}},
        {"window with KESTREL_ROOT", {}, "/games/data", false, {"/games/data"}},
        {"--root over KESTREL_ROOT", {.root = "R"}, "/games/data", false, {"R"}},
        {"--root from the home folder", {.root = "R"}, "", false, {"R"}},
        {"headless script", script, "", false, {"."}},
        {"script on the widgets", {.script = "S", .host = HostKind::Qt}, "", false, {"."}},
        {"script with KESTREL_ROOT", script, "/games/data", false, {"/games/data"}},
    };
    for (const Case& c : cases) {
        const RootChoice choice = chooseRoot(c.options, c.environment, c.holdsTemplates);
        EXPECT_EQ(choice.ask, c.expected.ask) << c.what;
        EXPECT_EQ(choice.root, c.expected.root) << c.what;
    }
}

TEST(ChooseRoot, ATemplatesFolderInAnyCaseMarksADataRoot) {
    TempRoot t;
    EXPECT_FALSE(holdsTemplates(t.path()));
    EXPECT_FALSE(holdsTemplates(t.path() / "missing"));
    t.write("WSDATA", "a file, not the folder");
    EXPECT_FALSE(holdsTemplates(t.path()));
    for (const char* name : {"WSDATA", "wsdata", "WsData"}) {
        TempRoot r;
        r.mkdir(name);
        EXPECT_TRUE(holdsTemplates(r.path())) << name;
    }
}

TEST(CommandLineHelp, ExplainsEveryOptionAndSubcommandOfTheUsage) {
    const std::string text = help();
    ASSERT_EQ(text.rfind(usage(), 0), 0u) << "the help starts with the usage";
    // Every "--option" and subcommand word the usage names.
    std::set<std::string> named;
    const std::regex word(R"((?:^|[ \[])(--?[a-z]+)|\bkstred (?:\[--root DIR\] )?([a-z-]+))");
    const std::string forms = usage();
    for (std::sregex_iterator it(forms.begin(), forms.end(), word), end; it != end; ++it)
        named.insert((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
    EXPECT_TRUE(named.count("--version") && named.count("make-sample") && named.count("--to") &&
                named.count("new-scenario") && !named.count("-scenario"));
    std::istringstream lines(text.substr(forms.size()));
    std::set<std::string> explained;
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        // "  NAMES  explanation": two spaces and more before the explanation.
        if (!std::regex_match(line, m, std::regex(R"( {2,4}(\S.*?) {2,}(\S.*))"))) continue;
        std::istringstream names(m[1].str());
        for (std::string name; names >> name;) explained.insert(name.back() == ',' ? name.substr(0, name.size() - 1) : name);
    }
    for (const std::string& name : named) EXPECT_TRUE(explained.count(name)) << name << " has no line in the help";
    EXPECT_TRUE(explained.count("KESTREL_ROOT"));
}

}  // namespace
}  // namespace kestrel::app
