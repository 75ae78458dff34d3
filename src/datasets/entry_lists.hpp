// The entry names of a data set, offered in the combo boxes of other
// editors: terrain subtypes in the terrain, army and hero editors, terrain
// bonuses in the scenario's terrain editor.
#pragma once
#include <initializer_list>

#include "core/data_root.hpp"
#include "datasets/catalogue.hpp"

namespace kestrel::ui {
class Dialog;
}

namespace kestrel::datasets {

// Empties each given combo box and fills it with the kind's entry names;
// returns how many there are. Without a dialog it only counts. The folder
// is enumerated once however many boxes are filled.
int fillEntryNames(const core::DataRoot& root, const KindInfo& kind, ui::Dialog* dialog = nullptr,
                   std::initializer_list<int> comboIds = {});

inline int fillSubtypeList(const core::DataRoot& root, ui::Dialog* dialog = nullptr,
                           std::initializer_list<int> comboIds = {}) {
    return fillEntryNames(root, info(Kind::TerrainSubtype), dialog, comboIds);
}
inline int fillBonusList(const core::DataRoot& root, ui::Dialog* dialog = nullptr,
                         std::initializer_list<int> comboIds = {}) {
    return fillEntryNames(root, info(Kind::TerrainBonus), dialog, comboIds);
}

}  // namespace kestrel::datasets
