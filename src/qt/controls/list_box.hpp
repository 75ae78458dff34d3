// A list box as the dialog system draws one: without a selection no row
// looks chosen, not even the one that taking the focus makes current.
#pragma once
#include <QListWidget>
#include <QSignalBlocker>

namespace kestrel::qt {

class ListBox : public QListWidget {
public:
    using QListWidget::QListWidget;

    void forgetUnchosenRow() {
        if (!selectedItems().isEmpty() || !currentIndex().isValid()) return;
        const QSignalBlocker block(this);
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }

protected:
    void focusInEvent(QFocusEvent* e) override {
        QListWidget::focusInEvent(e);
        forgetUnchosenRow();
    }
};

}  // namespace kestrel::qt
