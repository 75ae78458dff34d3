// Controls that only show something. As on Windows, clicks pass through them
// to the painted client beneath.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include "qt/app_icon.hpp"
#include "qt/controls/control_builders.hpp"
#include "qt/qt_text.hpp"
#include "qt/qt_window.hpp"

namespace kestrel::qt {

namespace {

QWidget* passive(QWidget* w, const ui::ControlDef& def) {
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    return placed(w, def);
}

}  // namespace

QWidget* buildStatic(QtWindow&, const ui::ControlDef& def, QWidget* parent) {
    auto* s = new QLabel(staticText(fromGame(def.label)), parent);
    s->setWordWrap(true);
    s->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return passive(s, def);
}

QWidget* buildGroup(QtWindow&, const ui::ControlDef& def, QWidget* parent) {
    return passive(new QGroupBox(fromGame(def.label), parent), def);
}

QWidget* buildFrame(QtWindow&, const ui::ControlDef& def, QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return passive(f, def);
}

QWidget* buildIcon(QtWindow&, const ui::ControlDef& def, QWidget* parent) {
    auto* icon = new QLabel(parent);
    icon->setPixmap(appIconPixmap(32));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return passive(icon, def);
}

// A canvas paints on the window's client widget and has none of its own.
QWidget* buildCanvas(QtWindow&, const ui::ControlDef&, QWidget*) { return nullptr; }

}  // namespace kestrel::qt
