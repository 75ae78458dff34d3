// Scenario Sides: switches the eight sides on and off and names them; each
// row's Edit opens Side Data on that side. The nine records live here while
// the dialog is open and reach SIDES.DAT only on OK.
#pragma once
#include <array>
#include <memory>
#include <string>

#include "core/data_root.hpp"
#include "scenario/sides.hpp"
#include "shell/current_scenario.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

struct SideRowIds {
    int used, name, edit;
};

struct SidesIds {
    static constexpr std::array<SideRowIds, 8> kRows{{{1058, 1060, 1059},
                                                      {1061, 1062, 1011},
                                                      {1064, 1065, 1012},
                                                      {1067, 1068, 1013},
                                                      {1070, 1071, 1014},
                                                      {1073, 1074, 1075},
                                                      {1076, 1077, 1078},
                                                      {1079, 1080, 1081}}};
    static constexpr int kNeutralsEdit = 1082;
};

inline constexpr std::string_view kSideNotUsedMessage = "This side is not being used!";
inline constexpr std::string_view kSidesWriteError = "Error writing SIDES.DAT file";

class SidesDialog : public ui::Dialog {
public:
    SidesDialog(ui::Host& host, const core::DataRoot& root, std::string scenario);
    void onInit() override;
    void onCommand(int id) override;
    bool onOk() override;

private:
    bool namesValid();
    void edit(std::size_t record);

    const core::DataRoot& root_;
    std::string scenario_;
    scenario::Sides sides_;
};

std::unique_ptr<ui::Dialog> makeSidesDialog(ui::Host& host, const core::DataRoot& root, CurrentScenario& scenario);

}  // namespace kestrel::shell
