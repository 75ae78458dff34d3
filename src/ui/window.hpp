// The state of one open dialog's controls. The headless host uses it as it is;
// the Qt host mirrors it in widgets and feeds user input back into it.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/surface.hpp"
#include "ui/dialog.hpp"
#include "ui/layout.hpp"

namespace kestrel::ui {

class Dialog;

struct ControlState {
    const ControlDef* def = nullptr;
    std::string text;
    bool checked = false;
    std::vector<std::string> items;
    int selection = -1;
};

class Window {
public:
    explicit Window(Dialog& dialog);
    virtual ~Window();

    Dialog& dialog() const { return dialog_; }
    const Layout& layout() const;
    bool has(int id) const { return controls_.count(id) != 0; }
    const ControlState& state(int id) const;
    std::vector<int> controlIds() const;  // in layout order

    // Access by the controller. Text set here is not cut to the typing limit.
    std::string text(int id) const;
    void setText(int id, std::string_view text);
    bool checked(int id) const;
    void setChecked(int id, bool on);
    std::vector<std::string> items(int id) const;
    void setItems(int id, const std::vector<std::string>& items);
    int addItem(int id, std::string_view item);
    int selection(int id) const;
    void setSelection(int id, int index);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view caption);
    void focus(int id);
    int focused() const { return focused_; }  // the layout's firstFocus() until the controller moves it
    void invalidate();
    void close(int result);
    bool isClosed() const { return closed_; }
    int result() const { return result_; }

    // The painted client area, repainted when invalidated.
    const pictures::Surface& client();

    // What a user does, for scripts. False when the action cannot be taken
    // (no such control, wrong kind, no such item). Each fires the controller's
    // handler as the real control would.
    virtual bool userClick(int id);
    virtual bool userType(int id, std::string_view text);
    virtual bool userSelect(int id, int index);
    virtual bool userDoubleClick(int id, int index);
    virtual bool userCheck(int id, bool on);
    virtual bool userRadio(int id);
    virtual bool userSpin(int id, int step);
    virtual bool userMouse(const MouseEvent& event);
    virtual void userEscape();
    virtual void userEnter();
    // F1: the first item of the window's system menu (the main window's About
    // box); false when the window has none.
    virtual bool userF1();
    // An item of the window's system menu; false when it has no such item.
    virtual bool userMenu(int command);

    // Runs a controller handler; running out of memory fails the operation
    // with a message instead of ending the program.
    void guard(const std::function<void()>& handler);

protected:
    // Views refresh from the state after the controller changed it.
    virtual void refreshControl(int /*id*/) {}
    virtual void refreshCaption() {}
    virtual void refreshFocus() {}
    virtual void refreshClient() {}
    virtual void onClosed() {}
    ControlState* find(int id);
    // Radios from the same run of consecutive radio buttons in the layout.
    std::vector<int> radioGroup(int id) const;

    bool hasMenuItem(int command) const;

private:
    ControlState& at(int id);
    void repaint();

    Dialog& dialog_;
    std::map<int, ControlState> controls_;
    std::string caption_;
    int focused_ = 0;
    bool closed_ = false;
    int result_ = 0;
    bool dirtyClient_ = true;
    pictures::Surface client_;
};

inline constexpr std::string_view kOutOfMemoryMessage = "Not enough memory to complete the operation.";

// Case-insensitive position at which a sorted control inserts an item.
int sortedInsertIndex(const std::vector<std::string>& items, std::string_view item);
// The first item that begins with `prefix` (any case), or -1; an empty
// prefix begins every item.
int findPrefix(const std::vector<std::string>& items, std::string_view prefix);
bool isTextControl(ControlKind kind);
bool isListControl(ControlKind kind);

}  // namespace kestrel::ui
