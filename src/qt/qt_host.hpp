// The desktop host: dialogs as Qt widgets, real message boxes, the open-file
// dialog and program starts. With a script, dialogs show without blocking and
// the script plays the user; a shots folder then collects a PNG of each
// dialog as it opens, of each snapshot and of each message box.
#pragma once
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/host.hpp"

class QWidget;

namespace kestrel::qt {

// "Name (*.x)|*.x|...||" as Qt filters. Patterns match in either case, as on
// the game's file system, and "*.*" also matches names without a dot.
QStringList fileDialogFilters(std::string_view windowsFilters);

QMessageBox::Icon messageIcon(ui::Icon icon);
// The box a message shows as: caption, text, icon and a single OK button.
std::unique_ptr<QMessageBox> makeMessageBox(const ui::MessageBox& box, QWidget* parent);

struct LaunchCommand {
    QString program;
    QStringList arguments;
    bool operator==(const LaunchCommand&) const = default;
};
// How a program starts: Windows programs (".exe", any case) go through
// `wine` when it was found (its path; empty when not).
LaunchCommand launchCommand(const std::filesystem::path& program, const QString& wine);

class QtHost : public ui::Host {
public:
    explicit QtHost(std::optional<std::filesystem::path> shotsDir = {}, std::filesystem::path workingRoot = {});

    void snapshot(ui::Window& window, const std::string& path) override;

protected:
    std::unique_ptr<ui::Window> createWindow(ui::Dialog& dialog) override;
    void runInteractive(ui::Window& window) override;
    void showMessage(const ui::MessageBox& box) override;
    std::optional<std::string> askFileToOpen(std::string_view filters) override;
    void launch(const std::filesystem::path& program) override;
    void onOpened(ui::Window& window) override;
    void onMessageRecorded(const ui::MessageBox& box) override;

private:
    QWidget* topWidget() const;
    // Saves "<counter>-<what>.png" in the shots folder, when there is one.
    void saveShot(QWidget* widget, const std::string& what);

    std::optional<std::filesystem::path> shotsDir_;
    std::filesystem::path workingRoot_;
    int shots_ = 0;
};

}  // namespace kestrel::qt
