// "Scenario Cities": the cities of CITY.DAT, chosen by clicking their markers
// on the large strategic picture; opens the capital and owner lists.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"
#include "scenario/city_file.hpp"
#include "scenario/scenario_editor.hpp"
#include "scenario/strategic_picture.hpp"
#include "ui/dialog.hpp"

namespace kestrel::scenario {

struct ScenarioCitiesIds {
    static constexpr int kName = 1100, kDescription = 1101, kChance = 1102, kX = 1103, kY = 1104;
    static constexpr int kLevel = 1105, kIncome = 1106, kManaType = 1107, kMana = 1108;
    static constexpr int kFirstProduction = 1109;  // to 1112
    static constexpr int kCityType = 1113, kEditCapitals = 1114, kEditOwners = 1115;
};

inline constexpr std::string_view kCityFileMissing = "City file not found (CITY.DAT)!";
inline constexpr std::string_view kNoCitiesMessage = "There are no cities on the map!";
inline constexpr std::string_view kCityWriteError = "Error writing city file CITY.DAT";

class ScenarioCitiesDialog : public ui::Dialog {
public:
    ScenarioCitiesDialog(ui::Host& host, const core::DataRoot& root, std::string scenario);

    void onInit() override;
    void onCommand(int id) override;
    void onMouse(const ui::MouseEvent& event) override;
    void onPaint(pictures::Surface& client) override;
    bool onOk() override;

private:
    bool store();
    void show();

    const core::DataRoot& root_;
    std::string scenario_;
    LargeStrategicPicture picture_;
    bool loaded_ = false;
    std::vector<City> cities_;
    int current_ = -1;
};

std::unique_ptr<ui::Dialog> makeScenarioCitiesDialog(ui::Host& host, const core::DataRoot& root,
                                                     std::string_view scenario);

}  // namespace kestrel::scenario
