#include "ui/dialog.hpp"

#include <stdexcept>

#include "ui/window.hpp"

namespace kestrel::ui {

Dialog::Dialog(Host& host, int resourceId) : host_(host), layout_(&layoutFor(resourceId)) {}

Dialog::~Dialog() = default;

Window& Dialog::win() const {
    if (!window_) throw std::logic_error("dialog " + std::to_string(resourceId()) + " is not open");
    return *window_;
}

void Dialog::onCommand(int id) {
    if (id == kIdOk) {
        if (onOk()) end(kIdOk);
    } else if (id == kIdCancel) {
        onCancel();
    }
}

std::string Dialog::text(int id) const { return win().text(id); }
void Dialog::setText(int id, std::string_view text) { win().setText(id, text); }
bool Dialog::checked(int id) const { return win().checked(id); }
void Dialog::setChecked(int id, bool on) { win().setChecked(id, on); }
std::vector<std::string> Dialog::items(int id) const { return win().items(id); }
void Dialog::setItems(int id, const std::vector<std::string>& items) { win().setItems(id, items); }
int Dialog::addItem(int id, std::string_view item) { return win().addItem(id, item); }
void Dialog::clearItems(int id) { win().setItems(id, {}); }
int Dialog::selection(int id) const { return win().selection(id); }
void Dialog::setSelection(int id, int index) { win().setSelection(id, index); }

std::string Dialog::selectedText(int id) const {
    const int index = selection(id);
    return index < 0 ? std::string() : items(id)[index];
}

void Dialog::selectByPrefix(int id, std::string_view name) {
    const bool isCombo = layout().find(id)->kind == ControlKind::ComboEdit;
    // An empty stored name stays empty: choosing the first item for it would
    // fill every empty name of a record the user never touched.
    if (name.empty() && isCombo) {
        setSelection(id, -1);
        setText(id, "");
        return;
    }
    const int index = findPrefix(items(id), name);
    setSelection(id, index);
    if (index < 0 && isCombo) setText(id, name);
}

std::string Dialog::caption() const { return win().caption(); }
void Dialog::setCaption(std::string_view caption) { win().setCaption(caption); }
void Dialog::focus(int id) { win().focus(id); }
void Dialog::invalidate() { win().invalidate(); }
void Dialog::end(int result) { win().close(result); }

}  // namespace kestrel::ui
