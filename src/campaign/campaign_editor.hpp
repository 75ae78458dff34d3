// "Edit Campaign": the campaign record with its ten episode rows, and the
// buttons that open each row's texts, reward and options.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "campaign/campaign_file.hpp"
#include "core/data_root.hpp"
#include "datasets/entry_editor.hpp"

namespace kestrel::campaign {

struct CampaignIds {
    static constexpr int kWorld = 1032, kName = 1036, kEpisodes = 1037;
    // Row r: scenario, start animation, end animation, start text, end text.
    static constexpr int kFirstRowField = 1038, kRowFields = 5;
    static constexpr int field(int row, int column) { return kFirstRowField + kRowFields * row + column; }
    static constexpr int kStartTextColumn = 3, kEndTextColumn = 4;
    static constexpr int kStartText = 1270, kEndText = 1280, kReward = 1290, kOptions = 1305, kLossText = 1322;
};

class CampaignEditor : public datasets::EntryEditor {
public:
    CampaignEditor(ui::Host& host, const core::DataRoot& root, std::string entryName);

    void onCommand(int id) override;
    bool onOk() override;

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;

private:
    std::optional<Campaign> readControls();
    void editText(int row, int column);
    void openText(const std::string& file);
};

std::unique_ptr<ui::Dialog> makeCampaignEditor(ui::Host& host, const core::DataRoot& root,
                                               const std::string& entryName);

}  // namespace kestrel::campaign
