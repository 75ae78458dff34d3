#include "app/command_line.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <iterator>

#include "app/check_command.hpp"
#include "app/render_map_command.hpp"
#include "app/sample_root.hpp"
#include "core/cp1252.hpp"
#include "core/data_root.hpp"
#include "core/escaped_text.hpp"
#include "core/host_file.hpp"
#include "records/file_kinds.hpp"
#include "shell/main_window.hpp"
#include "shell/scenario_lifecycle.hpp"
#include "ui/host.hpp"
#include "ui/script_player.hpp"

namespace kestrel::app {

namespace {

// Stores a value; false when it is not one the option takes.
using Store = bool (*)(Options&, const std::string&);

struct Value {
    std::string_view placeholder;  // in the usage
    std::string_view what;         // in "--root needs a folder"
    Store store = nullptr;
    bool optional = false;
    bool repeats = false;  // an argument: any number of them
};

struct Option {
    std::string_view name;
    Value value;  // a switch has no placeholder and stores ""
    std::string_view about;  // one line in the help
    bool isSwitch() const { return value.placeholder.empty(); }
    std::string form() const {
        return isSwitch() ? std::string(name) : std::string(name) + " " + std::string(value.placeholder);
    }
};

struct Subcommand {
    std::string_view word;
    Command command;
    bool usesRoot;  // then --root goes before the word
    std::string_view about;
    Value arguments[2] = {};  // in order; unused ones have no store
    Option options[2] = {};
};

// Options that make the whole command line.
struct Alone {
    std::string_view name;
    std::string_view shortName;
    Command command;
    std::string_view about;
};

constexpr Option kRoot{"--root",
                       {"DIR", "a folder",
                        [](Options& o, const std::string& v) {
                            o.root = v;
                            return true;
                        }},
                       "the data root, the game's folder (default: see below)"};

// Only for the editor itself, so never with a subcommand.
constexpr Option kEditorOptions[] = {
    {"--shots",
     {"DIR", "a folder",
      [](Options& o, const std::string& v) {
          o.shots = v;
          return true;
      }},
     "save a PNG of every dialog as it opens"},
    {"--script",
     {"FILE", "a file",
      [](Options& o, const std::string& v) {
          o.script = v;
          return true;
      }},
     "play a script and print its transcript; exit 1 when an expectation fails"},
    {"--host",
     {"headless|qt", "headless or qt",
      [](Options& o, const std::string& v) {
          o.host = v == "qt" ? HostKind::Qt : HostKind::Headless;
          return v == "qt" || v == "headless";
      }},
     "play the script without windows (the default) or against the Qt widgets"},
};

constexpr Option kKind{"--kind",
                       {"KIND", "a kind",
                        [](Options& o, const std::string& v) {
                            o.kind = v;
                            return true;
                        }},
                       "the file's kind when its name does not tell (see --help)"};
constexpr Value kFrom(std::string_view placeholder) {
    return {placeholder, "a file or folder", [](Options& o, const std::string& v) {
                o.from = v;
                return true;
            }};
}
constexpr Value kTo(std::string_view placeholder, bool optional) {
    return {placeholder, "a file or folder",
            [](Options& o, const std::string& v) {
                o.to = v;
                return true;
            },
            optional};
}

// Four numbers X,Y,W,H: a corner from 0 and a size from 1, none past the
// largest a map's 16-bit header holds.
std::optional<scenario::MapRect> parseTileRect(std::string_view text) {
    std::array<int, 4> n{};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::size_t i = 0; i < n.size(); ++i) {
        if (i > 0 && (at == end || *at++ != ',')) return std::nullopt;
        const auto [next, error] = std::from_chars(at, end, n[i]);
        if (error != std::errc() || n[i] < (i < 2 ? 0 : 1) || n[i] > INT16_MAX) return std::nullopt;
        at = next;
    }
    if (at != end) return std::nullopt;
    return scenario::MapRect{n[0], n[1], n[2], n[3]};
}

constexpr Alone kAlone[] = {
    {"--help", "-h", Command::Help, "print this help"},
    {"--version", "", Command::Version, "print the version"},
};

constexpr Subcommand kSubcommands[] = {
    {"make-sample",
     Command::MakeSample,
     false,
     "write the bundled sample data root in DIR",
     {{"DIR", "a folder",
       [](Options& o, const std::string& v) {
           o.sampleDir = v;
           return true;
       }}}},
    {"picture",
     Command::Picture,
     false,
     "tell what a PCX, BMP, GIF or icon file holds",
     {{"FILE", "a file",
       [](Options& o, const std::string& v) {
           o.picture = v;
           return true;
       }}},
     {{"--to",
       {"OUT.bmp", "a file",
        [](Options& o, const std::string& v) {
            o.pictureOut = v;
            return true;
        }},
       "write the picture's pixels as a 24-bit BMP"}}},
    {"new-scenario",
     Command::NewScenario,
     true,
     "create the scenario NAME as New Scenario does",
     {{"NAME", "a name",
       [](Options& o, const std::string& v) {
           o.name = v;
           return true;
       }}}},
    {"new-world",
     Command::NewWorld,
     true,
     "create the world NAME as New World does",
     {{"NAME", "a name",
       [](Options& o, const std::string& v) {
           o.name = v;
           return true;
       }}}},
    {"list-scenarios", Command::ListScenarios, true, "print each scenario's name and folder, tab-separated"},
    {"render-map",
     Command::RenderMap,
     true,
     "paint the whole map of the scenario (its folder name) as a PNG or a 24-bit BMP, 48 x 48 pixels a tile",
     {{"SCENARIO", "a scenario",
       [](Options& o, const std::string& v) {
           o.name = v;
           return true;
       }},
      {"OUT.png|OUT.bmp", "a .png or .bmp file",
       [](Options& o, const std::string& v) {
           o.mapOut = v;
           return mapFormatOf(o.mapOut).has_value();
       }}},
     {{"--scale",
       {"1/N", "1/2, 1/4 or 1/8",
        [](Options& o, const std::string& v) {
            o.mapShrink = v == "1/2" ? 2 : v == "1/4" ? 4 : v == "1/8" ? 8 : 0;
            return o.mapShrink != 0;
        }},
       "shrink the picture by 2, 4 or 8, each pixel the mean of those it stands for"},
      {"--region",
       {"X,Y,W,H", "tiles X,Y,W,H",
        [](Options& o, const std::string& v) {
            o.mapRegion = parseTileRect(v);
            return o.mapRegion.has_value();
        }},
       "paint only the W x H tiles from tile X,Y"}}},
    {"export-data",
     Command::ExportData,
     true,
     "write every data set's texts to KS_Data.Txt as Export Data does",
     {},
     {{"--po",
       {"OUT.po", "a file",
        [](Options& o, const std::string& v) {
            o.poOut = v;
            return true;
        }},
       "write them to OUT.po as gettext PO (UTF-8) instead"}}},
    {"export-scen",
     Command::ExportScen,
     true,
     "write the texts of the scenario (its folder name) to KS_<NAME>.Txt as Export Scen does",
     {{"NAME", "a scenario",
       [](Options& o, const std::string& v) {
           o.name = v;
           return true;
       }}},
     {{"--po",
       {"OUT.po", "a file",
        [](Options& o, const std::string& v) {
            o.poOut = v;
            return true;
        }},
       "write them to OUT.po as gettext PO (UTF-8) instead"}}},
    {"import-data",
     Command::ImportData,
     true,
     "write the translations of FILE (gettext PO when FILE.po) into the data sets as Import Data does",
     {{"FILE", "a file",
       [](Options& o, const std::string& v) {
           o.textFile = v;
           return true;
       }}}},
    {"import-scen",
     Command::ImportScen,
     true,
     "write the translations of FILE into the scenario (its folder name) as Import Scen does",
     {{"NAME", "a scenario",
       [](Options& o, const std::string& v) {
           o.name = v;
           return true;
       }},
      {"FILE", "a file",
       [](Options& o, const std::string& v) {
           o.textFile = v;
           return true;
       }}}},
    {"show",
     Command::Show,
     false,
     "print a record file as text, one field a line (a git diff driver)",
     {kFrom("FILE")},
     {kKind}},
    {"to-json",
     Command::ToJson,
     false,
     "write the data root ROOT as a tree of JSON files in DIR, or FILE's JSON",
     {kFrom("ROOT|FILE"), kTo("[DIR]", true)},
     {kKind}},
    {"from-json",
     Command::FromJson,
     false,
     "build the files of the JSON tree DIR into ROOT, or FILE.json into OUT",
     {kFrom("DIR|FILE.json"), kTo("ROOT|OUT", false)},
     {kKind}},
    {"check",
     Command::Check,
     true,
     "report every broken reference, range and size in the data root, or in the scenarios and "
     "campaigns named and what they use",
     {{"[SCENARIO|CAMPAIGN...]", "a name",
       [](Options& o, const std::string& v) {
           o.targets.push_back(v);
           return true;
       },
       true, true}},
     {{"--json",
       {"", "",
        [](Options& o, const std::string&) {
            o.json = true;
            return true;
        }},
       "print the findings as JSON lines"}}},
};

bool looksLikeOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }
const Alone* findAlone(std::string_view arg) {
    for (const Alone& alone : kAlone)
        if (arg == alone.name || (!alone.shortName.empty() && arg == alone.shortName)) return &alone;
    return nullptr;
}

