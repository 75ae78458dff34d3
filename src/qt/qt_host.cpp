#include "qt/qt_host.hpp"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QWindow>
#include <cstdio>

#include "qt/app_icon.hpp"
#include "qt/qt_text.hpp"
#include "qt/qt_window.hpp"
#include "ui/dialog.hpp"

namespace kestrel::qt {

namespace {

// Until the window system has shown the widget, so a grab sees it as a user would.
void waitShown(QWidget* widget) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (widget->windowHandle() && widget->windowHandle()->isExposed()) break;
    } while (timer.elapsed() < 1000);
    QCoreApplication::processEvents();
}

// Host paths are native bytes; Qt decodes them as the file system does.
QString qtPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

QString patternsOf(const QString& windowsPatterns) {
    QStringList out;
    for (QString p : windowsPatterns.split(';', Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p.isEmpty()) continue;
        if (p == QStringLiteral("*.*") || p == QStringLiteral("*")) {
            out.append(QStringLiteral("*"));
            continue;
        }
        for (const QString& v : {p.toLower(), p.toUpper()})
            if (!out.contains(v)) out.append(v);
    }
    return out.join(' ');
}

}  // namespace

QStringList fileDialogFilters(std::string_view windowsFilters) {
    const QStringList parts = fromGame(windowsFilters).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        if (name.isEmpty()) break;  // "||" ends the list
        const QString patterns = patternsOf(parts[i + 1]);
        if (patterns.isEmpty()) continue;
        // The name usually repeats its patterns; Qt reads them from there.
        if (const qsizetype open = name.lastIndexOf(QStringLiteral(" (")); open > 0 && name.endsWith(')'))
            name.truncate(open);
        filters.append(name + QStringLiteral(" (") + patterns + ')');
    }
    return filters;
}

QMessageBox::Icon messageIcon(ui::Icon icon) {
    switch (icon) {
        case ui::Icon::Exclamation: return QMessageBox::Warning;
        case ui::Icon::Information: return QMessageBox::Information;
        case ui::Icon::None: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

std::unique_ptr<QMessageBox> makeMessageBox(const ui::MessageBox& box, QWidget* parent) {
    auto mb = std::make_unique<QMessageBox>(messageIcon(box.icon), fromGame(box.caption), fromGame(box.text),
                                            QMessageBox::Ok, parent);
    mb->setWindowIcon(appIcon());
    return mb;
}

LaunchCommand launchCommand(const std::filesystem::path& program, const QString& wine) {
    const QString name = qtPath(program);
    if (!wine.isEmpty() && name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) return {wine, {name}};
    return {name, {}};
}

QtHost::QtHost(std::optional<std::filesystem::path> shotsDir, std::filesystem::path workingRoot)
    : shotsDir_(std::move(shotsDir)), workingRoot_(std::move(workingRoot)) {}

QWidget* QtHost::topWidget() const {
    if (ui::Dialog* top = topDialog())
        if (auto* window = dynamic_cast<QtWindow*>(top->window())) return window->widget();
    return nullptr;
}

void QtHost::saveShot(QWidget* widget, const std::string& what) {
    if (!shotsDir_) return;
    std::error_code ec;
    std::filesystem::create_directories(*shotsDir_, ec);
    char number[16];
    std::snprintf(number, sizeof number, "%04d-", ++shots_);
    const std::filesystem::path file = *shotsDir_ / (number + what + ".png");
    widget->grab().save(qtPath(file), "PNG");
}

std::unique_ptr<ui::Window> QtHost::createWindow(ui::Dialog& dialog) {
    return std::make_unique<QtWindow>(dialog, topWidget());
}

void QtHost::onOpened(ui::Window& window) {
    if (window.isClosed()) return;
    QDialog* widget = static_cast<QtWindow&>(window).widget();
    if (!script() && !shotsDir_) return;  // exec() shows it
    if (!script()) widget->setWindowModality(Qt::ApplicationModal);
    widget->show();
    waitShown(widget);
    saveShot(widget, std::to_string(window.layout().resourceId) + "-open");
}

void QtHost::runInteractive(ui::Window& window) {
    static_cast<QtWindow&>(window).widget()->exec();
    if (!window.isClosed()) window.close(ui::kIdCancel);
}

void QtHost::snapshot(ui::Window& window, const std::string&) {
    if (auto* qw = dynamic_cast<QtWindow*>(&window))
        saveShot(qw->widget(), std::to_string(window.layout().resourceId) + "-snapshot");
}

void QtHost::showMessage(const ui::MessageBox& box) { makeMessageBox(box, topWidget())->exec(); }

void QtHost::onMessageRecorded(const ui::MessageBox& box) {
    if (!shotsDir_) return;
    const auto mb = makeMessageBox(box, topWidget());
    mb->show();
    waitShown(mb.get());
    saveShot(mb.get(), "message");
    mb->close();
}

std::optional<std::string> QtHost::askFileToOpen(std::string_view filters) {
    // The non-native dialog matches patterns in any case; it leaves the
    // working directory alone and has no read-only box. It opens in the data
    // root, where the exports and the editor's other files are.
    const QString start = workingRoot_.empty() ? QString() : qtPath(workingRoot_);
    const QString path = QFileDialog::getOpenFileName(topWidget(), QStringLiteral("Open"), start,
                                                      fileDialogFilters(filters).join(QStringLiteral(";;")), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

void QtHost::launch(const std::filesystem::path& program) {
    const LaunchCommand command = launchCommand(program, QStandardPaths::findExecutable(QStringLiteral("wine")));
    const QString dir = workingRoot_.empty() ? QString() : qtPath(workingRoot_);
    QProcess::startDetached(command.program, command.arguments, dir);
}

}  // namespace kestrel::qt
