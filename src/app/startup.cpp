#include "app/startup.hpp"

#include "core/data_root.hpp"

namespace kestrel::app {

RootChoice chooseRoot(const Options& options, std::string_view environmentRoot, bool workingDirectoryHoldsTemplates) {
    if (options.root) return {*options.root};
    if (!environmentRoot.empty()) return {std::filesystem::path(environmentRoot)};
    const bool window = options.command == Command::Edit && !options.script;
    if (window && !workingDirectoryHoldsTemplates) return {{}, true};
    return {"."};
}

bool holdsTemplates(const std::filesystem::path& dir) { return core::DataRoot(dir).isDirectory("WSDATA"); }

bool hasDisplay(std::string_view display, std::string_view waylandDisplay, std::string_view qpaPlatform) {
    return !display.empty() || !waylandDisplay.empty() || !qpaPlatform.empty();
}

}  // namespace kestrel::app
