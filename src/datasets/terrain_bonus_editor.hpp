// The terrain bonus editor: the name and the picture import.
#pragma once
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

struct TerrainBonusIds {
    static constexpr int kName = 1036;
};

class TerrainBonusEditor : public EntryEditor {
public:
    TerrainBonusEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
