// Opening the editor's main window on the Qt host against showing one empty
// QDialog: what building the layout's widgets adds to a bare Qt window.
// Both run on the offscreen platform unless another one is chosen.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QWindow>
#include <cstdlib>
#include <filesystem>

#include "core/data_root.hpp"
#include "qt/qt_host.hpp"
#include "ratio_reporter.hpp"
#include "shell/main_window.hpp"
#include "ui/script_player.hpp"

namespace {

// Until the window system has the window on screen, as the host waits too.
bool waitShown(QWidget* widget) {
    QElapsedTimer timer;
    timer.start();
    while (!(widget->windowHandle() && widget->windowHandle()->isExposed())) {
        if (timer.elapsed() > 1000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    return true;
}

void EmptyDialog(benchmark::State& state) {
    for (auto _ : state) {
        QDialog dialog;
        dialog.show();
        if (!waitShown(&dialog)) state.SkipWithError("the dialog was never shown");
    }
}
BENCHMARK(EmptyDialog)->Unit(benchmark::kMillisecond);

void MainWindowOpen(benchmark::State& state) {
    const kestrel::core::DataRoot root(std::filesystem::temp_directory_path());
    for (auto _ : state) {
        kestrel::qt::QtHost host;
        // An empty script: the window shows, then closes as by Quit.
        kestrel::ui::ScriptPlayer player(host, {});
        host.setScript(&player);
        kestrel::shell::MainWindow main(host, root);
        host.runModal(main);
    }
}
BENCHMARK(MainWindowOpen)->Unit(benchmark::kMillisecond);

}  // namespace

// The empty dialog takes a few hundredths of a millisecond, so the ratio is
// loose: the limit catches a window that got several times slower.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return kestrel::bench::runWithRatios(argc, argv, {{"MainWindowOpen", "EmptyDialog", 100.0}});
}
