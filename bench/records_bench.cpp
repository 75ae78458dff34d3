// A data root of 10,000 record files of every registered kind, turned into
// the JSON tree and back. Converting the root should cost little more than
// reading its files, and building it from the tree little more than writing
// them as the editor does: each file atomically through the data root.
// TMPDIR chooses the file system. Where it skips recently freed inodes (ext4
// without a journal), a run soon after many files were deleted measures that.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/data_root.hpp"
#include "core/host_file.hpp"
#include "ratio_reporter.hpp"
#include "records/file_kinds.hpp"
#include "records/record_leaves.hpp"
#include "records/root_json.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;

constexpr std::size_t kFiles = 10000;
constexpr int kScenarios = 40, kCampaigns = 20;
constexpr int kGridAcross = 16, kGridDown = 10;

struct RecordFile {
    std::string path;  // as the game writes it
    core::Bytes bytes;
};

// Plausible values that differ from seed to seed: printable texts, small
// numbers, now and then a byte behind a NUL.
core::Bytes recordOf(const core::Format& format, unsigned seed) {
    core::Bytes record(format.size, 0);
    for (const records::Leaf& leaf : records::leavesOf(format).all) {
        records::LeafValue v;
        const unsigned salt = seed * 2654435761u + static_cast<unsigned>(leaf.at) * 40503u;
        switch (leaf.kind) {
            case records::LeafKind::Number:
            case records::LeafKind::Bits:
                v.number =
                    records::leafMin(leaf) < 0 && salt % 5 == 0
                        ? -1
                        : static_cast<std::int64_t>(salt % std::min<std::uint64_t>(records::leafMax(leaf) + 1, 100));
                break;
            case records::LeafKind::Text:
                v.bytes = ("Kestrel " + std::to_string(salt % 100000)).substr(0, salt % leaf.size);
                break;
            case records::LeafKind::After:
                if (salt % 7 != 0) continue;
                v.bytes = "Z";
                break;
            case records::LeafKind::Rest:
                continue;
        }
        records::writeLeaf(leaf, record, v);
    }
    return record;
}

void append(core::Bytes& to, const core::Bytes& bytes) { to.insert(to.end(), bytes.begin(), bytes.end()); }

void putNumber(core::Bytes& file, const core::Format& head, std::string_view field, int value) {
    const records::Leaf* leaf = records::leavesOf(head).find(field);
    records::writeLeaf(*leaf, std::span(file).first(head.size), {value, {}});
}

core::Bytes fileOf(const records::FileFormat& format, unsigned seed) {
    core::Bytes file;
    for (const records::Part& part : format.parts) {
        switch (part.shape) {
            case records::PartShape::Record:
                append(file, recordOf(*part.format, seed++));
                break;
            case records::PartShape::Counted: {
                const int count = 5 + static_cast<int>(seed % 36);
                file.push_back(static_cast<std::uint8_t>(count));
                file.push_back(0);
                for (int i = 0; i < count; ++i) append(file, recordOf(*part.format, seed++));
                break;
            }
            case records::PartShape::Grid:
                putNumber(file, *format.parts.front().format, part.across, kGridAcross);
                putNumber(file, *format.parts.front().format, part.down, kGridDown);
                for (int i = 0; i < kGridAcross * kGridDown; ++i) append(file, recordOf(*part.format, seed++));
                break;
        }
    }
    return file;
}

// "REWARD?.DAT" gives REWARD0.DAT to REWARD9.DAT; "*.CIT" the entry's file.
std::vector<std::string> namesOf(const records::FileKind& kind, const std::string& entry) {
    std::vector<std::string> names;
    const std::string_view pattern = kind.names.front();
    const bool numbered = pattern.find('?') != std::string_view::npos;
    for (char digit = '0'; digit <= (numbered ? '9' : '0'); ++digit) {
        std::string name;
        for (const char c : pattern) name += c == '*' ? entry : c == '?' ? std::string(1, digit) : std::string(1, c);
        names.push_back(name);
    }
    return names;
}

void addFolder(std::vector<RecordFile>& files, std::span<const records::FileKind> kinds, const std::string& folder) {
    for (const records::FileKind& kind : kinds)
        for (const std::string& name : namesOf(kind, ""))
            files.push_back({folder + "\\" + name, fileOf(kind.layouts.front(), static_cast<unsigned>(files.size()))});
}

