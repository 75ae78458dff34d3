#include "datasets/entry_editor.hpp"

#include "core/cp1252.hpp"
#include "datasets/catalogue_ops.hpp"
#include "ui/host.hpp"

namespace kestrel::datasets {

EntryEditor::EntryEditor(ui::Host& host, const core::DataRoot& root, const KindInfo& kind, std::string entryName)
    : ui::Dialog(host, kind.entryEditor), root_(root), kind_(kind), entryName_(std::move(entryName)) {}

void EntryEditor::onInit() {
    if (!kind_.captionPrefix.empty()) setCaption(std::string(kind_.captionPrefix) + entryName_);
    // One byte more than the record, so a codec can tell a file of exactly
    // its size from a longer one.
    const auto record = root_.read(recordPath(kind_, entryName_), kind_.recordSize + 1);
    load(record);
    // A vanished record opens with its initial values and OK makes it anew:
    // number fields left empty would refuse that OK.
    if (!record)
        for (const auto& control : layout().controls)
            if (control.kind == ui::ControlKind::NumberEdit && text(control.id).empty()) setNumber(control.id, 0);
}

void EntryEditor::onCommand(int id) {
    if (id == kImportPictureId)
        importPicture();
    else
        ui::Dialog::onCommand(id);
}

bool EntryEditor::onOk() {
    const auto record = save();
    if (!record) return false;
    const std::string path = recordPath(kind_, entryName_);
    if (root_.writeAtomic(path, *record)) return true;
    // Closing would lose the user's changes without a word.
    host().error("Error writing " + path);
    return false;
}

void EntryEditor::importPicture(std::string_view nameSuffix) {
    const auto chosen = host().chooseFileToOpen(kPictureFilters);
    if (!chosen || chosen->empty()) return;
    const auto result = datasets::importPicture(root_, kind_, entryName_, *chosen, nameSuffix);
    using Status = ImportResult::Status;
    // Silence here would leave the user believing the picture was taken.
    if (result.status == Status::CannotRead)
        host().error("Error reading " + core::utf8ToCp1252(*chosen).value_or(*chosen) + " (" +
                     std::string(core::describe(result.readError)) + ")");
    else if (result.status == Status::CannotWrite)
        host().error("Error writing " + result.target);
}

}  // namespace kestrel::datasets
