#include <QApplication>
#include <QSettings>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/check_command.hpp"
#include "app/command_line.hpp"
#include "app/picture_command.hpp"
#include "app/record_commands.hpp"
#include "app/render_map_command.hpp"
#include "app/startup.hpp"
#include "app/text_command.hpp"
#include "core/version.hpp"
#include "qt/qt_host.hpp"
#include "qt/root_dialog.hpp"
#include "ui/headless_host.hpp"

namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

QtMessageHandler qtHandler = nullptr;

// A display that is named but cannot be opened makes Qt abort with a core
// dump; one line and exit status 1 say the same.
void noCoreDumpOnStart(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (qtHandler) qtHandler(type, context, message);
        return;
    }
    std::cerr << "kstred: cannot open the window: " << message.section(QStringLiteral(". "), 0, 0).toStdString()
              << "; check DISPLAY and WAYLAND_DISPLAY, or start it with xvfb-run kstred\n";
    std::_Exit(1);
}

std::unique_ptr<QApplication> startQt(int& argc, char** argv) {
    qtHandler = qInstallMessageHandler(noCoreDumpOnStart);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setOrganizationName(QStringLiteral("kestrel"));
    QApplication::setApplicationName(QStringLiteral("kstred"));
    QApplication::setApplicationVersion(QString::fromLatin1(kestrel::kVersion));
    // Matches the desktop entry, so Wayland shells show its name and icon.
    QApplication::setDesktopFileName(QStringLiteral("kstred"));
    // One style everywhere, so labels measure the same on every desktop.
    QApplication::setStyle("Fusion");
    // Closing a message box or a dialog never ends the program; the main window does.
    QApplication::setQuitOnLastWindowClosed(false);
    return application;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kestrel;
    std::string error;
    const auto parsed = app::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!parsed) {
        std::cerr << "kstred: " << error << '\n' << app::usage();
        return 2;
    }
    // Subcommands take the data root from --root, $KESTREL_ROOT or the
    // working directory; they never ask for it.
    const auto commandRoot = [&] { return app::chooseRoot(*parsed, environment("KESTREL_ROOT"), true).root; };
    switch (parsed->command) {
        case app::Command::Help: std::cout << app::help(); return 0;
        case app::Command::Version: std::cout << "kstred " << kVersion << '\n'; return 0;
        case app::Command::MakeSample: return app::makeSample(parsed->sampleDir);
        case app::Command::Picture: return app::describePicture(parsed->picture, parsed->pictureOut, std::cout, std::cerr);
        case app::Command::NewScenario:
        case app::Command::NewWorld:
        case app::Command::ListScenarios:
            return app::runScenarioCommand(*parsed, commandRoot(), std::cout, std::cerr);
        case app::Command::RenderMap:
            return app::renderMap(*parsed, commandRoot(), std::cout, std::cerr);
        case app::Command::ExportData:
            return app::exportDataCommand(commandRoot(), parsed->poOut, std::cout, std::cerr);
        case app::Command::ExportScen:
            return app::exportScenarioCommand(commandRoot(), parsed->name, parsed->poOut, std::cout, std::cerr);
        case app::Command::ImportData:
            return app::importDataCommand(commandRoot(), parsed->textFile, std::cout, std::cerr);
        case app::Command::ImportScen:
            return app::importScenarioCommand(commandRoot(), parsed->name, parsed->textFile, std::cout, std::cerr);
        case app::Command::Show:
            return app::showCommand({parsed->from, parsed->to, parsed->kind}, std::cout, std::cerr);
        case app::Command::ToJson:
            return app::toJsonCommand({parsed->from, parsed->to, parsed->kind}, std::cout, std::cerr);
        case app::Command::FromJson:
            return app::fromJsonCommand({parsed->from, parsed->to, parsed->kind}, std::cout, std::cerr);
        case app::Command::Check:
            return app::checkCommand(commandRoot(), parsed->targets, parsed->json, std::cout, std::cerr);
        case app::Command::Edit: break;
    }
    app::Options options = *parsed;
    const app::RootChoice where =
        app::chooseRoot(options, environment("KESTREL_ROOT"), !options.root && app::holdsTemplates("."));
    options.root = where.root;
    if (options.host == app::HostKind::Headless) {
        ui::HeadlessHost host;
        return app::runEditor(host, options, std::cout, std::cerr);
    }
    if (!app::hasDisplay(environment("DISPLAY"), environment("WAYLAND_DISPLAY"), environment("QT_QPA_PLATFORM"))) {
        std::cerr << app::kNoDisplay << '\n';
        return 1;
    }
    const auto application = startQt(argc, argv);
    if (where.ask) {
        QSettings settings;
        const auto chosen = qt::askDataRoot(settings);
        if (!chosen) return 0;
        options.root = *chosen;
    }
    qt::QtHost host(options.shots, *options.root);
    return app::runEditor(host, options, std::cout, std::cerr);
}
