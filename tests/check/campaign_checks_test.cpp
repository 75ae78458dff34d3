// A campaign's record, episodes, texts, world, rewards and options: each
// fault planted in the sample campaign ISLES found once, at its place.
#include <gtest/gtest.h>

#include "check/check_testing.hpp"

namespace kestrel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kRecord = "CAMPAIGN/ISLES/CAMPAIGN.DAT";
const std::string kWorld = "CAMPAIGN/ISLES/WORLD.DAT";
const std::string kReward = "CAMPAIGN/ISLES/REWARD0.DAT";
const std::string kOptions = "CAMPAIGN/ISLES/OPT1.DAT";

// A change of one leaf of one campaign file.
std::function<void(const fs::path&)> setNumber(std::string file, std::string kind, std::string leaf,
                                               std::int64_t value) {
    return [=](const fs::path& root) { RecordEdit(root, file, kind).number(0, 0, leaf, value); };
}
std::function<void(const fs::path&)> setText(std::string file, std::string kind, std::string leaf, std::string value) {
    return [=](const fs::path& root) { RecordEdit(root, file, kind).text(0, 0, leaf, value); };
}
std::function<void(const fs::path&)> removeFile(std::string file) {
    return [=](const fs::path& root) { fs::remove(root / file); };
}

class CampaignFault : public PlantedFault {};

