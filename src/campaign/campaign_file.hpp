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
#include "core/record_format.hpp"

namespace kestrel::campaign {

inline constexpr std::string_view kCampaignFolder = "CAMPAIGN";
inline constexpr std::string_view kCampaignFile = "CAMPAIGN.DAT";
inline constexpr std::string_view kCampaignWorldFile = "WORLD.DAT";

inline constexpr std::size_t kEpisodes = 10;

// Bytes 42 and 43 are always 0 and byte 505 is unused: neither has a field.
inline constexpr std::array<core::Field, 9> kCampaignFields{{
    core::text("entryName", 0, 9),
    core::text("name", 9, 33),
    core::s16("episodes", 44).within(0, static_cast<int>(kEpisodes)),
    core::text("scenario", 46, 9, kEpisodes),
    core::text("startAnim", 136, 9, kEpisodes),
    core::text("endAnim", 226, 9, kEpisodes),
    core::text("startText", 316, 9, kEpisodes),
    core::text("endText", 406, 9, kEpisodes),
    core::text("world", 496, 9),
}};
inline constexpr core::Format kCampaignFormat{"campaign", 506, kCampaignFields};
static_assert(core::wellFormed(kCampaignFormat));

struct CampaignLayout {
    static constexpr std::size_t kSize = kCampaignFormat.size;
    static constexpr std::size_t kNameField = kCampaignFormat.sizeOf("entryName");  // every name but the campaign's
    static constexpr std::size_t kEntryName = kCampaignFormat.at("entryName");
    static constexpr std::size_t kName = kCampaignFormat.at("name"), kNameSize = kCampaignFormat.sizeOf("name");
    static constexpr std::size_t kZero = kCampaignFormat.field("name").end();  // always 0
    static constexpr std::size_t kEpisodeCount = kCampaignFormat.at("episodes");
    static constexpr std::size_t kWorld = kCampaignFormat.at("world");
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
