// The campaign dialogs on their files: the record after OK, the world
// header written and removed, which buttons open a text, refusals that write
// nothing, failed writes that keep the dialog open, and the text editor's
// round trip. The everyday flow is played by the campaigns script.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "campaign/campaign_editor.hpp"
#include "campaign/campaign_file.hpp"
#include "campaign/option_file.hpp"
#include "campaign/options_dialog.hpp"
#include "campaign/reward_dialog.hpp"
#include "campaign/reward_file.hpp"
#include "campaign/text_file_dialog.hpp"
#include "scenario/scenario_header.hpp"
#include "support/script_run.hpp"
#include "support/modal_play.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::campaign {
namespace {

using Ids = CampaignIds;
using Lines = std::vector<std::string>;
using testing::Play;

constexpr const char* kRecord = "CAMPAIGN/SAGA/CAMPAIGN.DAT";
constexpr const char* kWorld = "CAMPAIGN/SAGA/WORLD.DAT";

struct CampaignRun {
    testing::TempRoot t;
    ui::HeadlessHost host;
    std::ostringstream transcript;
    CampaignRun() {
        host.setTranscript(&transcript);
        t.write(kRecord, writeCampaign(newCampaign("SAGA")));
        t.write("WORLD/MIDLANDS/WORLD.DAT", scenario::writeWorldHeader(scenario::newWorldHeader("MIDLANDS")));
        t.write("WORLD/ASH/WORLD.DAT", scenario::writeWorldHeader({"ASH", "Ashlands"}));
    }
    // Plays the dialog, then presses `button`; whether it closed.
    template <class D, class... Args>
    bool run(const Play& play, int button, Args&&... args) {
        D dialog(host, t.root(), std::forward<Args>(args)...);
        return testing::playModal(host, dialog, play, button);
    }
    bool edit(const Play& play, int button = ui::kIdOk) { return run<CampaignEditor>(play, button, "SAGA"); }
    bool options(const Play& play, int button = ui::kIdOk) { return run<OptionsDialog>(play, button, "SAGA", 0); }
    bool reward(const Play& play, int button = ui::kIdOk) { return run<RewardDialog>(play, button, "SAGA", 8); }
    bool textFile(const std::string& path, const Play& play = [](ui::Window&) {}, int button = ui::kIdOk) {
        return run<TextFileDialog>(play, button, path);
    }
    Lines messages() const { return testing::shownMessages(host); }
};

TEST(CampaignEditor, OkWritesEveryFieldAndTheWorldHeader) {
    CampaignRun r;
    Campaign want = newCampaign("SAGA");
    want.name = "Fifteen chars!!";
    want.episodes = 10;
    for (int row = 0; row < 10; ++row)
        want.rows[row] = {"S" + std::to_string(row), "SA", "EA", "ST", "ET12345" + std::to_string(row % 2)};
    want.world = "Ashlands";
    EXPECT_TRUE(r.edit([&](ui::Window& w) {
        EXPECT_EQ(w.items(Ids::kWorld), (Lines{"Ashlands", "MIDLANDS", "None"}));
        EXPECT_EQ(w.text(Ids::kWorld), "None");
        w.userType(Ids::kName, want.name);
        w.userType(Ids::kEpisodes, "10");
        for (int row = 0; row < 10; ++row) {
            const Episode& e = want.rows[row];
            const std::string* texts[] = {&e.scenario, &e.startAnim, &e.endAnim, &e.startText, &e.endText};
            for (int c = 0; c < 5; ++c) w.userType(Ids::field(row, c), *texts[c]);
        }
        w.userSelect(Ids::kWorld, 0);
    }));
    EXPECT_EQ(r.t.read(kRecord), writeCampaign(want));
    EXPECT_EQ(r.t.read(kWorld), writeCampaignWorld("Ashlands"));

    // "None" removes the world header, and so does nothing typed.
    EXPECT_TRUE(r.edit([&](ui::Window& w) { w.userSelect(Ids::kWorld, 2); }));
    EXPECT_FALSE(r.t.exists(kWorld));
    want.world.clear();
    EXPECT_EQ(r.t.read(kRecord), writeCampaign(want));
    EXPECT_TRUE(r.edit([](ui::Window& w) { w.userType(Ids::kWorld, ""); }));
    EXPECT_FALSE(r.t.exists(kWorld));
    EXPECT_TRUE(r.messages().empty());
}

TEST(CampaignEditor, TextButtonsFollowTheEpisodesAsTyped) {
    CampaignRun r;
    r.t.write("CAMPAIGN/SAGA/INTRO.TXT", std::string("Once\r\n"));
    // Each nested dialog opened is recorded; Cancel closes it.
    const auto opened = [&] {
        Lines out;
        std::istringstream in(r.transcript.str());
        for (std::string line; std::getline(in, line);)
            if (line.rfind("open ", 0) == 0 && line.rfind("open 181", 0) != 0) out.push_back(line);
        return out;
    };
    EXPECT_TRUE(r.edit(
        [&](ui::Window& w) {
            w.userType(Ids::field(3, 3), "INTRO");
            w.userType(Ids::field(3, 4), "INTRO");
            w.userType(Ids::kEpisodes, "4");
            w.userClick(Ids::kEndText + 2);  // an empty name
            w.userClick(Ids::kStartText + 3);
            w.userClick(Ids::kEndText + 3);
            w.userType(Ids::kEpisodes, "0");
            w.userClick(Ids::kLossText + 9);
            w.userClick(Ids::kReward + 8);
            w.userClick(Ids::kOptions + 9);
            w.userType(Ids::kEpisodes, "1");
            w.userType(Ids::field(0, 3), "A:B");  // a name leading elsewhere opens nothing
            w.userClick(Ids::kStartText);
        },
        ui::kIdCancel));
    EXPECT_EQ(opened(),
              (Lines{"open 183 \"Edit Text File\"", "open 183 \"Edit Text File\"", "open 183 \"Edit Text File\"",
                     "open 185 \"Campaign Reward\"", "open 188 \"Campaign Options\""}));
    // Cancel wrote nothing, nested dialogs neither.
    EXPECT_EQ(r.t.read(kRecord), writeCampaign(newCampaign("SAGA")));
    EXPECT_EQ(r.t.files(),
              (Lines{"CAMPAIGN/", "CAMPAIGN/SAGA/", "CAMPAIGN/SAGA/CAMPAIGN.DAT", "CAMPAIGN/SAGA/INTRO.TXT", "WORLD/",
                     "WORLD/ASH/", "WORLD/ASH/WORLD.DAT", "WORLD/MIDLANDS/", "WORLD/MIDLANDS/WORLD.DAT"}));
    EXPECT_EQ(r.messages(), Lines{"Error: \"A:B.TXT\" is not a valid file name."});
}

TEST(CampaignEditor, RefusalsAndFailuresKeepTheDialogOpen) {
    CampaignRun r;
    // Episodes outside 0..10 are shown as read and refused on OK.
    Campaign odd = newCampaign("SAGA");
    odd.episodes = 11;
    r.t.write(kRecord, writeCampaign(odd));
    EXPECT_FALSE(r.edit([](ui::Window& w) { EXPECT_EQ(w.text(Ids::kEpisodes), "11"); }));
    EXPECT_FALSE(r.edit([](ui::Window& w) { w.userType(Ids::kEpisodes, "x"); }));
    EXPECT_EQ(r.t.read(kRecord), writeCampaign(odd));
    EXPECT_FALSE(r.t.exists(kWorld));
    EXPECT_EQ(r.messages(),
              (Lines{"kstred: Please enter an integer between 0 and 10.", "kstred: Please enter an integer."}));

    // A record that cannot be read: empty fields and no worlds; writing it fails.
    std::filesystem::remove(r.t.path() / kRecord);
    r.t.mkdir(kRecord);
    EXPECT_FALSE(r.edit([](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kName), "");
        EXPECT_EQ(w.text(Ids::kEpisodes), "0");
        EXPECT_TRUE(w.items(Ids::kWorld).empty());
        w.userType(Ids::kWorld, "MIDLANDS");
    }));
    EXPECT_EQ(r.messages().back(), "Error: Error writing CAMPAIGN\\SAGA\\CAMPAIGN.DAT");
    // The world header was written first; the record stays a folder.
    EXPECT_TRUE(r.t.exists(kWorld));
}

