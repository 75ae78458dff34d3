// Opening Item, Army and Hero Placement on a scenario with full files (200
// items, 200 armies, 50 heroes) in a root of 10,000 entries per data set.
// Their lists come from the scenario's own files, not from data-set folders,
// so each baseline is the bare reading of the files that dialog reads, with a
// walk over their records' names: ITEM.INI, ITEM.DAT, HERO.INI and RUIN.DAT
// for items; ARMY.INI, SIDES.DAT and HERO.INI for armies; HERO.INI, SIDES.DAT
// and ARMY.INI for heroes.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "datasets/catalogue.hpp"
#include "ratio_reporter.hpp"
#include "scenario/placement_dialogs.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/scenario_items.hpp"
#include "scenario/sides.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;
constexpr int kEntries = 10000;
constexpr const char* kScenario = "FULL";

void writeFile(const fs::path& path, const core::Bytes& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writeEntries(const fs::path& root, const datasets::KindInfo& kind) {
    std::string directory(kind.directory);
    for (char& c : directory)
        if (c == '\\') c = '/';
    const core::Bytes record(kind.recordSize, 0);
    for (int i = 0; i < kEntries; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "E%05d", i);
        writeFile(root / directory / (name + std::string(kind.extension)), record);
    }
}

std::string numbered(const char* stem, int i) { return stem + std::to_string(i); }

// Every placement file full, its names from the scenario's pool, ruins and sides.
void writeScenario(const core::DataRoot& root) {
    scenario::ScenarioItems pool;
    for (std::size_t i = 0; i < pool.compulsory.size(); ++i) pool.compulsory[i] = numbered("ITEM", int(i));
    for (std::size_t i = 0; i < pool.optional.size(); ++i) pool.optional[i] = numbered("OPT", int(i));
    for (std::size_t i = 0; i < pool.unplaced.size(); ++i) pool.unplaced[i] = numbered("SPARE", int(i));
    scenario::Sides sides = scenario::defaultSides();
    for (std::size_t s = 0; s < scenario::SidesFileLayout::kRecords; ++s) {
        sides[s].used = true;
        sides[s].name = numbered("Side ", int(s));
        for (std::size_t a = 0; a < sides[s].regulars.size(); ++a) sides[s].regulars[a] = numbered("ARMY", int(a));
        sides[s].heroes = {"KNIGHT", "RANGER", "SAGE", "ROGUE"};
    }
    std::vector<scenario::ScenarioRuin> ruins(scenario::RuinLayout::kMaxRecords);
    for (std::size_t i = 0; i < ruins.size(); ++i) ruins[i].head.name = numbered("Ruin ", int(i));
    std::vector<scenario::HeroPlacement> heroes(scenario::HeroPlacementLayout::kMaxRecords);
    for (std::size_t i = 0; i < heroes.size(); ++i) {
        heroes[i].name = numbered("Hero ", int(i));
        heroes[i].side = static_cast<std::int16_t>(i % 8);
        heroes[i].at = {int(i % 32), int(i % 40)};
    }
    std::vector<scenario::ArmyPlacement> armies(scenario::ArmyPlacementLayout::kMaxRecords);
    for (std::size_t i = 0; i < armies.size(); ++i) {
        armies[i] = {50, {int(i % 32), int(i / 32)}, 6, static_cast<std::int16_t>(i % 9), numbered("ARMY", int(i % 8))};
    }
    std::vector<scenario::ItemPlacement> items(scenario::ItemPlacementLayout::kMaxRecords);
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].item = numbered("ITEM", int(i % 16));
        items[i].ground = 0;
        items[i].hero = 1;
        items[i].holder = numbered("Hero ", int(i % 50));
    }
    if (!scenario::saveScenarioItems(root, kScenario, pool) || !scenario::saveSides(root, kScenario, sides) ||
        !scenario::saveRuins(root, kScenario, ruins) || !scenario::saveHeroPlacements(root, kScenario, heroes) ||
        !scenario::saveArmyPlacements(root, kScenario, armies) || !scenario::saveItemPlacements(root, kScenario, items))
        std::abort();
}