std::string numbered(const char* format, std::size_t n) {
    char text[32];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

// Scenario and campaign folders first; the data sets share what is left.
std::vector<RecordFile> makeFiles() {
    std::vector<RecordFile> files;
    for (int s = 0; s < kScenarios; ++s)
        addFolder(files, records::scenarioKinds(), numbered("SCENARIO\\S%02zu", static_cast<std::size_t>(s)));
    for (int c = 0; c < kCampaigns; ++c)
        addFolder(files, records::campaignKinds(), numbered("CAMPAIGN\\C%02zu", static_cast<std::size_t>(c)));
    const auto datasets = records::datasetKinds();
    const std::size_t each = (kFiles - files.size()) / std::max<std::size_t>(datasets.size(), 1);
    for (std::size_t k = 0; k < datasets.size(); ++k) {
        std::string folder(datasets[k].name);
        for (char& c : folder) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const std::size_t count = k + 1 < datasets.size() ? each : kFiles - files.size();
        for (std::size_t i = 0; i < count; ++i)
            files.push_back({folder + "\\" + namesOf(datasets[k], numbered("E%05zu", i)).front(),
                             fileOf(datasets[k].layouts.front(), static_cast<unsigned>(files.size()))});
    }
    return files;
}

const std::vector<RecordFile>& recordFiles() {
    static const std::vector<RecordFile> files = makeFiles();
    return files;
}

fs::path hostPath(const fs::path& root, const std::string& gamePath) {
    fs::path path = root;
    std::size_t from = 0;
    for (std::size_t slash; (slash = gamePath.find('\\', from)) != std::string::npos; from = slash + 1)
        path /= gamePath.substr(from, slash - from);
    return path / gamePath.substr(from);
}

const fs::path& workDir() {
    static const fs::path dir = fs::temp_directory_path() / "kestrel-records-bench";
    return dir;
}
fs::path rootDir() { return workDir() / "root"; }
fs::path treeDir() { return workDir() / "tree"; }

void makeRoot() {
    fs::remove_all(workDir());
    for (const RecordFile& f : recordFiles()) {
        const fs::path path = hostPath(rootDir(), f.path);
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
    }
    records::rootToJson(rootDir(), treeDir());
}

// An empty folder for each run. Deleting the last run's files instead would
// make the file system skip their inodes, as recently freed, while it
// allocates the next ones: that costs more than the writing measured.
fs::path emptyFolder(benchmark::State& state) {
    static int runs = 0;
    state.PauseTiming();
    const fs::path folder = workDir() / "out" / std::to_string(runs++);
    fs::create_directories(folder);
    state.ResumeTiming();
    return folder;
}

// Every file of the root read whole, found as rootToJson finds them.
void ReadRecordFiles(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t files = 0;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(rootDir()))
            if (entry.is_regular_file() && core::readWholeHostFile(entry.path(), records::kLargestConvertedFile))
                ++files;
        if (files != kFiles) state.SkipWithError("not every file was read");
    }
}
BENCHMARK(ReadRecordFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

void RootToJson(benchmark::State& state) {
    for (auto _ : state) {
        const records::TreeReport report = records::rootToJson(rootDir(), emptyFolder(state));
        if (!report.ok() || report.converted != kFiles) state.SkipWithError("the root was not converted");
    }
}
BENCHMARK(RootToJson)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5);

void makeFolders(const core::DataRoot& root, const std::string& path) {
    for (std::size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1))
        root.makeDirectory(path.substr(0, slash));
}

// Every record file written as the editor writes one, into an empty root. A
// new name is looked up in its folder without regard to case, which lists the
// folder: with thousands of data set files that is most of the time here and
// in rootFromJson alike.
void WriteRecordFiles(benchmark::State& state) {
    for (auto _ : state) {
        const core::DataRoot root(emptyFolder(state));
        std::string folder;
        for (const RecordFile& f : recordFiles()) {
            const std::string parent = f.path.substr(0, f.path.rfind('\\') + 1);
            if (parent != folder) makeFolders(root, folder = parent);
            if (!root.writeAtomic(f.path, f.bytes)) state.SkipWithError("a file was not written");
        }
    }
}
BENCHMARK(WriteRecordFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

// The tree into an empty root; the files come back as they were.
void RootFromJson(benchmark::State& state) {
    fs::path built;
    for (auto _ : state) {
        built = emptyFolder(state);
        const records::TreeReport report = records::rootFromJson(treeDir(), core::DataRoot(built));
        if (!report.ok() || report.converted != kFiles) state.SkipWithError("the tree was not built");
    }
    for (const RecordFile& f : recordFiles())
        if (core::readWholeHostFile(hostPath(built, f.path), UINT64_MAX) != f.bytes)
            return state.SkipWithError(("not as it was: " + f.path).c_str());
}
BENCHMARK(RootFromJson)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
    makeRoot();
    const int status = kestrel::bench::runWithRatios(
        argc, argv, {{"RootToJson", "ReadRecordFiles", 3.0}, {"RootFromJson", "WriteRecordFiles", 4.0}});
    fs::remove_all(workDir());
    return status;
}
