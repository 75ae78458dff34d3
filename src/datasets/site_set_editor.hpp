// The site set editor: the sites' name, their special ability and the
// razing and animation boxes.
#pragma once
#include "datasets/ability_controls.hpp"
#include "datasets/entry_editor.hpp"

namespace kestrel::datasets {

struct SiteSetIds {
    static constexpr int kName = 1036;
    static constexpr AbilityControls kAbility = {1112, 1115, 1116, 1117};
    static constexpr int kCanRaze = 1120, kAnimateNormal = 1325, kAnimateRazed = 1326;
};

class SiteSetEditor : public EntryEditor {
public:
    SiteSetEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;
};

}  // namespace kestrel::datasets
