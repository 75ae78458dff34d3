#include "datasets/shield_list_dialog.hpp"

#include "datasets/catalogue_ops.hpp"

namespace kestrel::datasets {

ShieldListDialog::ShieldListDialog(ui::Host& host, const core::DataRoot& root)
    : ui::Dialog(host, info(Kind::Shield).listDialog), root_(root) {
    panels_.reserve(kShieldGroups.size());
    for (const auto& g : kShieldGroups)
        panels_.emplace_back(*this, root, info(Kind::Shield), g.list, g.name,
                             std::string(1, shieldKindInfo(g.kind).letter));
}

void ShieldListDialog::onInit() {
    fill();
    for (auto& panel : panels_) panel.selectNothing();
}

void ShieldListDialog::onCommand(int id) {
    rememberAll();
    for (std::size_t i = 0; i < kShieldGroups.size(); ++i) {
        const auto& g = kShieldGroups[i];
        if (id == g.newButton) {
            if (panels_[i].createNew()) fill();
            return;
        }
        if (id == g.deleteButton) {
            if (panels_[i].deleteSelected()) fill();
            return;
        }
        if (id == g.editButton) {
            panels_[i].editSelected();
            return;
        }
    }
    ui::Dialog::onCommand(id);
}

void ShieldListDialog::onDoubleClick(int id) {
    rememberAll();
    for (std::size_t i = 0; i < kShieldGroups.size(); ++i)
        if (id == kShieldGroups[i].list) panels_[i].editSelected();
}

void ShieldListDialog::rememberAll() {
    for (auto& panel : panels_) panel.remember();
}

// One enumeration of the folder fills all three lists.
void ShieldListDialog::fill() {
    const auto files = listEntries(root_, info(Kind::Shield));
    for (auto& panel : panels_) panel.show(files);
}

}  // namespace kestrel::datasets