template <class List>
const Option* findOption(const List& options, std::string_view name) {
    for (const Option& option : options)
        if (option.value.store && option.name == name) return &option;
    return nullptr;
}

const Option* findGlobalOption(std::string_view name) {
    return name == kRoot.name ? &kRoot : findOption(kEditorOptions, name);
}

const Subcommand* findSubcommand(std::string_view word) {
    for (const Subcommand& sub : kSubcommands)
        if (sub.word == word) return &sub;
    return nullptr;
}

std::size_t argumentCount(const Subcommand& sub) {
    std::size_t n = 0;
    while (n < std::size(sub.arguments) && sub.arguments[n].store) ++n;
    return n;
}

// Why an option is refused where it stands: after `sub`, or before any
// subcommand when `sub` is null.
std::string misplaced(const Subcommand* sub, const std::string& arg) {
    if (findAlone(arg)) return arg + " goes alone";
    const Subcommand* owner = nullptr;
    for (const Subcommand& s : kSubcommands)
        if (findOption(s.options, arg)) owner = &s;
    if (!sub) return owner ? arg + " goes after " + std::string(owner->word) : "unexpected argument: " + arg;
    const std::string word(sub->word);
    if (arg == kRoot.name && sub->usesRoot) return arg + " goes before " + word;
    if (owner || findGlobalOption(arg)) return word + " does not take " + arg;
    return "unexpected argument: " + arg;
}

