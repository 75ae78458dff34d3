#include "qt/controls/control_builders.hpp"

#include <QWidget>
#include <utility>

namespace kestrel::qt {

namespace {

using ui::ControlKind;

constexpr std::pair<ControlKind, ControlBuilder> kBuilders[] = {
    {ControlKind::Static, buildStatic},       {ControlKind::Group, buildGroup},
    {ControlKind::Edit, buildLineEdit},       {ControlKind::MultiEdit, buildMultiEdit},
    {ControlKind::NumberEdit, buildLineEdit}, {ControlKind::Check, buildCheck},
    {ControlKind::Radio, buildRadio},         {ControlKind::List, buildList},
    {ControlKind::ComboEdit, buildCombo},     {ControlKind::ComboList, buildCombo},
    {ControlKind::Spin, buildSpin},           {ControlKind::Button, buildButton},
    {ControlKind::Frame, buildFrame},         {ControlKind::Canvas, buildCanvas},
    {ControlKind::Icon, buildIcon},
};

}  // namespace

ControlBuilder controlBuilder(ControlKind kind) {
    for (const auto& [k, builder] : kBuilders)
        if (k == kind) return builder;
    return nullptr;
}

QRect pixelRect(const ui::Rect& du) {
    const ui::Rect px = ui::toPixels(du);
    return {px.x, px.y, px.w, px.h};
}

QWidget* placed(QWidget* w, const ui::ControlDef& def) {
    w->setGeometry(pixelRect(def.rect));
    return w;
}

}  // namespace kestrel::qt
