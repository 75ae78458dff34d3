// Filling Load Scenario's list from 2,000 scenarios spread over three folder
// levels, among files and folders the search passes over, against the bare
// recursive enumeration of the same tree.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ratio_reporter.hpp"
#include "scenario/scenario_header.hpp"
#include "shell/load_scenario_dialog.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace {

namespace fs = std::filesystem;
constexpr int kScenarios = 2000;

void writeFile(const fs::path& path, const kestrel::core::Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string folderName(int index) {
    char folder[16];
    std::snprintf(folder, sizeof folder, "S%04d", index);
    return folder;
}

// One scenario folder with the files a real one holds beside its header.
void writeScenario(const fs::path& dir, int index) {
    const std::string folder = folderName(index);
    fs::create_directories(dir / folder);
    auto header = kestrel::scenario::newScenarioHeader(folder);
    header.name = "Scenario " + std::to_string((index * 7919) % kScenarios);
    writeFile(dir / folder / "SCENARIO.DAT", kestrel::scenario::writeScenarioHeader(header));
    for (const char* other : {"MISC.DAT", "MAP.DAT", "SIDES.DAT", "STRAT_S.PCX", "SCENARIO.BAK"})
        writeFile(dir / folder / other, kestrel::core::Bytes(64, 0));
}

// A third of the scenarios on each level; every tenth folder also holds a
// folder with an extension and a level the search does not reach.
const fs::path& dataRoot() {
    static const fs::path root = [] {
        const fs::path dir = fs::temp_directory_path() / "kestrel-bench-load-scenario";
        fs::remove_all(dir);
        const fs::path scenarios = dir / "SCENARIO";
        fs::create_directories(scenarios);
        for (int i = 0; i < kScenarios; ++i) {
            fs::path at = scenarios;
            const int level = i % 3;
            if (level >= 1) at /= "REGION" + std::to_string(i % 10);
            if (level == 2) at /= "AREA" + std::to_string(i % 7);
            writeScenario(at, i);
            if (i % 10 == 0) {
                const fs::path folder = at / folderName(i);
                fs::create_directories(folder / "BACKUP.OLD");
                writeFile(folder / "BACKUP.OLD" / "SCENARIO.DAT", kestrel::core::Bytes(375, 0));
                fs::create_directories(folder / "DEEP" / "DEEPER" / "DEEPEST");
                writeFile(folder / "DEEP" / "DEEPER" / "DEEPEST" / "SCENARIO.DAT", kestrel::core::Bytes(375, 0));
            }
        }
        writeFile(scenarios / "README.TXT", kestrel::core::Bytes(100, 'x'));
        return dir;
    }();
    return root;
}

void BareEnumeration(benchmark::State& state) {
    const fs::path dir = dataRoot() / "SCENARIO";
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir))
            names.push_back(entry.path().filename().native());
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BareEnumeration)->Unit(benchmark::kMillisecond);

void LoadScenarioFill(benchmark::State& state) {
    const kestrel::core::DataRoot root(dataRoot());
    kestrel::ui::HeadlessHost host;
    kestrel::shell::CurrentScenario current;
    for (auto _ : state) {
        kestrel::shell::LoadScenarioDialog load(host, root, current);
        kestrel::ui::Window window(load);
        load.attach(&window);
        load.onInit();
        if (window.items(kestrel::shell::LoadScenarioDialog::kListId).size() != kScenarios)
            state.SkipWithError("wrong scenario count");
        load.attach(nullptr);
    }
}
BENCHMARK(LoadScenarioFill)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const int status = kestrel::bench::runWithRatios(argc, argv, {{"LoadScenarioFill", "BareEnumeration", 3.0}});
    std::filesystem::remove_all(dataRoot());
    return status;
}
