#include "scenario/misc_data.hpp"

#include "core/record_fields.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

using L = MiscDataLayout;

constexpr std::string_view kDefaultPostGold = "gp";
constexpr int kDefaultMaxBonus = 6;
constexpr std::string_view kDefaultMonster = "Goblin";
constexpr int kDefaultStrength = 2;
constexpr std::string_view kDefaultGraphicSet = "Fantasy";

}  // namespace

std::ostream& operator<<(std::ostream& out, const MiscData& d) {
    out << "MiscData{gold \"" << d.preGold << "\"/\"" << d.postGold << "\", bonus " << d.maxBonus << ", ruins";
    for (const auto& s : d.ruinSets) out << " \"" << s << "\"";
    out << ", sites";
    for (const auto& s : d.siteSets) out << " \"" << s << "\"";
    out << ", monsters";
    for (const auto& m : d.monsters) out << " \"" << m.name << "\"/" << m.strength;
    out << ", graphics \"" << d.graphicSet << "\", cities";
    for (const auto& s : d.citySets) out << " \"" << s << "\"";
    return out << "}";
}

MiscData defaultMiscData() {
    MiscData d;
    d.postGold = kDefaultPostGold;
    d.maxBonus = kDefaultMaxBonus;
    for (auto& m : d.monsters) m = {std::string(kDefaultMonster), kDefaultStrength};
    d.graphicSet = kDefaultGraphicSet;
    return d;
}

MiscData readMiscData(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record.first(std::min(record.size(), L::kSize)));
    const auto inside = [&](std::size_t at) { return at < r.size(); };
    MiscData d = defaultMiscData();
    if (inside(L::kPreGold)) d.preGold = r.text(L::kPreGold, L::kGoldTextSize);
    if (inside(L::kPostGold)) d.postGold = r.text(L::kPostGold, L::kGoldTextSize);
    if (inside(L::kMaxBonus)) d.maxBonus = r.s16(L::kMaxBonus);
    for (std::size_t i = 0; i < L::kSetSlots; ++i) {
        if (inside(L::ruinSet(i))) d.ruinSets[i] = r.text(L::ruinSet(i), L::kSetNameSize);
        if (inside(L::siteSet(i))) d.siteSets[i] = r.text(L::siteSet(i), L::kSetNameSize);
    }
    for (std::size_t i = 0; i < L::kMonsterSlots; ++i) {
        const std::size_t at = L::monster(i);
        if (inside(at + L::kMonsterName)) d.monsters[i].name = r.text(at + L::kMonsterName, L::kMonsterNameSize);
        if (inside(at + L::kMonsterStrength)) d.monsters[i].strength = r.s16(at + L::kMonsterStrength);
    }
    if (inside(L::kGraphicSet)) d.graphicSet = r.text(L::kGraphicSet, L::kGraphicSetSize);
    for (std::size_t i = 0; i < L::kCitySlots; ++i)
        if (inside(L::citySet(i))) d.citySets[i] = r.text(L::citySet(i), L::kSetNameSize);
    return d;
}

core::Bytes writeMiscData(const MiscData& d) {
    core::RecordWriter w(L::kSize);
    w.text(L::kPreGold, L::kGoldTextSize, d.preGold);
    w.text(L::kPostGold, L::kGoldTextSize, d.postGold);
    w.s16(L::kMaxBonus, d.maxBonus);
    for (std::size_t i = 0; i < L::kSetSlots; ++i) {
        w.text(L::ruinSet(i), L::kSetNameSize, d.ruinSets[i]);
        w.text(L::siteSet(i), L::kSetNameSize, d.siteSets[i]);
    }
    for (std::size_t i = 0; i < L::kMonsterSlots; ++i) {
        w.text(L::monster(i) + L::kMonsterName, L::kMonsterNameSize, d.monsters[i].name);
        w.s16(L::monster(i) + L::kMonsterStrength, d.monsters[i].strength);
    }
    w.text(L::kGraphicSet, L::kGraphicSetSize, d.graphicSet);
    for (std::size_t i = 0; i < L::kCitySlots; ++i) w.text(L::citySet(i), L::kSetNameSize, d.citySets[i]);
    return w.take();
}

MiscData loadMiscData(const core::DataRoot& root, std::string_view scenario) {
    const auto bytes = root.read(scenarioFile(scenario, kMiscDataFile), L::kSize);
    return bytes ? readMiscData(*bytes) : defaultMiscData();
}

bool saveMiscData(const core::DataRoot& root, std::string_view scenario, const MiscData& data) {
    return root.writeAtomic(scenarioFile(scenario, kMiscDataFile), writeMiscData(data));
}

}  // namespace kestrel::scenario
