#include "ui/window.hpp"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "core/text_case.hpp"
#include "ui/data_exchange.hpp"
#include "ui/dialog.hpp"
#include "ui/host.hpp"

namespace kestrel::ui {

bool isTextControl(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::MultiEdit || kind == ControlKind::NumberEdit ||
           kind == ControlKind::ComboEdit;
}

bool isListControl(ControlKind kind) {
    return kind == ControlKind::List || kind == ControlKind::ComboEdit || kind == ControlKind::ComboList;
}

int sortedInsertIndex(const std::vector<std::string>& items, std::string_view item) {
    const auto it = std::upper_bound(items.begin(), items.end(), item,
                                     [](std::string_view a, const std::string& b) { return core::lessInList(a, b); });
    return static_cast<int>(it - items.begin());
}

int findPrefix(const std::vector<std::string>& items, std::string_view prefix) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (core::startsWithNoCase(items[i], prefix)) return static_cast<int>(i);
    return -1;
}

Window::Window(Dialog& dialog)
    : dialog_(dialog), caption_(dialog.layout().caption), focused_(dialog.layout().firstFocus()) {
    for (const auto& def : dialog.layout().controls) {
        if (def.id == kNoId) continue;
        ControlState& state = controls_[def.id];
        state.def = &def;
        if (def.kind == ControlKind::Static || def.kind == ControlKind::Group) state.text = def.label;
    }
}

Window::~Window() = default;

const Layout& Window::layout() const { return dialog_.layout(); }

