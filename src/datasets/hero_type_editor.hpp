// The hero type editor: names, base values, terrain bonuses, the ten levels,
// ten special abilities with their costs, default names and sounds.
#pragma once
#include <array>

#include "datasets/ability_controls.hpp"
#include "datasets/entry_editor.hpp"
#include "datasets/hero_type.hpp"

namespace kestrel::datasets {

struct HeroLevelIds {
    int maleName, femaleName, xp, ap;
};

struct HeroAbilityIds {
    AbilityControls ability;
    int cost;
};

struct HeroNameIds {
    int name, female;
};

// The control ids of the editor; the layout is built from the same tables.
struct HeroTypeIds {
    static constexpr int kMaleName = 1036, kFemaleName = 1037, kDescription = 1033;
    static constexpr int kMedalChance = 1186, kStrength = 1099, kMove = 1100, kHits = 1101, kView = 1104;
    static constexpr std::array<int, kHeroMoveTerrains> kMoveTerrains{1105, 1106, 1107, 1108};
    static constexpr int kCanFly = 1109;  // shown, never stored
    static constexpr int kCombatTerrain = 1110, kCombatBonus = 1111;
    static constexpr int kMoveSound = 1118, kFacing = 1119;
    static constexpr std::array<int, kHeroSoundTriggers> kTriggers{1303, 1304, 1305, 1306};
    static constexpr std::array<int, kHeroSoundTriggers> kTriggerCounts{1120, 1122, 1183, 1185};
    static constexpr int kImportMale = 1121, kImportFemale = 1016;

    static constexpr std::array<HeroLevelIds, kHeroLevels> kLevels{{
        {1075, 1076, 1123, 1124},
        {1092, 1095, 1125, 1126},
        {1093, 1096, 1127, 1128},
        {1094, 1097, 1129, 1130},
        {1079, 1085, 1131, 1132},
        {1080, 1086, 1133, 1134},
        {1081, 1087, 1135, 1136},
        {1082, 1088, 1137, 1138},
        {1083, 1089, 1139, 1140},
        {1084, 1090, 1141, 1142},
    }};
    static constexpr std::array<HeroAbilityIds, kHeroAbilities> kAbilities{{
        {{1153, 1154, 1155, 1156}, 1157},
        {{1158, 1160, 1161, 1159}, 1162},
        {{1163, 1165, 1166, 1164}, 1167},
        {{1168, 1170, 1171, 1169}, 1172},
        {{1173, 1175, 1176, 1174}, 1177},
        {{1178, 1180, 1181, 1179}, 1182},
        {{1198, 1200, 1201, 1199}, 1202},
        {{1203, 1205, 1206, 1204}, 1207},
        {{1208, 1210, 1211, 1209}, 1212},
        {{1213, 1215, 1216, 1214}, 1217},
    }};
    static constexpr std::array<HeroNameIds, kHeroDefaultNames> kDefaultNames{{
        {1060, 1143},
        {1062, 1144},
        {1065, 1145},
        {1068, 1146},
        {1071, 1147},
        {1074, 1148},
        {1077, 1149},
        {1067, 1150},
        {1184, 1151},
        {1069, 1152},
    }};
};

class HeroTypeEditor : public EntryEditor {
public:
    HeroTypeEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

    void onCommand(int id) override;

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
