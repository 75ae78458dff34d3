#include "ui/headless_host.hpp"

#include "ui/dialog.hpp"

namespace kestrel::ui {

std::unique_ptr<Window> HeadlessHost::createWindow(Dialog& dialog) { return std::make_unique<Window>(dialog); }

void HeadlessHost::runInteractive(Window& window) {
    if (!handlers_.empty()) {
        ModalHandler handler = std::move(handlers_.front());
        handlers_.pop_front();
        handler(window);
    }
    window.close(kIdCancel);
}

std::optional<std::string> HeadlessHost::askFileToOpen(std::string_view) {
    if (fileAnswers_.empty()) return std::nullopt;
    auto answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

}  // namespace kestrel::ui
