// The main window: one button per editor, the current scenario, the title.
#pragma once
#include "core/data_root.hpp"
#include "shell/current_scenario.hpp"
#include "shell/findings_dialog.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

inline constexpr std::string_view kTitle = "Kestrel 3 Editor";
inline constexpr std::string_view kNoScenarioMessage = "No scenario has been loaded!";

class MainWindow : public ui::Dialog {
public:
    MainWindow(ui::Host& host, const core::DataRoot& root);

    void onInit() override { refreshTitle(); }
    void onCommand(int id) override;

    CurrentScenario& scenario() { return scenario_; }
    // What Check Data runs; without one the item does nothing.
    void setChecker(RootChecker checker) { checker_ = std::move(checker); }
    // The title follows the current scenario.
    void refreshTitle();

private:
    const core::DataRoot& root_;
    CurrentScenario scenario_;
    RootChecker checker_;
};

}  // namespace kestrel::shell