TEST_P(CampaignFault, IsFoundAlone) { expectFoundAlone(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Planted, CampaignFault,
    ::testing::Values(
        Plant{"EpisodesOverTen", setNumber(kRecord, "campaign", "episodes", 11),
              error(kRecord, "0", "episodes", "the value 11 is outside 0 to 10")},
        Plant{"EpisodeWithoutScenario", setNumber(kRecord, "campaign", "episodes", 3),
              error(kRecord, "0", "scenario[2]", "episode 3 names no scenario")},
        Plant{"ScenarioThatDoesNotExist", setText(kRecord, "campaign", "scenario[1]", "NOWHERE"),
              error(kRecord, "0", "scenario[1]", "scenario 'NOWHERE' of episode 2 does not exist in SCENARIO")},
        Plant{"ScenarioFolderWithoutHeader",
              [](const fs::path& root) {
                  fs::create_directories(root / "SCENARIO/HOLLOW");
                  RecordEdit(root, kRecord, "campaign").text(0, 0, "scenario[0]", "hollow");
              },
              error("SCENARIO/HOLLOW", "", "",
                    "the folder has no SCENARIO.DAT; the editor does not know it as a scenario")},
        Plant{"StartTextWithoutFile", removeFile("CAMPAIGN/ISLES/START2.TXT"),
              warning(kRecord, "0", "startText[1]",
                      "start text 'START2' of episode 2 has no file START2.TXT in CAMPAIGN/ISLES")},
        Plant{"EndTextWithoutFile", setText(kRecord, "campaign", "endText[0]", "EPILOG"),
              warning(kRecord, "0", "endText[0]",
                      "end text 'EPILOG' of episode 1 has no file EPILOG.TXT in CAMPAIGN/ISLES")},
        Plant{"OwnNameOfAnotherFolder", setText(kRecord, "campaign", "entryName", "SAGA"),
              error(kRecord, "0", "entryName",
                    "the campaign's own name 'SAGA' differs from its folder 'ISLES'; the list opens the folder of the "
                    "name it shows")},
        Plant{"NameLongerThanTheEditorStores", setText(kRecord, "campaign", "name", "The Isles Saga Retold"),
              error(kRecord, "0", "name", "the name has 21 characters; the editor stores at most 15")},
        Plant{"RecordCutShort",
              [](const fs::path& root) {
                  core::Bytes bytes = readBytes(root / kRecord);
                  bytes.resize(100);
                  writeBytes(root / kRecord, bytes);
              },
              error(kRecord, "", "", "the file is 100 bytes long; a campaign file is 506 bytes")},
        Plant{"WorldThatDoesNotExist",
              [](const fs::path& root) {
                  RecordEdit(root, kRecord, "campaign").text(0, 0, "world", "ATLANTIS");
                  RecordEdit(root, kWorld, "world").text(0, 0, "folder", "ATLANTIS").text(0, 0, "name", "ATLANTIS");
              },
              warning(kRecord, "0", "world", "world 'ATLANTIS' does not exist in WORLD")},
        Plant{"WorldWithoutItsFile", removeFile(kWorld),
              error(kRecord, "0", "world",
                    "world 'MIDLANDS' has no WORLD.DAT in CAMPAIGN/ISLES; the editor writes one with every world it "
                    "stores")},
        Plant{"WorldFileWithoutWorld", setText(kRecord, "campaign", "world", ""),
              error(kWorld, "", "", "the campaign names no world; the editor deletes this file when none is chosen")},
        Plant{"WorldFileNamingAnotherWorld", setText(kWorld, "world", "name", "ELSEWHERE"),
              error(kWorld, "0", "name", "names world 'ELSEWHERE' where CAMPAIGN.DAT names 'MIDLANDS'")},
        Plant{"RewardCountOverTen", setNumber(kReward, "reward", "count", 11),
              error(kReward, "0", "count", "the value 11 is outside 0 to 10")},
        Plant{"RewardKindPastTheList", setNumber(kReward, "reward", "kind[1]", 6),
              error(kReward, "0", "kind[1]", "the value 6 is outside -1 to 5")},
        Plant{"RewardAmountNegative", setNumber(kReward, "reward", "amount[3]", -1),
              error(kReward, "0", "amount[3]", "the value -1 is outside 0 to 10")},
        Plant{"TimeLimitOverNine", setNumber(kOptions, "options", "timeLimit", 10),
              error(kOptions, "0", "timeLimit", "the value 10 is outside 0 to 9")},
        Plant{"CombatDiceOverTwentyFour", setNumber(kOptions, "options", "combatDice", 25),
              error(kOptions, "0", "combatDice", "the value 25 is outside 18 to 24")},
        Plant{"RazingWithoutButton", setNumber(kOptions, "options", "razing", 3),
              error(kOptions, "0", "razing", "the value 3 means nothing; expected 0 (No Razing) to 2 (Raze Anytime)")}),
    [](const auto& info) { return info.param.name; });

TEST(CampaignCheck, AFolderWhoseRecordWasDeletedIsNoFault) {
    TempRoot copy;
    fs::copy(cleanRoot(), copy.path(), fs::copy_options::recursive);
    fs::remove(copy / kRecord);
    fs::remove(copy / kWorld);
    const check::CheckResult result = check::checkRoot(copy.path());
    EXPECT_EQ(result.findings, std::vector<core::Finding>{});
}

TEST(CampaignCheck, CheckingACampaignChecksTheScenariosOfItsEpisodesAndNoOthers) {
    TempRoot copy;
    fs::copy(cleanRoot(), copy.path(), fs::copy_options::recursive);
    fs::copy(copy / "SCENARIO/ISLANDS", copy / "SCENARIO/SPARE", fs::copy_options::recursive);
    writeBytes(copy / "SCENARIO/ISLANDS/MISC.DAT", core::Bytes(5, 0));
    writeBytes(copy / "SCENARIO/SPARE/MISC.DAT", core::Bytes(5, 0));
    const std::vector<std::string> targets{"isles"};
    const check::CheckResult result = check::checkRoot(copy.path(), targets);
    ASSERT_TRUE(result.usable) << result.error;
    ASSERT_EQ(result.findings.size(), 1u) << ::testing::PrintToString(result.findings);
    EXPECT_EQ(result.findings.front().path, "SCENARIO/ISLANDS/MISC.DAT");
    EXPECT_EQ(result.mostReads, 1u);
}

}  // namespace
}  // namespace kestrel::testing
