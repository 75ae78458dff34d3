// Plays a script in the headless host on a data root, in process.
#pragma once
#include <filesystem>
#include <sstream>
#include <string>

#include "app/command_line.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::testing {

struct ScriptRun {
    int status = 0;
    std::string transcript;
};

inline ScriptRun runScript(const std::filesystem::path& root, std::string_view script) {
    ui::HeadlessHost host;
    std::ostringstream out;
    const int status = app::playScript(host, root, script, out);
    return {status, out.str()};
}

}  // namespace kestrel::testing
