#include "qt/root_dialog.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>

#include "support/temp_root.hpp"

namespace kestrel::qt {
namespace {

namespace fs = std::filesystem;

// Plays the user of the folder dialog: `answer` gets it once it shows. What
// the dialog offered first is returned beside what askDataRoot returned.
struct Asked {
    QString offered;
    std::optional<fs::path> chosen;
};

Asked ask(QSettings& settings, const std::function<void(QFileDialog&)>& answer) {
    Asked asked;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (!dialog || !dialog->isVisible()) continue;
            poll.stop();
            asked.offered = dialog->directory().absolutePath();
            answer(*dialog);
            return;
        }
    });
    poll.start();
    asked.chosen = askDataRoot(settings);
    poll.stop();
    return asked;
}

TEST(RootDialog, OffersTheLastChosenFolderAndForgetsNothingOnCancel) {
    testing::TempRoot t;
    t.mkdir("first/WSDATA");
    t.mkdir("second");
    const QString first = QString::fromStdString((t.path() / "first").string());
    const QString settingsFile = QString::fromStdString((t.path() / "kstred.conf").string());
    const auto choose = [&](const char* folder) {
        return [folder, &t](QFileDialog& d) {
            d.setDirectory(QString::fromStdString((t.path() / folder).string()));
            static_cast<QDialog&>(d).accept();  // as the Choose button does
        };
    };
    {
        QSettings settings(settingsFile, QSettings::IniFormat);
        const Asked asked = ask(settings, choose("first"));
        EXPECT_EQ(asked.offered, QDir::homePath());
        ASSERT_TRUE(asked.chosen);
        EXPECT_TRUE(fs::equivalent(*asked.chosen, t.path() / "first"));
    }
    // A later start, with the settings read afresh from the file.
    QSettings settings(settingsFile, QSettings::IniFormat);
    Asked asked = ask(settings, [](QFileDialog& d) { d.reject(); });
    EXPECT_EQ(asked.offered, first);
    EXPECT_FALSE(asked.chosen);
    asked = ask(settings, choose("second"));
    EXPECT_EQ(asked.offered, first) << "a cancelled dialog changes nothing";
    ASSERT_TRUE(asked.chosen);
    EXPECT_TRUE(fs::equivalent(*asked.chosen, t.path() / "second"));
}

}  // namespace
}  // namespace kestrel::qt
