#include "qt/qt_window.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>

#include "qt/app_icon.hpp"
#include "qt/controls/control_builders.hpp"
#include "qt/controls/list_box.hpp"
#include "qt/qt_text.hpp"
#include "ui/dialog.hpp"

namespace kestrel::qt {

using ui::ControlKind;
using ui::ControlState;

// The top-level widget. Keys and the close button go to the model, which
// decides whether the dialog really closes.
class DialogWidget : public QDialog {
public:
    DialogWidget(QtWindow& window, QWidget* parent) : QDialog(parent), window_(window) {}

    void reject() override { window_.pressEscape(); }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        const bool plain = e->modifiers() == Qt::NoModifier ||
                           (e->modifiers() == Qt::KeypadModifier && e->key() == Qt::Key_Enter);
        if (plain && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
            // As on Windows, a focused push button takes Enter itself.
            if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
                button->click();
            else
                window_.pressEnter();
            return;
        }
        if (plain && e->key() == Qt::Key_F1 && !window_.layout().systemMenu.empty()) {
            window_.runSystemCommand(window_.layout().systemMenu.front().command);
            return;
        }
        QDialog::keyPressEvent(e);
    }

    void contextMenuEvent(QContextMenuEvent* e) override {
        const ui::Layout& layout = window_.layout();
        if (layout.systemMenu.empty()) return QDialog::contextMenuEvent(e);
        QMenu menu(this);
        int chosen = 0;
        for (const ui::MenuItem& item : layout.systemMenu)
            QObject::connect(menu.addAction(fromGame(item.label)), &QAction::triggered, &menu,
                             [&chosen, command = item.command] { chosen = command; });
        menu.exec(e->globalPos());
        // Acted on once the menu is gone, since the command may open a dialog.
        if (chosen) window_.runSystemCommand(chosen);
    }

private:
    QtWindow& window_;
};

namespace {

// Paints the model's client surface and reports the mouse in client pixels.
class CanvasWidget : public QWidget {
public:
    CanvasWidget(QtWindow& window, QWidget* parent) : QWidget(parent), window_(window) { setMouseTracking(true); }

protected:
    void paintEvent(QPaintEvent* e) override {
        const pictures::Surface& s = window_.client();
        static_assert(sizeof(pictures::Rgb) == 3, "Surface pixels are packed RGB");
        // Wraps the surface's pixels without copying them.
        const QImage image(reinterpret_cast<const uchar*>(s.pixels().data()), s.width(), s.height(), 3 * s.width(),
                           QImage::Format_RGB888);
        QPainter(this).drawImage(e->rect(), image, e->rect());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) report(ui::MouseEvent::Kind::LeftDown, e);
        if (e->button() == Qt::RightButton) report(ui::MouseEvent::Kind::RightDown, e);
    }
    void mouseMoveEvent(QMouseEvent* e) override { report(ui::MouseEvent::Kind::Move, e); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton) report(ui::MouseEvent::Kind::Release, e);
    }

private:
    void report(ui::MouseEvent::Kind kind, QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        window_.forwardMouse({kind, p.x(), p.y()});
    }

    QtWindow& window_;
};

// Multi-line edits hold Windows line ends in the model.
QString fromGameLines(std::string_view text) {
    return fromGame(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string toGameLines(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\n', QStringLiteral("\r\n"));
    return toGame(lines);
}

// Sets a line edit's text without cutting it to the typing limit: the model
// may hold longer text than a user could type.
void showLineText(QLineEdit* edit, const QString& text, int limit) {
    if (edit->text() == text) return;
    const QSignalBlocker block(edit);
    const int cursor = edit->cursorPosition();
    if (limit > 0) edit->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    edit->setText(text);
    if (edit->hasFocus()) edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

QStringList toQt(const std::vector<std::string>& items) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items) out.append(fromGame(item));
    return out;
}

void settle() { QCoreApplication::processEvents(); }

// Shows `row` (-1: none) as the one selected row.
void showSelectedRow(QListWidget* list, int row) {
    if (selectedRow(list) != row) {
        if (row >= 0)
            list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        else
            list->clearSelection();
    }
    if (auto* box = dynamic_cast<ListBox*>(list); box && row < 0) box->forgetUnchosenRow();
}

}  // namespace

QFont dialogFont() {
    QFont font;
    // Narrow faces first: the layouts were measured with an 8-point Windows font.
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

int selectedRow(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.front());
}

