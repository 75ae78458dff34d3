// Scenario Ruins and Scenario Sites: the attributes of the ruins and sites
// placed on the map, one record at a time, chosen by clicking its marker on
// the large strategic picture. Neither dialog adds or removes a record. Both
// are one controller; the record and its extra fields are the difference.
#pragma once
#include <memory>
#include <string_view>

#include "core/data_root.hpp"
#include "scenario/scenario_editor.hpp"
#include "ui/dialog.hpp"

namespace kestrel::scenario {

// The controls both dialogs have, then those of each.
struct PlacedEditorIds {
    static constexpr int kName = 1100, kDescription = 1101, kType = 1102, kChance = 1103, kX = 1104, kY = 1105;
};
struct RuinEditorIds : PlacedEditorIds {
    static constexpr int kMonster = 1106;
    static constexpr int kFirstFlag = 1107;  // the eleven check boxes, in RuinFlag order
    static constexpr int kAbilityList = 1118, kAbilityFirst = 1119, kAbilitySecond = 1120, kAbilityText = 1121;
    static constexpr int kSpecialFile = 1122;
};
struct SiteEditorIds : PlacedEditorIds {
    static constexpr int kRazed = 1106;
};

inline constexpr std::string_view kRuinFileMissing = "Ruin file not found (RUIN.DAT)!";
inline constexpr std::string_view kSiteFileMissing = "Site file not found (SITE.DAT)!";
inline constexpr std::string_view kRuinWriteError = "Error writing ruin file RUIN.DAT";
inline constexpr std::string_view kSiteWriteError = "Error writing site file SITE.DAT";

std::unique_ptr<ui::Dialog> makeScenarioRuinsDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario);
std::unique_ptr<ui::Dialog> makeScenarioSitesDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario);

}  // namespace kestrel::scenario
