// Plays a dialog in the headless host the way the editor tests do.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::testing {

using Play = std::function<void(ui::Window&)>;

// Runs `dialog`: `play` works its controls, then `button` is clicked (none:
// the play closes it itself). Whether the dialog closed.
template <class D>
bool playModal(ui::HeadlessHost& host, D& dialog, const Play& play, std::optional<int> button = ui::kIdOk) {
    bool closed = false;
    host.onNextModal([&](ui::Window& w) {
        play(w);
        if (button) w.userClick(*button);
        closed = w.isClosed();
    });
    host.runModal(dialog);
    return closed;
}

// The messages the host showed, as "Caption: text".
inline std::vector<std::string> shownMessages(const ui::HeadlessHost& host) {
    std::vector<std::string> out;
    for (const auto& m : host.messages()) out.push_back(m.caption + ": " + m.text);
    return out;
}

}  // namespace kestrel::testing