QString staticText(const QString& label) {
    QString out;
    out.reserve(label.size());
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            if (i + 1 < label.size() && label[i + 1] == '&') out.append('&'), ++i;
            continue;
        }
        out.append(label[i]);
    }
    return out;
}

QtWindow::QtWindow(ui::Dialog& dialog, QWidget* parent) : ui::Window(dialog), dialog_(new DialogWidget(*this, parent)) {
    const ui::Layout& l = layout();
    dialog_->setFont(dialogFont());
    dialog_->setWindowIcon(appIcon());
    dialog_->setWindowTitle(fromGame(caption()));
    dialog_->setFixedSize(ui::toPixelsX(l.width), ui::toPixelsY(l.height));
    canvas_ = new CanvasWidget(*this, dialog_);
    canvas_->setGeometry(0, 0, ui::toPixelsX(l.width), ui::toPixelsY(l.height));
    for (const auto& def : l.controls) build(def);
    for (const auto& c : controls_)
        if (c.def->kind == ControlKind::Group) c.widget->lower();
    canvas_->lower();
    for (const int id : controlIds()) refreshControl(id);
    refreshFocus();  // taken when the dialog shows
}

QtWindow::~QtWindow() {
    ++quiet_;  // widgets going away report nothing to the controller
    delete dialog_.data();
}

QDialog* QtWindow::widget() const { return dialog_; }

