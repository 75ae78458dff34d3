#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "qt/controls/control_builders.hpp"
#include "qt/controls/list_box.hpp"
#include "qt/qt_text.hpp"
#include "qt/qt_window.hpp"

namespace kestrel::qt {

namespace {

constexpr int kComboHeightDu = 14;

}  // namespace

QWidget* buildList(QtWindow& window, const ui::ControlDef& def, QWidget* parent) {
    auto* list = new ListBox(parent);
    const int id = def.id;
    // The selection, not the current row: focusing a list makes a row current without choosing it.
    QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                     [&window, id, list] { window.selected(id, selectedRow(list)); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [&window, id] { window.doubleClicked(id); });
    return placed(list, def);
}

// ComboEdit and ComboList: the drop-down, with an edit field for ComboEdit.
QWidget* buildCombo(QtWindow& window, const ui::ControlDef& def, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    const int id = def.id;
    if (def.kind == ui::ControlKind::ComboEdit) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);  // typing must not complete item names
        QLineEdit* e = combo->lineEdit();
        e->setValidator(new GameTextValidator(e));
        if (def.limit > 0) e->setMaxLength(def.limit);
        QObject::connect(e, &QLineEdit::textEdited, combo, [&window, id] { window.edited(id); });
    }
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                     [&window, id](int index) { window.selected(id, index); });
    // The rectangle may include the drop-down list; the closed box is one line.
    QRect r = pixelRect(def.rect);
    r.setHeight(std::min(r.height(), ui::toPixelsY(kComboHeightDu)));
    combo->setGeometry(r);
    return combo;
}

}  // namespace kestrel::qt
