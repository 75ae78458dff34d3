#include <QToolButton>

#include "qt/controls/control_builders.hpp"
#include "qt/qt_window.hpp"

namespace kestrel::qt {

// Two arrows, named "up" and "down", that step the buddy field; they never
// take the focus from it.
QWidget* buildSpin(QtWindow& window, const ui::ControlDef& def, QWidget* parent) {
    auto* box = new QWidget(parent);
    const QRect r = pixelRect(def.rect);
    auto* up = new QToolButton(box);
    auto* down = new QToolButton(box);
    up->setObjectName(QStringLiteral("up"));
    down->setObjectName(QStringLiteral("down"));
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setGeometry(0, 0, r.width(), r.height() / 2);
    down->setGeometry(0, r.height() / 2, r.width(), r.height() - r.height() / 2);
    for (auto* arrow : {up, down}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
    }
    const int id = def.id;
    QObject::connect(up, &QToolButton::clicked, up, [&window, id] { window.spun(id, 1); });
    QObject::connect(down, &QToolButton::clicked, down, [&window, id] { window.spun(id, -1); });
    box->setGeometry(r);
    return box;
}

}  // namespace kestrel::qt
