#include "datasets/entry_lists.hpp"

#include <algorithm>

#include "core/text_case.hpp"
#include "datasets/catalogue_ops.hpp"
#include "ui/dialog.hpp"

namespace kestrel::datasets {

int fillEntryNames(const core::DataRoot& root, const KindInfo& kind, ui::Dialog* dialog,
                   std::initializer_list<int> comboIds) {
    auto names = listEntries(root, kind);
    if (dialog) {
        // In the boxes' own order, so each box takes them without sorting.
        std::stable_sort(names.begin(), names.end(), core::lessInList);
        for (const int id : comboIds) dialog->setItems(id, names);
    }
    return static_cast<int>(names.size());
}

}  // namespace kestrel::datasets
