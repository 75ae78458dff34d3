// From process start until the window is shown, offscreen: the editor's main
// window on the sample root against a minimal Qt program with one empty dialog.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ratio_reporter.hpp"

extern char** environ;

namespace {

namespace fs = std::filesystem;

int runProgram(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const fs::path& workFolder() {
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / "kestrel-bench-start";
        fs::remove_all(d);
        fs::create_directories(d);
        runProgram({KSTRED, "make-sample", (d / "root").string()});
        std::ofstream(d / "show.kst") << "expect open 102\n";
        return d;
    }();
    return dir;
}

void MinimalDialog(benchmark::State& state) {
    for (auto _ : state)
        if (runProgram({MINIMAL_DIALOG}) != 0) state.SkipWithError("the minimal program failed");
}
BENCHMARK(MinimalDialog)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void EditorMainWindow(benchmark::State& state) {
    const fs::path dir = workFolder();
    for (auto _ : state)
        if (runProgram({KSTRED, "--root", (dir / "root").string(), "--script", (dir / "show.kst").string(), "--host",
                        "qt"}) != 0)
            state.SkipWithError("the editor failed");
}
BENCHMARK(EditorMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int status = kestrel::bench::runWithRatios(argc, argv, {{"EditorMainWindow", "MinimalDialog", 1.5}});
    fs::remove_all(workFolder());
    return status;
}
