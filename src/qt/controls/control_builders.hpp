// One builder per control kind, chosen by kind: each makes the widget of its
// kind at the control's pixel rectangle and wires it to the window's reports.
// A new kind is a builder in the file of its kind and a line in the table.
#pragma once
#include <QRect>

#include "ui/layout.hpp"

class QWidget;

namespace kestrel::qt {

class QtWindow;

// The widget of `def` on `parent`; nullptr for kinds that paint on the client.
using ControlBuilder = QWidget* (*)(QtWindow& window, const ui::ControlDef& def, QWidget* parent);

// The builder of `kind`; nullptr only for a kind left out of the table.
ControlBuilder controlBuilder(ui::ControlKind kind);

QRect pixelRect(const ui::Rect& du);
// `w` at the control's pixel rectangle.
QWidget* placed(QWidget* w, const ui::ControlDef& def);

// static_controls.cpp: what only shows, and lets clicks through to the client.
QWidget* buildStatic(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
QWidget* buildGroup(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
QWidget* buildFrame(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
QWidget* buildIcon(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
QWidget* buildCanvas(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
// edit_controls.cpp
QWidget* buildLineEdit(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
QWidget* buildMultiEdit(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
// button_controls.cpp
QWidget* buildButton(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
QWidget* buildCheck(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
QWidget* buildRadio(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
// list_controls.cpp
QWidget* buildList(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
QWidget* buildCombo(QtWindow& window, const ui::ControlDef& def, QWidget* parent);
// spin_control.cpp
QWidget* buildSpin(QtWindow& window, const ui::ControlDef& def, QWidget* parent);

}  // namespace kestrel::qt
