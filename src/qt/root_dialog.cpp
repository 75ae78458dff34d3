#include "qt/root_dialog.hpp"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>

namespace kestrel::qt {

namespace {
const QString kLastRoot = QStringLiteral("dataRoot");
}

std::optional<std::filesystem::path> askDataRoot(QSettings& settings) {
    const QString last = settings.value(kLastRoot, QDir::homePath()).toString();
    const QString chosen = QFileDialog::getExistingDirectory(
        nullptr, QStringLiteral("Kestrel 3 Editor: choose the game's folder (the one with WSDATA)"), last);
    if (chosen.isEmpty()) return std::nullopt;
    settings.setValue(kLastRoot, chosen);
    settings.sync();
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

}  // namespace kestrel::qt
