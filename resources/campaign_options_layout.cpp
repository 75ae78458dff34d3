#include "campaign/option_file.hpp"
#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// The check boxes in the option table's order, eight to a column; the
// razing choice under the third column, the two numbers below.
ui::Layout campaignOptionsLayout() {
    using campaign::OptionKind;
    ui::Layout l{.resourceId = kCampaignOptions, .caption = "Campaign Options", .width = 329, .height = 180};
    constexpr int kColumnX[] = {7, 115, 223}, kColumnWidth = 102, kPitch = 13, kPerColumn = 8;
    int placed = 0;
    int numberX = 7;
    for (const auto& f : campaign::kOptionFields) {
        switch (f.kind) {
            case OptionKind::Check:
                l.controls.push_back(check(f.id, std::string(f.label), kColumnX[placed / kPerColumn],
                                           7 + kPitch * (placed % kPerColumn), kColumnWidth));
                ++placed;
                break;
            case OptionKind::Number:
                addLabelled(l, std::string(f.label), 48, field(f.id, ControlKind::NumberEdit, numberX + 48, 128, 24));
                numberX += 108;
                break;
            case OptionKind::Razing:
                for (int r = 0; r < static_cast<int>(campaign::kRazingLabels.size()); ++r)
                    l.controls.push_back({.id = f.id + r,
                                          .kind = ControlKind::Radio,
                                          .label = std::string(campaign::kRazingLabels[r]),
                                          .rect = {kColumnX[2], 72 + kPitch * r, kColumnWidth, 10}});
                break;
        }
    }
    addOkCancel(l, 159);
    return l;
}

}  // namespace kestrel::resources
