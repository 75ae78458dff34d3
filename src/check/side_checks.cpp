#include "check/scenario_parts.hpp"
#include "core/text_case.hpp"
#include "scenario/sides.hpp"

namespace kestrel::check {

namespace {

constexpr std::array<NameFields, 7> kSideNames{{
    {"regulars", "army type", datasets::Kind::ArmyType, scenario::SideLayout::kRegularSlots},
    {"allies", "army type", datasets::Kind::ArmyType, scenario::SideLayout::kAllySlots},
    {"mercenaries", "army type", datasets::Kind::ArmyType, scenario::SideLayout::kMercenarySlots},
    {"ship", "army type", datasets::Kind::ArmyType, 0},
    {"heroes", "hero type", datasets::Kind::HeroType, scenario::SideLayout::kHeroSlots},
    {"advisor", "advisor", datasets::Kind::Advisor, 0},
    {"armyFlag", "flag", datasets::Kind::Flag, 0},
}};

// Each shield box lists the shields whose names begin with its kind's letter.
constexpr std::array<char, scenario::SideLayout::kShieldSlots> kShieldLetters{'B', 'O', 'C'};

void checkShields(Findings& findings, const DataSets& sets, const RecordFile& file, const std::string& side,
                  const std::string& of) {
    for (std::size_t k = 0; k < kShieldLetters.size(); ++k) {
        const std::string field = side + ".shields[" + std::to_string(k) + "]";
        const std::string name = file.text(0, 0, field);
        if (name.empty() || core::equalsNoCase(name.substr(0, 1), std::string(1, kShieldLetters[k]))) {
            expectEntry(findings, file, sets, datasets::Kind::Shield,
                        {0, 0, field, "shield", " of kind " + std::string(1, kShieldLetters[k]) + of});
            continue;
        }
        findings.warning(file.entry->path, "0", field,
                         "shield " + check::quoted(name) + of + " is no shield of kind " +
                             std::string(1, kShieldLetters[k]) + ", whose names begin with " +
                             std::string(1, kShieldLetters[k]));
    }
}

}  // namespace

void checkSides(Findings& findings, const DataSets& sets, const ScenarioFiles& files) {
    const RecordFile* file = files.get("sides");
    if (!file) return;
    for (std::int64_t s = 0; s <= scenario::kNeutralSide; ++s) {
        if (!files.sideUsed(s)) continue;
        const std::string side = "side[" + std::to_string(s) + "]";
        const std::string of = " of " + files.sideLabel(s);
        expectEntries(findings, sets, *file, kSideNames, side + ".", of);
        checkShields(findings, sets, *file, side, of);
    }
}

}  // namespace kestrel::check
