#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QListView>
#include <QTimer>
#include <filesystem>
#include <sstream>

#include "qt/qt_host.hpp"
#include "qt/qt_window.hpp"
#include "support.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"
#include "ui/script_player.hpp"

namespace kestrel::qt {
namespace {

using test::RecordingDialog;
namespace fs = std::filesystem;

TEST(QtHostHelpers, WindowsFilterListBecomesQtFiltersMatchingEitherCase) {
    EXPECT_EQ(fileDialogFilters("PCX Files (*.pcx)|*.pcx|BMP Files (*.bmp)|*.bmp|All Files (*.*)|*.*||"),
              (QStringList{"PCX Files (*.pcx *.PCX)", "BMP Files (*.bmp *.BMP)", "All Files (*)"}));
    EXPECT_EQ(fileDialogFilters("Pictures|*.pcx;*.Bmp||"), QStringList{"Pictures (*.pcx *.PCX *.bmp *.BMP)"});
    EXPECT_EQ(fileDialogFilters("Maps (*.MAP)|*.MAP"), QStringList{"Maps (*.map *.MAP)"});
    EXPECT_TRUE(fileDialogFilters("").isEmpty());
    EXPECT_TRUE(fileDialogFilters("||").isEmpty());
    EXPECT_TRUE(fileDialogFilters("No patterns|").isEmpty());
}

TEST(QtHostHelpers, MessageBoxesAndProgramStarts) {
    EXPECT_EQ(messageIcon(ui::Icon::Exclamation), QMessageBox::Warning);
    EXPECT_EQ(messageIcon(ui::Icon::Information), QMessageBox::Information);
    const auto box = makeMessageBox({"Error", "Caf\xE9 not found.", ui::Icon::Exclamation}, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
    EXPECT_EQ(box->text(), QStringLiteral(u"Caf\u00E9 not found."));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);

    const QString wine = QStringLiteral("/usr/bin/wine");
    EXPECT_EQ(launchCommand("/data/MapEdit.Exe", wine), (LaunchCommand{wine, {"/data/MapEdit.Exe"}}));
    EXPECT_EQ(launchCommand("/data/MAPEDIT.EXE", QString()), (LaunchCommand{"/data/MAPEDIT.EXE", {}}));
    EXPECT_EQ(launchCommand("/data/exe", wine), (LaunchCommand{"/data/exe", {}}));
    EXPECT_EQ(launchCommand("/data/maps.exe.sh", wine), (LaunchCommand{"/data/maps.exe.sh", {}}));
}

std::string play(ui::Host& host, RecordingDialog& dialog, const std::string& script) {
    int bad = 0;
    auto lines = ui::parseScript(script, bad);
    EXPECT_TRUE(lines) << "bad line " << bad;
    ui::ScriptPlayer player(host, lines.value_or(std::vector<ui::ScriptLine>{}));
    std::ostringstream transcript;
    host.setScript(&player);
    host.setTranscript(&transcript);
    host.runModal(dialog);
    player.playRest();
    host.setScript(nullptr);
    host.setTranscript(nullptr);
    EXPECT_EQ(player.exitStatus(), 0) << transcript.str();
    return transcript.str();
}

// Typing, a button and Enter on the city editor: the same transcript, dump
// and handler calls in both hosts.
TEST(QtHostScript, TranscriptMatchesTheHeadlessHostAndShotsAreNumbered) {
    const testing::TempRoot folder;
    const fs::path& dir = folder.path();
    const std::string script =
        "type 1011 \"Riverford\"\ntype 1012 \"Caf\xC3\xA9 of the very long name\"\ntype 1013 \"\"\n" +
        ("type 1014 \"\xC3\x89glise \xE2\x82\xAC\"\nsnapshot \"" + (dir / "client.bmp").string()) +
        "\"\nclick 1015\nexpect message \"Error\" \"No picture to import.\"\ndump\nkey enter\n"
        "expect open none\n";
    auto complain = [](RecordingDialog& d, int id) {
        if (id == 1015) d.host().error("No picture to import.");
    };
    ui::HeadlessHost headless;
    RecordingDialog h(headless, 133);
    h.command = complain;
    const std::string expected = play(headless, h, script);

    QtHost host(dir / "shots");
    RecordingDialog q(host, 133);
    q.command = complain;
    EXPECT_EQ(play(host, q, script), expected);
    EXPECT_EQ(q.log, h.log);

    auto image = [&](const char* name) { return QImage(QString::fromStdString((dir / "shots" / name).string())); };
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "shots"), fs::directory_iterator()), 3);
    const QImage open = image("0001-133-open.png");
    EXPECT_EQ(open.size(), QSize(279, 237));
    EXPECT_EQ(image("0002-133-snapshot.png").size(), open.size());
    EXPECT_NE(image("0002-133-snapshot.png"), open);  // shows the typed names
    EXPECT_FALSE(image("0003-message.png").isNull());
}

