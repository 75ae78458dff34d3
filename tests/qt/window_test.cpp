#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "qt/controls/control_builders.hpp"
#include "qt/qt_text.hpp"
#include "qt/qt_window.hpp"
#include "support.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::qt {
namespace {

using test::RecordingDialog;
using ui::ControlKind;

constexpr int kMain = 102, kCityList = 132, kCityEditor = 133, kCityCapitals = 170, kCityOwners = 171, kTextFile = 183;

// A dialog open in a QtWindow, without a host running it.
template <class D = RecordingDialog>
struct Open {
    ui::HeadlessHost host;
    D dialog;
    QtWindow window;
    explicit Open(int id, std::function<void(RecordingDialog&)> init = {}) : dialog(host, id), window(dialog) {
        dialog.init = std::move(init);
        dialog.attach(&window);
        dialog.onInit();
    }
    ~Open() { dialog.attach(nullptr); }
    template <class T>
    T* get(int id) const {
        return dynamic_cast<T*>(window.widgetFor(id));
    }
};

void typeKeys(QWidget* w, const QString& keys) {
    for (const QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &press);
    }
}

void pressKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(w, &press);
}

// Where a label would be cut, if anywhere: text a user could not read.
std::string clippedLabel(const ui::ControlDef& def, QWidget* w) {
    const QFontMetrics fm(w->font());
    const QString text = staticText(fromGame(def.label));  // mnemonic marks take no room
    const QStyle* style = w->style();
    int needed = 0;
    switch (def.kind) {
        case ControlKind::Static:
            for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
                needed = std::max(needed, fm.horizontalAdvance(word));
            if (static_cast<QLabel*>(w)->heightForWidth(w->width()) > w->height()) return def.label + " (lines)";
            break;
        case ControlKind::Button: needed = fm.horizontalAdvance(text) + 8; break;
        case ControlKind::Group: needed = fm.horizontalAdvance(text) + 16; break;
        case ControlKind::Check:
            needed = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                     style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + fm.horizontalAdvance(text);
            break;
        case ControlKind::Radio:
            needed = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                     style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + fm.horizontalAdvance(text);
            break;
        default: break;
    }
    return needed > w->width() ? def.label : std::string();
}

// The widget class of each control kind, in the order of ControlKind; canvases have none.
const char* const kWidgetClass[] = {"QLabel",    "QGroupBox",    "QLineEdit",   "QPlainTextEdit", "QLineEdit",
                                    "QCheckBox", "QRadioButton", "QListWidget", "QComboBox",      "QComboBox",
                                    "QWidget",   "QPushButton",  "QFrame",      nullptr,          "QLabel"};
static_assert(std::size(kWidgetClass) == static_cast<std::size_t>(ControlKind::Icon) + 1);

