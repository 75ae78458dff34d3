// Names that tie one data set to another. Every one of them is typed into an
// editable combo box or an edit field, so a name that names nothing is a
// warning: the editors store it as typed.
#include <array>
#include <string>

#include "check/dataset_checks.hpp"
#include "datasets/army_type.hpp"
#include "datasets/hero_type.hpp"

namespace kestrel::check {

namespace {

using datasets::Kind;

// A text field (each of its `count` elements) that names an entry of `to`.
struct NameField {
    Kind from;
    std::string_view field;
    std::size_t count;
    Kind to;
};

// Besides these, a hero type's "Spell <code>" abilities name spells in their
// code texts: checkHeroSpells.
constexpr std::array<NameField, 6> kNameFields{{
    {Kind::TerrainType, "adjoins", 1, Kind::TerrainSubtype},
    {Kind::TerrainType, "subtype", 2, Kind::TerrainSubtype},
    {Kind::ArmyType, "moveBonus", 4, Kind::TerrainSubtype},
    {Kind::ArmyType, "combatBonus", 1, Kind::TerrainSubtype},
    {Kind::HeroType, "moveTerrains", 4, Kind::TerrainSubtype},
    {Kind::HeroType, "combatTerrain", 1, Kind::TerrainSubtype},
}};

std::string leafName(std::string_view field, std::size_t count, std::size_t i) {
    return count == 1 ? std::string(field) : std::string(field) + "[" + std::to_string(i) + "]";
}

std::string folderOf(Kind kind) {
    std::string folder(datasets::info(kind).directory);
    for (char& c : folder)
        if (c == '\\') c = '/';
    return folder;
}

void checkName(Findings& findings, const DataSets& sets, const RecordFile& file, const std::string& leaf, Kind to) {
    const std::string name = file.text(0, 0, leaf);
    if (name.empty() || sets.has(to, name)) return;
    findings.warning(
        file.entry->path, recordLabel(file.content, 0, 0), leaf,
        std::string(datasets::info(to).name) + " " + check::quoted(name) + " does not exist in " + folderOf(to));
}

void checkHeroSpells(Findings& findings, const DataSets& sets, const RecordFile& file) {
    for (std::size_t i = 0; i < datasets::kHeroAbilities; ++i) {
        const std::string entry = "abilities[" + std::to_string(i) + "].";
        if (file.number(0, 0, entry + "code") == datasets::kHeroSpellAbility)
            checkName(findings, sets, file, entry + "text", Kind::Spell);
    }
}

}  // namespace

void checkDataSetNames(Findings& findings, const DataSets& sets, const datasets::KindInfo& kind,
                       const RecordFile& file) {
    if (kind.kind == Kind::HeroType) checkHeroSpells(findings, sets, file);
    for (const NameField& f : kNameFields) {
        if (f.from != kind.kind) continue;
        for (std::size_t i = 0; i < f.count; ++i) {
            const std::string leaf = leafName(f.field, f.count, i);
            // An army type that flies says so in its first move bonus.
            if (kind.kind == Kind::ArmyType && leaf == "moveBonus[0]" &&
                file.text(0, 0, leaf) == datasets::kFlyMoveBonus)
                continue;
            checkName(findings, sets, file, leaf, f.to);
        }
    }
}

}  // namespace kestrel::check
