// The game's folder, asked for when the editor starts from a desktop menu.
#pragma once
#include <filesystem>
#include <optional>

class QSettings;

namespace kestrel::qt {

// A folder dialog that starts at the folder chosen last time (the home folder
// at first) and remembers the new choice. Nothing when it is cancelled.
std::optional<std::filesystem::path> askDataRoot(QSettings& settings);

}  // namespace kestrel::qt