ControlState* Window::find(int id) {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

ControlState& Window::at(int id) {
    if (ControlState* s = find(id)) return *s;
    throw std::out_of_range("dialog " + std::to_string(layout().resourceId) + " has no control " + std::to_string(id));
}

const ControlState& Window::state(int id) const { return const_cast<Window*>(this)->at(id); }

std::vector<int> Window::controlIds() const {
    std::vector<int> ids;
    for (const auto& def : layout().controls)
        if (def.id != kNoId && std::find(ids.begin(), ids.end(), def.id) == ids.end()) ids.push_back(def.id);
    return ids;
}

std::string Window::text(int id) const { return state(id).text; }

void Window::setText(int id, std::string_view text) {
    ControlState& s = at(id);
    s.text = std::string(text);
    if (s.def->kind == ControlKind::ComboEdit) {
        const auto it = std::find(s.items.begin(), s.items.end(), s.text);
        s.selection = it == s.items.end() ? -1 : static_cast<int>(it - s.items.begin());
    }
    refreshControl(id);
}

bool Window::checked(int id) const { return state(id).checked; }

void Window::setChecked(int id, bool on) {
    at(id).checked = on;
    refreshControl(id);
}

std::vector<std::string> Window::items(int id) const { return state(id).items; }

void Window::setItems(int id, const std::vector<std::string>& items) {
    ControlState& s = at(id);
    s.items = items;
    // Callers often hand over names already in order: check before sorting.
    if (s.def->sorted && !std::is_sorted(s.items.begin(), s.items.end(), core::lessInList))
        std::stable_sort(s.items.begin(), s.items.end(), core::lessInList);
    s.selection = -1;
    if (s.def->kind != ControlKind::ComboEdit) s.text.clear();
    refreshControl(id);
}

int Window::addItem(int id, std::string_view item) {
    ControlState& s = at(id);
    const int index = s.def->sorted ? sortedInsertIndex(s.items, item) : static_cast<int>(s.items.size());
    s.items.insert(s.items.begin() + index, std::string(item));
    if (s.selection >= index) ++s.selection;
    refreshControl(id);
    return index;
}

int Window::selection(int id) const { return state(id).selection; }

void Window::setSelection(int id, int index) {
    ControlState& s = at(id);
    s.selection = index >= 0 && index < static_cast<int>(s.items.size()) ? index : -1;
    if (s.selection >= 0)
        s.text = s.items[s.selection];
    else if (s.def->kind != ControlKind::ComboEdit)
        s.text.clear();
    refreshControl(id);
}

void Window::setCaption(std::string_view caption) {
    caption_ = std::string(caption);
    refreshCaption();
}

void Window::focus(int id) {
    if (!find(id)) return;
    focused_ = id;
    refreshFocus();
}

void Window::invalidate() {
    dirtyClient_ = true;
    refreshClient();
}

void Window::close(int result) {
    if (closed_) return;
    closed_ = true;
    result_ = result;
    onClosed();
}

const pictures::Surface& Window::client() {
    if (dirtyClient_) repaint();
    return client_;
}

void Window::repaint() {
    client_ = pictures::Surface(toPixelsX(layout().width), toPixelsY(layout().height), pictures::kDialogFace);
    guard([&] { dialog_.onPaint(client_); });
    dirtyClient_ = false;
}

std::vector<int> Window::radioGroup(int id) const {
    const auto& cs = layout().controls;
    const auto self = std::find_if(cs.begin(), cs.end(), [id](const ControlDef& c) { return c.id == id; });
    std::vector<int> group;
    if (self == cs.end() || self->kind != ControlKind::Radio) return group;
    auto first = self;
    while (first != cs.begin() && std::prev(first)->kind == ControlKind::Radio) --first;
    for (auto it = first; it != cs.end() && it->kind == ControlKind::Radio; ++it) group.push_back(it->id);
    return group;
}

bool Window::userClick(int id) {
    const ControlState* s = find(id);
    if (!s) return false;
    switch (s->def->kind) {
        case ControlKind::Button: guard([&] { dialog_.onCommand(id); }); return true;
        case ControlKind::Check: return userCheck(id, !s->checked);
        case ControlKind::Radio: return userRadio(id);
        default: return false;
    }
}

bool Window::userType(int id, std::string_view text) {
    ControlState* s = find(id);
    if (!s || !isTextControl(s->def->kind) || s->def->readOnly) return false;
    const std::string typed = typedText(s->def->typing, text);
    const std::size_t limit = s->def->limit > 0 ? static_cast<std::size_t>(s->def->limit) : typed.size();
    setText(id, std::string_view(typed).substr(0, limit));
    guard([&] { dialog_.onChange(id); });
    return true;
}

bool Window::userSelect(int id, int index) {
    ControlState* s = find(id);
    if (!s || !isListControl(s->def->kind) || index < -1 || index >= static_cast<int>(s->items.size())) return false;
    setSelection(id, index);
    guard([&] { dialog_.onChange(id); });
    return true;
}

bool Window::userDoubleClick(int id, int index) {
    if (!userSelect(id, index)) return false;
    guard([&] { dialog_.onDoubleClick(id); });
    return true;
}

bool Window::userCheck(int id, bool on) {
    ControlState* s = find(id);
    if (!s || s->def->kind != ControlKind::Check) return false;
    if (s->checked == on) return true;
    setChecked(id, on);
    guard([&] { dialog_.onCommand(id); });
    return true;
}

bool Window::userRadio(int id) {
    const auto group = radioGroup(id);
    if (group.empty()) return false;
    for (const int other : group) setChecked(other, other == id);
    guard([&] { dialog_.onCommand(id); });
    return true;
}

bool Window::userSpin(int id, int step) {
    ControlState* s = find(id);
    if (!s || s->def->kind != ControlKind::Spin || !find(s->def->buddy)) return false;
    const ControlDef& spin = *s->def;
    // What the buddy holds may be anything the user typed: clamp before stepping.
    long typed = spin.minValue;
    if (!parseInteger(text(spin.buddy), typed)) typed = spin.minValue;
    int value = static_cast<int>(std::clamp<long>(typed, spin.minValue - 1L, spin.maxValue + 1L));
    if (value >= spin.minValue && value <= spin.maxValue) value += step;
    if (value > spin.maxValue) value = spin.wrap ? spin.minValue : spin.maxValue;
    if (value < spin.minValue) value = spin.wrap ? spin.maxValue : spin.minValue;
    setText(spin.buddy, std::to_string(value));
    guard([&] { dialog_.onChange(spin.buddy); });
    return true;
}

bool Window::userMouse(const MouseEvent& event) {
    guard([&] { dialog_.onMouse(event); });
    return true;
}

void Window::userEscape() { guard([&] { dialog_.onCommand(kIdCancel); }); }

void Window::userEnter() { guard([&] { dialog_.onCommand(layout().defaultButton()); }); }

void Window::guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        // The operation fails; the program and the user's other work go on.
        dialog_.host().error(kOutOfMemoryMessage);
    }
}

bool Window::userF1() { return !layout().systemMenu.empty() && userMenu(layout().systemMenu.front().command); }

bool Window::userMenu(int command) {
    if (!hasMenuItem(command)) return false;
    guard([&] { dialog_.onCommand(command); });
    return true;
}

bool Window::hasMenuItem(int command) const {
    for (const MenuItem& item : layout().systemMenu)
        if (item.command == command) return true;
    return false;
}

}  // namespace kestrel::ui