const fs::path& dataRoot() {
    static const fs::path root = [] {
        std::string name = (fs::temp_directory_path() / "kestrel-bench-placement-XXXXXX").string();
        if (!::mkdtemp(name.data())) std::abort();
        for (const auto& kind : datasets::catalogue())
            if (!kind.folderPerEntry) writeEntries(name, kind);
        fs::create_directories(fs::path(name) / "SCENARIO" / kScenario);
        writeScenario(core::DataRoot(name));
        return fs::path(name);
    }();
    return root;
}

// The file's bytes, and how many of its records of `size` bytes after a
// `head` have a name at `name`.
int bareNames(const char* file, std::size_t head, std::size_t size, std::size_t name) {
    std::ifstream in(dataRoot() / "SCENARIO" / kScenario / file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    int names = 0;
    for (std::size_t at = head; at + size <= bytes.size(); at += size) names += bytes[at + name] != 0;
    benchmark::DoNotOptimize(bytes.data());
    return names;
}

int bareItemIni() {
    using L = scenario::ItemPlacementLayout;
    return bareNames("ITEM.INI", 2, L::kSize, L::kItem);
}
int bareArmyIni() {
    using L = scenario::ArmyPlacementLayout;
    return bareNames("ARMY.INI", 2, L::kSize, L::kArmy);
}
int bareHeroIni() {
    using L = scenario::HeroPlacementLayout;
    return bareNames("HERO.INI", 2, L::kSize, L::kName);
}
int bareSides() { return bareNames("SIDES.DAT", 0, scenario::SideLayout::kSize, scenario::SideLayout::kName); }
int bareRuins() { return bareNames("RUIN.DAT", 2, scenario::RuinLayout::kSize, 0); }
int barePool() {
    using L = scenario::ScenarioItemsLayout;
    return bareNames("ITEM.DAT", L::kCompulsory, L::kNameSize, 0);
}

void BareItemLists(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bareItemIni() + barePool() + bareHeroIni() + bareRuins());
}
BENCHMARK(BareItemLists)->Unit(benchmark::kMicrosecond);
void BareArmyLists(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bareArmyIni() + bareSides() + bareHeroIni());
}
BENCHMARK(BareArmyLists)->Unit(benchmark::kMicrosecond);
void BareHeroLists(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bareHeroIni() + bareSides() + bareArmyIni());
}
BENCHMARK(BareHeroLists)->Unit(benchmark::kMicrosecond);

using Make = scenario::ScenarioEditorFactory;

void open(benchmark::State& state, Make make, std::size_t records) {
    const core::DataRoot root(dataRoot());
    ui::HeadlessHost host;
    for (auto _ : state) {
        auto dialog = make(host, root, kScenario);
        ui::Window window(*dialog);
        dialog->attach(&window);
        dialog->onInit();
        if (window.items(scenario::PlacementIds::kList).size() != records) state.SkipWithError("the list is not full");
        dialog->attach(nullptr);
    }
}

void ItemPlacementOpen(benchmark::State& state) { open(state, scenario::makeItemPlacementDialog, 200); }
BENCHMARK(ItemPlacementOpen)->Unit(benchmark::kMicrosecond);
void ArmyPlacementOpen(benchmark::State& state) { open(state, scenario::makeArmyPlacementDialog, 200); }
BENCHMARK(ArmyPlacementOpen)->Unit(benchmark::kMicrosecond);
void HeroPlacementOpen(benchmark::State& state) { open(state, scenario::makeHeroPlacementDialog, 50); }
BENCHMARK(HeroPlacementOpen)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    dataRoot();  // made before the first timing
    const int status = kestrel::bench::runWithRatios(argc, argv,
                                                     {{"ItemPlacementOpen", "BareItemLists", 3.0},
                                                      {"ArmyPlacementOpen", "BareArmyLists", 3.0},
                                                      {"HeroPlacementOpen", "BareHeroLists", 3.0}});
    std::filesystem::remove_all(dataRoot());
    return status;
}
