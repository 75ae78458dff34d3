// "Item Placement", "Army Placement" and "Hero Placement": one list editor
// each for ITEM.INI, ARMY.INI and HERO.INI, with a chance, a position chosen
// by hand or with the position picker ("Set XY"), and the fields of the kind.
#pragma once
#include <memory>

#include "core/data_root.hpp"
#include "scenario/record_list_editor.hpp"
#include "scenario/scenario_editor.hpp"

namespace kestrel::scenario {

// What the three dialogs share.
struct PlacementIds {
    static constexpr int kList = 1100, kNew = 1101, kInsert = 1102, kAppend = 1103, kDelete = 1104;
    static constexpr int kSetXY = 1105, kChance = 1106, kX = 1107, kY = 1108;
};
static_assert(RecordListIds{PlacementIds::kList}.remove() == PlacementIds::kDelete);

struct ItemPlacementIds : PlacementIds {
    static constexpr int kItem = 1110;
    static constexpr int kGround = 1111, kHero = 1112, kRuin = 1113;  // the radio buttons
    static constexpr int kHeroName = 1114, kRuinName = 1115;
};

// Of the two whose lists follow a side.
struct SidedPlacementIds : PlacementIds {
    static constexpr int kSide = 1110;
};

struct ArmyPlacementIds : SidedPlacementIds {
    static constexpr int kArmy = 1111, kNumber = 1112;
};

struct HeroPlacementIds : SidedPlacementIds {
    static constexpr int kName = 1111, kFemale = 1112, kClass = 1113, kLevel = 1114;
    static constexpr int kExperience = 1115, kFlying = 1116, kAllTerrain = 1117;
    static constexpr int kStrength = 1118, kMovement = 1119, kHits = 1120, kView = 1121;
    // The rows of "Special Abilities": list, value 1, value 2, text.
    static constexpr int kFirstAbility = 1130, kAbilityStride = 4;
    static constexpr int ability(int row, int field) { return kFirstAbility + kAbilityStride * row + field; }
};

std::unique_ptr<ui::Dialog> makeItemPlacementDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario);
std::unique_ptr<ui::Dialog> makeArmyPlacementDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario);
std::unique_ptr<ui::Dialog> makeHeroPlacementDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario);

}  // namespace kestrel::scenario
