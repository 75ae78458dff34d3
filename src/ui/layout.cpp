#include "ui/layout.hpp"

namespace kestrel::ui {

const char* controlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Static: return "static";
        case ControlKind::Group: return "group";
        case ControlKind::Edit: return "edit";
        case ControlKind::MultiEdit: return "multiedit";
        case ControlKind::NumberEdit: return "number";
        case ControlKind::Check: return "check";
        case ControlKind::Radio: return "radio";
        case ControlKind::List: return "list";
        case ControlKind::ComboEdit: return "combo";
        case ControlKind::ComboList: return "droplist";
        case ControlKind::Spin: return "spin";
        case ControlKind::Button: return "button";
        case ControlKind::Frame: return "frame";
        case ControlKind::Canvas: return "canvas";
        case ControlKind::Icon: return "icon";
    }
    return "?";
}

std::string typedText(Typing typing, std::string_view text) {
    if (typing == Typing::Text) return std::string(text);
    std::string kept;
    for (const char c : text)
        if ((c >= '0' && c <= '9') || (c == '-' && kept.empty() && typing == Typing::SignedDigits)) kept += c;
    return kept;
}

const ControlDef* Layout::find(int id) const {
    if (id == kNoId) return nullptr;
    for (const auto& c : controls)
        if (c.id == id) return &c;
    return nullptr;
}

int Layout::defaultButton() const {
    for (const auto& c : controls)
        if (c.kind == ControlKind::Button && c.isDefault) return c.id;
    return 1;
}

bool takesFocus(const ControlDef& def) {
    switch (def.kind) {
        case ControlKind::Edit:
        case ControlKind::NumberEdit:
        case ControlKind::MultiEdit: return !def.readOnly;
        case ControlKind::Check:
        case ControlKind::Radio:
        case ControlKind::List:
        case ControlKind::ComboEdit:
        case ControlKind::ComboList:
        case ControlKind::Button: return true;
        default: return false;
    }
}

int Layout::firstFocus() const {
    for (const auto& c : controls)
        if (c.id != kNoId && takesFocus(c)) return c.id;
    return kNoId;
}

Rect toPixels(const Rect& du) {
    return {toPixelsX(du.x), toPixelsY(du.y), toPixelsX(du.w), toPixelsY(du.h)};
}

}  // namespace kestrel::ui
