// Filling a list dialog from 10,000 entries against the bare enumeration of
// the same folder.
#include <filesystem>
#include <fstream>

#include "datasets/catalogue.hpp"
#include "datasets/list_dialog.hpp"
#include "ratio_reporter.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace {

namespace fs = std::filesystem;
constexpr int kEntries = 10000;

const fs::path& dataRoot() {
    static const fs::path root = [] {
        const fs::path dir = fs::temp_directory_path() / "kestrel-bench-list";
        fs::remove_all(dir);
        fs::create_directories(dir / "CITY");
        for (int i = 0; i < kEntries; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "C%05d.CIT", (i * 7919) % kEntries);
            std::ofstream(dir / "CITY" / name).put('\0');
        }
        return dir;
    }();
    return root;
}

void BareEnumeration(benchmark::State& state) {
    const fs::path dir = dataRoot() / "CITY";
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().native());
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BareEnumeration)->Unit(benchmark::kMillisecond);

void ListDialogFill(benchmark::State& state) {
    const kestrel::core::DataRoot root(dataRoot());
    kestrel::ui::HeadlessHost host;
    for (auto _ : state) {
        kestrel::datasets::ListDialog list(host, root, kestrel::datasets::info(kestrel::datasets::Kind::CitySet));
        kestrel::ui::Window window(list);
        list.attach(&window);
        list.onInit();
        if (window.items(1008).size() != kEntries) state.SkipWithError("wrong entry count");
        list.attach(nullptr);
    }
}
BENCHMARK(ListDialogFill)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const int status = kestrel::bench::runWithRatios(argc, argv, {{"ListDialogFill", "BareEnumeration", 3.0}});
    std::filesystem::remove_all(dataRoot());
    return status;
}
