// The terrain subtype editor: the name and its condensed form.
#pragma once
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

struct TerrainSubtypeIds {
    static constexpr int kName = 1036, kCondensedName = 1037;
};

class TerrainSubtypeEditor : public EntryEditor {
public:
    TerrainSubtypeEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
