// Names for the combo boxes of the scenario editors: terrain types of a
// class, the set and monster slots of MISC.DAT, and the items, heroes and
// ruins of a scenario. The entries of a whole data set come from
// datasets::fillEntryNames.
//
// Each fill function empties every given combo box, fills it and returns the
// number of names; without a dialog it only counts. Each reads its files once
// however many boxes it fills.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"
#include "scenario/ruin_file.hpp"

namespace kestrel::ui {
class Dialog;
}

namespace kestrel::scenario {

using ComboIds = std::initializer_list<int>;

// Terrain types by the class in their record.
enum class TerrainFilter {
    All = 0,  // every entry, no record read
    ExceptRoadsRiversForests = 1,
    Roads = 2,
    Rivers = 3,
    Forests = 4,
};

// Entry names in list order. For every filter but All each record is read,
// and an entry whose record cannot be read is left out.
std::vector<std::string> terrainTypeNames(const core::DataRoot& root, TerrainFilter filter);
int fillTerrainTypeNames(const core::DataRoot& root, TerrainFilter filter, ui::Dialog* dialog = nullptr,
                         ComboIds comboIds = {});

// The slot lists of MISC.DAT keep slot order, so in an unsorted combo box the
// selection index is the slot (plus 2 when "Empty" and "Any Monster" lead).
inline constexpr std::string_view kNotUsed = "Not Used";
inline constexpr std::string_view kUnknownMonster = "Unknown";
inline constexpr std::string_view kNoGuard = kRuinGuardNames[0];
inline constexpr std::string_view kAnyMonster = kRuinGuardNames[1];
inline constexpr int kMiscSlots = 8;

// Eight names; "Not Used" for an empty slot and for all of them without MISC.DAT.
std::vector<std::string> ruinSetSlotNames(const core::DataRoot& root, std::string_view scenario);
std::vector<std::string> siteSetSlotNames(const core::DataRoot& root, std::string_view scenario);
// Return 8.
int fillRuinSetSlots(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog = nullptr,
                     ComboIds comboIds = {});
int fillSiteSetSlots(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog = nullptr,
                     ComboIds comboIds = {});

enum class GuardChoices { Without, With };  // "Empty" and "Any Monster" before the monsters
// The eight monster names; "Unknown" for an empty name and for all of them without MISC.DAT.
std::vector<std::string> monsterSlotNames(const core::DataRoot& root, std::string_view scenario,
                                          GuardChoices guards = GuardChoices::Without);
// Returns 8, with or without the two guard choices.
int fillMonsterSlots(const core::DataRoot& root, std::string_view scenario, GuardChoices guards,
                     ui::Dialog* dialog = nullptr, ComboIds comboIds = {});

// The scenario's item pool (ITEM.DAT): the non-empty names of the compulsory,
// the optional and the unplaced items, in slot order; none without the file.
std::vector<std::string> scenarioItemNames(const core::DataRoot& root, std::string_view scenario);
int fillScenarioItemNames(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog = nullptr,
                          ComboIds comboIds = {});

// The placed heroes (HERO.INI) and ruins (RUIN.DAT): the non-empty names in
// file order. A negative count lists nothing; a count beyond the file's
// records or beyond what the editors hold (50 heroes, 100 ruins) lists the
// records there are, up to that limit.
inline constexpr int kMaxPlacedHeroes = 50;
inline constexpr int kMaxScenarioRuins = 100;
std::vector<std::string> scenarioHeroNames(const core::DataRoot& root, std::string_view scenario);
int fillScenarioHeroNames(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog = nullptr,
                          ComboIds comboIds = {});
std::vector<std::string> scenarioRuinNames(const core::DataRoot& root, std::string_view scenario);
int fillScenarioRuinNames(const core::DataRoot& root, std::string_view scenario, ui::Dialog* dialog = nullptr,
                          ComboIds comboIds = {});

}  // namespace kestrel::scenario
