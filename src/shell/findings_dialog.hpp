// "Check Data": every finding of the data root, one a line as `kstred check`
// prints them, and their summary. A double click opens the editor of the
// finding's file, where one exists; the check runs again when it closes.
#pragma once
#include <functional>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"
#include "core/finding.hpp"
#include "shell/current_scenario.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

// The checker lives above the shell; the program hands it down.
using RootChecker = std::function<std::vector<core::Finding>(const core::DataRoot&)>;

inline constexpr std::string_view kNoEditorMessage = "No editor opens this file.";

class FindingsDialog : public ui::Dialog {
public:
    static constexpr int kListId = 1000;
    static constexpr int kSummaryId = 1001;

    // `scenarioChanged` runs when opening a scenario's file made it current.
    FindingsDialog(ui::Host& host, const core::DataRoot& root, RootChecker checker, CurrentScenario& scenario,
                   std::function<void()> scenarioChanged);

    void onInit() override { fill(); }
    void onDoubleClick(int id) override;

private:
    void fill();

    const core::DataRoot& root_;
    RootChecker checker_;
    CurrentScenario& scenario_;
    std::function<void()> scenarioChanged_;
    std::vector<core::Finding> findings_;  // as listed
};

}  // namespace kestrel::shell
