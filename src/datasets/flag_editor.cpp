#include "datasets/flag_editor.hpp"

namespace kestrel::datasets {

FlagEditor::FlagEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::Flag), std::move(entryName)) {}

}  // namespace kestrel::datasets
