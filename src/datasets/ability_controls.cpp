#include "datasets/ability_controls.hpp"

#include <string>
#include <vector>

#include "ui/data_exchange.hpp"
#include "ui/dialog.hpp"

namespace kestrel::datasets {

void offerAbilities(ui::Dialog& dialog, const AbilityControls& ids, std::span<const AbilityChoice> choices) {
    std::vector<std::string> names;
    for (const auto& choice : choices) names.emplace_back(choice.name);
    dialog.setItems(ids.list, names);
}

void showAbility(ui::Dialog& dialog, const AbilityControls& ids, std::span<const AbilityChoice> choices,
                 const SpecialAbility& ability) {
    dialog.setSelection(ids.list, abilityPosition(choices, ability.code));
    dialog.setNumber(ids.first, ability.first);
    dialog.setNumber(ids.second, ability.second);
    dialog.setText(ids.text, ability.text);
}

SpecialAbility readAbilityControls(ui::DataExchange& dx, ui::Dialog& dialog, const AbilityControls& ids,
                                   std::span<const AbilityChoice> choices, std::optional<ValueRange> range) {
    SpecialAbility ability;
    ability.code = abilityCode(choices, dialog.selection(ids.list));
    for (const auto& [id, value] : {std::pair{ids.first, &ability.first}, std::pair{ids.second, &ability.second}}) {
        if (range)
            dx.integer(id, range->min, range->max, *value);
        else
            dx.wrapped(id, *value);
    }
    dx.text(ids.text, SpecialAbility::kTextLimit, ability.text);
    return ability;
}

}  // namespace kestrel::datasets