// Words on lines of at most `width` characters, each line indented.
std::string wrapped(const std::string& words, std::size_t indent, std::size_t width) {
    std::string out, line;
    std::size_t from = 0;
    while (from < words.size()) {
        std::size_t to = words.find(' ', from);
        if (to == std::string::npos) to = words.size();
        const std::string word = words.substr(from, to - from);
        if (!line.empty() && line.size() + 1 + word.size() > width - indent) {
            out.append(indent, ' ').append(line) += '\n';
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
        from = to + 1;
    }
    if (!line.empty()) out.append(indent, ' ').append(line) += '\n';
    return out;
}

}  // namespace

std::string usage() {
    std::string out = "usage: kstred [--root DIR] [--shots DIR] [--script FILE [--host headless|qt]]\n";
    for (const Subcommand& sub : kSubcommands) {
        out += "       kstred ";
        if (sub.usesRoot) out += "[--root DIR] ";
        out += sub.word;
        for (const Value& argument : sub.arguments)
            if (argument.store) out += " " + std::string(argument.placeholder);
        for (const Option& option : sub.options)
            if (option.value.store)
                out += " [" + option.form() + "]";
        out += '\n';
    }
    for (const Alone& alone : kAlone) out += "       kstred " + std::string(alone.name) + '\n';
    return out;
}

