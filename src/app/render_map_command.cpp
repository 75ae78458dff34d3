#include "app/render_map_command.hpp"

#include <string>

#include "core/atomic_file.hpp"
#include "core/cp1252.hpp"
#include "core/data_root.hpp"
#include "core/text_case.hpp"
#include "scenario/map_picture.hpp"
#include "scenario/map_tiles.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::app {

namespace {

std::string tilesText(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height) + " tiles";
}

bool onMap(const scenario::MapRect& r, const scenario::MapTiles& tiles) {
    return r.x < tiles.width() && r.y < tiles.height() && r.w <= tiles.width() - r.x && r.h <= tiles.height() - r.y;
}

// Streams the picture into a new file that replaces OUT only when whole.
bool writePicture(scenario::MapTiles& tiles, const scenario::MapRect& region, const Options& options,
                  pictures::PictureFormat format) {
    // Made from the data, so made again after a crash: no wait for the disk.
    const auto file = core::AtomicFile::begin(options.mapOut);
    if (!file) return false;
    const auto writer = pictures::makePictureWriter(
        format, scenario::mapPixels(region.w, options.mapShrink), scenario::mapPixels(region.h, options.mapShrink),
        [&file](std::span<const std::uint8_t> bytes) { return file->append(bytes); });
    return writer && scenario::writeMapPicture(tiles, kMapBackground, region, options.mapShrink, *writer) &&
           file->commit(core::Sync::ForReaders);
}

}  // namespace

std::optional<pictures::PictureFormat> mapFormatOf(const std::filesystem::path& out) {
    const std::string ending = out.extension().string();
    if (core::equalsNoCase(ending, ".png")) return pictures::PictureFormat::Png;
    if (core::equalsNoCase(ending, ".bmp")) return pictures::PictureFormat::Bmp;
    return std::nullopt;
}

int renderMap(const Options& options, const std::filesystem::path& rootPath, std::ostream& out, std::ostream& err) {
    const auto format = mapFormatOf(options.mapOut);
    if (!format) {
        err << "kstred: render-map writes a .png or .bmp file, not " << options.mapOut.string() << '\n';
        return 2;
    }
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
    if (const auto fault = scenario::mapFileFault(tiles.header(), tiles.fileSize())) {
        err << "kstred: " << core::cp1252ToUtf8(scenario::scenarioFile(*scenario, scenario::kMapFile))
            << " is damaged: " << *fault << '\n';
        return 1;
    }
    const std::string size = tilesText(tiles.width(), tiles.height());
    if (!scenario::canPaintWhole(tiles)) {
        err << "kstred: the map of " << options.name << " (" << size << ") cannot be painted whole\n";
        return 1;
    }
    const scenario::MapRect region = options.mapRegion.value_or(scenario::MapRect{0, 0, tiles.width(), tiles.height()});
    if (!onMap(region, tiles)) {
        err << "kstred: the region " << region.x << ',' << region.y << ',' << region.w << ',' << region.h
            << " is not on the map of " << options.name << " (" << size << ")\n";
        return 1;
    }
    if (!writePicture(tiles, region, options, *format)) {
        err << "kstred: cannot write " << options.mapOut.string() << '\n';
        return 1;
    }
    out << "The map of " << options.name << " (" << size << ") written to " << options.mapOut.string() << ", "
        << scenario::mapPixels(region.w, options.mapShrink) << " x " << scenario::mapPixels(region.h, options.mapShrink)
        << " pixels\n";
    return 0;
}

}  // namespace kestrel::app
