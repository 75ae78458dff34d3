#include "campaign/text_file_dialog.hpp"
#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// The file's path above its text; Enter in the text starts a new line.
ui::Layout textFileLayout() {
    using Ids = campaign::TextFileIds;
    ui::Layout l{.resourceId = kTextFile, .caption = "Edit Text File", .width = 256, .height = 202};
    l.controls.push_back(
        {.id = Ids::kPath, .kind = ControlKind::Edit, .rect = {7, 7, 242, kLineHeight}, .readOnly = true});
    l.controls.push_back({.id = Ids::kText, .kind = ControlKind::MultiEdit, .rect = {7, 24, 242, 150}});
    addOkCancel(l, 181);
    return l;
}

}  // namespace kestrel::resources
