// Opening the army and the hero editor, whose five terrain boxes list every
// terrain subtype, on a root with 10,000 entries in every data set, against
// the bare enumeration of the subtype folder they list.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "datasets/catalogue.hpp"
#include "datasets/entry_editors.hpp"
#include "ratio_reporter.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;
constexpr int kEntries = 10000;

// The kind's folder with kEntries zero-filled records.
void writeEntries(const fs::path& root, const datasets::KindInfo& kind) {
    std::string directory(kind.directory);
    for (char& c : directory)
        if (c == '\\') c = '/';
    const fs::path folder = root / directory;
    fs::create_directories(folder);
    const core::Bytes record(kind.recordSize, 0);
    for (int i = 0; i < kEntries; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "E%05d", (i * 7919) % kEntries);
        std::ofstream(folder / (name + std::string(kind.extension)), std::ios::binary)
            .write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
    }
}

const fs::path& dataRoot() {
    static const fs::path root = [] {
        std::string name = (fs::temp_directory_path() / "kestrel-bench-editors-XXXXXX").string();
        if (!::mkdtemp(name.data())) std::abort();
        for (const auto& kind : datasets::catalogue())
            if (!kind.folderPerEntry) writeEntries(name, kind);
        return fs::path(name);
    }();
    return root;
}

void BareEnumeration(benchmark::State& state) {
    const fs::path dir = dataRoot() / "TERRAIN" / "SUBTYPE";
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().native());
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BareEnumeration)->Unit(benchmark::kMillisecond);

void openEditor(benchmark::State& state, datasets::Kind kind) {
    const core::DataRoot root(dataRoot());
    ui::HeadlessHost host;
    for (auto _ : state) {
        auto editor = datasets::makeEntryEditor(datasets::info(kind), host, root, "E00001");
        if (!editor) {
            state.SkipWithError("no editor for this kind yet");
            return;
        }
        ui::Window window(*editor);
        editor->attach(&window);
        editor->onInit();
        if (window.items(1105).size() != kEntries) state.SkipWithError("the terrain box is not full");
        editor->attach(nullptr);
    }
}

void ArmyEditorOpen(benchmark::State& state) { openEditor(state, datasets::Kind::ArmyType); }
BENCHMARK(ArmyEditorOpen)->Unit(benchmark::kMillisecond);
void HeroEditorOpen(benchmark::State& state) { openEditor(state, datasets::Kind::HeroType); }
BENCHMARK(HeroEditorOpen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const int status = bench::runWithRatios(argc, argv,
                                            {{"ArmyEditorOpen", "BareEnumeration", 3.0},
                                             {"HeroEditorOpen", "BareEnumeration", 3.0}});
    fs::remove_all(dataRoot());
    return status;
}
