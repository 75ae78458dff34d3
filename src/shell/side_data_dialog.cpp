#include "shell/side_data_dialog.hpp"

#include <algorithm>

#include "core/text_case.hpp"
#include "datasets/catalogue_ops.hpp"
#include "datasets/entry_lists.hpp"
#include "datasets/shield.hpp"
#include "resources/layouts.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::shell {

namespace {

using Ids = SideDataIds;
using Lim = scenario::SideLimits;
using datasets::Kind;

template <std::size_t N>
void showNames(ui::Dialog& d, const int (&ids)[N], const std::array<std::string, N>& names) {
    for (std::size_t i = 0; i < N; ++i) d.selectByPrefix(ids[i], names[i]);
}

template <std::size_t N>
void takeNames(ui::DataExchange& dx, const int (&ids)[N], std::array<std::string, N>& names) {
    for (std::size_t i = 0; i < N; ++i) dx.text(ids[i], Lim::kEntryName, names[i]);
}

}  // namespace

SideDataDialog::SideDataDialog(ui::Host& host, const core::DataRoot& root, scenario::Side& side)
    : ui::Dialog(host, resources::kSideData), root_(root), side_(side) {}

void SideDataDialog::fillLists() {
    const auto& r = Ids::kRegulars;
    const auto& m = Ids::kMercenaries;
    const auto& a = Ids::kAllies;
    datasets::fillEntryNames(
        root_, datasets::info(Kind::ArmyType), this,
        {r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], m[0], m[1], m[2], a[0], a[1], a[2], a[3], Ids::kShip});
    const auto& h = Ids::kHeroes;
    datasets::fillEntryNames(root_, datasets::info(Kind::HeroType), this, {h[0], h[1], h[2], h[3]});
    datasets::fillEntryNames(root_, datasets::info(Kind::Advisor), this, {Ids::kAdvisor});
    datasets::fillEntryNames(root_, datasets::info(Kind::Flag), this, {Ids::kArmyFlag});

    // One folder for the three kinds; each box takes the files of its letter,
    // the letter kept as the record stores it.
    auto files = datasets::listEntries(root_, datasets::info(Kind::Shield));
    std::stable_sort(files.begin(), files.end(), core::lessInList);
    for (std::size_t k = 0; k < datasets::kShieldKinds.size(); ++k) {
        const std::string letter(1, datasets::kShieldKinds[k].letter);
        std::vector<std::string> names;
        for (const auto& file : files)
            if (file.size() > letter.size() && core::startsWithNoCase(file, letter)) names.push_back(file);
        setItems(Ids::kShields[k], names);
    }
    setItems(Ids::kManaType, scenario::kManaTypeNames);
}

void SideDataDialog::onInit() {
    setCaption(std::string(kSideDataTitle) + side_.name);
    fillLists();
    const scenario::Side& s = side_;
    showNames(*this, Ids::kRegulars, s.regulars);
    showNames(*this, Ids::kMercenaries, s.mercenaries);
    showNames(*this, Ids::kAllies, s.allies);
    selectByPrefix(Ids::kShip, s.ship);
    showNames(*this, Ids::kHeroes, s.heroes);
    setText(Ids::kDescription, s.description);
    showNames(*this, Ids::kShields, s.shields);
    selectByPrefix(Ids::kAdvisor, s.advisor);
    selectByPrefix(Ids::kArmyFlag, s.armyFlag);
    setNumber(Ids::kStackingLimit, s.stackingLimit);
    setNumber(Ids::kStartingGold, s.startingGold);
    const int radio = s.level + 1;
    if (radio >= 0 && radio < 4) setChecked(Ids::kLevels[radio], true);
    setChecked(Ids::kGetMercenaries, s.getMercenaries);
    setChecked(Ids::kSellItems, s.sellItems);
    setChecked(Ids::kHeroOnTurn1, s.heroOnTurn1);
    setChecked(Ids::kEnhanced, s.enhanced);
    setSelection(Ids::kManaType, s.manaType >= 0 && s.manaType < 4 ? s.manaType : -1);
    setNumber(Ids::kMaxMana, s.maxMana);
    setNumber(Ids::kInitialMana, s.initialMana);
}

bool SideDataDialog::onOk() {
    ui::DataExchange dx(*this);
    scenario::Side s = side_;
    takeNames(dx, Ids::kRegulars, s.regulars);
    takeNames(dx, Ids::kMercenaries, s.mercenaries);
    takeNames(dx, Ids::kAllies, s.allies);
    dx.text(Ids::kShip, Lim::kEntryName, s.ship);
    takeNames(dx, Ids::kHeroes, s.heroes);
    dx.text(Ids::kDescription, Lim::kDescription, s.description);
    takeNames(dx, Ids::kShields, s.shields);
    dx.text(Ids::kAdvisor, Lim::kEntryName, s.advisor);
    dx.text(Ids::kArmyFlag, Lim::kEntryName, s.armyFlag);
    dx.integer(Ids::kStackingLimit, Lim::kMinStacking, Lim::kMaxStacking, s.stackingLimit);
    dx.integer(Ids::kStartingGold, 0, Lim::kMaxStartingGold, s.startingGold);
    dx.integer(Ids::kMaxMana, 0, Lim::kMaxMana, s.maxMana);
    dx.integer(Ids::kInitialMana, 0, Lim::kMaxMana, s.initialMana);
    if (!dx.ok()) return false;
    // A level or mana type that a damaged file gave outside the choices
    // stays as it was unless one is chosen.
    for (int i = 0; i < 4; ++i)
        if (checked(Ids::kLevels[i])) s.level = i - 1;
    if (selection(Ids::kManaType) >= 0) s.manaType = selection(Ids::kManaType);
    s.getMercenaries = checked(Ids::kGetMercenaries);
    s.sellItems = checked(Ids::kSellItems);
    s.heroOnTurn1 = checked(Ids::kHeroOnTurn1);
    s.enhanced = checked(Ids::kEnhanced);
    side_ = std::move(s);
    return true;
}

}  // namespace kestrel::shell
