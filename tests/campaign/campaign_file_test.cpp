// The campaign's files as bytes: the record, its world header, rewards,
// options with their fixed values, and the line rules of the texts.
#include "campaign/campaign_file.hpp"

#include <gtest/gtest.h>

#include <string>

#include "campaign/campaign_text.hpp"
#include "campaign/option_file.hpp"
#include "campaign/reward_file.hpp"
#include "core/le.hpp"

namespace kestrel::campaign {
namespace {

void putText(core::Bytes& b, std::size_t at, std::string_view text) {
    std::copy(text.begin(), text.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

std::string str(const core::Bytes& b) { return std::string(b.begin(), b.end()); }

TEST(CampaignFile, NewRecordNamesItselfTwiceAndNothingElse) {
    core::Bytes want(506, 0);
    putText(want, 0, "SAGA");
    putText(want, 9, "SAGA");
    EXPECT_EQ(writeCampaign(newCampaign("SAGA")), want);
}

TEST(CampaignFile, EveryFieldAtItsOffset) {
    Campaign c;
    c.entryName = "SAGA";
    c.name = "The Long Saga X";
    c.episodes = -2;
    for (int r = 0; r < 10; ++r) {
        const std::string n = std::to_string(r);
        c.rows[r] = {"SCEN" + n, "SANIM" + n, "EANIM" + n, "STXT" + n, "ETXTLONG"};
    }
    c.world = "MIDLANDS";
    core::Bytes want(506, 0);
    putText(want, 0, "SAGA");
    putText(want, 9, "The Long Saga X");
    core::putS16(want, 44, -2);
    for (int r = 0; r < 10; ++r) {
        const std::string n = std::to_string(r);
        putText(want, 46 + 9 * r, "SCEN" + n);
        putText(want, 136 + 9 * r, "SANIM" + n);
        putText(want, 226 + 9 * r, "EANIM" + n);
        putText(want, 316 + 9 * r, "STXT" + n);
        putText(want, 406 + 9 * r, "ETXTLONG");
    }
    putText(want, 496, "MIDLANDS");
    EXPECT_EQ(writeCampaign(c), want);
    EXPECT_EQ(readCampaign(want), c);

    // The 0 at 42 and the byte at 505 are written as zeros whatever was read.
    core::Bytes odd = want;
    odd[42] = odd[505] = 7;
    EXPECT_EQ(writeCampaign(readCampaign(odd)), want);
    // A short record reads as if padded with zeros; a long one ends at 506.
    EXPECT_EQ(readCampaign(core::Bytes(want.begin(), want.begin() + 50)).rows[0].scenario, "SCEN");
    EXPECT_EQ(readCampaign(core::Bytes(want.begin(), want.begin() + 50)).world, "");
    core::Bytes longer = want;
    longer.resize(600, 'X');
    EXPECT_EQ(readCampaign(longer), c);
    EXPECT_EQ(readCampaign({}), Campaign{});
}

TEST(CampaignFile, WorldHeaderNamesTheWorldAtZeroAndTwelve) {
    core::Bytes want(44, 0);
    putText(want, 0, "MIDLANDS");
    putText(want, 12, "MIDLANDS");
    EXPECT_EQ(writeCampaignWorld("MIDLANDS"), want);
    EXPECT_EQ(campaignPath("SAGA", "WORLD.DAT"), "CAMPAIGN\\SAGA\\WORLD.DAT");
}

TEST(RewardFile, NineNumbersInTheirOrder) {
    const Reward reward{10, {5, -1, 0, 3}, {10, 0, -3, 7}};
    core::Bytes want(18, 0);
    const int values[] = {10, 5, -1, 0, 3, 10, 0, -3, 7};
    for (int i = 0; i < 9; ++i) core::putS16(want, 2 * i, static_cast<std::int16_t>(values[i]));
    EXPECT_EQ(writeReward(reward), want);
    EXPECT_EQ(readReward(want), reward);
    EXPECT_EQ(readReward({}), Reward{});
    EXPECT_EQ(readReward(core::Bytes(want.begin(), want.begin() + 3)), (Reward{10, {5, 0, 0, 0}, {0, 0, 0, 0}}));
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
    const Options all = readOptions(core::Bytes(42, 0xFF));
    core::Bytes full = writeOptions(all);
    const std::uint8_t fullHead[] = {0, 15, 0x7F, 0x7E, 0xFB, 0, 0x07, 0xFF, 3};
    std::copy(std::begin(fullHead), std::end(fullHead), want.begin());
    EXPECT_EQ(full, want);
    Options wide = defaultOptions();
    for (auto& v : wide.values) v = 0x7FFF;
    EXPECT_EQ(writeOptions(wide), want);
    // A short file reads as if padded with zeros.
    EXPECT_EQ(readOptions(core::Bytes{0, 15, 1}).values[0], 1);
    EXPECT_EQ(readOptions(core::Bytes{0, 15, 1}), readOptions(core::Bytes{0, 0, 1, 0, 0, 0, 0, 0, 0}));
}

TEST(CampaignText, LineRules) {
    const std::string piece(1022, 'p');
    const struct {
        const char* what;
        std::string file, text, saved;
    } cases[] = {
        {"empty", "", "", ""},
        {"last line without a break", "one\r\ntwo", "one\r\ntwo\r\n", "one\r\ntwo\r\n"},
        {"last line with a break", "one\r\n", "one\r\n", "one\r\n"},
        {"bare LF and doubled CR", "a\nb\r\r\n", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"NUL bytes", std::string("a\0b\r\n\0\0", 7), "ab\r\n\r\n", "ab\r\n\r\n"},
        {"empty lines kept", "\r\n\r\nx", "\r\n\r\nx\r\n", "\r\n\r\nx\r\n"},
        {"a line of one piece", piece + "\r\n", piece + "\r\n", piece + "\r\n"},
        {"a longer line in pieces", piece + "qq", piece + "\r\nqq\r\n", piece + "\r\nqq\r\n"},
        {"a CR where a piece ends", piece.substr(1) + "\r\rq", piece.substr(1) + "\r\n\rq\r\n",
         piece.substr(1) + "\r\n\rq\r\n"},
    };
    for (const auto& c : cases) {
        const std::string text = readCampaignText(core::Bytes(c.file.begin(), c.file.end()));
        EXPECT_EQ(text, c.text) << c.what;
        const std::string saved = str(writeCampaignText(text));
        EXPECT_EQ(saved, c.saved) << c.what;
        // Saved once, the file stays as it is.
        EXPECT_EQ(str(writeCampaignText(readCampaignText(writeCampaignText(text)))), saved) << c.what;
    }
    // A typed line is written whole up to 1,023 characters; a longer one is
    // kept in lines of that length.
    EXPECT_EQ(str(writeCampaignText(piece + "z")), piece + "z");
    EXPECT_EQ(str(writeCampaignText(piece + "zz")), piece + "z\r\nz");
    EXPECT_EQ(lossTextName(9), "LOSS9.TXT");
}

}  // namespace
}  // namespace kestrel::campaign
