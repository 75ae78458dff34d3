// Resizing the largest map (128 x 160 tiles, 204,818 bytes) with Scenario
// Data's rule: a new header, every tile kept. The rest of the file is streamed
// after the header, so the baseline is an atomic copy of a file of that length
// through the same writer: resizing should cost no more than copying.
#include <filesystem>
#include <fstream>

#include "core/data_root.hpp"
#include "ratio_reporter.hpp"
#include "scenario/map_file.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;

const fs::path& rootPath() {
    static const fs::path path = [] {
        const fs::path p = fs::temp_directory_path() / "kestrel-map-resize-bench";
        fs::remove_all(p);
        fs::create_directories(p / "SCENARIO" / "LARGE");
        const core::Bytes map = scenario::newMapFile(scenario::mapSizes()[5]);
        std::ofstream(p / "SCENARIO" / "LARGE" / "MAP.DAT", std::ios::binary)
            .write(reinterpret_cast<const char*>(map.data()), static_cast<std::streamsize>(map.size()));
        return p;
    }();
    return path;
}

void ResizeLargestMap(benchmark::State& state) {
    const core::DataRoot root(rootPath());
    bool largest = false;
    for (auto _ : state) {
        // Between the two largest sizes, so that every resize changes the header.
        largest = !largest;
        if (scenario::writeMapSize(root, "LARGE", scenario::mapSizes()[largest ? 5 : 4]) != scenario::MapWrite::Resized)
            state.SkipWithError("the map was not resized");
    }
}
BENCHMARK(ResizeLargestMap)->Unit(benchmark::kMicrosecond)->MinTime(0.5)->Repetitions(7);

void CopyLargestMap(benchmark::State& state) {
    const core::DataRoot root(rootPath());
    for (auto _ : state)
        if (!root.copy("SCENARIO\\LARGE\\MAP.DAT", "SCENARIO\\LARGE\\COPY.DAT")) state.SkipWithError("no copy");
}
BENCHMARK(CopyLargestMap)->Unit(benchmark::kMicrosecond)->MinTime(0.5)->Repetitions(7);

}  // namespace

int main(int argc, char** argv) {
    rootPath();
    const int status =
        kestrel::bench::runWithRatios(argc, argv, {{"ResizeLargestMap", "CopyLargestMap", 1.5}});
    fs::remove_all(rootPath());
    return status;
}