std::string help() {
    std::vector<std::pair<std::string, std::string_view>> options, subcommands, environment, files, exitStatus;
    const auto withValue = [](const Option& option) { return option.form(); };
    options.emplace_back(withValue(kRoot), kRoot.about);
    for (const Option& option : kEditorOptions) options.emplace_back(withValue(option), option.about);
    for (const Alone& alone : kAlone)
        options.emplace_back(alone.shortName.empty() ? std::string(alone.name)
                                                     : std::string(alone.shortName) + ", " + std::string(alone.name),
                             alone.about);
    for (const Subcommand& sub : kSubcommands) {
        std::string form(sub.word);
        for (const Value& argument : sub.arguments)
            if (argument.store) form += " " + std::string(argument.placeholder);
        subcommands.emplace_back(form, sub.about);
        for (const Option& option : sub.options)
            if (option.value.store) subcommands.emplace_back("  " + withValue(option), option.about);
    }
    exitStatus = {{"0", "done; every script expectation held"},
                  {"1", "a script expectation or action failed, a conversion was refused, check found errors, or there is no display"},
                  {"2", "the command line was refused; the script, data root or file cannot be read or is of no kind"}};
    environment.emplace_back("KESTREL_ROOT", "the data root when --root is not given");
    files.emplace_back("~/.config/kestrel/kstred.conf", "the game's folder chosen last");
    std::size_t width = 0;
    for (const auto* list : {&options, &subcommands})
        for (const auto& [left, about] : *list) width = std::max(width, left.size());
    const auto lines = [width](const auto& list) {
        std::string text;
        for (const auto& [left, about] : list)
            text += "  " + left + std::string(std::max(width, left.size()) + 2 - left.size(), ' ') +
                    std::string(about) + '\n';
        return text;
    };
    return usage() +
           "\nEdits the data of a turn-based fantasy strategy game: the files below its data root,\n"
           "the game's folder. Without a subcommand kstred opens the editor's main window.\n"
           "\nOptions:\n" +
           lines(options) +
           "\nWithout --root the editor opens $KESTREL_ROOT, else the working directory when it\n"
           "holds a WSDATA folder; otherwise the window asks for the game's folder and remembers\n"
           "the choice. Scripts never ask: without either they play in the working directory.\n"
           "\nSubcommands:\n" +
           lines(subcommands) +
           "\nshow, to-json and from-json know a record file by its name (*.CIT, CITY.DAT, also at\n"
           "the end of git's temporary names such as Xy12Ab_CITY.DAT); --kind names the kind:\n" +
           wrapped(records::kindNames(), 2, 96) +
           "\nTexts from the data that list-scenarios, show and script transcripts print are escaped:\n"
           "a backslash as \\\\, a tab as \\t, a line feed as \\n, any other control character\n"
           "as \\xHH. Scripts read the same escapes in their texts.\n" +
           "\nExit status:\n" + lines(exitStatus) + "\nEnvironment:\n" + lines(environment) + "\nFiles:\n" +
           lines(files);
}

std::optional<Options> parseCommandLine(const std::vector<std::string>& args, std::string& error) {
    const auto refuse = [&error](std::string why) {
        error = std::move(why);
        return std::optional<Options>();
    };
    Options o;
    if (args.size() == 1)
        if (const Alone* alone = findAlone(args[0])) {
            o.command = alone->command;
            return o;
        }
    const Subcommand* sub = nullptr;
    std::size_t filled = 0;
    std::vector<std::string_view> given;  // option names, from the tables
    const auto wasGiven = [&given](std::string_view name) {
        return std::find(given.begin(), given.end(), name) != given.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!looksLikeOption(arg)) {
            if (!sub) {
                sub = findSubcommand(arg);
                if (!sub) return refuse("unexpected argument: " + arg);
                o.command = sub->command;
                for (const std::string_view name : given)
                    if (name != kRoot.name || !sub->usesRoot)
                        return refuse(std::string(sub->word) + " does not take " + std::string(name));
            } else if (filled < argumentCount(*sub)) {
                const Value& argument = sub->arguments[filled];
                if (!argument.repeats) ++filled;
                if (!argument.store(o, arg))
                    return refuse(std::string(sub->word) + " needs " + std::string(argument.what) + ", not " + arg);
            } else {
                return refuse("unexpected argument: " + arg);
            }
            continue;
        }
        const Option* option = sub ? findOption(sub->options, arg) : findGlobalOption(arg);
        if (!option) return refuse(misplaced(sub, arg));
        if (wasGiven(option->name)) return refuse(arg + " given twice");
        given.push_back(option->name);
        if (option->isSwitch()) {
            option->value.store(o, "");
            continue;
        }
        const std::string needs = arg + " needs " + std::string(option->value.what);
        if (i + 1 == args.size() || looksLikeOption(args[i + 1])) return refuse(needs);
        const std::string& value = args[++i];
        if (!option->value.store(o, value)) return refuse(needs + ", not " + value);
    }
    if (sub) {
        if (filled < argumentCount(*sub) && !sub->arguments[filled].optional)
            return refuse(std::string(sub->word) + " needs " + std::string(sub->arguments[filled].what));
        return o;
    }
    if (!wasGiven("--script")) {
        if (wasGiven("--host")) return refuse("--host goes with --script");
    } else if (!wasGiven("--host")) {
        o.host = HostKind::Headless;
    }
    return o;
}

