#include "datasets/spell_editor.hpp"

#include "datasets/spell.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

namespace {

using Ids = SpellIds;

}  // namespace

SpellEditor::SpellEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::Spell), std::move(entryName)) {}

void SpellEditor::load(const std::optional<core::Bytes>& record) {
    for (const auto& ids : Ids::kAbilities) offerAbilities(*this, ids, spellAbilities());
    if (!record) return;
    const Spell spell = readSpell(*record);
    setText(Ids::kName, spell.name);
    setText(Ids::kDescription, spell.description);
    setNumber(Ids::kManaCost, spell.manaCost);
    for (std::size_t a = 0; a < spell.abilities.size(); ++a)
        showAbility(*this, Ids::kAbilities[a], spellAbilities(), spell.abilities[a]);
}

std::optional<core::Bytes> SpellEditor::save() {
    ui::DataExchange dx(*this);
    Spell spell;
    dx.text(Ids::kName, SpellLimits::kName, spell.name);
    dx.text(Ids::kDescription, SpellLimits::kDescription, spell.description);
    dx.integer(Ids::kManaCost, 0, SpellLimits::kMaxManaCost, spell.manaCost);
    for (std::size_t a = 0; a < spell.abilities.size(); ++a)
        spell.abilities[a] = readAbilityControls(dx, *this, Ids::kAbilities[a], spellAbilities());
    if (!dx.ok()) return std::nullopt;
    return writeSpell(spell);
}

}  // namespace kestrel::datasets
