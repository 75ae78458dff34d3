#include "datasets/hero_type_editor.hpp"

#include <vector>

#include "datasets/entry_lists.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

namespace {

using Ids = HeroTypeIds;
using Limits = HeroTypeLimits;

// A list with nothing chosen stores its first position.
int chosen(const ui::Dialog& dialog, int id) { return std::max(dialog.selection(id), 0); }

}  // namespace

HeroTypeEditor::HeroTypeEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::HeroType), std::move(entryName)) {}

void HeroTypeEditor::onCommand(int id) {
    if (id == Ids::kImportMale)
        importPicture("m");
    else if (id == Ids::kImportFemale)
        importPicture("f");
    else
        EntryEditor::onCommand(id);
}

void HeroTypeEditor::load(const std::optional<core::Bytes>& record) {
    for (const auto& ids : Ids::kAbilities) offerAbilities(*this, ids.ability, heroAbilities());
    setItems(Ids::kMoveSound, heroMoveSounds());
    setItems(Ids::kFacing, heroFacings());
    for (const int id : Ids::kTriggers) setItems(id, heroSoundTriggers());
    if (!record) return;
    const HeroType h = readHeroType(*record);
    setText(Ids::kMaleName, h.maleName);
    setText(Ids::kFemaleName, h.femaleName);
    setText(Ids::kDescription, h.description);
    setNumber(Ids::kMedalChance, h.medalChance);
    setNumber(Ids::kStrength, h.strength);
    setNumber(Ids::kMove, h.move);
    setNumber(Ids::kHits, h.hits);
    setNumber(Ids::kView, h.view);
    setNumber(Ids::kCombatBonus, h.combatBonus);
    for (std::size_t i = 0; i < kHeroLevels; ++i) {
        const auto& ids = Ids::kLevels[i];
        setText(ids.maleName, h.maleLevels[i]);
        setText(ids.femaleName, h.femaleLevels[i]);
        setNumber(ids.xp, h.xp[i]);
        setNumber(ids.ap, h.ap[i]);
    }
    for (std::size_t i = 0; i < kHeroAbilities; ++i) {
        showAbility(*this, Ids::kAbilities[i].ability, heroAbilities(), h.abilities[i]);
        setNumber(Ids::kAbilities[i].cost, h.costs[i]);
    }
    for (std::size_t i = 0; i < kHeroDefaultNames; ++i) {
        setText(Ids::kDefaultNames[i].name, h.defaultNames[i].name);
        setChecked(Ids::kDefaultNames[i].female, h.defaultNames[i].female);
    }
    setSelection(Ids::kMoveSound, h.moveSound);
    setSelection(Ids::kFacing, h.facing);
    for (std::size_t i = 0; i < kHeroSoundTriggers; ++i) {
        setSelection(Ids::kTriggers[i], h.triggers[i]);
        setNumber(Ids::kTriggerCounts[i], h.triggerCounts[i]);
    }
    // The lists first, so a stored name can select the entry it begins.
    fillSubtypeList(root(), this,
                    {Ids::kMoveTerrains[0], Ids::kMoveTerrains[1], Ids::kMoveTerrains[2], Ids::kMoveTerrains[3],
                     Ids::kCombatTerrain});
    for (std::size_t i = 0; i < kHeroMoveTerrains; ++i) selectByPrefix(Ids::kMoveTerrains[i], h.moveTerrains[i]);
    selectByPrefix(Ids::kCombatTerrain, h.combatTerrain);
}

std::optional<core::Bytes> HeroTypeEditor::save() {
    ui::DataExchange dx(*this);
    HeroType h;
    dx.text(Ids::kMaleName, Limits::kName, h.maleName);
    dx.text(Ids::kFemaleName, Limits::kName, h.femaleName);
    dx.text(Ids::kDescription, Limits::kDescription, h.description);
    dx.integer(Ids::kMedalChance, Limits::kMinMedal, Limits::kMaxMedal, h.medalChance);
    dx.integer(Ids::kStrength, 0, Limits::kMaxStrength, h.strength);
    dx.integer(Ids::kMove, 0, Limits::kMaxMove, h.move);
    dx.integer(Ids::kHits, 0, Limits::kMaxHits, h.hits);
    dx.integer(Ids::kView, 0, Limits::kMaxView, h.view);
    for (std::size_t i = 0; i < kHeroMoveTerrains; ++i)
        dx.text(Ids::kMoveTerrains[i], Limits::kTerrain, h.moveTerrains[i]);
    dx.text(Ids::kCombatTerrain, Limits::kTerrain, h.combatTerrain);
    dx.integer(Ids::kCombatBonus, 0, Limits::kMaxCombatBonus, h.combatBonus);
    for (std::size_t i = 0; i < kHeroLevels; ++i) {
        const auto& ids = Ids::kLevels[i];
        dx.text(ids.maleName, Limits::kLevelName, h.maleLevels[i]);
        dx.text(ids.femaleName, Limits::kLevelName, h.femaleLevels[i]);
        dx.integer(ids.xp, 0, Limits::kMaxXp, h.xp[i]);
        dx.integer(ids.ap, 0, Limits::kMaxAp, h.ap[i]);
    }
    for (std::size_t i = 0; i < kHeroAbilities; ++i) {
        h.abilities[i] = readAbilityControls(dx, *this, Ids::kAbilities[i].ability, heroAbilities());
        dx.integer(Ids::kAbilities[i].cost, 0, Limits::kMaxCost, h.costs[i]);
    }
    for (std::size_t i = 0; i < kHeroDefaultNames; ++i) {
        dx.text(Ids::kDefaultNames[i].name, Limits::kDefaultName, h.defaultNames[i].name);
        h.defaultNames[i].female = checked(Ids::kDefaultNames[i].female);
    }
    for (std::size_t i = 0; i < kHeroSoundTriggers; ++i)
        dx.integer(Ids::kTriggerCounts[i], 0, Limits::kMaxTriggerCount, h.triggerCounts[i]);
    if (!dx.ok()) return std::nullopt;
    h.entryName = entryName();
    h.malePicture = heroPictureName(entryName(), false);
    h.femalePicture = heroPictureName(entryName(), true);
    h.moveSound = chosen(*this, Ids::kMoveSound);
    h.facing = chosen(*this, Ids::kFacing);
    for (std::size_t i = 0; i < kHeroSoundTriggers; ++i) h.triggers[i] = chosen(*this, Ids::kTriggers[i]);
    return writeHeroType(h);
}

}  // namespace kestrel::datasets
