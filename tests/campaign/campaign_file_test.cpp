// The campaign's files as bytes: the record, its world header, rewards,
// options with their fixed values, and the line rules of the texts.
#include "campaign/campaign_file.hpp"

#include <gtest/gtest.h>

#include <string>

#include "campaign/campaign_text.hpp"
#include "campaign/option_file.hpp"
#include "campaign/reward_file.hpp"
#include "support/laid_out.hpp"

namespace kestrel::campaign {
namespace {

using testing::laidOut;

std::string str(const core::Bytes& b) { return std::string(b.begin(), b.end()); }

TEST(CampaignFile, EveryFieldAtItsOffsetAndTheNewRecordAndWorldHeader) {
    Campaign c;
    c.entryName = "SAGA";
    c.name = "The Long Saga X";
    c.episodes = -2;
    c.world = "MIDLANDS";
    core::Bytes want = laidOut(506, {{0, "SAGA"}, {9, "The Long Saga X"}, {496, "MIDLANDS"}}, {{44, -2}});
    for (std::size_t r = 0; r < 10; ++r) {
        const std::string n = std::to_string(r);
        c.rows[r] = {"SCEN" + n, "SANIM" + n, "EANIM" + n, "STXT" + n, "ETXTLONG"};
        testing::putTexts(want, {{46 + 9 * r, c.rows[r].scenario},
                                 {136 + 9 * r, c.rows[r].startAnim},
                                 {226 + 9 * r, c.rows[r].endAnim},
                                 {316 + 9 * r, c.rows[r].startText},
                                 {406 + 9 * r, "ETXTLONG"}});
    }
    EXPECT_EQ(writeCampaign(c), want);
    EXPECT_EQ(readCampaign(want), c);
    // The 0 at 42 and the byte at 505 are written as zeros whatever was read.
    core::Bytes odd = want;
    odd[42] = odd[505] = 7;
    EXPECT_EQ(writeCampaign(readCampaign(odd)), want);
    EXPECT_EQ(readCampaign({}), Campaign{});

    // A new record names itself twice and nothing else; the world header names the world at 0 and 12.
    EXPECT_EQ(writeCampaign(newCampaign("SAGA")), laidOut(506, {{0, "SAGA"}, {9, "SAGA"}}));
    EXPECT_EQ(writeCampaignWorld("MIDLANDS"), laidOut(44, {{0, "MIDLANDS"}, {12, "MIDLANDS"}}));
    EXPECT_EQ(campaignPath("SAGA", "WORLD.DAT"), "CAMPAIGN\\SAGA\\WORLD.DAT");
}

TEST(RewardFile, NineNumbersInTheirOrder) {
    const Reward reward{10, {5, -1, 0, 3}, {10, 0, -3, 7}};
    const core::Bytes want =
        laidOut(18, {}, {{0, 10}, {2, 5}, {4, -1}, {6, 0}, {8, 3}, {10, 10}, {12, 0}, {14, -3}, {16, 7}});
    EXPECT_EQ(writeReward(reward), want);
    EXPECT_EQ(readReward(want), reward);
    EXPECT_EQ(readReward({}), Reward{});
    EXPECT_EQ(rewardFileName(8), "REWARD8.DAT");
}

TEST(OptionFile, DefaultsAndFixedValues) {
    core::Bytes want(42, 0);
    const std::uint8_t head[] = {0, 15, 13, 4, 162, 0, 2, 202, 3};
    std::copy(std::begin(head), std::end(head), want.begin());
    for (int i = 9; i < 17; ++i) want[i] = 1;
    for (int i = 0; i < 8; ++i) core::putU16(want, 26 + 2 * i, 100);
    EXPECT_EQ(writeOptions(defaultOptions()), want);
    EXPECT_EQ(readOptions(want), defaultOptions());
    EXPECT_EQ(optionFileName(9), "OPT9.DAT");

    // Everything set: only the named bits are read, and the fixed values are
    // written as they must be, each value cut to its field.
    const std::uint8_t fullHead[] = {0, 15, 0x7F, 0x7E, 0xFB, 0, 0x07, 0xFF, 3};
    std::copy(std::begin(fullHead), std::end(fullHead), want.begin());
    EXPECT_EQ(writeOptions(readOptions(core::Bytes(42, 0xFF))), want);
    Options wide = defaultOptions();
    for (auto& v : wide.values) v = 0x7FFF;
    EXPECT_EQ(writeOptions(wide), want);
}

// Each file's text as read, which is also what it is saved as.
TEST(CampaignText, LineRules) {
    const std::string piece(1022, 'p');
    const struct {
        const char* what;
        std::string file, text;
    } cases[] = {
        {"empty", "", ""},
        {"last line without a break", "one\r\ntwo", "one\r\ntwo\r\n"},
        {"last line with a break", "one\r\n", "one\r\n"},
        {"bare LF and doubled CR", "a\nb\r\r\n", "a\r\nb\r\n"},
        {"NUL bytes", std::string("a\0b\r\n\0\0", 7), "ab\r\n\r\n"},
        {"empty lines kept", "\r\n\r\nx", "\r\n\r\nx\r\n"},
        {"a line of one piece", piece + "\r\n", piece + "\r\n"},
        {"a longer line in pieces", piece + "qq", piece + "\r\nqq\r\n"},
        {"a CR where a piece ends", piece.substr(1) + "\r\rq", piece.substr(1) + "\r\n\rq\r\n"},
    };
    for (const auto& c : cases) {
        const std::string text = readCampaignText(core::Bytes(c.file.begin(), c.file.end()));
        EXPECT_EQ(text, c.text) << c.what;
        EXPECT_EQ(str(writeCampaignText(text)), c.text) << c.what;
    }
    // A typed line is written whole up to 1,023 characters; a longer one is
    // kept in lines of that length.
    EXPECT_EQ(str(writeCampaignText(piece + "z")), piece + "z");
    EXPECT_EQ(str(writeCampaignText(piece + "zz")), piece + "z\r\nz");
    EXPECT_EQ(lossTextName(9), "LOSS9.TXT");
}

}  // namespace
}  // namespace kestrel::campaign