int playScript(ui::Host& host, const std::filesystem::path& rootPath, std::string_view script,
               std::ostream& transcript) {
    int badLine = 0;
    auto lines = ui::parseScript(script, badLine);
    if (!lines) {
        transcript << "FAIL line " << badLine << ": cannot read the line\n";
        return 2;
    }
    const core::DataRoot root(rootPath);
    shell::MainWindow mainWindow(host, root);
    mainWindow.setChecker(rootFindings);
    ui::ScriptPlayer player(host, std::move(*lines));
    host.setScript(&player);
    host.setTranscript(&transcript);
    host.runModal(mainWindow);
    player.playRest();
    host.setScript(nullptr);
    host.setTranscript(nullptr);
    return player.exitStatus();
}

bool dataRootIsFolder(const std::filesystem::path& rootPath, std::ostream& err) {
    std::error_code ec;
    if (std::filesystem::is_directory(rootPath, ec)) return true;
    err << "kstred: the data root " << rootPath.string() << " is not a folder\n";
    return false;
}

int runEditor(ui::Host& host, const Options& options, std::ostream& out, std::ostream& err) {
    const std::filesystem::path rootPath = options.root.value_or(".");
    if (!dataRootIsFolder(rootPath, err)) return 2;
    if (options.script) {
        core::FileError why = core::FileError::None;
        const auto script = core::readWholeHostFile(*options.script, kScriptSizeLimit, &why);
        if (!script) {
            err << "kstred: cannot read the script " << options.script->string() << ": " << core::describe(why) << '\n';
            return 2;
        }
        const std::string_view text(reinterpret_cast<const char*>(script->data()), script->size());
        return playScript(host, rootPath, text, out);
    }
    const core::DataRoot root(rootPath);
    shell::MainWindow mainWindow(host, root);
    mainWindow.setChecker(rootFindings);
    host.runModal(mainWindow);
    return 0;
}

int makeSample(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!writeSampleRoot(core::DataRoot(dir))) {
        std::cerr << "kstred: could not write the sample data root in " << dir.string() << '\n';
        return 1;
    }
    std::cout << "Sample data root written to " << dir.string() << '\n';
    return 0;
}

int runScenarioCommand(const Options& options, const std::filesystem::path& rootPath, std::ostream& out,
                       std::ostream& err) {
    if (!dataRootIsFolder(rootPath, err)) return 2;
    const core::DataRoot root(rootPath);
    if (options.command == Command::ListScenarios) {
        for (const auto& listed : shell::listScenarios(root))
            out << core::cp1252ToUtf8(core::escapeControls(listed.name)) << '\t'
                << core::cp1252ToUtf8(core::escapeControls(listed.folder)) << '\n';
        return 0;
    }
    const bool world = options.command == Command::NewWorld;
    if (options.name.empty()) {
        err << "kstred: " << (world ? "new-world" : "new-scenario") << " needs a name\n";
        return 2;
    }
    // Names are kept in the game's code page, as the dialogs type them.
    const auto name = core::utf8ToCp1252(options.name);
    const shell::CreateResult result = !name   ? shell::CreateResult::CannotWrite
                                       : world ? shell::createWorld(root, *name)
                                               : shell::createScenario(root, *name);
    const std::string message = world ? shell::worldMessage(result) : shell::scenarioMessage(result);
    if (result == shell::CreateResult::Created) {
        out << message << '\n';
        return 0;
    }
    err << message << '\n';
    return 1;
}

}  // namespace kestrel::app
