// Building blocks shared by the dialog layouts: labelled fields, the OK and
// Cancel pair, Import Picture, special ability groups. Dialog units.
#pragma once
#include <string>

#include "ui/layout.hpp"

namespace kestrel::resources {

using ui::ControlDef;
using ui::ControlKind;

inline constexpr int kLineHeight = 12;

ControlDef label(std::string text, int x, int y, int w);
ControlDef field(int id, ControlKind kind, int x, int y, int w, int limit = 0);
// A number edit that takes nothing but digits while typing.
ControlDef digitsField(int id, int x, int y, int w);
ControlDef check(int id, std::string text, int x, int y, int w);
ControlDef group(std::string text, int x, int y, int w, int h);
ControlDef button(int id, std::string text, int x, int y, int w = 56);
ControlDef importPicture(int x, int y, int id = 1015, std::string text = "Import Picture");
// A label on the left of its field, on one line.
void addLabelled(ui::Layout& l, std::string text, int labelWidth, ControlDef field);
// OK and Cancel at the right-hand side of row y.
void addOkCancel(ui::Layout& l, int y);

// One special ability: its list over the two values and the code text, each
// with a short label. 108 by 62 units at (x, y).
struct AbilityGroupIds {
    int list, first, second, text;
};
inline constexpr int kAbilityGroupWidth = 108, kAbilityGroupHeight = 62;
void addAbilityGroup(ui::Layout& l, std::string caption, int x, int y, const AbilityGroupIds& ids);

}  // namespace kestrel::resources
