#include "datasets/list_dialog.hpp"

#include "datasets/catalogue_ops.hpp"
#include "datasets/entry_editors.hpp"
#include "ui/host.hpp"

namespace kestrel::datasets {

ListDialog::ListDialog(ui::Host& host, const core::DataRoot& root, const KindInfo& kind)
    : ui::Dialog(host, kind.listDialog), root_(root), kind_(kind) {}

void ListDialog::onInit() {
    fill();
    setSelection(kListId, -1);
}

void ListDialog::onCommand(int id) {
    remember();
    if (id == kNewId)
        createNew();
    else if (id == kDeleteId)
        deleteSelected();
    else
        ui::Dialog::onCommand(id);
}

void ListDialog::onDoubleClick(int id) {
    if (id != kListId) return;
    remember();
    editSelected();
}

// The two strings that survive a refill.
void ListDialog::remember() {
    typedName_ = text(kNameId);
    selectedName_ = selectedText(kListId);
}

void ListDialog::fill() {
    setItems(kListId, listEntries(root_, kind_));
    setText(kNameId, typedName_);
    selectByPrefix(kListId, selectedName_);
}

void ListDialog::createNew() {
    if (typedName_.empty()) return;
    const auto record = newRecord(kind_, typedName_);
    if (!record) {
        host().notice(kNotAvailableMessage);
        return;
    }
    switch (createEntry(root_, kind_, typedName_, *record)) {
        case NewResult::Exists: host().error(kind_.existsMessage); return;
        case NewResult::CannotCreate: host().error(kind_.createErrorMessage); return;
        case NewResult::EmptyName: return;
        case NewResult::Created: fill(); return;
    }
}

void ListDialog::editSelected() {
    if (selectedName_.empty()) return;
    const auto editor = makeEntryEditor(kind_, host(), root_, selectedName_);
    if (!editor) {
        host().notice(kNotAvailableMessage);
        return;
    }
    host().runModal(*editor);
}

void ListDialog::deleteSelected() {
    if (selectedName_.empty()) return;
    deleteEntry(root_, kind_, selectedName_);
    fill();
}

}  // namespace kestrel::datasets
