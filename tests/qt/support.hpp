// A controller that writes down what it hears, so the same actions can be
// compared between the headless host and the Qt host.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialog.hpp"
#include "ui/host.hpp"
#include "ui/window.hpp"

namespace kestrel::qt::test {

class RecordingDialog : public ui::Dialog {
public:
    using ui::Dialog::Dialog;

    std::vector<std::string> log;
    std::function<void(RecordingDialog&)> init;
    std::function<void(RecordingDialog&, int)> command;  // before the default handling
    std::function<void(pictures::Surface&)> paint;
    bool keepOpenOnCancel = false;  // as list dialogs, which take Cancel as Edit

    void onInit() override {
        if (init) init(*this);
    }
    void onCommand(int id) override {
        log.push_back("command " + std::to_string(id));
        if (command) command(*this, id);
        if (!(keepOpenOnCancel && id == ui::kIdCancel)) ui::Dialog::onCommand(id);
    }
    void onChange(int id) override { log.push_back("change " + std::to_string(id) + " " + ui::quote(text(id))); }
    void onDoubleClick(int id) override {
        log.push_back("dblclick " + std::to_string(id) + " " + std::to_string(selection(id)));
    }
    void onMouse(const ui::MouseEvent& e) override {
        log.push_back("mouse " + std::to_string(static_cast<int>(e.kind)) + " " + std::to_string(e.x) + " " +
                      std::to_string(e.y));
    }
    void onPaint(pictures::Surface& s) override {
        if (paint) paint(s);
    }
};

// The first layout with a control of `kind`, and that control's id.
inline std::optional<std::pair<int, int>> firstOfKind(ui::ControlKind kind) {
    for (const int layout : ui::allLayoutIds())
        for (const auto& c : ui::layoutFor(layout).controls)
            if (c.kind == kind && c.id != ui::kNoId) return std::pair{layout, c.id};
    return std::nullopt;
}

}  // namespace kestrel::qt::test
