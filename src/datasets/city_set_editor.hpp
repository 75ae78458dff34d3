#pragma once
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

class CitySetEditor : public EntryEditor {
public:
    static constexpr int kFirstLevelId = 1011;  // levels 1 to 4: 1011 to 1014

    CitySetEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
