// What kstred is asked to do, and running the editor on a host.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "scenario/map_position.hpp"

namespace kestrel::ui {
class Host;
}

namespace kestrel::app {

enum class Command { Edit, MakeSample, Picture, NewScenario, NewWorld, ListScenarios, RenderMap, ExportData, ExportScen, ImportData, ImportScen, Show, ToJson, FromJson, Check, Help, Version };
enum class HostKind { Qt, Headless };

struct Options {
    Command command = Command::Edit;
    std::optional<std::filesystem::path> root;  // --root; without it see chooseRoot()
    std::optional<std::filesystem::path> script;
    std::optional<std::filesystem::path> shots;
    HostKind host = HostKind::Qt;
    std::filesystem::path sampleDir;
    std::filesystem::path picture;
    std::optional<std::filesystem::path> pictureOut;
    std::string name;  // of the scenario or world to create, or of the scenario whose map is painted
    std::filesystem::path mapOut;                // render-map's picture, .png or .bmp
    int mapShrink = 1;                           // --scale 1/N
    std::optional<scenario::MapRect> mapRegion;  // --region X,Y,W,H
    std::optional<std::filesystem::path> poOut;  // the exports' PO file, a host path
    std::filesystem::path textFile;  // the file an import reads, a host path
    std::filesystem::path from;  // show, to-json, from-json
    std::optional<std::filesystem::path> to;
    std::string kind;  // --kind
    std::vector<std::string> targets;  // check: scenarios and campaigns
    bool json = false;                 // check --json
};

// Larger scripts are refused unread.
inline constexpr std::uint64_t kScriptSizeLimit = 16u << 20;

// Global options first, then at most one subcommand with its arguments and
// options. Nothing and `error` set when the arguments make no sense.
std::optional<Options> parseCommandLine(const std::vector<std::string>& args, std::string& error);
std::string usage();
// The usage, then a line on every option, subcommand and environment variable.
std::string help();

// Opens the main window on the data root (the working directory when none is
// set); with a script, plays it, writes the transcript to `out` and returns
// its exit status. Errors go to `err`.
// False, with a line on `err`, when the data root is no folder: the
// commands then exit with status 2.
bool dataRootIsFolder(const std::filesystem::path& rootPath, std::ostream& err);
int runEditor(ui::Host& host, const Options& options, std::ostream& out, std::ostream& err);
// Plays a script against the main window on `root`, writing the transcript.
int playScript(ui::Host& host, const std::filesystem::path& root, std::string_view script, std::ostream& transcript);
int makeSample(const std::filesystem::path& dir);
// new-scenario, new-world and list-scenarios on the data root: the dialogs'
// checks and messages, the message on `out` (success) or `err` (failure).
int runScenarioCommand(const Options& options, const std::filesystem::path& root, std::ostream& out,
                       std::ostream& err);

}  // namespace kestrel::app
