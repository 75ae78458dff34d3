#include "app/command_line.hpp"

#include <algorithm>
#include <iostream>
#include <iterator>

#include "app/sample_root.hpp"
#include "core/data_root.hpp"
#include "core/host_file.hpp"
#include "shell/main_window.hpp"
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
};

struct Option {
    std::string_view name;
    Value value;
};

struct Subcommand {
    std::string_view word;
    Command command;
    bool usesRoot;            // then --root goes before the word
    Value arguments[2] = {};  // in order; unused ones have no store
    Option options[2] = {};
};

constexpr Option kRoot{"--root", {"DIR", "a folder", [](Options& o, const std::string& v) { o.root = v; return true; }}};

// Only for the editor itself, so never with a subcommand.
constexpr Option kEditorOptions[] = {
    {"--shots", {"DIR", "a folder", [](Options& o, const std::string& v) { o.shots = v; return true; }}},
    {"--script", {"FILE", "a file", [](Options& o, const std::string& v) { o.script = v; return true; }}},
    {"--host", {"headless|qt", "headless or qt", [](Options& o, const std::string& v) {
                    o.host = v == "qt" ? HostKind::Qt : HostKind::Headless;
                    return v == "qt" || v == "headless";
                }}},
};

constexpr Subcommand kSubcommands[] = {
    {"make-sample", Command::MakeSample, false,
     {{"DIR", "a folder", [](Options& o, const std::string& v) { o.sampleDir = v; return true; }}}},
    {"picture", Command::Picture, false,
     {{"FILE", "a file", [](Options& o, const std::string& v) { o.picture = v; return true; }}},
     {{"--to", {"OUT.bmp", "a file", [](Options& o, const std::string& v) { o.pictureOut = v; return true; }}}}},
};

bool looksLikeOption(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }
bool isHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

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
    if (isHelp(arg)) return arg + " goes alone";
    const Subcommand* owner = nullptr;
    for (const Subcommand& s : kSubcommands)
        if (findOption(s.options, arg)) owner = &s;
    if (!sub) return owner ? arg + " goes after " + std::string(owner->word) : "unexpected argument: " + arg;
    const std::string word(sub->word);
    if (arg == kRoot.name && sub->usesRoot) return arg + " goes before " + word;
    if (owner || findGlobalOption(arg)) return word + " does not take " + arg;
    return "unexpected argument: " + arg;
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
                out += " [" + std::string(option.name) + " " + std::string(option.value.placeholder) + "]";
        out += '\n';
    }
    return out + "       kstred --help\n";
}

std::optional<Options> parseCommandLine(const std::vector<std::string>& args, std::string& error) {
    const auto refuse = [&error](std::string why) {
        error = std::move(why);
        return std::optional<Options>();
    };
    Options o;
    if (args.size() == 1 && isHelp(args[0])) {
        o.command = Command::Help;
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
                const Value& argument = sub->arguments[filled++];
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
        const std::string needs = arg + " needs " + std::string(option->value.what);
        if (i + 1 == args.size() || looksLikeOption(args[i + 1])) return refuse(needs);
        const std::string& value = args[++i];
        if (!option->value.store(o, value)) return refuse(needs + ", not " + value);
    }
    if (sub) {
        if (filled < argumentCount(*sub))
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
    ui::ScriptPlayer player(host, std::move(*lines));
    host.setScript(&player);
    host.setTranscript(&transcript);
    host.runModal(mainWindow);
    player.playRest();
    host.setScript(nullptr);
    host.setTranscript(nullptr);
    return player.exitStatus();
}

int runEditor(ui::Host& host, const Options& options, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_directory(options.root, ec)) {
        err << "kstred: the data root " << options.root.string() << " is not a folder\n";
        return 2;
    }
    if (options.script) {
        core::FileError why = core::FileError::None;
        const auto script = core::readWholeHostFile(*options.script, kScriptSizeLimit, &why);
        if (!script) {
            err << "kstred: cannot read the script " << options.script->string() << ": " << core::describe(why) << '\n';
            return 2;
        }
        const std::string_view text(reinterpret_cast<const char*>(script->data()), script->size());
        return playScript(host, options.root, text, out);
    }
    const core::DataRoot root(options.root);
    shell::MainWindow mainWindow(host, root);
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

}  // namespace kestrel::app
