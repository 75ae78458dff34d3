#include "campaign/campaign_file.hpp"

#include "core/record_fields.hpp"
#include "scenario/scenario_header.hpp"

namespace kestrel::campaign {

namespace {

using L = CampaignLayout;

// The five name columns of an episode, in the order of the record: row r of
// a column is its field's element r.
struct Column {
    const core::Field& field;
    std::string Episode::*member;
};
constexpr std::array<Column, 5> kColumns{{
    {kCampaignFormat.field("scenario"), &Episode::scenario},
    {kCampaignFormat.field("startAnim"), &Episode::startAnim},
    {kCampaignFormat.field("endAnim"), &Episode::endAnim},
    {kCampaignFormat.field("startText"), &Episode::startText},
    {kCampaignFormat.field("endText"), &Episode::endText},
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
            c.rows[row].*column.member = r.text(column.field.elementAt(row), column.field.size);
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
            w.text(column.field.elementAt(row), column.field.size, c.rows[row].*column.member);
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
