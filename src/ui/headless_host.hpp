// The host without a window: scripts and tests play the user.
#pragma once
#include <deque>
#include <functional>

#include "ui/host.hpp"
#include "ui/window.hpp"

namespace kestrel::ui {

class HeadlessHost : public Host {
public:
    using ModalHandler = std::function<void(Window&)>;

    // Without a script, each modal run goes to the next queued handler; a
    // dialog that is still open afterwards (or has no handler) is cancelled.
    void onNextModal(ModalHandler handler) { handlers_.push_back(std::move(handler)); }
    void answerNextFile(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }
    const std::vector<std::filesystem::path>& started() const { return started_; }

protected:
    std::unique_ptr<Window> createWindow(Dialog& dialog) override;
    void runInteractive(Window& window) override;
    void showMessage(const MessageBox&) override {}
    std::optional<std::string> askFileToOpen(std::string_view filters) override;
    void launch(const std::filesystem::path& program) override { started_.push_back(program); }

private:
    std::deque<ModalHandler> handlers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::vector<std::filesystem::path> started_;
};

}  // namespace kestrel::ui
