// The sides of the current scenario as other editors offer them: side names,
// a side's army types and a side's hero types. Each reads SIDES.DAT anew.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"
#include "scenario/sides.hpp"

namespace kestrel::ui {
class Dialog;
}

namespace kestrel::scenario {

// Records 0 to 7 in order: a used side's name, "Not Used" for an unused one
// when asked; then "Neutrals" when asked. Names keep their full length.
std::vector<std::string> sideNames(const Sides& sides, bool includeUnused, bool includeNeutrals);
// Nothing for an unused side (the neutrals always count as used) or a side
// out of range; otherwise the non-empty regulars in slot order, then unless
// `regularsOnly` the non-empty allies and mercenaries.
std::vector<std::string> sideArmyTypes(const Sides& sides, int side, bool regularsOnly);
// The four hero slots of a used side 0 to 7, empty ones included; nothing
// for an unused side or the neutrals.
std::vector<std::string> sideHeroTypes(const Sides& sides, int side);

// The same for a scenario's SIDES.DAT: each empties the combo box and fills
// it, and returns the number of entries. Without a dialog it only counts.
int fillSideNames(const core::DataRoot& root, std::string_view scenario, bool includeUnused, bool includeNeutrals,
                  ui::Dialog* dialog = nullptr, int comboId = 0);
int fillSideArmyTypes(const core::DataRoot& root, std::string_view scenario, int side, bool regularsOnly,
                      ui::Dialog* dialog = nullptr, int comboId = 0);
int fillSideHeroTypes(const core::DataRoot& root, std::string_view scenario, int side, ui::Dialog* dialog = nullptr,
                      int comboId = 0);

}  // namespace kestrel::scenario
