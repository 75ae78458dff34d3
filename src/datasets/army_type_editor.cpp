#include "datasets/army_type_editor.hpp"

#include <vector>

#include "datasets/army_type.hpp"
#include "datasets/entry_lists.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

namespace {

using Ids = ArmyTypeIds;
using Lim = ArmyTypeLimits;

}  // namespace

ArmyTypeEditor::ArmyTypeEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::ArmyType), std::move(entryName)) {}

void ArmyTypeEditor::load(const std::optional<core::Bytes>& record) {
    offerAbilities(*this, Ids::kAbility, armyAbilities());
    setItems(Ids::kMoveSound, armyMoveSounds());
    setItems(Ids::kFacing, armyFacings());
    for (const int id : Ids::kTriggers) setItems(id, armySoundTriggers());
    if (!record) {
        // Numbers start at 0, lists with nothing chosen, the subtype lists empty.
        for (const int id :
             {Ids::kMedalChance, Ids::kStrength, Ids::kMove, Ids::kHits, Ids::kTime, Ids::kUpkeep, Ids::kViewRange,
              Ids::kCombatBonusValue, Ids::kNewCost, Ids::kSetupPoints, Ids::kAbility.first, Ids::kAbility.second,
              Ids::kTriggerNumbers[0], Ids::kTriggerNumbers[1]})
            setNumber(id, 0);
        return;
    }
    const ArmyType a = readArmyType(*record);
    setText(Ids::kName, a.name);
    setText(Ids::kDescription, a.description);
    setNumber(Ids::kMedalChance, a.medalChance);
    setNumber(Ids::kStrength, a.strength);
    setNumber(Ids::kMove, a.move);
    setNumber(Ids::kHits, a.hits);
    setNumber(Ids::kTime, a.time);
    setNumber(Ids::kUpkeep, a.upkeep);
    setNumber(Ids::kViewRange, a.viewRange);
    for (int i = 0; i < 2; ++i) setText(Ids::kSubtypes[i], a.subtypes[i]);
    setNumber(Ids::kCombatBonusValue, a.combatBonusValue);
    setNumber(Ids::kNewCost, a.newCost);
    setNumber(Ids::kSetupPoints, a.setupPoints);
    showAbility(*this, Ids::kAbility, armyAbilities(), a.ability);
    setSelection(Ids::kMoveSound, a.moveSound);
    setSelection(Ids::kFacing, a.facing);
    for (int i = 0; i < 2; ++i) {
        setSelection(Ids::kTriggers[i], a.triggers[i]);
        setNumber(Ids::kTriggerNumbers[i], a.triggerNumbers[i]);
    }
    const bool flies = canFly(a);
    setChecked(Ids::kCanFly, flies);
    fillSubtypeList(
        root(), this,
        {Ids::kMoveBonuses[0], Ids::kMoveBonuses[1], Ids::kMoveBonuses[2], Ids::kMoveBonuses[3], Ids::kCombatBonus});
    for (int i = 0; i < 4; ++i) selectByPrefix(Ids::kMoveBonuses[i], i == 0 && flies ? "" : a.moveBonuses[i]);
    selectByPrefix(Ids::kCombatBonus, a.combatBonus);
}

std::optional<core::Bytes> ArmyTypeEditor::save() {
    ui::DataExchange dx(*this);
    ArmyType a;
    a.entryName = entryName();
    dx.text(Ids::kName, Lim::kName, a.name);
    dx.text(Ids::kDescription, Lim::kDescription, a.description);
    dx.integer(Ids::kMedalChance, 0, Lim::kMaxMedalChance, a.medalChance);
    dx.integer(Ids::kStrength, 0, Lim::kMaxStrength, a.strength);
    dx.integer(Ids::kMove, 0, Lim::kMaxMove, a.move);
    dx.integer(Ids::kHits, 0, Lim::kMaxHits, a.hits);
    dx.integer(Ids::kTime, 0, Lim::kMaxTime, a.time);
    dx.integer(Ids::kUpkeep, 0, Lim::kMaxUpkeep, a.upkeep);
    dx.integer(Ids::kViewRange, 0, Lim::kMaxViewRange, a.viewRange);
    for (int i = 0; i < 2; ++i) dx.text(Ids::kSubtypes[i], Lim::kSubtype, a.subtypes[i]);
    for (int i = 0; i < 4; ++i) dx.text(Ids::kMoveBonuses[i], Lim::kSubtype, a.moveBonuses[i]);
    dx.text(Ids::kCombatBonus, Lim::kSubtype, a.combatBonus);
    dx.integer(Ids::kCombatBonusValue, 0, Lim::kMaxCombatBonus, a.combatBonusValue);
    dx.integer(Ids::kNewCost, 0, Lim::kMaxCost, a.newCost);
    dx.integer(Ids::kSetupPoints, 0, Lim::kMaxCost, a.setupPoints);
    a.ability = readAbilityControls(dx, *this, Ids::kAbility, armyAbilities(), ValueRange{0, Lim::kMaxAbilityValue});
    for (int i = 0; i < 2; ++i) dx.integer(Ids::kTriggerNumbers[i], 0, Lim::kMaxTriggerNumber, a.triggerNumbers[i]);
    if (!dx.ok()) return std::nullopt;
    if (checked(Ids::kCanFly)) a.moveBonuses[0] = std::string(kFlyMoveBonus);
    a.moveSound = selection(Ids::kMoveSound);
    a.facing = selection(Ids::kFacing);
    for (int i = 0; i < 2; ++i) a.triggers[i] = selection(Ids::kTriggers[i]);
    return writeArmyType(a);
}

}  // namespace kestrel::datasets