// Without a script the dialogs run modally; a timer plays the user on
// whichever window is modal at the time.
TEST(QtHostInteractive, ModalRunsNestMessagesBlockAndResultsComeBack) {
    QtHost host;
    RecordingDialog main(host, 102), list(host, 132);
    list.command = [](RecordingDialog& d, int id) {
        if (id == 4) d.host().error("Type a name first.");
    };
    int listResult = -1;
    main.command = [&](RecordingDialog& d, int id) {
        if (id == 1006) listResult = d.host().runModal(list);
    };
    auto widgetOf = [](RecordingDialog& d) -> QWidget* {
        auto* w = d.window() ? dynamic_cast<QtWindow*>(d.window()) : nullptr;
        return w ? w->widget() : nullptr;
    };
    // Run from the event loop: a click that opens a dialog blocks until it
    // closes, and a timer does not fire again while its handler runs.
    auto later = [](std::function<void()> f) { QMetaObject::invokeMethod(qApp, std::move(f), Qt::QueuedConnection); };
    auto click = [&](RecordingDialog& d, int id) {
        auto* button = static_cast<QAbstractButton*>(dynamic_cast<QtWindow*>(d.window())->widgetFor(id));
        later([button] { button->click(); });
    };
    QString boxTitle;
    QWidget *mainWidget = nullptr, *listParent = nullptr;
    int step = 0;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (step == 0 && modal == widgetOf(main)) {
            mainWidget = modal;
            click(main, 1006);
        } else if (step == 1 && modal == widgetOf(list)) {
            listParent = modal->parentWidget();
            click(list, 4);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal); step == 2 && box) {
            boxTitle = box->windowTitle();
            later([ok = box->button(QMessageBox::Ok)] { ok->click(); });
        } else if (step == 3 && modal == widgetOf(list)) {
            later([modal] {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(modal, &escape);
            });
        } else if (step == 4 && modal == widgetOf(main)) {
            click(main, 1);
        } else {
            return;
        }
        ++step;
    });
    user.start(5);
    QTimer guard;  // should the test go wrong, closing every dialog ends the runs
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        for (auto* d : {&list, &main})
            if (d->window()) d->end(ui::kIdCancel);
        for (int i = 0; i < 5 && QApplication::activeModalWidget(); ++i) QApplication::activeModalWidget()->close();
    });
    guard.start(10000);
    EXPECT_EQ(host.runModal(main), ui::kIdOk);
    EXPECT_EQ(step, 5);
    EXPECT_EQ(listResult, ui::kIdCancel);
    EXPECT_NE(mainWidget, nullptr);
    EXPECT_EQ(listParent, mainWidget);
    EXPECT_EQ(boxTitle, QStringLiteral("Error"));
    EXPECT_EQ(list.log, (std::vector<std::string>{"command 4", "command 2"}));
}

// The dialog the host opens lists x.Pcx and X.BMP under the picture filters.
TEST(QtHostHelpers, FileDialogFiltersMatchAnyCase) {
    const testing::TempRoot folder;
    for (const char* name : {"a.pcx", "B.Pcx", "C.PCX", "d.bmp", "E.Bmp", "f.txt"}) folder.write(name, "");
    QFileDialog dialog(nullptr, "Open", QString::fromStdString(folder.path().string()),
                       fileDialogFilters("PCX Files (*.pcx)|*.pcx|BMP Files (*.bmp)|*.bmp||").join(";;"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    auto shown = [&] {
        QStringList names;
        auto* view = dialog.findChild<QListView*>("listView");
        for (int i = 0; i < view->model()->rowCount(view->rootIndex()); ++i)
            names.append(view->model()->index(i, 0, view->rootIndex()).data().toString());
        names.sort(Qt::CaseInsensitive);
        return names;
    };
    // The dialog reads the folder in the background.
    auto settled = [&](const QStringList& wanted) {
        QElapsedTimer clock;
        clock.start();
        while (shown() != wanted && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 50);
        return shown();
    };
    EXPECT_EQ(settled({"a.pcx", "B.Pcx", "C.PCX"}), (QStringList{"a.pcx", "B.Pcx", "C.PCX"}));
    dialog.selectNameFilter(dialog.nameFilters()[1]);
    EXPECT_EQ(settled({"d.bmp", "E.Bmp"}), (QStringList{"d.bmp", "E.Bmp"}));
}

}  // namespace
}  // namespace kestrel::qt
