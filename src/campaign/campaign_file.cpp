#include "campaign/campaign_file.hpp"

#include "core/record_fields.hpp"
#include "scenario/scenario_header.hpp"

namespace kestrel::campaign {

namespace {

using L = CampaignLayout;

// The five name columns of an episode, in the order of the record.
struct Column {
    std::size_t offset;
    std::string Episode::*field;
};
constexpr std::array<Column, 5> kColumns{{
    {L::kScenarios, &Episode::scenario},
    {L::kStartAnims, &Episode::startAnim},
    {L::kEndAnims, &Episode::endAnim},
    {L::kStartTexts, &Episode::startText},
    {L::kEndTexts, &Episode::endText},
}};

}  // namespace

std::ostream& operator<<(std::ostream& out, const Campaign& c) {
    out << "Campaign{" << c.entryName << " \"" << c.name << "\", " << c.episodes << " episodes, world \"" << c.world
        << '"';
    for (const auto& e : c.rows)
        out << ", [" << e.scenario << ' ' << e.startAnim << ' ' << e.endAnim << ' ' << e.startText << ' ' << e.endText
            << ']';
    return out << '}';
}

Campaign readCampaign(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    Campaign c;
    c.entryName = r.text(L::kEntryName, L::kNameField);
    c.name = r.text(L::kName, L::kNameSize);
    c.episodes = r.s16(L::kEpisodeCount);
    for (std::size_t row = 0; row < kEpisodes; ++row)
        for (const auto& column : kColumns)
            c.rows[row].*column.field = r.text(column.offset + row * L::kNameField, L::kNameField);
    c.world = r.text(L::kWorld, L::kNameField);
    return c;
}

core::Bytes writeCampaign(const Campaign& c) {
    core::RecordWriter w(L::kSize);
    w.text(L::kEntryName, L::kNameField, c.entryName);
    w.text(L::kName, L::kNameSize, c.name);
    w.s16(L::kZero, 0);
    w.s16(L::kEpisodeCount, c.episodes);
    for (std::size_t row = 0; row < kEpisodes; ++row)
        for (const auto& column : kColumns)
            w.text(column.offset + row * L::kNameField, L::kNameField, c.rows[row].*column.field);
    w.text(L::kWorld, L::kNameField, c.world);
    return w.take();
}

Campaign newCampaign(std::string_view entryName) {
    Campaign c;
    c.entryName = entryName;
    c.name = entryName;
    return c;
}

std::string campaignPath(std::string_view entryName, std::string_view file) {
    return std::string(kCampaignFolder) + "\\" + std::string(entryName) + "\\" + std::string(file);
}

core::Bytes writeCampaignWorld(std::string_view world) {
    return scenario::writeWorldHeader(scenario::newWorldHeader(world));
}

}  // namespace kestrel::campaign