QWidget* QtWindow::widgetFor(int id) const {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

void QtWindow::build(const ui::ControlDef& def) {
    const ControlBuilder builder = controlBuilder(def.kind);
    QWidget* w = builder ? builder(*this, def, dialog_) : nullptr;
    controls_.push_back({&def, w});
    if (def.id != ui::kNoId && w && !byId_.count(def.id)) byId_[def.id] = w;
}

// --- user input from the widgets -------------------------------------------

void QtWindow::edited(int id) {
    if (quiet_) return;
    const ControlState* s = find(id);
    auto* edit = s->def->kind == ControlKind::ComboEdit ? static_cast<QComboBox*>(widgetFor(id))->lineEdit()
                                                          : static_cast<QLineEdit*>(widgetFor(id));
    const QString text = edit->text();
    // An over-long text set by the program shrinks back to the limit as the user shortens it.
    const int limit = s->def->limit;
    if (limit > 0 && edit->maxLength() > limit) edit->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    setText(id, toGame(text));
    guard([&] { dialog().onChange(id); });
}

void QtWindow::multiEdited(int id) {
    if (quiet_) return;
    const ControlState* s = find(id);
    auto* edit = static_cast<QPlainTextEdit*>(widgetFor(id));
    const QString text = edit->toPlainText();
    const std::string game = toGameLines(text);
    const int limit = s->def->limit;
    const bool overLimit = limit > 0 && game.size() > static_cast<std::size_t>(limit) && game.size() > s->text.size();
    if (!isGameText(text) || overLimit) {
        // Refused typing: back to the model's text, the cursor where the input began.
        const QString before = fromGameLines(s->text);
        const int cursor = edit->textCursor().position() - static_cast<int>(text.size() - before.size());
        const QSignalBlocker block(edit);
        edit->setPlainText(before);
        QTextCursor c = edit->textCursor();
        c.setPosition(std::clamp(cursor, 0, static_cast<int>(before.size())));
        edit->setTextCursor(c);
        return;
    }
    setText(id, game);
    guard([&] { dialog().onChange(id); });
}

void QtWindow::selected(int id, int index) {
    if (quiet_) return;
    setSelection(id, index);
    guard([&] { dialog().onChange(id); });
}

void QtWindow::checkClicked(int id, bool on) {
    setChecked(id, on);
    guard([&] { dialog().onCommand(id); });
}

void QtWindow::radioClicked(int id) {
    // Without auto-exclusion a click may have unchecked the radio; the model decides.
    for (const int other : radioGroup(id)) setChecked(other, other == id);
    guard([&] { dialog().onCommand(id); });
}

void QtWindow::doubleClicked(int id) {
    guard([&] { dialog().onDoubleClick(id); });
}

void QtWindow::commanded(int id) {
    guard([&] { dialog().onCommand(id); });
}

void QtWindow::spun(int id, int step) { ui::Window::userSpin(id, step); }

void QtWindow::pressEnter() {
    const int id = layout().defaultButton();
    const ControlState* s = find(id);
    if (s && s->def->kind == ControlKind::Button)
        static_cast<QPushButton*>(widgetFor(id))->click();
    else
        ui::Window::userEnter();
}

void QtWindow::pressEscape() {
    if (!isClosed()) ui::Window::userEscape();
}

void QtWindow::runSystemCommand(int command) {
    if (!isClosed()) guard([&] { dialog().onCommand(command); });
}

void QtWindow::forwardMouse(const ui::MouseEvent& event) {
    guard([&] { dialog().onMouse(event); });
}

// --- script actions on the real widgets ------------------------------------

bool QtWindow::userClick(int id) {
    const ControlState* s = find(id);
    if (!s) return false;
    switch (s->def->kind) {
        case ControlKind::Button:
            static_cast<QPushButton*>(widgetFor(id))->click();
            settle();
            return true;
        case ControlKind::Check: return userCheck(id, !s->checked);
        case ControlKind::Radio: return userRadio(id);
        default: return false;
    }
}

bool QtWindow::userType(int id, std::string_view text) {
    const ControlState* s = find(id);
    if (!s || !ui::isTextControl(s->def->kind) || s->def->readOnly) return false;
    QWidget* w = widgetFor(id);
    w->setFocus(Qt::OtherFocusReason);
    const int limit = s->def->limit;
    ++quiet_;
    if (s->def->kind == ControlKind::MultiEdit) {
        auto* edit = static_cast<QPlainTextEdit*>(w);
        const bool over = limit > 0 && text.size() > static_cast<std::size_t>(limit);
        const std::string_view cut = over ? text.substr(0, limit) : text;
        edit->selectAll();
        edit->insertPlainText(fromGameLines(cut));
        --quiet_;
        setText(id, toGameLines(edit->toPlainText()));
    } else {
        QLineEdit* edit = s->def->kind == ControlKind::ComboEdit ? static_cast<QComboBox*>(w)->lineEdit()
                                                                   : static_cast<QLineEdit*>(w);
        // The whole field is replaced, so the limit applies to the new text alone.
        if (limit > 0) edit->setMaxLength(limit);
        edit->selectAll();
        // As typed key by key: the keys the field refuses are left out.
        edit->insert(fromGame(ui::typedText(s->def->typing, text)));
        --quiet_;
        setText(id, toGame(edit->text()));
    }
    guard([&] { dialog().onChange(id); });
    settle();
    return true;
}

bool QtWindow::userSelect(int id, int index) {
    const ControlState* s = find(id);
    if (!s || !ui::isListControl(s->def->kind) || index < -1 || index >= static_cast<int>(s->items.size()))
        return false;
    // The widget's own signal reports the change; choosing the current item again reports it here.
    if (s->def->kind == ControlKind::List) {
        auto* list = static_cast<QListWidget*>(widgetFor(id));
        if (selectedRow(list) != index)
            showSelectedRow(list, index);
        else
            selected(id, index);
    } else {
        auto* combo = static_cast<QComboBox*>(widgetFor(id));
        if (combo->currentIndex() != index)
            combo->setCurrentIndex(index);
        else
            selected(id, index);
    }
    settle();
    return true;
}

bool QtWindow::userDoubleClick(int id, int index) {
    if (!userSelect(id, index)) return false;
    auto* list = qobject_cast<QListWidget*>(widgetFor(id));
    QListWidgetItem* item = list && index >= 0 ? list->item(index) : nullptr;
    if (item)
        emit list->itemDoubleClicked(item);
    else
        dialog().onDoubleClick(id);
    settle();
    return true;
}

bool QtWindow::userCheck(int id, bool on) {
    const ControlState* s = find(id);
    if (!s || s->def->kind != ControlKind::Check) return false;
    if (s->checked == on) return true;
    static_cast<QCheckBox*>(widgetFor(id))->click();
    settle();
    return true;
}

bool QtWindow::userRadio(int id) {
    if (radioGroup(id).empty()) return false;
    static_cast<QRadioButton*>(widgetFor(id))->click();
    settle();
    return true;
}

bool QtWindow::userSpin(int id, int step) {
    const ControlState* s = find(id);
    if (!s || s->def->kind != ControlKind::Spin || !find(s->def->buddy)) return false;
    auto* arrow = widgetFor(id)->findChild<QToolButton*>(step > 0 ? QStringLiteral("up") : QStringLiteral("down"));
    for (int i = 0; i < std::abs(step); ++i) arrow->click();
    settle();
    return true;
}

bool QtWindow::userMouse(const ui::MouseEvent& event) {
    using Kind = ui::MouseEvent::Kind;
    const QEvent::Type type = event.kind == Kind::Move      ? QEvent::MouseMove
                              : event.kind == Kind::Release ? QEvent::MouseButtonRelease
                                                            : QEvent::MouseButtonPress;
    const Qt::MouseButton button = event.kind == Kind::RightDown ? Qt::RightButton
                                   : event.kind == Kind::Move    ? Qt::NoButton
                                                                 : Qt::LeftButton;
    const QPointF local(event.x, event.y);
    QMouseEvent e(type, local, canvas_->mapToGlobal(local), button,
                  type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas_, &e);
    settle();
    return true;
}

void QtWindow::userEscape() {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog_, &e);
    settle();
}

