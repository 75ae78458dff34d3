// Export Data on a root of 10,000 records spread over the eight data sets,
// every text field filled, against the bare reading of every record file
// (listing each folder and reading each file's record, nothing more).
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "datasets/catalogue.hpp"
#include "ratio_reporter.hpp"
#include "textx/data_export.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;
constexpr int kRecords = 10000;

fs::path folderOf(const textx::DataSection& section) {
    std::string directory(datasets::info(section.kind).directory);
    for (char& c : directory)
        if (c == '\\') c = '/';
    return directory;
}

const fs::path& dataRoot() {
    static const fs::path root = [] {
        std::string name = (fs::temp_directory_path() / "kestrel-bench-export-XXXXXX").string();
        if (!::mkdtemp(name.data())) std::abort();
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
                fs::path(name) / folderOf(section) / (file + std::string(datasets::info(section.kind).extension));
            fs::create_directories(path.parent_path());
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(record.data()), std::streamsize(record.size()));
        }
        return fs::path(name);
    }();
    return root;
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
BENCHMARK(BareReads)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void ExportData(benchmark::State& state) {
    const core::DataRoot root(dataRoot());
    for (auto _ : state)
        if (!textx::exportDataSets(root)) state.SkipWithError("KS_Data.Txt not written");
}
BENCHMARK(ExportData)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    dataRoot();  // made before the first timing
    const int status = kestrel::bench::runWithRatios(argc, argv, {{"ExportData", "BareReads", 2.0}});
    std::filesystem::remove_all(dataRoot());
    return status;
}
