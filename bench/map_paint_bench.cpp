// Painting map tiles: the whole 128 by 160 map as render-map paints it, and
// one paint of the position picker's 7 by 6 tiles, each against a memcpy of
// the pixels it paints; render-map's BMP and PNG files, painted and written
// in bands, against writing the BMP's number of bytes to a file. The map uses all 22 terrain slots, both road types
// on a grid of roads (a quarter of the tiles) and the most cities, ruins and
// sites the views hold.
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/atomic_file.hpp"
#include "core/le.hpp"
#include "ratio_reporter.hpp"
#include "sample/map_art.hpp"
#include "sample/pcx_writer.hpp"
#include "scenario/map_picture.hpp"
#include "scenario/map_tiles.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_terrain.hpp"
#include "scenario/tile_map_view.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;

constexpr const char* kScenario = "BENCH";

core::Bytes placed(std::size_t count, std::size_t size, std::size_t at, int step) {
    core::Bytes file(2 + count * size, 0);
    core::putS16(file, 0, static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const int n = static_cast<int>(i) * step;
        core::putS16(file, 2 + i * size + at, static_cast<std::int16_t>(n % 128));
        core::putS16(file, 2 + i * size + at + 2, static_cast<std::int16_t>(n / 128 % 160));
    }
    return file;
}

const fs::path& dataRoot() {
    static const fs::path dir = [] {
        const fs::path dir = fs::temp_directory_path() / "kestrel-bench-map";
        fs::remove_all(dir);
        fs::create_directories(dir);
        const core::DataRoot root(dir);
        root.makeDirectory("WSDATA");
        root.makeDirectory("TERRAIN");
        root.makeDirectory("TERRAIN\\DATA");
        root.makeDirectory("SCENARIO");
        root.makeDirectory(std::string("SCENARIO\\") + kScenario);
        root.writeAtomic("WSDATA\\PICTS.PCX", sample::encodePcx8(sample::drawSymbolSheet()));
        scenario::ScenarioTerrain terrain;
        for (int s = 0; s < 22; ++s) {
            const std::string name = "SLOT" + std::to_string(s);
            const auto sheet = s <= 10 ? sample::drawGroundSheet(static_cast<sample::GroundLook>(s % 6))
                                       : sample::drawBlockSheet(static_cast<sample::BlockLook>(s % 2), 32);
            root.writeAtomic("TERRAIN\\DATA\\" + name + ".PCX", sample::encodePcx8(sheet));
            terrain.terrain[static_cast<std::size_t>(s)] = name;
        }
        root.writeAtomic("TERRAIN\\DATA\\PAVED.PCX", sample::encodePcx8(sample::drawRoadSheet(sample::RoadLook::Paved)));
        root.writeAtomic("TERRAIN\\DATA\\TRACK.PCX", sample::encodePcx8(sample::drawRoadSheet(sample::RoadLook::Track)));
        terrain.roads = {"PAVED", "TRACK"};
        scenario::saveScenarioTerrain(root, kScenario, terrain);
        const scenario::MapSize& size = scenario::mapSizes()[5];
        core::Bytes map = scenario::newMapFile(size);
        const scenario::MapHeader header = scenario::mapHeaderFor(size);
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x) {
                scenario::MapCell cell;
                cell.setTerrainSlot((x + 7 * y) % 22);
                cell.setVariant((3 * x + y) % 32);
                // A road every eighth row and column, the cells joining them.
                const bool across = y % 8 == 0, down = x % 8 == 0;
                if (across || down) {
                    const int joins = (down ? sample::kRoadNorth | sample::kRoadSouth : 0) |
                                      (across ? sample::kRoadEast | sample::kRoadWest : 0);
                    cell.setOverlayKind(1);
                    cell.setRoadPicture((x / 8 + y / 8) % 2);
                    cell.setRoadColumn(sample::roadColumnFor(joins));
                    cell.setRoadRow(sample::roadRowFor(joins));
                }
                scenario::putMapCell(map, scenario::mapCellOffset(header, x, y), cell);
            }
        root.writeAtomic(scenario::scenarioFile(kScenario, scenario::kMapFile), map);
        root.writeAtomic(scenario::scenarioFile(kScenario, "CITY.DAT"), placed(150, 208, 162, 131));
        root.writeAtomic(scenario::scenarioFile(kScenario, "RUIN.DAT"), placed(100, 192, 148, 197));
        root.writeAtomic(scenario::scenarioFile(kScenario, "SITE.DAT"), placed(100, 154, 148, 201));
        return dir;
    }();
    return dir;
}

scenario::MapTiles& loadedTiles() {
    static scenario::MapTiles tiles = [] {
        scenario::MapTiles t;
        if (t.load(core::DataRoot(dataRoot()), kScenario)) std::abort();
        return t;
    }();
    return tiles;
}

