// `kstred [--root DIR] render-map SCENARIO OUT.png|OUT.bmp [--scale 1/N]
// [--region X,Y,W,H]`: the scenario's map painted as the position picker
// paints its tiles, one 48 by 48 tile per map position, so a map can be
// looked at and shared without the game.
#pragma once
#include <filesystem>
#include <optional>
#include <ostream>

#include "app/command_line.hpp"
#include "pictures/picture_writer.hpp"
#include "pictures/surface.hpp"

namespace kestrel::app {

// Where no picture paints a tile.
inline constexpr pictures::Rgb kMapBackground{0, 0, 0};

// The format the file's ending names (.png or .bmp, in any case), or none.
std::optional<pictures::PictureFormat> mapFormatOf(const std::filesystem::path& out);

// Writes the picture and prints one line on `out`, or says on `err` what
// could not be read or written and writes nothing. 0 when written, 1 when
// something is missing or damaged, 2 when the data root is no folder or the
// file's ending names no format.
int renderMap(const Options& options, const std::filesystem::path& root, std::ostream& out, std::ostream& err);

}  // namespace kestrel::app
