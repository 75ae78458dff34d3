// The list dialog of a data set: New, Edit, Delete and Done over the entries.
#pragma once
#include <string>

#include "core/data_root.hpp"
#include "datasets/catalogue.hpp"
#include "datasets/entry_list_panel.hpp"
#include "ui/dialog.hpp"

namespace kestrel::datasets {

class ListDialog : public ui::Dialog {
public:
    static constexpr int kListId = 1008;
    static constexpr int kNameId = 1010;
    static constexpr int kNewId = 4;
    static constexpr int kDeleteId = 3;
    static constexpr int kEditId = ui::kIdCancel;  // so Escape and the close box edit

    ListDialog(ui::Host& host, const core::DataRoot& root, const KindInfo& kind, EntryHandlers handlers = {});

    // Nothing is selected when the list first opens; refills keep the rule.
    void onInit() override;
    void onCommand(int id) override;
    void onDoubleClick(int id) override;
    void onCancel() override { panel_.editSelected(); }

private:
    void fill();

    const core::DataRoot& root_;
    const KindInfo& kind_;
    EntryListPanel panel_;
};

}  // namespace kestrel::datasets
