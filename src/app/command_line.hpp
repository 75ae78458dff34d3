// What kstred is asked to do, and running the editor on a host.
#pragma once
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>
#include <string>
#include <vector>

namespace kestrel::ui {
class Host;
}

namespace kestrel::app {

enum class Command { Edit, MakeSample, Picture, Help };
enum class HostKind { Qt, Headless };

struct Options {
    Command command = Command::Edit;
    std::filesystem::path root = ".";
    std::optional<std::filesystem::path> script;
    std::optional<std::filesystem::path> shots;
    HostKind host = HostKind::Qt;
    std::filesystem::path sampleDir;
    std::filesystem::path picture;
    std::optional<std::filesystem::path> pictureOut;
};

// Nothing and `error` set when the arguments make no sense.
std::optional<Options> parseCommandLine(const std::vector<std::string>& args, std::string& error);
std::string usage();

// Opens the main window on the data root; with a script, plays it and
// returns its exit status.
int runEditor(ui::Host& host, const Options& options);
// Plays a script against the main window on `root`, writing the transcript.
int playScript(ui::Host& host, const std::filesystem::path& root, std::string_view script, std::ostream& transcript);
int makeSample(const std::filesystem::path& dir);

}  // namespace kestrel::app
