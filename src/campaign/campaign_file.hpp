// CAMPAIGN.DAT: a chain of up to ten episodes, each a scenario framed by
// animations and texts, with an optional world for the whole campaign. Its
// folder CAMPAIGN\<name>\ also holds WORLD.DAT, the texts, rewards and options.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/data_root.hpp"

namespace kestrel::campaign {

inline constexpr std::string_view kCampaignFolder = "CAMPAIGN";
inline constexpr std::string_view kCampaignFile = "CAMPAIGN.DAT";
inline constexpr std::string_view kCampaignWorldFile = "WORLD.DAT";

inline constexpr std::size_t kEpisodes = 10;

struct CampaignLayout {
    static constexpr std::size_t kSize = 506;
    static constexpr std::size_t kNameField = 9;  // every name but the campaign's own
    static constexpr std::size_t kEntryName = 0;
    static constexpr std::size_t kName = 9, kNameSize = 33;
    static constexpr std::size_t kZero = 42;  // always 0
    static constexpr std::size_t kEpisodeCount = 44;
    // Five columns of ten names each, row r at column + 9 r.
    static constexpr std::size_t kScenarios = 46, kStartAnims = 136, kEndAnims = 226, kStartTexts = 316,
                                 kEndTexts = 406;
    static constexpr std::size_t kWorld = 496;
};

// What the editor accepts.
struct CampaignLimits {
    static constexpr std::size_t kName = 15, kField = 8;
    static constexpr int kMaxEpisodes = static_cast<int>(kEpisodes);
};

struct Episode {
    std::string scenario, startAnim, endAnim, startText, endText;
    bool operator==(const Episode&) const = default;
};

struct Campaign {
    std::string entryName;
    std::string name;
    std::int16_t episodes = 0;  // as stored; the editor refuses values outside 0..10
    std::array<Episode, kEpisodes> rows{};
    std::string world;  // empty: none
    bool operator==(const Campaign&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Campaign& campaign);

Campaign readCampaign(std::span<const std::uint8_t> record);
core::Bytes writeCampaign(const Campaign& campaign);
// As New writes it: the entry name in both name fields, nothing else.
Campaign newCampaign(std::string_view entryName);

// "CAMPAIGN\<name>\<file>".
std::string campaignPath(std::string_view entryName, std::string_view file);

// WORLD.DAT of a campaign: the world's name as folder and as name.
core::Bytes writeCampaignWorld(std::string_view world);

}  // namespace kestrel::campaign
