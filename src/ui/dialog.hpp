// A dialog controller: plain C++ against the control ids of its layout.
// Hosts own the controls; the controller reads and writes them through here.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.hpp"

namespace kestrel::pictures {
class Surface;
}

namespace kestrel::ui {

class Host;
class Window;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

struct MouseEvent {
    enum class Kind { LeftDown, RightDown, Move, Release };
    Kind kind = Kind::LeftDown;
    int x = 0;  // client pixels
    int y = 0;
};

class Dialog {
public:
    Dialog(Host& host, int resourceId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const Layout& layout() const { return *layout_; }
    int resourceId() const { return layout_->resourceId; }
    Host& host() const { return host_; }

    virtual void onInit() {}
    // Default: OK (1) closes when onOk agrees; Cancel (2) calls onCancel.
    virtual void onCommand(int id);
    virtual void onChange(int /*id*/) {}
    virtual void onDoubleClick(int /*id*/) {}
    virtual void onMouse(const MouseEvent& /*event*/) {}
    virtual void onPaint(pictures::Surface& /*client*/) {}
    virtual bool onOk() { return true; }
    virtual void onCancel() { end(kIdCancel); }

    std::string text(int id) const;
    void setText(int id, std::string_view text);
    void setNumber(int id, long value) { setText(id, std::to_string(value)); }
    bool checked(int id) const;
    void setChecked(int id, bool on);
    std::vector<std::string> items(int id) const;
    void setItems(int id, const std::vector<std::string>& items);
    // A fixed table of names, as editors keep their lists.
    void setItems(int id, std::span<const std::string_view> items) {
        setItems(id, std::vector<std::string>(items.begin(), items.end()));
    }
    int addItem(int id, std::string_view item);
    void clearItems(int id);
    int selection(int id) const;  // -1 when nothing is selected
    void setSelection(int id, int index);
    std::string selectedText(int id) const;
    // Selects the first item that begins with `name` (any case; an empty name
    // begins every item); without one, an editable combo shows the name as
    // typed and a list selects nothing. An editable combo given an empty name
    // selects nothing and shows it empty.
    void selectByPrefix(int id, std::string_view name);
    std::string caption() const;
    void setCaption(std::string_view caption);
    void focus(int id);
    void invalidate();
    void end(int result);

    // Wiring done by the host for the time the dialog is open.
    void attach(Window* window) { window_ = window; }
    Window* window() const { return window_; }

private:
    Window& win() const;

    Host& host_;
    const Layout* layout_;
    Window* window_ = nullptr;
};

}  // namespace kestrel::ui
