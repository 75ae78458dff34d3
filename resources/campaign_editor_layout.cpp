#include "campaign/campaign_editor.hpp"
#include "campaign/reward_file.hpp"
#include "resources/layout_kit.hpp"
#include "resources/layouts.hpp"

namespace kestrel::resources {

// Name, episodes and world on top; then the ten episode rows under their
// column headings, each with its text, loss text, options and reward buttons.
ui::Layout campaignEditorLayout() {
    using Ids = campaign::CampaignIds;
    ui::Layout l{.resourceId = kCampaignEditor, .caption = "Edit Campaign", .width = 432, .height = 239};
    addLabelled(l, "Name", 26, field(Ids::kName, ControlKind::Edit, 33, 7, 84, 15));
    addLabelled(l, "Episodes", 38, field(Ids::kEpisodes, ControlKind::NumberEdit, 165, 7, 24));
    auto world = field(Ids::kWorld, ControlKind::ComboEdit, 229, 7, 72, 8);
    world.sorted = true;
    addLabelled(l, "World", 28, world);

    constexpr int kColumnX[] = {22, 72, 122, 172, 238};
    constexpr const char* kHeadings[] = {"Scenario", "Start Anim", "End Anim", "Start Text", "End Text"};
    constexpr int kFieldWidth = 46, kTop = 38, kPitch = 17, kButtonHeight = 13;
    for (int c = 0; c < Ids::kRowFields; ++c) l.controls.push_back(label(kHeadings[c], kColumnX[c], 27, kFieldWidth));
    const auto smallButton = [](int id, const char* text, int x, int y, int w) {
        return ControlDef{.id = id, .kind = ControlKind::Button, .label = text, .rect = {x, y, w, kButtonHeight}};
    };
    for (int r = 0; r < static_cast<int>(campaign::kEpisodes); ++r) {
        const int y = kTop + kPitch * r;
        l.controls.push_back(label(std::to_string(r + 1), 7, y + 2, 13));
        for (int c = 0; c < Ids::kRowFields; ++c)
            l.controls.push_back(field(Ids::field(r, c), ControlKind::Edit, kColumnX[c], y, kFieldWidth, 8));
        l.controls.push_back(smallButton(Ids::kStartText + r, "?", 220, y, 14));
        l.controls.push_back(smallButton(Ids::kEndText + r, "?", 286, y, 14));
        l.controls.push_back(smallButton(Ids::kLossText + r, "Loss Text", 306, y, 40));
        l.controls.push_back(smallButton(Ids::kOptions + r, "Opt's", 350, y, 30));
        if (r < campaign::kRewardRows) l.controls.push_back(smallButton(Ids::kReward + r, "Reward", 384, y, 38));
    }
    addOkCancel(l, 218);
    return l;
}

}  // namespace kestrel::resources
