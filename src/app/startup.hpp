// What the program decides before it opens a window: which data root, and
// whether there is a display to open it on.
#pragma once
#include <filesystem>
#include <string_view>

#include "app/command_line.hpp"

namespace kestrel::app {

struct RootChoice {
    std::filesystem::path root;  // empty when asking
    bool ask = false;
};

// --root, else $KESTREL_ROOT, else the working directory. Only the window
// started without either asks, and only from a working directory that holds
// no WSDATA folder, such as the home folder a desktop menu starts it in.
RootChoice chooseRoot(const Options& options, std::string_view environmentRoot, bool workingDirectoryHoldsTemplates);

// A WSDATA folder in any case: the mark of a data root.
bool holdsTemplates(const std::filesystem::path& dir);

// Qt aborts without a display unless a platform such as offscreen is named.
bool hasDisplay(std::string_view display, std::string_view waylandDisplay, std::string_view qpaPlatform);
inline constexpr std::string_view kNoDisplay =
    "kstred: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
    "start it in a desktop session, or on a virtual one with xvfb-run kstred";

}  // namespace kestrel::app
