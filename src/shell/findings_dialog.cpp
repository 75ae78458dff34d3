#include "shell/findings_dialog.hpp"

#include <algorithm>

#include "core/cp1252.hpp"
#include "resources/layouts.hpp"
#include "shell/file_editor.hpp"
#include "ui/host.hpp"

namespace kestrel::shell {

FindingsDialog::FindingsDialog(ui::Host& host, const core::DataRoot& root, RootChecker checker,
                               CurrentScenario& scenario, std::function<void()> scenarioChanged)
    : ui::Dialog(host, resources::kFindings),
      root_(root),
      checker_(std::move(checker)),
      scenario_(scenario),
      scenarioChanged_(std::move(scenarioChanged)) {}

void FindingsDialog::fill() {
    findings_ = checker_(root_);
    std::sort(findings_.begin(), findings_.end(), core::findingBefore);
    std::vector<std::string> lines;
    lines.reserve(findings_.size());
    for (const core::Finding& finding : findings_) lines.push_back(core::utf8ToCp1252Shown(core::findingLine(finding)));
    setItems(kListId, lines);
    setText(kSummaryId, core::utf8ToCp1252Shown(core::summaryLine(core::tallyOf(findings_))));
}

void FindingsDialog::onDoubleClick(int id) {
    const int index = selection(kListId);
    if (id != kListId || index < 0 || index >= static_cast<int>(findings_.size())) return;
    const auto editor = fileEditor(findings_[static_cast<std::size_t>(index)].path);
    if (editor && !editor->scenario.empty()) {
        scenario_.set(editor->scenario);
        scenarioChanged_();
    }
    const auto dialog = editor ? editor->make(host(), root_, scenario_) : nullptr;
    if (!dialog) {
        host().notice(kNoEditorMessage);
        return;
    }
    host().runModal(*dialog);
    // What the editor wrote may have mended the finding or made others.
    fill();
    setSelection(kListId, std::min(index, static_cast<int>(findings_.size()) - 1));
}

}  // namespace kestrel::shell
