// The shields' list dialog: one list of entries per feature kind, side by
// side, each with its own name field and New, Edit and Delete.
#pragma once
#include <array>
#include <vector>

#include "core/data_root.hpp"
#include "datasets/entry_list_panel.hpp"
#include "datasets/shield.hpp"
#include "ui/dialog.hpp"

namespace kestrel::datasets {

struct ShieldGroupIds {
    ShieldKind kind;
    int list, name, newButton, editButton, deleteButton;
};

// In the order of kShieldKinds.
inline constexpr std::array<ShieldGroupIds, 3> kShieldGroups{{
    {ShieldKind::Base, 1213, 1214, 1215, 1059, 1216},
    {ShieldKind::Ordinary, 1217, 1220, 1219, 1011, 1218},
    {ShieldKind::Charge, 1221, 1224, 1223, 1012, 1222},
}};

class ShieldListDialog : public ui::Dialog {
public:
    ShieldListDialog(ui::Host& host, const core::DataRoot& root);

    // Nothing is selected when the lists first open; refills keep the rule.
    void onInit() override;
    void onCommand(int id) override;
    void onDoubleClick(int id) override;

private:
    void fill();
    void rememberAll();

    const core::DataRoot& root_;
    std::vector<EntryListPanel> panels_;  // in the order of kShieldGroups
};

}  // namespace kestrel::datasets
