// `kstred check` on a root of 10,000 data-set record files with their
// pictures and 20 scenarios, beside reading every file of that root once:
// the check reads each file once too, so it should cost little more.
// The root is the sample's, its scenario copied under 20 names and its
// entries under new names until the data sets hold 10,000 record files.
// TMPDIR chooses the file system.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/sample_root.hpp"
#include "check/check_root.hpp"
#include "check/data_sets.hpp"
#include "core/host_file.hpp"
#include "datasets/catalogue.hpp"
#include "ratio_reporter.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;

constexpr std::size_t kRecordFiles = 10000;
constexpr int kScenarios = 20;
constexpr std::uint64_t kLargestFile = 64u << 20;

const fs::path& workDir() {
    static const fs::path dir = fs::temp_directory_path() / "kestrel-check-bench";
    return dir;
}
fs::path rootDir() { return workDir() / "root"; }

std::string numbered(const char* format, std::size_t n) {
    char text[32];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

fs::path hostPath(std::string_view gamePath) {
    std::string path(gamePath);
    for (char& c : path)
        if (c == '\\') c = '/';
    return rootDir() / path;
}

// The sample's scenario under 19 more names.
void copyScenarios() {
    const fs::path scenarios = rootDir() / "SCENARIO";
    for (int i = 1; i < kScenarios; ++i)
        fs::copy(scenarios / "ISLANDS", scenarios / numbered("S%02zu", static_cast<std::size_t>(i)),
                 fs::copy_options::recursive);
}

struct SampleEntry {
    const datasets::KindInfo* kind;
    std::string name;
};

// Every data-set entry of the sample, campaigns aside: they have folders.
std::vector<SampleEntry> sampleEntries(std::size_t& recordFiles) {
    std::string error;
    const auto index = check::RootIndex::walk(rootDir(), error);
    std::vector<SampleEntry> entries;
    for (const datasets::KindInfo& kind : datasets::catalogue()) {
        if (kind.folderPerEntry) continue;
        for (const check::RootEntry* file : check::entryFiles(*index, kind))
            entries.push_back({&kind, std::string(check::entryNameOf(kind, *file))});
    }
    recordFiles = entries.size();
    return entries;
}

// The entries copied round and round, each with the pictures of its name,
// until the data sets hold kRecordFiles record files.
void copyEntries() {
    std::size_t recordFiles = 0;
    const std::vector<SampleEntry> entries = sampleEntries(recordFiles);
    for (std::size_t n = 0; recordFiles < kRecordFiles; ++n, ++recordFiles) {
        const SampleEntry& from = entries[n % entries.size()];
        const std::string name = numbered("B%05zu", n);
        for (const std::string_view suffix : from.kind->deleteSuffixes) {
            if (suffix.empty()) continue;
            const fs::path source = hostPath(datasets::entryPath(*from.kind, from.name, suffix));
            if (fs::exists(source)) fs::copy_file(source, hostPath(datasets::entryPath(*from.kind, name, suffix)));
        }
    }
}

void makeRoot() {
    fs::remove_all(workDir());
    fs::create_directories(rootDir());
    if (!app::writeSampleRoot(core::DataRoot(rootDir()))) throw std::runtime_error("the sample root was not written");
    copyScenarios();
    copyEntries();
}

std::size_t filesOfRoot() {
    static const std::size_t files = [] {
        std::size_t n = 0;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(rootDir()))
            n += entry.is_regular_file() ? 1 : 0;
        return n;
    }();
    return files;
}

// Every file of the root opened and read whole, once.
void ReadRootFiles(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t files = 0;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(rootDir()))
            if (entry.is_regular_file() && core::readWholeHostFile(entry.path(), kLargestFile)) ++files;
        if (files != filesOfRoot()) state.SkipWithError("not every file was read");
    }
    state.counters["files"] = static_cast<double>(filesOfRoot());
}
BENCHMARK(ReadRootFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

void CheckRoot(benchmark::State& state) {
    std::size_t findings = 0;
    for (auto _ : state) {
        const check::CheckResult result = check::checkRoot(rootDir());
        if (!result.usable || result.mostReads != 1) state.SkipWithError("the root was not checked");
        findings = result.findings.size();
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(CheckRoot)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    makeRoot();
    std::printf("root: %zu files\n", filesOfRoot());
    const int status = kestrel::bench::runWithRatios(argc, argv, {{"CheckRoot", "ReadRootFiles", 3.0}});
    fs::remove_all(workDir());
    return status;
}
