#include "datasets/entry_editors.hpp"

#include "datasets/advisor.hpp"
#include "datasets/advisor_editor.hpp"
#include "datasets/army_type.hpp"
#include "datasets/army_type_editor.hpp"
#include "datasets/city_set.hpp"
#include "datasets/city_set_editor.hpp"
#include "datasets/flag.hpp"
#include "datasets/flag_editor.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/hero_type_editor.hpp"
#include "datasets/item.hpp"
#include "datasets/item_editor.hpp"
#include "datasets/ruin_set.hpp"
#include "datasets/ruin_set_editor.hpp"
#include "datasets/shield.hpp"
#include "datasets/shield_editor.hpp"
#include "datasets/site_set.hpp"
#include "datasets/site_set_editor.hpp"
#include "datasets/spell.hpp"
#include "datasets/spell_editor.hpp"
#include "datasets/terrain_bonus.hpp"
#include "datasets/terrain_bonus_editor.hpp"
#include "datasets/terrain_subtype.hpp"
#include "datasets/terrain_subtype_editor.hpp"
#include "datasets/terrain_type.hpp"
#include "datasets/terrain_type_editor.hpp"

namespace kestrel::datasets {

std::optional<core::Bytes> newRecord(const KindInfo& kind, std::string_view entryName) {
    switch (kind.kind) {
        case Kind::CitySet: return writeCitySet(newCitySet());
        case Kind::HeroType: return writeHeroType(newHeroType(entryName));
        case Kind::Advisor: return writeAdvisor(newAdvisor());
        case Kind::Item: return writeItem(newItem(entryName));
        case Kind::RuinSet: return writeRuinSet(newRuinSet(entryName));
        case Kind::ArmyType: return writeArmyType(newArmyType(entryName));
        case Kind::SiteSet: return writeSiteSet(newSiteSet(entryName));
        case Kind::Flag: return writeFlag(newFlag(entryName));
        case Kind::Spell: return writeSpell(newSpell(entryName));
        // A shield's entry is named by its file: kind letter, then name.
        case Kind::Shield: {
            const auto file = splitShieldFileName(entryName);
            if (!file) return std::nullopt;
            return writeShield(newShield(file->kind, file->name));
        }
        case Kind::TerrainType: return writeTerrainType(newTerrainType(entryName));
        case Kind::TerrainSubtype: return writeTerrainSubtype(newTerrainSubtype(entryName));
        case Kind::TerrainBonus: return writeTerrainBonus(newTerrainBonus(entryName));
        default: return std::nullopt;
    }
}

std::unique_ptr<ui::Dialog> makeEntryEditor(const KindInfo& kind, ui::Host& host, const core::DataRoot& root,
                                            const std::string& entryName) {
    switch (kind.kind) {
        case Kind::CitySet: return std::make_unique<CitySetEditor>(host, root, entryName);
        case Kind::HeroType: return std::make_unique<HeroTypeEditor>(host, root, entryName);
        case Kind::Advisor: return std::make_unique<AdvisorEditor>(host, root, entryName);
        case Kind::Item: return std::make_unique<ItemEditor>(host, root, entryName);
        case Kind::RuinSet: return std::make_unique<RuinSetEditor>(host, root, entryName);
        case Kind::ArmyType: return std::make_unique<ArmyTypeEditor>(host, root, entryName);
        case Kind::SiteSet: return std::make_unique<SiteSetEditor>(host, root, entryName);
        case Kind::Flag: return std::make_unique<FlagEditor>(host, root, entryName);
        case Kind::Spell: return std::make_unique<SpellEditor>(host, root, entryName);
        case Kind::Shield: {
            auto file = splitShieldFileName(entryName);
            if (!file) return nullptr;
            return std::make_unique<ShieldEditor>(host, root, file->kind, std::move(file->name));
        }
        case Kind::TerrainType: return std::make_unique<TerrainTypeEditor>(host, root, entryName);
        case Kind::TerrainSubtype: return std::make_unique<TerrainSubtypeEditor>(host, root, entryName);
        case Kind::TerrainBonus: return std::make_unique<TerrainBonusEditor>(host, root, entryName);
        default: return nullptr;
    }
}

}  // namespace kestrel::datasets
