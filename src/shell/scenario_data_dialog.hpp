// Scenario Miscellaneous Data: the current scenario's map size, header texts,
// world, gold texts, bonus limit, monsters, the sets in use and the graphic
// set. Reads MAP.DAT, SCENARIO.DAT and MISC.DAT when it opens; OK writes or
// deletes the scenario's WORLD.DAT and writes the other three.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/data_root.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/scenario_header.hpp"
#include "shell/current_scenario.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

struct ScenarioDataIds {
    static constexpr std::array<int, 6> kMapSizes{1016, 1017, 1018, 1019, 1020, 1021};  // in size order
    static constexpr int kName = 1022, kAuthor = 1023, kPreGold = 1024, kPostGold = 1025, kMaxBonus = 1026;
    static constexpr int kWorld = 1032, kDescription = 1033, kGraphicSet = 1034;
    static constexpr std::array<int, 8> kMonsterNames{1027, 1029, 1035, 1037, 1039, 1041, 1043, 1045};
    static constexpr std::array<int, 8> kMonsterStrengths{1028, 1030, 1036, 1038, 1040, 1042, 1044, 1046};
    static constexpr std::array<int, 8> kRuinSets{1031, 1047, 1048, 1049, 1050, 1051, 1052, 1053};
    static constexpr std::array<int, 8> kSiteSets{1054, 1055, 1056, 1057, 1058, 1059, 1060, 1061};
    static constexpr std::array<int, 4> kCitySets{1062, 1063, 1064, 1065};
};

// What the dialog accepts for the header's texts.
struct ScenarioDataLimits {
    static constexpr std::size_t kName = 15, kAuthor = 15, kDescription = 255, kWorld = 8;
};

// What the set and world boxes show for an empty name.
inline constexpr std::string_view kNoSet = "None";

class ScenarioDataDialog : public ui::Dialog {
public:
    ScenarioDataDialog(ui::Host& host, const core::DataRoot& root, std::string scenario);

    void onInit() override;
    bool onOk() override;

private:
    void fillSetLists();
    // The paths of the files that could not be written.
    std::vector<std::string> writeFiles(scenario::ScenarioHeader header, scenario::MiscData misc,
                                        const std::string& world) const;

    const core::DataRoot& root_;
    std::string scenario_;
};

std::unique_ptr<ui::Dialog> makeScenarioDataDialog(ui::Host& host, const core::DataRoot& root,
                                                   CurrentScenario& scenario);

}  // namespace kestrel::shell