void QtWindow::userEnter() {
    pressEnter();
    settle();
}

bool QtWindow::userF1() {
    if (layout().systemMenu.empty()) return false;
    QKeyEvent e(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog_, &e);
    settle();
    return true;
}

// As the context menu does once it is gone.
bool QtWindow::userMenu(int command) {
    if (!hasMenuItem(command)) return false;
    runSystemCommand(command);
    settle();
    return true;
}

// --- model to widgets --------------------------------------------------------

void QtWindow::refreshControl(int id) {
    const ControlState* s = find(id);
    QWidget* w = widgetFor(id);
    if (!s || !w) return;
    switch (s->def->kind) {
        case ControlKind::Static: {
            auto* label = static_cast<QLabel*>(w);
            const QString text = staticText(fromGame(s->text));
            if (label->text() != text) label->setText(text);
            break;
        }
        case ControlKind::Group: {
            auto* box = static_cast<QGroupBox*>(w);
            const QString text = fromGame(s->text);
            if (box->title() != text) box->setTitle(text);
            break;
        }
        case ControlKind::Edit:
        case ControlKind::NumberEdit:
            showLineText(static_cast<QLineEdit*>(w), fromGame(s->text), s->def->limit);
            break;
        case ControlKind::MultiEdit: {
            auto* edit = static_cast<QPlainTextEdit*>(w);
            const QString text = fromGameLines(s->text);
            if (edit->toPlainText() != text) {
                const QSignalBlocker block(edit);
                edit->setPlainText(text);
            }
            break;
        }
        case ControlKind::Check:
        case ControlKind::Radio: {
            auto* button = static_cast<QAbstractButton*>(w);
            if (button->isChecked() != s->checked) {
                const QSignalBlocker block(button);
                button->setChecked(s->checked);
            }
            break;
        }
        case ControlKind::List: {
            auto* list = static_cast<QListWidget*>(w);
            const QSignalBlocker block(list);
            const QStringList items = toQt(s->items);
            bool same = list->count() == items.size();
            for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == items[i];
            if (!same) {
                list->clear();
                list->addItems(items);
            }
            showSelectedRow(list, s->selection);
            break;
        }
        case ControlKind::ComboEdit:
        case ControlKind::ComboList: {
            auto* combo = static_cast<QComboBox*>(w);
            const QSignalBlocker block(combo);
            QLineEdit* edit = combo->lineEdit();
            // Changing the items or the index rewrites the edit field; the typing position survives it.
            const int cursor = edit ? edit->cursorPosition() : 0;
            const QStringList items = toQt(s->items);
            bool same = combo->count() == items.size();
            for (int i = 0; same && i < combo->count(); ++i) same = combo->itemText(i) == items[i];
            if (!same) {
                combo->clear();
                combo->addItems(items);
            }
            if (combo->currentIndex() != s->selection) combo->setCurrentIndex(s->selection);
            if (edit) {
                const QString text = fromGame(s->text);
                showLineText(edit, text, s->def->limit);
                if (edit->hasFocus()) edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
            }
            break;
        }
        default: break;
    }
}

void QtWindow::refreshCaption() { dialog_->setWindowTitle(fromGame(caption())); }

void QtWindow::refreshFocus() {
    if (QWidget* w = widgetFor(focused())) w->setFocus(Qt::OtherFocusReason);
}

void QtWindow::refreshClient() { canvas_->update(); }

void QtWindow::onClosed() {
    if (dialog_) dialog_->done(result());
}

}  // namespace kestrel::qt
