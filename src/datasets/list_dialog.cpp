#include "datasets/list_dialog.hpp"

#include "datasets/catalogue_ops.hpp"

namespace kestrel::datasets {

ListDialog::ListDialog(ui::Host& host, const core::DataRoot& root, const KindInfo& kind, EntryHandlers handlers)
    : ui::Dialog(host, kind.listDialog),
      root_(root),
      kind_(kind),
      panel_(*this, root, kind, kListId, kNameId, {}, handlers) {}

void ListDialog::onInit() {
    fill();
    panel_.selectNothing();
}

void ListDialog::onCommand(int id) {
    panel_.remember();
    if (id == kNewId) {
        if (panel_.createNew()) fill();
    } else if (id == kDeleteId) {
        if (panel_.deleteSelected()) fill();
    } else {
        ui::Dialog::onCommand(id);
    }
}

void ListDialog::onDoubleClick(int id) {
    if (id != kListId) return;
    panel_.remember();
    panel_.editSelected();
}

void ListDialog::fill() { panel_.show(listEntries(root_, kind_)); }

}  // namespace kestrel::datasets
