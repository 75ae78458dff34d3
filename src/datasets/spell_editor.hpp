// The spell editor: name, description, mana cost and four special abilities.
#pragma once
#include "datasets/ability_controls.hpp"
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

struct SpellIds {
    static constexpr int kName = 1036, kDescription = 1033, kManaCost = 1091;
    static constexpr AbilityControls kAbilities[4] = {
        {1153, 1115, 1116, 1156}, {1157, 1159, 1160, 1158}, {1161, 1163, 1164, 1162}, {1165, 1167, 1168, 1166}};
};

class SpellEditor : public EntryEditor {
public:
    SpellEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
