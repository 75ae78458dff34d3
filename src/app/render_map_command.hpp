// `kstred [--root DIR] render-map SCENARIO OUT.bmp`: the scenario's whole map
// painted as the position picker paints its tiles, one 48 by 48 tile per map
// position, so a map can be looked at without the game.
#pragma once
#include <filesystem>
#include <ostream>

#include "app/command_line.hpp"
#include "pictures/surface.hpp"

namespace kestrel::app {

// Where no picture paints a tile.
inline constexpr pictures::Rgb kMapBackground{0, 0, 0};

// Writes the picture and prints one line on `out`, or says on `err` what
// could not be read or written and writes nothing. 0 when written, 1 when
// something is missing, 2 when the data root is no folder.
int renderMap(const Options& options, const std::filesystem::path& root, std::ostream& out, std::ostream& err);

}  // namespace kestrel::app
