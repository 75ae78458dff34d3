// The item editor: the record's fields and the item's icon, a cell of the
// icon sheet of the chosen graphic set.
#pragma once
#include "datasets/ability_controls.hpp"
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

struct ItemIds {
    static constexpr int kName = 1036, kDescription = 1033, kIcon = 1209, kIconSpin = 1198, kIconFrame = 1197;
    static constexpr int kFirstPower = 1189;  // to 1193
    static constexpr int kValue = 1194, kHasCharges = 1201, kCharges = 1186, kHasLimit = 1202, kLimit = 1188;
    static constexpr int kGraphicSet = 1199;
    static constexpr AbilityControls kAbilities[2] = {{1153, 1154, 1155, 1156}, {1158, 1160, 1161, 1159}};
};

// Where the icon cell is drawn, in client pixels.
inline constexpr int kItemIconX = 278, kItemIconY = 175;

class ItemEditor : public EntryEditor {
public:
    ItemEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

    void onChange(int id) override;
    void onPaint(pictures::Surface& client) override;

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
