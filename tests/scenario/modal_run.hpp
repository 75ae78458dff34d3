// Runs one editor of a scenario "ISLE" in the headless host: the test plays
// its controls, then OK (or another button) is clicked.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::testing {

template <typename Editor>
struct ModalRun {
    TempRoot t;
    ui::HeadlessHost host;
    ModalRun() { t.mkdir("SCENARIO/ISLE"); }
    // Whether the dialog closed.
    bool run(const std::function<void(ui::Window&)>& play, int button = ui::kIdOk) {
        Editor dialog(host, t.root(), "ISLE");
        bool closed = false;
        host.onNextModal([&](ui::Window& w) {
            play(w);
            w.userClick(button);
            closed = w.isClosed();
        });
        host.runModal(dialog);
        return closed;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& m : host.messages()) out.push_back(m.caption + ": " + m.text);
        return out;
    }
};

}  // namespace kestrel::testing