void Memcpy(benchmark::State& state, std::size_t bytes) {
    std::vector<char> from(bytes, 1), to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

constexpr std::size_t kMapBytes = std::size_t{128 * 48} * (160 * 48) * 3;
void MapMemcpy(benchmark::State& state) { Memcpy(state, kMapBytes); }
BENCHMARK(MapMemcpy)->Unit(benchmark::kMillisecond);

// Painting, into a picture made once, as the memcpy copies into memory it has.
void RenderMap(benchmark::State& state) {
    scenario::MapTiles& tiles = loadedTiles();
    pictures::Surface map(128 * 48, 160 * 48);
    for (auto _ : state) {
        if (!scenario::paintWholeMap(tiles, {0, 0, 0}, map)) state.SkipWithError("not painted");
        benchmark::DoNotOptimize(map.pixels().data());
    }
}
BENCHMARK(RenderMap)->Unit(benchmark::kMillisecond);

// What render-map does: a new picture each time, whose memory the system
// hands out page by page as it is first written.
void RenderMapNewPicture(benchmark::State& state) {
    scenario::MapTiles& tiles = loadedTiles();
    for (auto _ : state) {
        const pictures::Surface map = scenario::paintWholeMap(tiles, {0, 0, 0});
        if (map.pixels().size() * 3 != kMapBytes) state.SkipWithError("wrong size");
        benchmark::DoNotOptimize(map.pixels().data());
    }
}
BENCHMARK(RenderMapNewPicture)->Unit(benchmark::kMillisecond);

// Into a new file each time, as render-map writes it.
fs::path outFile() { return fs::temp_directory_path() / "kestrel-bench-map.out"; }

void WriteMapBytes(benchmark::State& state) {
    const std::vector<std::uint8_t> chunk(std::size_t{1} << 20, 1);
    for (auto _ : state) {
        const auto file = core::AtomicFile::begin(outFile());
        for (std::size_t done = 0; file && done < kMapBytes; done += chunk.size())
            file->append(std::span(chunk).first(std::min(chunk.size(), kMapBytes - done)));
        if (!file || !file->commit(core::Sync::ForReaders)) state.SkipWithError("not written");
    }
}
BENCHMARK(WriteMapBytes)->Unit(benchmark::kMillisecond);

void RenderMapFile(benchmark::State& state, pictures::PictureFormat format) {
    scenario::MapTiles& tiles = loadedTiles();
    for (auto _ : state) {
        const auto file = core::AtomicFile::begin(outFile());
        const auto writer = pictures::makePictureWriter(format, 128 * 48, 160 * 48,
                                                        [&file](auto bytes) { return file->append(bytes); });
        if (!file || !writer || !scenario::writeMapPicture(tiles, {0, 0, 0}, {0, 0, 128, 160}, 1, *writer) ||
            !file->commit(core::Sync::ForReaders))
            state.SkipWithError("not written");
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(outFile()));
}
void RenderMapBmpFile(benchmark::State& state) { RenderMapFile(state, pictures::PictureFormat::Bmp); }
void RenderMapPngFile(benchmark::State& state) { RenderMapFile(state, pictures::PictureFormat::Png); }
BENCHMARK(RenderMapBmpFile)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderMapPngFile)->Unit(benchmark::kMillisecond);

constexpr std::size_t kViewBytes = std::size_t{336} * 288 * 3;
void ViewMemcpy(benchmark::State& state) { Memcpy(state, kViewBytes); }
BENCHMARK(ViewMemcpy)->Unit(benchmark::kMicrosecond);

void TileViewPaint(benchmark::State& state) {
    scenario::TileMapView view;
    if (!view.Create(core::DataRoot(dataRoot()), 12, 11, 336, 288, kScenario, nullptr,
                     [](scenario::MapPosition at) { return at.x == at.y; },
                     [](scenario::MapPosition, pictures::Surface& s, int left, int top) {
                         s.frame({left + 1, top + 1, 46, 46}, {255, 0, 0});
                     }))
        state.SkipWithError("no view");
    pictures::Surface client(471, 310, pictures::kDialogFace);
    int step = 0;
    for (auto _ : state) {
        view.Paint(client, (step * 5) % 121, (step * 3) % 154);  // a different part each time
        ++step;
        benchmark::DoNotOptimize(client.pixels().data());
    }
}
BENCHMARK(TileViewPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    const int status = kestrel::bench::runWithRatios(argc, argv,
                                                     {{"RenderMap", "MapMemcpy", 4.0},
                                                      {"RenderMapBmpFile", "WriteMapBytes", 5.0},
                                                      {"RenderMapPngFile", "WriteMapBytes", 14.0},
                                                      {"TileViewPaint", "ViewMemcpy", 4.0}});
    std::filesystem::remove_all(dataRoot());
    std::filesystem::remove(outFile());
    return status;
}
