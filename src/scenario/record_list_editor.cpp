#include "scenario/record_list_editor.hpp"

#include <vector>

namespace kestrel::scenario {

bool RecordControls::integer(int id, long minValue, long maxValue, long& out) {
    if (!quiet_) return dx_.integer(id, minValue, maxValue, out);
    long value = 0;
    if (!ok_ || !ui::parseInteger(dialog_.text(id), value) || value < minValue || value > maxValue)
        return ok_ = false;
    out = value;
    return true;
}

bool RecordControls::text(int id, std::size_t maxChars, std::string& out) {
    if (!quiet_) return dx_.text(id, maxChars, out);
    std::string value = dialog_.text(id);
    if (!ok_ || value.size() > maxChars) return ok_ = false;
    out = std::move(value);
    return true;
}

RecordListEditor::RecordListEditor(ui::Host& host, int resourceId, RecordListIds ids, std::size_t limit)
    : ui::Dialog(host, resourceId), ids_(ids), limit_(limit) {}

void RecordListEditor::start() {
    current_ = count() == 0 ? -1 : 0;
    fillList();
    showCurrent();
}

bool RecordListEditor::store(bool quiet) {
    return current_ < 0 || readControls(static_cast<std::size_t>(current_), quiet);
}

bool RecordListEditor::edited(bool quiet) {
    if (current_ < 0 || !store(quiet)) return false;
    fillList();
    return true;
}

void RecordListEditor::fillList() {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count(); ++i) lines.push_back(line(i));
    // Refilling the list under the user's click would lose the click.
    if (lines != items(ids_.list)) setItems(ids_.list, lines);
    setSelection(ids_.list, current_);
}

void RecordListEditor::add(std::size_t at) {
    if (count() >= limit_ || !store()) return;
    insertNew(at);
    current_ = static_cast<int>(at);
    fillList();
    showCurrent();
    invalidate();
}

void RecordListEditor::removeCurrent() {
    if (current_ < 0) return;
    // The record goes: what its controls hold does not matter any more.
    erase(static_cast<std::size_t>(current_));
    if (current_ >= static_cast<int>(count())) current_ = static_cast<int>(count()) - 1;
    fillList();
    showCurrent();
    invalidate();
}

void RecordListEditor::select(int index) {
    if (current_ < 0) return;
    if (index >= 0 && index != current_ && store()) {
        current_ = index;
        showCurrent();
        invalidate();
    }
    // A refused field keeps its record current.
    fillList();
}

void RecordListEditor::onCommand(int id) {
    const std::size_t current = current_ < 0 ? 0 : static_cast<std::size_t>(current_);
    if (id == ids_.add())
        add(count());
    else if (id == ids_.insert())
        add(current);
    else if (id == ids_.append())
        add(current_ < 0 ? 0 : current + 1);
    else if (id == ids_.remove())
        removeCurrent();
    else
        ui::Dialog::onCommand(id);
}

void RecordListEditor::onChange(int id) {
    if (id == ids_.list) select(selection(ids_.list));
}

}  // namespace kestrel::scenario
