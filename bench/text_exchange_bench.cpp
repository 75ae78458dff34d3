// Export Data and Import Data side by side on a root of 10,000 records
// spread over the eight data sets: the export, and the import of a file that
// changes every text, against the bare reading of every record file; the
// import also against the least any import can do (read each record file and
// replace it atomically).
// The root lies in a memory file system where there is one: on a disk the
// two syncs of each atomic replacement take the device's time, which no
// import can save and which would hide its own.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/background_replacer.hpp"
#include "datasets/catalogue.hpp"
#include "ratio_reporter.hpp"
#include "textx/data_export.hpp"
#include "textx/data_import.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;
constexpr int kRecords = 10000;

fs::path folderOf(const textx::DataSection& section) {
    std::string directory(datasets::info(section.kind).directory);
    std::replace(directory.begin(), directory.end(), '\\', '/');
    return directory;
}

fs::path benchFolder() {
    std::error_code ec;
    const fs::path memory = "/dev/shm";
    std::string name =
        ((fs::is_directory(memory, ec) ? memory : fs::temp_directory_path()) / "kestrel-bench-import-XXXXXX").string();
    if (!::mkdtemp(name.data())) std::abort();
    return name;
}

const fs::path& dataRoot() {
    static const fs::path root = [] {
        const fs::path top = benchFolder();
        const auto sections = textx::dataSections();
        for (int i = 0; i < kRecords; ++i) {
            const auto& section = sections[std::size_t(i) % sections.size()];
            core::Bytes record(textx::recordSize(section), 0);
            for (const auto& tag : section.tags) {
                const std::string text = "Text " + std::to_string(i) + " of " + std::string(tag.written);
                std::memcpy(record.data() + tag.field.offset, text.data(), std::min(text.size(), tag.field.size - 1));
            }
            char file[16];
            std::snprintf(file, sizeof file, "E%05d", i);
            const fs::path path =
                top / "root" / folderOf(section) / (file + std::string(datasets::info(section.kind).extension));
            fs::create_directories(path.parent_path());
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(record.data()), std::streamsize(record.size()));
        }
        return top / "root";
    }();
    return root;
}

// The export with every "#LOC:" line filled: "A1", "A2", ... or "B1", ...,
// so that each import changes every text the one before wrote.
const std::vector<fs::path>& translations() {
    static const std::vector<fs::path> files = [] {
        const std::string exported = textx::dataSetText(core::DataRoot(dataRoot()));
        std::vector<fs::path> out;
        for (const char mark : {'A', 'B'}) {
            std::string filled;
            int n = 0;
            for (std::size_t at = 0; at < exported.size();) {
                const std::size_t end = exported.find("\r\n", at) + 2;
                std::string line = exported.substr(at, end - at);
                if (const std::size_t loc = line.find("#LOC:"); loc != std::string::npos) {
                    std::string text(1, mark);
                    text += std::to_string(++n);
                    line.insert(line.find("<>", loc) + 1, text);
                }
                filled += line;
                at = end;
            }
            out.push_back(dataRoot().parent_path() / (std::string(1, mark) + ".txt"));
            std::ofstream(out.back(), std::ios::binary).write(filled.data(), std::streamsize(filled.size()));
        }
        return out;
    }();
    return files;
}

void BareReads(benchmark::State& state) {
    std::vector<char> buffer(2048);
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const auto& section : textx::dataSections())
            for (const auto& entry : fs::directory_iterator(dataRoot() / folderOf(section))) {
                std::ifstream in(entry.path(), std::ios::binary);
                in.read(buffer.data(), std::streamsize(textx::recordSize(section)));
                bytes += std::size_t(in.gcount());
            }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BareReads)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(7);

void ExportData(benchmark::State& state) {
    const core::DataRoot root(dataRoot());
    for (auto _ : state)
        if (!textx::exportDataSets(root)) state.SkipWithError("KS_Data.Txt not written");
}
BENCHMARK(ExportData)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(7);

// The least an import that changes every text can do: read each record file
// and have it replaced atomically with one byte changed, by the import's own
// writer, each folder held open.
void ReadAndRewrite(benchmark::State& state) {
    const core::DataRoot root(dataRoot());
    std::uint8_t mark = 0;
    for (auto _ : state) {
        ++mark;
        core::BackgroundReplacer writes;
        for (const auto& section : textx::dataSections()) {
            const std::shared_ptr folder = root.openFolder(datasets::info(section.kind).directory);
            for (const std::string& name : root.listFiles(textx::recordPattern(section))) {
                auto file = folder->read(name, textx::recordSize(section));
                if (!file || file->bytes.empty()) continue;
                file->bytes.back() = mark;
                writes.replace(folder, std::move(*file));
            }
        }
        const auto outcomes = writes.outcomes();
        if (std::count(outcomes.begin(), outcomes.end(), true) != kRecords) state.SkipWithError("not written");
    }
}
BENCHMARK(ReadAndRewrite)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(7);

void ImportData(benchmark::State& state) {
    const core::DataRoot root(dataRoot());
    static std::size_t turn = 0;  // runs go on where the last one stopped
    for (auto _ : state) {
        const auto result = textx::importDataFile(root, translations()[turn++ % 2]);
        if (result.written.size() != kRecords) state.SkipWithError("not every record file changed");
    }
}
BENCHMARK(ImportData)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(7);

}  // namespace

int main(int argc, char** argv) {
    translations();  // the root and both files made before the first timing
    // The import against the reads, and against the least that rewriting every record file costs.
    const int status = kestrel::bench::runWithRatios(
        argc, argv,
        {{"ExportData", "BareReads", 2.0}, {"ImportData", "BareReads", 4.0}, {"ImportData", "ReadAndRewrite", 1.5}});
    std::filesystem::remove_all(dataRoot().parent_path());
    return status;
}
