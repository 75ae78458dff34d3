#include "datasets/entry_list_panel.hpp"

#include "core/text_case.hpp"
#include "datasets/catalogue_ops.hpp"
#include "datasets/entry_editors.hpp"
#include "ui/host.hpp"

namespace kestrel::datasets {

EntryListPanel::EntryListPanel(ui::Dialog& dialog, const core::DataRoot& root, const KindInfo& kind, int listId,
                               int nameId, std::string filePrefix, EntryHandlers handlers)
    : dialog_(dialog),
      root_(root),
      kind_(kind),
      listId_(listId),
      nameId_(nameId),
      filePrefix_(std::move(filePrefix)),
      handlers_(handlers) {}

void EntryListPanel::remember() {
    typedName_ = dialog_.text(nameId_);
    selectedName_ = dialog_.selectedText(listId_);
}

void EntryListPanel::show(const std::vector<std::string>& fileNames) {
    std::vector<std::string> names;
    for (const auto& file : fileNames) {
        if (filePrefix_.empty()) names.push_back(file);
        // A file named by the letter alone names no entry.
        else if (file.size() > filePrefix_.size() && core::startsWithNoCase(file, filePrefix_))
            names.push_back(file.substr(filePrefix_.size()));
    }
    dialog_.setItems(listId_, names);
    dialog_.setText(nameId_, typedName_);
    dialog_.selectByPrefix(listId_, selectedName_);
}

void EntryListPanel::selectNothing() { dialog_.setSelection(listId_, -1); }

bool EntryListPanel::createNew() {
    if (typedName_.empty()) return false;
    const std::string file = fileName(typedName_);
    const auto record = handlers_.newRecord(kind_, file);
    if (!record) {
        dialog_.host().notice(kNotAvailableMessage);
        return false;
    }
    switch (createEntry(root_, kind_, file, *record)) {
        case NewResult::Exists:
            dialog_.host().error(kind_.existsMessage);
            return false;
        case NewResult::CannotCreate:
            dialog_.host().error(kind_.createErrorMessage);
            return false;
        case NewResult::EmptyName:
            return false;
        case NewResult::Created:
            return true;
    }
    return false;
}

bool EntryListPanel::deleteSelected() {
    if (selectedName_.empty()) return false;
    deleteEntry(root_, kind_, fileName(selectedName_));
    return true;
}

void EntryListPanel::editSelected() {
    if (selectedName_.empty()) return;
    const auto editor = handlers_.makeEditor(kind_, dialog_.host(), root_, fileName(selectedName_));
    if (!editor) {
        dialog_.host().notice(kNotAvailableMessage);
        return;
    }
    dialog_.host().runModal(*editor);
}

}  // namespace kestrel::datasets