TEST(CampaignOptionsAndReward, MissingFilesAndRefusedValues) {
    CampaignRun r;
    const char* file = "CAMPAIGN/SAGA/OPT0.DAT";
    EXPECT_FALSE(r.options([](ui::Window& w) {
        Lines on;
        for (const auto& f : kOptionFields)
            if (f.kind == OptionKind::Check && w.checked(f.id)) on.push_back(std::string(f.label));
        EXPECT_EQ(on, (Lines{"View Enemy Move", "View Enemy Cities", "View Enemy Production", "Military Advisor",
                             "Strong Neutrals", "Diplomacy", "Quests", "Spells", "Merchants", "Mercenaries"}));
        EXPECT_EQ(w.text(1320), "20");
        EXPECT_EQ(w.text(1319), "0");
        EXPECT_TRUE(w.checked(1322));
        w.userType(1320, "25");
    }));
    EXPECT_FALSE(r.t.exists(file));
    EXPECT_TRUE(r.options([](ui::Window& w) { w.userType(1320, "20"); }));
    EXPECT_EQ(r.t.read(file), writeOptions(defaultOptions()));

    // Strong neutrals of 2 show checked and are written as 1; a razing value
    // no button shows is kept.
    core::Bytes odd = writeOptions(defaultOptions());
    odd[6] = 4;
    odd[7] = 6;
    r.t.write(file, odd);
    EXPECT_TRUE(r.options([](ui::Window& w) {
        EXPECT_TRUE(w.checked(1317));
        for (int id : {1321, 1322, 1323}) EXPECT_FALSE(w.checked(id));
    }));
    odd[6] = 2;
    EXPECT_EQ(r.t.read(file), odd);

    // The reward: none without the file, a refused amount writes nothing.
    const char* reward = "CAMPAIGN/SAGA/REWARD8.DAT";
    EXPECT_FALSE(r.reward([](ui::Window& w) {
        EXPECT_EQ(w.text(RewardIds::kCount), "0");
        for (int id : RewardIds::kKinds) EXPECT_EQ(w.selection(id), -1);
        w.userType(RewardIds::kAmounts[3], "11");
    }));
    EXPECT_FALSE(r.t.exists(reward));
    EXPECT_TRUE(r.reward([](ui::Window& w) {
        w.userType(RewardIds::kAmounts[3], "10");
        w.userSelect(1267, 5);
    }));
    EXPECT_EQ(r.t.read(reward), writeReward({0, {-1, 5, -1, -1}, {0, 0, 0, 10}}));
    EXPECT_EQ(r.messages(), (Lines{"kstred: Please enter an integer between 18 and 24.",
                                   "kstred: Please enter an integer between 0 and 10."}));
    // Kinds outside the list show none chosen.
    r.t.write(reward, writeReward({1, {6, -7, 2, 0}, {1, 2, 3, 4}}));
    EXPECT_TRUE(r.reward(
        [](ui::Window& w) {
            for (const auto& [id, want] : {std::pair{1266, -1}, {1267, -1}, {1268, 2}})
                EXPECT_EQ(w.selection(id), want);
        },
        ui::kIdCancel));
}