TEST(QtWindowBuild, EveryControlIsTheRightWidgetAtItsPixelRectWithItsWholeLabel) {
    for (const int layoutId : ui::allLayoutIds()) {
        Open open(layoutId);
        ASSERT_EQ(open.window.controls().size(), ui::layoutFor(layoutId).controls.size());
        for (const auto& [def, w] : open.window.controls()) {
            SCOPED_TRACE(std::to_string(layoutId) + " " + ui::controlKindName(def->kind) + " " +
                         std::to_string(def->id));
            const char* widgetClass = kWidgetClass[static_cast<int>(def->kind)];
            if (!widgetClass) {
                EXPECT_EQ(w, nullptr);
                continue;
            }
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(w->inherits(widgetClass));
            const ui::Rect px = ui::toPixels(def->rect);
            // Combos show one line; the rest of their rectangle is for the drop-down list.
            const bool combo = def->kind == ControlKind::ComboEdit || def->kind == ControlKind::ComboList;
            EXPECT_EQ(w->geometry(), QRect(px.x, px.y, px.w, combo ? std::min(px.h, 22) : px.h));
            EXPECT_EQ(clippedLabel(*def, w), "");
            if (def->id != ui::kNoId) EXPECT_EQ(open.window.widgetFor(def->id), w);
            const QString label = fromGame(def->label);
            if (def->kind == ControlKind::Static) EXPECT_EQ(w->property("text").toString(), staticText(label));
            if (def->kind == ControlKind::Group) EXPECT_EQ(w->property("title").toString(), label);
            if (w->inherits("QAbstractButton")) EXPECT_EQ(w->property("text").toString(), label);
            if (auto* b = qobject_cast<QPushButton*>(w)) {
                EXPECT_EQ(b->isDefault(), def->isDefault);
                EXPECT_FALSE(b->autoDefault());
            }
            if (auto* r = qobject_cast<QRadioButton*>(w)) EXPECT_FALSE(r->autoExclusive());
            QLineEdit* edit = qobject_cast<QLineEdit*>(w);
            if (auto* c = qobject_cast<QComboBox*>(w)) {
                EXPECT_EQ(c->isEditable(), def->kind == ControlKind::ComboEdit);
                EXPECT_EQ(c->completer(), nullptr);
                edit = c->lineEdit();
            }
            if (edit) EXPECT_NE(edit->validator(), nullptr);
            if (edit && def->limit > 0) EXPECT_EQ(edit->maxLength(), def->limit);
            if (def->kind == ControlKind::Spin) EXPECT_EQ(w->findChildren<QToolButton*>().size(), 2);
            if (def->kind == ControlKind::Icon) EXPECT_FALSE(static_cast<QLabel*>(w)->pixmap().isNull());
        }
    }
}

// A kind left out of the builder table would show no widget at all.
TEST(QtWindowBuild, EveryControlKindHasABuilderMakingItsWidget) {
    Open open(kCityEditor);
    for (std::size_t k = 0; k < std::size(kWidgetClass); ++k) {
        const ui::ControlDef def{.id = 4000, .kind = static_cast<ControlKind>(k), .rect = {10, 20, 40, 12}};
        SCOPED_TRACE(ui::controlKindName(def.kind));
        const ControlBuilder build = controlBuilder(def.kind);
        ASSERT_NE(build, nullptr);
        QWidget* w = build(open.window, def, open.window.widget());
        if (!kWidgetClass[k]) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->inherits(kWidgetClass[k]));
        EXPECT_EQ(w->parentWidget(), open.window.widget());
        EXPECT_EQ(w->pos(), QPoint(15, 32));
        delete w;
    }
}

TEST(QtWindowBuild, CityEditorPixelsAndWhatTheMouseHits) {
    Open open(kCityEditor);
    QDialog* d = open.window.widget();
    EXPECT_EQ(d->size(), QSize(279, 237));  // 186 x 146 dialog units
    EXPECT_EQ(d->minimumSize(), d->maximumSize());
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Edit City Data"));
    EXPECT_FALSE(d->windowIcon().isNull());
    EXPECT_EQ(open.window.canvas()->geometry(), QRect(0, 0, 279, 237));
    // Statics let clicks through to the painted client, as on Windows.
    for (const auto& [def, w] : open.window.controls())
        if (def->kind == ControlKind::Static) EXPECT_EQ(d->childAt(w->geometry().center()), open.window.canvas());

    Open main(kMain);  // buttons lie above their groups
    QWidget* cityData = main.window.widgetFor(1006);
    EXPECT_EQ(main.window.widget()->childAt(cityData->geometry().center()), cityData);
}

// The colour a field shows inside its frame, where no text reaches.
QColor fieldColour(QWidget* w) {
    const QImage shot = w->grab().toImage();
    return shot.pixelColor(shot.width() - 5, shot.height() / 2);
}

