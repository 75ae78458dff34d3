// The ruin set editor: one check box and the picture import.
#pragma once
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

struct RuinSetIds {
    static constexpr int kRemoveTop = 1329;
};

class RuinSetEditor : public EntryEditor {
public:
    RuinSetEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
