#include "scenario/side_lists.hpp"

#include "ui/dialog.hpp"

namespace kestrel::scenario {

namespace {

using F = SidesFileLayout;

bool inRange(int side, std::size_t count) { return side >= 0 && static_cast<std::size_t>(side) < count; }

template <std::size_t N>
void addNonEmpty(std::vector<std::string>& out, const std::array<std::string, N>& names) {
    for (const auto& name : names)
        if (!name.empty()) out.push_back(name);
}

int fill(std::vector<std::string> names, ui::Dialog* dialog, int comboId) {
    if (dialog) dialog->setItems(comboId, names);
    return static_cast<int>(names.size());
}

}  // namespace

std::vector<std::string> sideNames(const Sides& sides, bool includeUnused, bool includeNeutrals) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < F::kPlayerSides; ++i) {
        if (sides[i].used)
            names.push_back(sides[i].name);
        else if (includeUnused)
            names.emplace_back(kNotUsedName);
    }
    if (includeNeutrals) names.emplace_back(kNeutralsName);
    return names;
}

std::vector<std::string> sideArmyTypes(const Sides& sides, int side, bool regularsOnly) {
    std::vector<std::string> names;
    if (!inRange(side, F::kRecords)) return names;
    const Side& s = sides[static_cast<std::size_t>(side)];
    if (!s.used && static_cast<std::size_t>(side) != F::kNeutrals) return names;
    addNonEmpty(names, s.regulars);
    if (!regularsOnly) {
        addNonEmpty(names, s.allies);
        addNonEmpty(names, s.mercenaries);
    }
    return names;
}

std::vector<std::string> sideHeroTypes(const Sides& sides, int side) {
    if (!inRange(side, F::kPlayerSides) || !sides[static_cast<std::size_t>(side)].used) return {};
    const auto& heroes = sides[static_cast<std::size_t>(side)].heroes;
    return {heroes.begin(), heroes.end()};
}

int fillSideNames(const core::DataRoot& root, std::string_view scenario, bool includeUnused, bool includeNeutrals,
                  ui::Dialog* dialog, int comboId) {
    return fill(sideNames(loadSides(root, scenario), includeUnused, includeNeutrals), dialog, comboId);
}

int fillSideArmyTypes(const core::DataRoot& root, std::string_view scenario, int side, bool regularsOnly,
                      ui::Dialog* dialog, int comboId) {
    return fill(sideArmyTypes(loadSides(root, scenario), side, regularsOnly), dialog, comboId);
}

int fillSideHeroTypes(const core::DataRoot& root, std::string_view scenario, int side, ui::Dialog* dialog,
                      int comboId) {
    return fill(sideHeroTypes(loadSides(root, scenario), side), dialog, comboId);
}

}  // namespace kestrel::scenario
