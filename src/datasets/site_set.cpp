#include "datasets/site_set.hpp"

#include <array>

#include "core/record_fields.hpp"

namespace kestrel::datasets {

namespace {

using L = SiteSetLayout;

constexpr std::array<AbilityChoice, 17> kAbilities{{
    {"Nothing", 0},
    {"Chaos +N", 2},
    {"Morale +N", 3},
    {"Fear +N", 4},
    {"Siege +N", 5},
    {"Fortify +N", 6},
    {"Movement +N", 7},
    {"Strength +N", 8},
    {"All-Terr Move Bonus", 9},
    {"Gold +N", 10},
    {"Hits +N", 14},
    {"Port", 19},
    {"Production Time -N", 21},
    {"View Range +N", 23},
    {"Bless", 25},
    {"Poison +N", 26},
    {"Disease +N", 27},
}};

}  // namespace

std::span<const AbilityChoice> siteAbilities() { return kAbilities; }

std::ostream& operator<<(std::ostream& out, const SiteSet& s) {
    return out << "SiteSet{\"" << s.name << "\", \"" << s.entryName << "\", " << s.ability << ", raze " << s.canRaze
               << ", animate " << s.animateNormal << "/" << s.animateRazed << "}";
}

SiteSet readSiteSet(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    SiteSet s;
    s.name = r.text(L::kName, L::kNameSize);
    s.entryName = r.text(L::kEntryName, L::kEntryNameSize);
    s.ability = readAbility(record, L::kAbility);
    s.canRaze = r.s8(L::kCanRaze) != 0;
    s.animateNormal = r.s8(L::kAnimateNormal) != 0;
    s.animateRazed = r.s8(L::kAnimateRazed) != 0;
    return s;
}

core::Bytes writeSiteSet(const SiteSet& s) {
    core::RecordWriter w(L::kSize);
    w.text(L::kName, L::kNameSize, s.name);
    w.text(L::kEntryName, L::kEntryNameSize, s.entryName);
    writeAbility(w.span(L::kAbility, SpecialAbility::kSize), 0, s.ability);
    w.s8(L::kCanRaze, s.canRaze ? 1 : 0);
    w.s8(L::kAnimateNormal, s.animateNormal ? 1 : 0);
    w.s8(L::kAnimateRazed, s.animateRazed ? 1 : 0);
    return w.take();
}

SiteSet newSiteSet(std::string_view entryName) {
    SiteSet s;
    s.name = std::string(entryName);
    s.entryName = std::string(entryName);
    s.canRaze = true;
    return s;
}

}  // namespace kestrel::datasets
