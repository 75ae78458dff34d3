// The army type editor: the record's fields, the terrain subtypes of the
// move and combat bonuses, the special ability, sounds and facing.
#pragma once
#include "datasets/ability_controls.hpp"
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

struct ArmyTypeIds {
    static constexpr int kName = 1036, kDescription = 1033, kMedalChance = 1122;
    static constexpr int kStrength = 1099, kMove = 1100, kHits = 1101, kTime = 1102, kUpkeep = 1103, kViewRange = 1104;
    static constexpr int kSubtypes[2] = {1038, 1039};
    static constexpr int kMoveBonuses[4] = {1105, 1106, 1107, 1108};
    static constexpr int kCanFly = 1109, kCombatBonus = 1110, kCombatBonusValue = 1111;
    static constexpr int kNewCost = 1114, kSetupPoints = 1113;
    static constexpr AbilityControls kAbility = {1112, 1115, 1116, 1117};
    static constexpr int kMoveSound = 1118, kFacing = 1119;
    static constexpr int kTriggers[2] = {1303, 1304}, kTriggerNumbers[2] = {1120, 1121};
};

class ArmyTypeEditor : public EntryEditor {
public:
    ArmyTypeEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
