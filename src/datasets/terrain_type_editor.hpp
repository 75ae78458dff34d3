// The terrain type editor: names, subtypes, move cost and class, and the
// 3x3 form with its grid of real-tile marks.
#pragma once
#include <array>

#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

struct TerrainTypeIds {
    static constexpr int kName = 1036, kAdjoins = 1037, kFirstSubtype = 1038, kSecondSubtype = 1039;
    static constexpr int kClass = 1041, kMoveCost = 1042, kGridMoveCost = 1043, kGridClass = 1049;
    // The mark boxes: each row's ids run along its nine columns.
    static constexpr std::array<int, 3> kFirstMarkOfRow{1323, 1332, 1350};
    static constexpr int mark(int column, int row) { return kFirstMarkOfRow[row] + column; }
};

class TerrainTypeEditor : public EntryEditor {
public:
    TerrainTypeEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
