// The flag editor: only the picture import. It neither reads nor writes the
// flag's record and keeps its own caption.
#pragma once
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

class FlagEditor : public EntryEditor {
public:
    FlagEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

    void onInit() override {}
    bool onOk() override { return true; }

protected:
    void load(const std::optional<core::Bytes>&) override {}
    std::optional<core::Bytes> save() override { return std::nullopt; }
};

}  // namespace kestrel::datasets