// Read-only fields refuse typing and sit on the dialog's face; the fields
// beside them stay white.
TEST(QtWindowReadOnly, ReadOnlyFieldsRefuseTypingAndLookIt) {
    struct Field {
        int layout, readOnly, writable;
    };
    for (const Field f :
         {Field{kTextFile, 1296, 1295}, Field{kCityCapitals, 1105, 1107}, Field{kCityOwners, 1105, 1107}}) {
        SCOPED_TRACE(f.layout);
        Open open(f.layout, [&](RecordingDialog& d) { d.setText(f.readOnly, "Kept"); });
        QWidget* readOnly = open.window.widgetFor(f.readOnly);
        QWidget* writable = open.window.widgetFor(f.writable);
        ASSERT_TRUE(readOnly && writable);
        EXPECT_TRUE(readOnly->property("readOnly").toBool());
        EXPECT_FALSE(writable->property("readOnly").toBool());
        const QPalette face = open.window.widget()->palette();
        EXPECT_EQ(readOnly->palette().color(QPalette::Base), face.color(QPalette::Window));
        EXPECT_NE(writable->palette().color(QPalette::Base), face.color(QPalette::Window));
        EXPECT_EQ(fieldColour(readOnly), face.color(QPalette::Window));
        EXPECT_EQ(fieldColour(writable), writable->palette().color(QPalette::Base));
        EXPECT_NE(fieldColour(readOnly), fieldColour(writable));

        typeKeys(readOnly, QStringLiteral("x"));
        EXPECT_FALSE(open.window.userType(f.readOnly, "Typed"));
        EXPECT_EQ(open.window.text(f.readOnly), "Kept");
        EXPECT_TRUE(open.dialog.log.empty());
    }
}

// Shown, each dialog has the focus in the control its layout opens with,
// unless its controller moved it while starting.
TEST(QtWindowFocus, DialogsOpenWithTheFocusInTheFirstControlAUserCanUse) {
    const std::vector<std::pair<int, int>> cases{{kTextFile, 1295}, {kCityCapitals, 1100}, {kCityEditor, 1011}};
    for (const auto& [layout, id] : cases) {
        SCOPED_TRACE(layout);
        Open open(layout);
        QDialog* d = open.window.widget();
        d->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(d->focusWidget(), open.window.widgetFor(id));
        d->hide();
    }
    Open moved(kTextFile, [](RecordingDialog& d) { d.focus(1296); });
    moved.window.widget()->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(moved.window.widget()->focusWidget(), moved.window.widgetFor(1296));
}

