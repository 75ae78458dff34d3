// Runs one editor of a scenario "ISLE" in the headless host: the test plays
// its controls, then OK (or another button) is clicked.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "support/modal_play.hpp"
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
        return testing::playModal(host, dialog, play, button);
    }
    std::vector<std::string> messages() const { return testing::shownMessages(host); }
};

}  // namespace kestrel::testing
