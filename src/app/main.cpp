#include <QApplication>
#include <iostream>

#include "app/command_line.hpp"
#include "app/picture_command.hpp"
#include "qt/qt_host.hpp"
#include "ui/headless_host.hpp"

int main(int argc, char** argv) {
    using namespace kestrel;
    std::string error;
    const auto options = app::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "kstred: " << error << '\n' << app::usage();
        return 2;
    }
    switch (options->command) {
        case app::Command::Help: std::cout << app::usage(); return 0;
        case app::Command::MakeSample: return app::makeSample(options->sampleDir);
        case app::Command::Picture: return app::describePicture(options->picture, options->pictureOut, std::cout, std::cerr);
        case app::Command::Edit: break;
    }
    if (options->host == app::HostKind::Headless) {
        ui::HeadlessHost host;
        return app::runEditor(host, *options, std::cout, std::cerr);
    }
    QApplication application(argc, argv);
    // One style everywhere, so labels measure the same on every desktop.
    QApplication::setStyle("Fusion");
    // Closing a message box or a dialog never ends the program; the main window does.
    QApplication::setQuitOnLastWindowClosed(false);
    qt::QtHost host(options->shots, options->root);
    return app::runEditor(host, *options, std::cout, std::cerr);
}
