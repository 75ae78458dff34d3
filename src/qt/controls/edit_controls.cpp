#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>

#include "qt/controls/control_builders.hpp"
#include "qt/qt_text.hpp"
#include "qt/qt_window.hpp"

namespace kestrel::qt {

namespace {

// As Windows shows a read-only field: on the dialog's face rather than the
// white of a field one types into, so nobody tries to type there.
void setReadOnlyLook(QWidget* e, bool readOnly) {
    if (!readOnly) return;
    QPalette p = e->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setBrush(group, QPalette::Base, p.brush(group, QPalette::Window));
    e->setPalette(p);
}

}  // namespace

// Edit and NumberEdit: one line, typing filtered as the keys arrive.
QWidget* buildLineEdit(QtWindow& window, const ui::ControlDef& def, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setValidator(new GameTextValidator(e, def.typing));
    if (def.limit > 0) e->setMaxLength(def.limit);
    e->setReadOnly(def.readOnly);
    setReadOnlyLook(e, def.readOnly);
    QObject::connect(e, &QLineEdit::textEdited, e, [&window, id = def.id] { window.edited(id); });
    return placed(e, def);
}

QWidget* buildMultiEdit(QtWindow& window, const ui::ControlDef& def, QWidget* parent) {
    auto* e = new QPlainTextEdit(parent);
    e->setReadOnly(def.readOnly);
    setReadOnlyLook(e, def.readOnly);
    e->setTabChangesFocus(true);  // Tab moves on in a dialog; Enter stays a line break
    QObject::connect(e, &QPlainTextEdit::textChanged, e, [&window, id = def.id] { window.multiEdited(id); });
    return placed(e, def);
}

}  // namespace kestrel::qt
