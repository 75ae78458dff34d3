#include "datasets/ruin_set_editor.hpp"

#include "datasets/ruin_set.hpp"

namespace kestrel::datasets {

RuinSetEditor::RuinSetEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::RuinSet), std::move(entryName)) {}

void RuinSetEditor::load(const std::optional<core::Bytes>& record) {
    if (record) setChecked(RuinSetIds::kRemoveTop, readRuinSet(*record).removeTop);
}

std::optional<core::Bytes> RuinSetEditor::save() {
    return writeRuinSet({entryName(), checked(RuinSetIds::kRemoveTop)});
}

}  // namespace kestrel::datasets
