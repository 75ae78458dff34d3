#include "campaign/campaign_editor.hpp"

#include "campaign/campaign_text.hpp"
#include "campaign/option_file.hpp"
#include "campaign/options_dialog.hpp"
#include "campaign/reward_dialog.hpp"
#include "campaign/reward_file.hpp"
#include "campaign/text_file_dialog.hpp"
#include "core/folder_search.hpp"
#include "datasets/catalogue.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_header.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::campaign {

namespace {

using Ids = CampaignIds;
using L = CampaignLimits;

constexpr std::string_view kTextExtension = ".TXT";

std::string Episode::*const kColumns[Ids::kRowFields] = {&Episode::scenario, &Episode::startAnim, &Episode::endAnim,
                                                         &Episode::startText, &Episode::endText};

// The row of a button, or -1 when the id is not one of its run.
int rowOf(int id, int first, int rows) { return id >= first && id < first + rows ? id - first : -1; }

}  // namespace

CampaignEditor::CampaignEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : datasets::EntryEditor(host, root, datasets::info(datasets::Kind::Campaign), std::move(entryName)) {}

void CampaignEditor::load(const std::optional<core::Bytes>& record) {
    // A record that cannot be read leaves every field and the world list empty.
    if (!record) return;
    const Campaign campaign = readCampaign(*record);
    setText(Ids::kName, campaign.name);
    setNumber(Ids::kEpisodes, campaign.episodes);
    for (int row = 0; row < static_cast<int>(kEpisodes); ++row)
        for (int column = 0; column < Ids::kRowFields; ++column)
            setText(Ids::field(row, column), campaign.rows[row].*kColumns[column]);
    setItems(Ids::kWorld, scenario::worldChoices(root()));
    selectByPrefix(Ids::kWorld, campaign.world.empty() ? std::string(scenario::kNoWorld) : campaign.world);
}

std::optional<Campaign> CampaignEditor::readControls() {
    Campaign c;
    c.entryName = entryName();
    ui::DataExchange dx(*this);
    dx.text(Ids::kName, L::kName, c.name);
    dx.integer(Ids::kEpisodes, 0, L::kMaxEpisodes, c.episodes);
    dx.text(Ids::kWorld, L::kField, c.world);
    for (int row = 0; row < static_cast<int>(kEpisodes); ++row)
        for (int column = 0; column < Ids::kRowFields; ++column)
            dx.text(Ids::field(row, column), L::kField, c.rows[row].*kColumns[column]);
    if (!dx.ok()) return std::nullopt;
    if (c.world == scenario::kNoWorld) c.world.clear();
    return c;
}

std::optional<core::Bytes> CampaignEditor::save() {
    const auto c = readControls();
    if (!c) return std::nullopt;
    return writeCampaign(*c);
}

bool CampaignEditor::onOk() {
    const auto c = readControls();
    if (!c) return false;
    const std::string worldPath = campaignPath(entryName(), kCampaignWorldFile);
    const bool worldDone = c->world.empty() ? !root().isFile(worldPath) || root().remove(worldPath)
                                            : root().writeAtomic(worldPath, writeCampaignWorld(c->world));
    const std::string recordPath = campaignPath(entryName(), kCampaignFile);
    // Closing after a failed write would lose the user's changes without a word.
    if (!worldDone) {
        host().error("Error writing " + worldPath);
        return false;
    }
    if (!root().writeAtomic(recordPath, writeCampaign(*c))) {
        host().error("Error writing " + recordPath);
        return false;
    }
    return true;
}

void CampaignEditor::onCommand(int id) {
    const int rows = static_cast<int>(kEpisodes);
    if (const int row = rowOf(id, Ids::kStartText, rows); row >= 0) return editText(row, Ids::kStartTextColumn);
    if (const int row = rowOf(id, Ids::kEndText, rows); row >= 0) return editText(row, Ids::kEndTextColumn);
    if (const int row = rowOf(id, Ids::kLossText, rows); row >= 0) return openText(lossTextName(row));
    if (const int row = rowOf(id, Ids::kReward, kRewardRows); row >= 0) {
        RewardDialog dialog(host(), root(), entryName(), row);
        host().runModal(dialog);
        return;
    }
    if (const int row = rowOf(id, Ids::kOptions, kOptionRows); row >= 0) {
        OptionsDialog dialog(host(), root(), entryName(), row);
        host().runModal(dialog);
        return;
    }
    datasets::EntryEditor::onCommand(id);
}

// A row's text opens only while the episodes reach the row, as they stand
// in their field now.
void CampaignEditor::editText(int row, int column) {
    long episodes = 0;
    std::string name;
    ui::DataExchange dx(*this);
    dx.integer(Ids::kEpisodes, 0, L::kMaxEpisodes, episodes);
    dx.text(Ids::field(row, column), L::kField, name);
    if (!dx.ok() || episodes <= row || name.empty()) return;
    openText(name + std::string(kTextExtension));
}

void CampaignEditor::openText(const std::string& file) {
    // A typed name must not lead out of the campaign's folder.
    if (!core::isPortableFileName(file)) {
        host().error("\"" + file + "\" is not a valid file name.");
        return;
    }
    TextFileDialog dialog(host(), root(), campaignPath(entryName(), file));
    host().runModal(dialog);
}

std::unique_ptr<ui::Dialog> makeCampaignEditor(ui::Host& host, const core::DataRoot& root,
                                               const std::string& entryName) {
    return std::make_unique<CampaignEditor>(host, root, entryName);
}

}  // namespace kestrel::campaign
