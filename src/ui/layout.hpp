// A dialog's layout: what both hosts build the dialog from.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::ui {

enum class ControlKind {
    Static,     // label text
    Group,      // group box with a caption
    Edit,       // one-line text
    MultiEdit,  // multi-line text
    NumberEdit, // one-line text that holds an integer
    Check,
    Radio,
    List,       // list box
    ComboEdit,  // drop-down with an editable field
    ComboList,  // drop-down list
    Spin,       // up-down arrows attached to a buddy field
    Button,
    Frame,      // sunken rectangle
    Canvas,     // painted client area
    Icon,       // the application icon
};

const char* controlKindName(ControlKind kind);

// What an edit lets the user type; OK still checks the value's range.
enum class Typing {
    Text,
    Digits,        // 0 to 9 only
    SignedDigits,  // digits after an optional leading minus
};

// `text` with every character that `typing` refuses left out, as the user
// typing it would see it.
std::string typedText(Typing typing, std::string_view text);

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Rect&) const = default;
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

inline constexpr int kNoId = -1;  // statics and groups that nobody addresses

struct ControlDef {
    int id = kNoId;
    ControlKind kind = ControlKind::Static;
    std::string label;
    Rect rect;              // dialog units
    int limit = 0;          // characters accepted while typing; 0 = none
    bool sorted = false;    // lists and combos keep case-insensitive order
    bool isDefault = false; // the default push button
    bool readOnly = false;
    Typing typing = Typing::Text;
    // Spin controls
    int buddy = 0;
    int minValue = 0;
    int maxValue = 0;
    bool wrap = false;
};

// An item the window adds to its system menu.
struct MenuItem {
    int command = 0;  // given to the controller's onCommand
    std::string label;
    bool operator==(const MenuItem&) const = default;
};

struct Layout {
    int resourceId = 0;
    std::string caption;
    int width = 0;   // dialog units
    int height = 0;
    std::vector<ControlDef> controls;
    // Items added to the window's system menu, in order; where the platform
    // has no such menu, the context menu offers them, and F1 the first.
    std::vector<MenuItem> systemMenu;

    const ControlDef* find(int id) const;
    int defaultButton() const;  // id of the default button, 1 when none is marked
    // The control the dialog opens with the focus in: the first in layout
    // order that takes the focus; kNoId when none does.
    int firstFocus() const;
};

// Whether a user can tab to the control: read-only fields, what only shows
// and the arrows of a spin (which leave the focus in their buddy) cannot.
bool takesFocus(const ControlDef& def);

// One fixed scale for every dialog, so picture areas at fixed client pixel
// positions line up in both hosts.
inline constexpr int kDialogUnitX = 6;  // pixels per 4 horizontal units
inline constexpr int kDialogUnitY = 13; // pixels per 8 vertical units
inline int toPixelsX(int du) { return du * kDialogUnitX / 4; }
inline int toPixelsY(int du) { return du * kDialogUnitY / 8; }
Rect toPixels(const Rect& du);

// The layout of a resource id; throws std::out_of_range for unknown ids.
const Layout& layoutFor(int resourceId);
bool hasLayout(int resourceId);
std::vector<int> allLayoutIds();

}  // namespace kestrel::ui
