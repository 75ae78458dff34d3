// The advisor editor: the nineteen texts and the picture import.
#pragma once
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

struct AdvisorIds {
    // Text n of the record is control kFirstText + n: first lines, second
    // lines, then the results of 0 to 10 won battles.
    static constexpr int kFirstText = 1212;
};

class AdvisorEditor : public EntryEditor {
public:
    AdvisorEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
