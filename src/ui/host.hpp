// Services a host gives to dialogs: modal runs, message boxes, the open-file
// dialog and starting programs. Both hosts share the bookkeeping here; a
// script, when one is set, plays the user.
#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::ui {

class Dialog;
class Window;
class ScriptPlayer;

enum class Icon { Information, Exclamation, None };

struct MessageBox {
    std::string caption;
    std::string text;
    Icon icon = Icon::Information;
    bool operator==(const MessageBox&) const = default;
};

inline constexpr std::string_view kCaptionError = "Error";
inline constexpr std::string_view kCaptionMessage = "Message";
inline constexpr std::string_view kCaptionSuccess = "Success";

class Host {
public:
    virtual ~Host();

    // Opens the dialog, runs it until it closes and returns its result.
    int runModal(Dialog& dialog);

    void message(std::string_view text, std::string_view caption, Icon icon);
    void error(std::string_view text) { message(text, kCaptionError, Icon::Exclamation); }
    void notice(std::string_view text) { message(text, kCaptionMessage, Icon::Information); }
    void success(std::string_view text) { message(text, kCaptionSuccess, Icon::Information); }

    // A path the user chose, or nothing when cancelled. `filters` is the
    // list "Name|pattern|Name|pattern||".
    std::optional<std::string> chooseFileToOpen(std::string_view filters);

    // Starts a program without waiting; a failure is not reported.
    void startProgram(const std::filesystem::path& program, std::string_view shownName);

    // Every message box shown so far, oldest first.
    const std::vector<MessageBox>& messages() const { return messages_; }
    const std::vector<Dialog*>& openDialogs() const { return stack_; }
    Dialog* topDialog() const { return stack_.empty() ? nullptr : stack_.back(); }

    void setScript(ScriptPlayer* player) { script_ = player; }
    ScriptPlayer* script() const { return script_; }
    void setTranscript(std::ostream* out) { transcript_ = out; }
    void record(const std::string& line);
    // After a script's snapshot line wrote the client area; hosts may add more.
    virtual void snapshot(Window& /*window*/, const std::string& /*path*/) {}

protected:
    virtual std::unique_ptr<Window> createWindow(Dialog& dialog) = 0;
    // Runs an open window interactively until it closes.
    virtual void runInteractive(Window& window) = 0;
    virtual void showMessage(const MessageBox& box) = 0;
    virtual std::optional<std::string> askFileToOpen(std::string_view filters) = 0;
    virtual void launch(const std::filesystem::path& program) = 0;
    virtual void onOpened(Window& /*window*/) {}
    virtual void onMessageRecorded(const MessageBox& /*box*/) {}

private:
    std::vector<Dialog*> stack_;
    std::vector<MessageBox> messages_;
    ScriptPlayer* script_ = nullptr;
    std::ostream* transcript_ = nullptr;
};

// Quotes a text for transcripts and scripts: "..." with \" escaped and the
// escapes of core::escapeControls, which a script reads back.
std::string quote(std::string_view text);

}  // namespace kestrel::ui
