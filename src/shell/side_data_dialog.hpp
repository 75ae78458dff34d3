// Scenario Side Data: one side's description, army set, heroes, advisor,
// shields, flag, values, level, options and mana. It edits a record that the
// Sides dialog holds; OK copies the controls into it, Cancel leaves it.
#pragma once
#include <array>

#include "core/data_root.hpp"
#include "scenario/sides.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

struct SideDataIds {
    static constexpr int kDescription = 1033;
    static constexpr int kRegulars[8] = {1061, 1062, 1063, 1064, 1065, 1066, 1067, 1068};
    static constexpr int kMercenaries[3] = {1069, 1070, 1071};
    static constexpr int kAllies[4] = {1076, 1077, 1078, 1079};
    static constexpr int kShip = 1080;
    static constexpr int kHeroes[4] = {1081, 1082, 1083, 1084};
    static constexpr int kAdvisor = 1086;
    static constexpr int kShields[3] = {1087, 1088, 1089};  // kinds B, O, C
    static constexpr int kArmyFlag = 1099;
    static constexpr int kStackingLimit = 1072, kStartingGold = 1090;
    static constexpr int kLevels[4] = {1075, 1092, 1093, 1094};  // stored level + 1
    static constexpr int kGetMercenaries = 1095, kSellItems = 1096, kHeroOnTurn1 = 1097, kEnhanced = 1098;
    static constexpr int kManaType = 1073, kMaxMana = 1074, kInitialMana = 1091;
};

inline constexpr std::string_view kSideDataTitle = "Edit Side - ";

class SideDataDialog : public ui::Dialog {
public:
    SideDataDialog(ui::Host& host, const core::DataRoot& root, scenario::Side& side);
    void onInit() override;
    bool onOk() override;

private:
    void fillLists();

    const core::DataRoot& root_;
    scenario::Side& side_;
};

}  // namespace kestrel::shell
