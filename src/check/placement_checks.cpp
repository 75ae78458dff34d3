#include "check/scenario_parts.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/scenario_items.hpp"
#include "scenario/sides.hpp"

namespace kestrel::check {

namespace {

// The names the item placement dialog offers: the scenario's ITEM.DAT.
NameSet scenarioItems(const ScenarioFiles& files) {
    NameSet names;
    if (const RecordFile* items = files.get("scenario-items")) {
        using L = scenario::ScenarioItemsLayout;
        for (const auto& [field, n] : {std::pair{"compulsory", L::kGroupNames}, std::pair{"optional", L::kGroupNames},
                                       std::pair{"unplaced", L::kUnplacedNames}})
            names.merge(textsOf(*items, 0, field, n));
    }
    return names;
}

NameSet namesIn(const ScenarioFiles& files, std::string_view kind) {
    const RecordFile* file = files.get(kind);
    return file ? textsOf(*file, 0, "name") : NameSet{};
}

// The side army types list: regulars, allies and mercenaries of a used side.
NameSet sideArmies(const ScenarioFiles& files, std::int64_t side) {
    const RecordFile* sides = files.get("sides");
    NameSet names;
    if (!sides || !files.sideUsed(side)) return names;
    const std::string prefix = "side[" + std::to_string(side) + "].";
    using L = scenario::SideLayout;
    for (const auto& [field, n] : {std::pair{"regulars", L::kRegularSlots}, std::pair{"allies", L::kAllySlots},
                                   std::pair{"mercenaries", L::kMercenarySlots}})
        names.merge(textsOf(*sides, 0, prefix + field, n));
    return names;
}

}  // namespace

// The item, hero and ruin lists are drop-down lists: only what exists can be chosen.
void checkItemPlacements(Findings& findings, const ScenarioFiles& files) {
    const RecordFile* file = files.get("item-placements");
    if (!file || files.unsound("scenario-items") || files.unsound("hero-placements") || files.unsound("ruins")) return;
    const NameSet items = scenarioItems(files), heroes = namesIn(files, "hero-placements"),
                  ruins = namesIn(files, "ruins");
    const auto bounds = mapBounds(files);
    for (std::size_t r = 0; r < file->records(0); ++r) {
        const std::string at = recordLabel(file->content, 0, r), path = file->entry->path;
        const std::string item = file->text(0, r, "item"), holder = file->text(0, r, "holder");
        if (!items.contains(item))
            findings.error(path, at, "item",
                           "item " + check::quoted(item) + " is none of the scenario's items in ITEM.DAT");
        if (file->number(0, r, "hero") != 0) {
            if (!heroes.contains(holder))
                findings.error(path, at, "holder", "hero " + check::quoted(holder) + " is no hero of HERO.INI");
        } else if (file->number(0, r, "ruin") != 0) {
            if (!ruins.contains(holder))
                findings.error(path, at, "holder", "ruin " + check::quoted(holder) + " is no ruin of RUIN.DAT");
        } else if (file->number(0, r, "ground") == 0) {
            findings.error(path, at, "ground", "the item is placed nowhere: neither ground, hero nor ruin is set");
        } else if (bounds) {
            expectOnMap(findings, *file, 0, r, *bounds);
        }
    }
}

void checkArmyPlacements(Findings& findings, const ScenarioFiles& files) {
    const RecordFile* file = files.get("army-placements");
    if (!file || files.unsound("sides")) return;
    const auto bounds = mapBounds(files);
    for (std::size_t r = 0; r < file->records(0); ++r) {
        const std::int64_t side = file->number(0, r, "side");
        const std::string army = file->text(0, r, "army");
        if (side >= 0 && side <= scenario::kNeutralSide && !sideArmies(files, side).contains(army))
            findings.error(file->entry->path, recordLabel(file->content, 0, r), "army",
                           "army type " + check::quoted(army) + " is none of the army types of " +
                               files.sideLabel(side) + " in SIDES.DAT");
        if (bounds) expectOnMap(findings, *file, 0, r, *bounds);
    }
}

void checkHeroPlacements(Findings& findings, const ScenarioFiles& files) {
    const RecordFile* file = files.get("hero-placements");
    const auto bounds = mapBounds(files);
    if (!file || !bounds) return;
    for (std::size_t r = 0; r < file->records(0); ++r) expectOnMap(findings, *file, 0, r, *bounds);
}

// The value is a standing or an index value, by the record's kind.
void checkDiplomacy(Findings& findings, const ScenarioFiles& files) {
    const RecordFile* file = files.get("diplomacy");
    if (!file) return;
    for (std::size_t r = 0; r < file->records(0); ++r) {
        const std::int64_t kind = file->number(0, r, "kind"), value = file->number(0, r, "value");
        const bool standing = kind == scenario::kStandingKind;
        const std::int64_t low = standing ? 0 : scenario::DiplomacyLimits::kMinIndexValue;
        const std::int64_t high = standing ? scenario::kLastStanding : scenario::DiplomacyLimits::kMaxIndexValue;
        if (kind != scenario::kStandingKind && kind != scenario::kIndexValueKind) continue;
        if (value < low || value > high)
            findings.error(file->entry->path, recordLabel(file->content, 0, r), "value",
                           std::string(standing ? "the standing " : "the index value ") + std::to_string(value) +
                               " is outside " + std::to_string(low) + " to " + std::to_string(high));
    }
}

}  // namespace kestrel::check
