// The four controls that show one special ability entry in an editor: the
// ability list, the two values and the code text.
#pragma once
#include <optional>
#include <span>

#include "datasets/ability_entry.hpp"

namespace kestrel::ui {
class DataExchange;
class Dialog;
}  // namespace kestrel::ui

namespace kestrel::datasets {

struct AbilityControls {
    int list, first, second, text;
};

struct ValueRange {
    long min, max;
};

// Fills the list with the editor's choices, in their order.
void offerAbilities(ui::Dialog& dialog, const AbilityControls& ids, std::span<const AbilityChoice> choices);
// A code the editor does not offer shows as its first choice ("Nothing").
void showAbility(ui::Dialog& dialog, const AbilityControls& ids, std::span<const AbilityChoice> choices,
                 const SpecialAbility& ability);
// Nothing chosen stores code 0. Without a range the values are any integers,
// kept in 16 bits.
SpecialAbility readAbilityControls(ui::DataExchange& dx, ui::Dialog& dialog, const AbilityControls& ids,
                                   std::span<const AbilityChoice> choices,
                                   std::optional<ValueRange> range = std::nullopt);

}  // namespace kestrel::datasets
