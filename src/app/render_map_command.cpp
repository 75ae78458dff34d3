#include "app/render_map_command.hpp"

#include <string>

#include "core/atomic_file.hpp"
#include "core/cp1252.hpp"
#include "core/data_root.hpp"
#include "scenario/map_tiles.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::app {

int renderMap(const Options& options, const std::filesystem::path& rootPath, std::ostream& out, std::ostream& err) {
    if (!dataRootIsFolder(rootPath, err)) return 2;
    const core::DataRoot root(rootPath);
    // Folder names are kept in the game's code page, as the dialogs type them.
    const auto scenario = core::utf8ToCp1252(options.name);
    const std::string folder = std::string(scenario::kScenariosFolder) + "\\" + scenario.value_or("");
    if (!scenario || !core::isPortableFileName(*scenario) || !root.isDirectory(folder)) {
        err << "kstred: there is no scenario folder " << std::string(scenario::kScenariosFolder) << "\\"
            << options.name << '\n';
        return 1;
    }
    scenario::MapTiles tiles;
    if (const auto missing = tiles.load(root, *scenario)) {
        err << "kstred: " << core::cp1252ToUtf8(*missing) << '\n';
        return 1;
    }
    const long width = tiles.width(), height = tiles.height();
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " tiles";
    if (!scenario::canPaintWhole(tiles)) {
        err << "kstred: the map of " << options.name << " (" << size << ") cannot be painted whole\n";
        return 1;
    }
    const pictures::Surface map = scenario::paintWholeMap(tiles, kMapBackground);
    if (!core::writeHostFileAtomic(options.mapOut, map.toBmp())) {
        err << "kstred: cannot write " << options.mapOut.string() << '\n';
        return 1;
    }
    out << "The map of " << options.name << " (" << size << ") written to " << options.mapOut.string() << ", "
        << map.width() << " x " << map.height() << " pixels\n";
    return 0;
}

}  // namespace kestrel::app
