#include "app/command_line.hpp"

#include <fstream>
#include <iostream>
#include <sstream>

#include "app/sample_root.hpp"
#include "core/data_root.hpp"
#include "shell/main_window.hpp"
#include "ui/host.hpp"
#include "ui/script_player.hpp"

namespace kestrel::app {

std::string usage() {
    return "usage: kstred [--root DIR] [--script FILE [--host headless|qt] [--shots DIR]]\n"
           "       kstred make-sample DIR\n"
           "       kstred picture FILE [--to OUT.bmp]\n";
}

std::optional<Options> parseCommandLine(const std::vector<std::string>& args, std::string& error) {
    Options o;
    bool hostGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--help" || a == "-h") {
            o.command = Command::Help;
        } else if (a == "make-sample" && i == 0 && hasValue) {
            o.command = Command::MakeSample;
            o.sampleDir = args[++i];
        } else if (a == "picture" && i == 0 && hasValue) {
            o.command = Command::Picture;
            o.picture = args[++i];
        } else if (a == "--to" && hasValue && o.command == Command::Picture) {
            o.pictureOut = args[++i];
        } else if (a == "--root" && hasValue) {
            o.root = args[++i];
        } else if (a == "--script" && hasValue) {
            o.script = args[++i];
        } else if (a == "--shots" && hasValue) {
            o.shots = args[++i];
        } else if (a == "--host" && hasValue && (args[i + 1] == "qt" || args[i + 1] == "headless")) {
            o.host = args[++i] == "qt" ? HostKind::Qt : HostKind::Headless;
            hostGiven = true;
        } else {
            error = "unexpected argument: " + a;
            return std::nullopt;
        }
    }
    if (o.script && !hostGiven) o.host = HostKind::Headless;
    if (o.command == Command::Edit && o.host == HostKind::Headless && !o.script) {
        error = "the headless host needs a script";
        return std::nullopt;
    }
    return o;
}

namespace {

std::optional<std::string> readScriptFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

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

int runEditor(ui::Host& host, const Options& options) {
    std::error_code ec;
    if (!std::filesystem::is_directory(options.root, ec)) {
        std::cerr << "kstred: the data root " << options.root.string() << " is not a folder\n";
        return 2;
    }
    if (options.script) {
        const auto script = readScriptFile(*options.script);
        if (!script) {
            std::cerr << "kstred: cannot read the script " << options.script->string() << '\n';
            return 2;
        }
        return playScript(host, options.root, *script, std::cout);
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
