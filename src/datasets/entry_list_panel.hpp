// One list of a data set's entries with its name field, and New, Edit and
// Delete on them. The list dialog has one; the shields' list dialog one per
// feature kind, whose file names carry the kind's letter before the name.
#pragma once
#include <string>
#include <vector>

#include "core/data_root.hpp"
#include "datasets/catalogue.hpp"
#include "datasets/entry_editors.hpp"
#include "ui/dialog.hpp"

namespace kestrel::datasets {

class EntryListPanel {
public:
    EntryListPanel(ui::Dialog& dialog, const core::DataRoot& root, const KindInfo& kind, int listId, int nameId,
                   std::string filePrefix = {}, EntryHandlers handlers = {});

    // The two strings that survive a refill: the typed name and the selection.
    void remember();
    // Shows the entries among `fileNames` (as listEntries gives them) that
    // carry the prefix, without it; keeps the typed name and selects the
    // first entry that begins with the remembered selection.
    void show(const std::vector<std::string>& fileNames);
    void selectNothing();

    // Each returns whether the files changed, so that the lists are refilled.
    bool createNew();
    bool deleteSelected();
    void editSelected();

private:
    std::string fileName(const std::string& name) const { return filePrefix_ + name; }

    ui::Dialog& dialog_;
    const core::DataRoot& root_;
    const KindInfo& kind_;
    int listId_;
    int nameId_;
    std::string filePrefix_;
    EntryHandlers handlers_;
    std::string typedName_;
    std::string selectedName_;
};

}  // namespace kestrel::datasets