TEST(QtWindowTyping, LimitAndForeignCharactersAreRefusedAsTheKeysArrive) {
    Open open(kCityEditor, [](RecordingDialog& d) { d.setText(1013, "ABCDEFGHIJKLMNOPQRST"); });
    typeKeys(open.get<QLineEdit>(1011), QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    EXPECT_EQ(open.window.text(1011), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(open.dialog.log.size(), 16u);  // the 17th key changed nothing
    open.dialog.log.clear();
    typeKeys(open.get<QLineEdit>(1012), QStringLiteral(u"M\u0436\u00FCnz\u20AC\u4E2D"));
    EXPECT_EQ(open.get<QLineEdit>(1012)->text(), QStringLiteral(u"M\u00FCnz\u20AC"));
    EXPECT_EQ(open.window.text(1012), "M\xFCnz\x80");
    EXPECT_EQ(open.dialog.log.size(), 5u);
    // Program text past the limit shows whole; deleting from it frees no room.
    QLineEdit* edit = open.get<QLineEdit>(1013);
    EXPECT_EQ(edit->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    edit->end(false);
    pressKey(edit, Qt::Key_Backspace);
    typeKeys(edit, QStringLiteral("U"));
    EXPECT_EQ(open.window.text(1013), "ABCDEFGHIJKLMNOPQRS");
}

TEST(QtWindowTyping, DigitsOnlyFieldsRefuseEveryOtherKey) {
    constexpr int kSideData = 146, kStartingGold = 1090;
    Open open(kSideData);
    typeKeys(open.get<QLineEdit>(kStartingGold), QStringLiteral("-1x2 3"));
    EXPECT_EQ(open.get<QLineEdit>(kStartingGold)->text(), QStringLiteral("123"));
    EXPECT_EQ(open.window.text(kStartingGold), "123");
    EXPECT_TRUE(open.window.userType(kStartingGold, "4-x5"));  // a script's type, key by key
    EXPECT_EQ(open.get<QLineEdit>(kStartingGold)->text(), QStringLiteral("45"));
    GameTextValidator signedDigits(nullptr, ui::Typing::SignedDigits);
    int pos = 0;
    for (QString ok : {QStringLiteral("-12"), QString()})
        EXPECT_EQ(signedDigits.validate(ok, pos), QValidator::Acceptable);
    for (QString bad : {QStringLiteral("1-"), QStringLiteral("--")})
        EXPECT_EQ(signedDigits.validate(bad, pos), QValidator::Invalid);
}

TEST(QtWindowTyping, ControllerChangesDuringTypingReachTheWidget) {
    struct Upper : RecordingDialog {
        using RecordingDialog::RecordingDialog;
        void onChange(int id) override {
            std::string t = text(id);
            for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (t != text(id)) setText(id, t);
        }
    };
    Open<Upper> open(kCityEditor);
    auto* edit = open.get<QLineEdit>(1014);
    typeKeys(edit, QStringLiteral("ab"));
    EXPECT_EQ(edit->text(), QStringLiteral("AB"));
    EXPECT_EQ(open.window.text(1014), "AB");
}

TEST(QtWindowTyping, MultiLineEditKeepsEnterRefusesForeignCharactersAndKeepsItsLimit) {
    const auto found = test::firstOfKind(ControlKind::MultiEdit);
    if (!found) GTEST_SKIP() << "no layout has a multi-line edit";
    const auto [layoutId, id] = *found;
    Open open(layoutId);
    auto* edit = open.get<QPlainTextEdit>(id);
    typeKeys(edit, QStringLiteral(u"ab\u0436c"));
    pressKey(edit, Qt::Key_Return);
    typeKeys(edit, QStringLiteral("d"));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("abc\nd"));
    EXPECT_EQ(open.window.text(id), "abc\r\nd");
    if (const int limit = ui::layoutFor(layoutId).find(id)->limit; limit > 0) {
        typeKeys(edit, QString(limit, 'x'));
        EXPECT_EQ(open.window.text(id).size(), static_cast<std::size_t>(limit));
    }
}

TEST(QtWindowLists, SortedListShowsTheModelsOrderAndFocusChoosesNothing) {
    Open open(kCityList, [](RecordingDialog& d) { d.setItems(1008, {"beta", "Gamma", "alpha", "Zulu", "ALPHA2"}); });
    auto* list = open.get<QListWidget>(1008);
    auto shown = [&] {
        std::vector<std::string> out;
        for (int i = 0; i < list->count(); ++i) out.push_back(toGame(list->item(i)->text()));
        return out;
    };
    EXPECT_EQ(shown(), (std::vector<std::string>{"alpha", "ALPHA2", "beta", "Gamma", "Zulu"}));
    open.window.userSelect(1008, 2);
    open.dialog.addItem(1008, "Aardvark");  // lands first and moves the selection down
    EXPECT_EQ(shown().front(), "Aardvark");
    EXPECT_EQ(selectedRow(list), 3);
    EXPECT_EQ(open.window.selection(1008), 3);

    open.dialog.setSelection(1008, -1);
    open.dialog.log.clear();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(list, &focusIn);  // Qt makes a row current, which is no choice
    EXPECT_EQ(open.window.selection(1008), -1);
    EXPECT_TRUE(open.dialog.log.empty());
    EXPECT_EQ(list->currentRow(), -1);  // nor does any row look chosen
    list->setCurrentRow(1);  // as a click or an arrow key does
    EXPECT_EQ(open.dialog.log, std::vector<std::string>{"change 1008 \"alpha\""});
}

TEST(QtWindowCanvas, ShowsTheClientSurfaceAndForwardsTheMouse) {
    pictures::Rgb colour{200, 30, 40};
    Open open(kCityEditor);
    open.dialog.paint = [&](pictures::Surface& s) { s.fill({100, 160, 20, 10}, colour); };
    open.window.invalidate();
    const QImage shot = open.window.widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(105, 165), QColor(200, 30, 40));
    EXPECT_EQ(shot.pixelColor(99, 165), QColor(192, 192, 192));  // the dialog face around it
    colour = {10, 220, 30};
    open.dialog.invalidate();
    EXPECT_EQ(open.window.canvas()->grab().toImage().pixelColor(119, 169), QColor(10, 220, 30));

    QWidget* canvas = open.window.canvas();
    auto send = [&](QEvent::Type type, Qt::MouseButton b, QPoint p) {
        QMouseEvent e(type, p, canvas->mapToGlobal(p), b, type == QEvent::MouseButtonPress ? b : Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, {12, 200});
    send(QEvent::MouseMove, Qt::NoButton, {13, 201});
    send(QEvent::MouseButtonRelease, Qt::LeftButton, {14, 202});
    send(QEvent::MouseButtonPress, Qt::RightButton, {5, 6});
    send(QEvent::MouseButtonPress, Qt::MiddleButton, {5, 6});
    EXPECT_EQ(open.dialog.log,
              (std::vector<std::string>{"mouse 0 12 200", "mouse 2 13 201", "mouse 3 14 202", "mouse 1 5 6"}));
}

TEST(QtWindowKeys, TheCloseButtonAsksTheControllerWhichMayKeepTheDialog) {
    Open list(kCityList);
    list.dialog.keepOpenOnCancel = true;
    QDialog* d = list.window.widget();
    d->show();
    EXPECT_FALSE(d->close());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(list.dialog.log, std::vector<std::string>{"command 2"});

    Open editor(kCityEditor);
    editor.window.widget()->show();
    EXPECT_TRUE(editor.window.widget()->close());
    EXPECT_EQ(editor.window.result(), ui::kIdCancel);
    EXPECT_FALSE(editor.window.widget()->isVisible());
}

TEST(QtWindowKeys, EnterGoesToTheDefaultButtonUnlessAPushButtonHasFocus) {
    Open open(kCityEditor);
    open.window.widget()->show();
    QWidget* import = open.window.widgetFor(1015);
    import->setFocus();
    pressKey(import, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(open.window.isClosed());
    open.window.widgetFor(1012)->setFocus();
    pressKey(open.window.widgetFor(1012), Qt::Key_Return);
    EXPECT_EQ(open.dialog.log, (std::vector<std::string>{"command 1015", "command 1"}));
    EXPECT_EQ(open.window.result(), ui::kIdOk);
    EXPECT_FALSE(open.window.widget()->isVisible());
}

// Both items of the system menu, About first; F1 is About.
TEST(QtWindowKeys, MainWindowOffersItsSystemMenuOnTheContextMenu) {
    Open main(kMain);
    QDialog* d = main.window.widget();
    d->show();
    QStringList shownLabels;
    QTimer::singleShot(0, [&] {
        if (auto* menu = d->findChild<QMenu*>()) {
            for (QAction* action : menu->actions()) shownLabels << action->text();
            menu->actions().value(1)->trigger();
            menu->close();
        }
    });
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(3, 3), d->mapToGlobal(QPoint(3, 3)));
    QCoreApplication::sendEvent(d, &e);
    EXPECT_EQ(shownLabels, (QStringList{"&About kstred...", "&Check Data..."}));
    pressKey(d, Qt::Key_F1);
    EXPECT_TRUE(main.window.userMenu(32));
    EXPECT_FALSE(main.window.userMenu(1));
    EXPECT_EQ(main.dialog.log, (std::vector<std::string>{"command 32", "command 16", "command 32"}));

    Open editor(kCityEditor);  // no system command
    pressKey(editor.window.widget(), Qt::Key_F1);
    EXPECT_TRUE(editor.dialog.log.empty());
}

}  // namespace
}  // namespace kestrel::qt