TEST(TextFile, LastLineGainsOneBreakAndLongTextsStayWhole) {
    CampaignRun r;
    const auto saved = [&](const std::string& text) {  // by OK on the file holding `text`
        r.t.write("CAMPAIGN/SAGA/LOSS0.TXT", text);
        EXPECT_TRUE(r.textFile("CAMPAIGN\\SAGA\\LOSS0.TXT"));
        const core::Bytes b = r.t.read("CAMPAIGN/SAGA/LOSS0.TXT");
        return std::string(b.begin(), b.end());
    };
    EXPECT_EQ(saved("Lost\r\nall"), "Lost\r\nall\r\n");
    std::string longText;
    for (int i = 0; i < 600; ++i) longText += "Line " + std::to_string(i) + " of a long text\r\n";
    ASSERT_GT(longText.size(), 4100u);
    EXPECT_EQ(saved(longText), longText);

    // A missing file opens empty; Cancel writes nothing; a failed write keeps the dialog open.
    const auto empty = [](ui::Window& w) { EXPECT_EQ(w.text(TextFileIds::kText), ""); };
    EXPECT_TRUE(r.textFile("CAMPAIGN\\SAGA\\NEW.TXT", empty, ui::kIdCancel));
    EXPECT_FALSE(r.t.exists("CAMPAIGN/SAGA/NEW.TXT"));
    r.t.mkdir("CAMPAIGN/SAGA/DIR.TXT");
    EXPECT_FALSE(r.textFile("CAMPAIGN\\SAGA\\DIR.TXT"));
    EXPECT_EQ(r.messages(), Lines{"Error: Error writing CAMPAIGN\\SAGA\\DIR.TXT"});
}

TEST(CampaignList, NewRefusesABadNameAndDeleteLeavesTheFolder) {
    testing::TempRoot t;
    t.write("CAMPAIGN/OLD/LOSS0.TXT", std::string("kept"));
    const auto run = testing::runScript(t.path(),
                                        "click 1028\ntype 1010 \"..\"\nclick 4\n"
                                        "expect message \"Error\" \"Error creating new campaign file!\"\n"
                                        "type 1010 \"OLD\"\nclick 4\nexpect items 1008 \"OLD\"\n"
                                        "select 1008 \"OLD\"\nclick 3\nexpect items 1008\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(t.files(), (Lines{"CAMPAIGN/", "CAMPAIGN/OLD/", "CAMPAIGN/OLD/LOSS0.TXT"}));
    EXPECT_EQ(t.read("CAMPAIGN/OLD/LOSS0.TXT").size(), 4u);
}

}  // namespace
}  // namespace kestrel::campaign
