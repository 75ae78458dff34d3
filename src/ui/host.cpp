#include "ui/host.hpp"

#include "core/cp1252.hpp"
#include "core/escaped_text.hpp"
#include "ui/dialog.hpp"
#include "ui/script_player.hpp"
#include "ui/window.hpp"

namespace kestrel::ui {

Host::~Host() = default;

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : core::escapeControls(text)) {
        if (c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

void Host::record(const std::string& line) {
    if (transcript_) *transcript_ << core::cp1252ToUtf8(line) << '\n' << std::flush;
}

int Host::runModal(Dialog& dialog) {
    std::unique_ptr<Window> window = createWindow(dialog);
    dialog.attach(window.get());
    stack_.push_back(&dialog);
    window->guard([&] { dialog.onInit(); });
    const std::string id = std::to_string(dialog.resourceId());
    record("open " + id + " " + quote(window->caption()));
    onOpened(*window);
    if (!window->isClosed()) {
        if (script_)
            script_->play(*window);
        else
            runInteractive(*window);
    }
    record("close " + id + (window->result() == kIdOk ? " ok" : " cancel"));
    stack_.pop_back();
    dialog.attach(nullptr);
    return window->result();
}

void Host::message(std::string_view text, std::string_view caption, Icon icon) {
    MessageBox box{std::string(caption), std::string(text), icon};
    messages_.push_back(box);
    record("message " + core::escapeControls(box.caption) + " " + quote(box.text));
    if (script_)
        onMessageRecorded(box);
    else
        showMessage(box);
}

std::optional<std::string> Host::chooseFileToOpen(std::string_view filters) {
    if (script_) return script_->nextFileAnswer();
    return askFileToOpen(filters);
}

void Host::startProgram(const std::filesystem::path& program, std::string_view shownName) {
    record("start " + quote(shownName));
    if (!script_) launch(program);
}

}  // namespace kestrel::ui
