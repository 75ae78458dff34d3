// Fuzzes the import's apply step: each input is applied as a tagged text file
// and as a PO file, to the data sets and to a scenario, on a data root made
// once per process. Every file the import says it wrote was there before and
// keeps its size; each is put back after the import, and after each input the
// root holds the files it was made with, each of its size, and no other.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "fuzz_check.hpp"
#include "import_root.hpp"
#include "textx/data_import.hpp"
#include "textx/scenario_import.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kestrel;
using fuzz::check;

// Memory-backed when the system has it: every import syncs what it writes.
bool inSharedMemory() {
    const bool shm = fs::is_directory("/dev/shm");
    if (shm) ::setenv("TMPDIR", "/dev/shm", 1);
    return shm;
}

// Every file below the folder with its size; stat alone, as reading them all
// would take most of each run.
std::map<std::string, std::uintmax_t> sizes(const fs::path& folder) {
    std::map<std::string, std::uintmax_t> out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file()) out[e.path().lexically_relative(folder).string()] = e.file_size();
    return out;
}

struct Root {
    Root() {
        fuzz::writeImportRoot(temp);
        files = textx::roots::snapshot(temp);
        made = sizes(temp.path());
    }

    bool shm = inSharedMemory();
    testing::TempRoot temp;                    // removed when the process exits
    std::map<std::string, core::Bytes> files;  // as made
    std::map<std::string, std::uintmax_t> made;
};

Root& root() {
    static Root made;
    return made;
}

// The files the import wrote: each there before and of the size it had; put
// back as they were made.
void restore(Root& r, const textx::ImportResult& result) {
    check(result.opened, "an import of text in memory did not open");
    check(result.failed.empty(), "a file of the root could not be written");
    for (const std::string& path : result.written) {
        const auto host = r.temp.root().resolve(path);
        check(host.has_value(), "the import names a file outside the root");
        const auto made = r.files.find(host->lexically_relative(r.temp.path()).string());
        check(made != r.files.end(), "the import wrote a file that was not there");
        std::error_code ec;
        check(fs::file_size(*host, ec) == made->second.size(), "an imported file changed its size");
        r.temp.write(made->first, made->second);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Root& r = root();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const core::DataRoot& dataRoot = r.temp.root();
    restore(r, textx::importDataText(dataRoot, text));
    restore(r, textx::importDataPo(dataRoot, text));
    restore(r, textx::importScenarioText(dataRoot, fuzz::kImportScenario, text));
    restore(r, textx::importScenarioPo(dataRoot, fuzz::kImportScenario, text));
    check(sizes(r.temp.path()) == r.made, "a file of the root changed its size, or another file is there");
    return 0;
}
