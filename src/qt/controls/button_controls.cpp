#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "qt/controls/control_builders.hpp"
#include "qt/qt_text.hpp"
#include "qt/qt_window.hpp"

namespace kestrel::qt {

QWidget* buildButton(QtWindow& window, const ui::ControlDef& def, QWidget* parent) {
    auto* b = new QPushButton(fromGame(def.label), parent);
    b->setAutoDefault(false);
    b->setDefault(def.isDefault);
    QObject::connect(b, &QPushButton::clicked, b, [&window, id = def.id] { window.commanded(id); });
    return placed(b, def);
}

QWidget* buildCheck(QtWindow& window, const ui::ControlDef& def, QWidget* parent) {
    auto* c = new QCheckBox(fromGame(def.label), parent);
    QObject::connect(c, &QCheckBox::clicked, c, [&window, id = def.id](bool on) { window.checkClicked(id, on); });
    return placed(c, def);
}

QWidget* buildRadio(QtWindow& window, const ui::ControlDef& def, QWidget* parent) {
    auto* r = new QRadioButton(fromGame(def.label), parent);
    r->setAutoExclusive(false);  // the model's runs of radios are the groups
    QObject::connect(r, &QRadioButton::clicked, r, [&window, id = def.id] { window.radioClicked(id); });
    return placed(r, def);
}

}  // namespace kestrel::qt
