#include "app/sample/data_sets.hpp"

#include "app/sample/entry.hpp"
#include "datasets/advisor.hpp"
#include "datasets/army_type.hpp"
#include "datasets/city_set.hpp"
#include "datasets/flag.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/item.hpp"
#include "datasets/ruin_set.hpp"
#include "datasets/shield.hpp"
#include "datasets/site_set.hpp"
#include "datasets/spell.hpp"
#include "datasets/terrain_bonus.hpp"
#include "datasets/terrain_subtype.hpp"
#include "datasets/terrain_type.hpp"

namespace kestrel::app {

namespace {

bool writeCitySets(const core::DataRoot& root) {
    const std::pair<const char*, datasets::CitySet> sets[] = {
        {"TOWNS", datasets::newCitySet()},
        {"HILLS", {{"Cairn", "Hamlet", "Hillfort", "High Keep"}}},
        {"COAST", {{"Wreck", "Fishery", "Harbour", "Sea Gate"}}},
    };
    bool ok = true;
    for (const auto& [name, set] : sets)
        ok = makeEntry(root, datasets::Kind::CitySet, name, datasets::writeCitySet(set)) && ok;
    return ok;
}

bool writeItems(const core::DataRoot& root) {
    struct Sample {
        const char* entry;
        const char* name;
        const char* description;
        int icon, power, value;
    };
    const Sample samples[] = {
        {"BLADE", "Blade of Embers", "A sword that never cools.", 0, 2, 900},
        {"DAWNRING", "Ring of Dawn", "Glows faintly at sunrise.", 9, 1, 400},
        {"CROWN", "Crown of the Marsh", "Worn by the old fen kings.", 30, 4, 5000},
    };
    bool ok = true;
    for (const auto& s : samples) {
        datasets::Item item = datasets::newItem(s.entry);
        item.name = s.name;
        item.description = s.description;
        item.icon = s.icon;
        item.powerClass = s.power;
        item.value = s.value;
        ok = makeEntry(root, datasets::Kind::Item, s.entry, datasets::writeItem(item)) && ok;
    }
    return ok;
}

datasets::HeroType sampleHero(const char* entry, const char* male, const char* female, const char* description) {
    datasets::HeroType h = datasets::newHeroType(entry);
    h.maleName = male;
    h.femaleName = female;
    h.description = description;
    return h;
}

// The earlier layout has neither the medal chance nor the padding byte
// before the XP table.
core::Bytes earlierHeroLayout(core::Bytes record) {
    record.erase(record.begin() + 975);
    record.erase(record.begin() + 219);
    return record;
}

bool writeHeroTypes(const core::DataRoot& root) {
    datasets::HeroType knight = sampleHero("KNIGHT", "Knight", "Dame", "A sworn blade of the realm.");
    knight.medalChance = -25;
    knight.strength = 5;
    knight.move = 14;
    knight.moveTerrains = {"HILLS", "GRASS", "", ""};
    knight.combatTerrain = "GRASS";
    knight.combatBonus = 1;
    const char* male[] = {"Squire", "Knight", "Banneret", "Baron"};
    const char* female[] = {"Page", "Dame", "Lady Banneret", "Baroness"};
    for (int i = 0; i < 4; ++i) {
        knight.maleLevels[i] = male[i];
        knight.femaleLevels[i] = female[i];
        knight.xp[i] = 100 * i * i;
        knight.ap[i] = i + 1;
    }
    knight.abilities[0] = {1, 1, 0, ""};           // Leadership +1
    knight.abilities[1] = {20, 0, 0, "FIREBALL"};  // Spell FIREBALL
    knight.abilities[2] = {34, 2, 0, ""};          // Giantslayer +2
    knight.costs = {1, 3, 2};
    knight.defaultNames[0] = {"Aldric", false};
    knight.defaultNames[1] = {"Brenna", true};
    knight.defaultNames[2] = {"Corwin", false};
    knight.moveSound = 3;
    knight.facing = 2;
    knight.triggers[0] = 4;
    knight.triggerCounts[0] = 2;

    datasets::HeroType ranger = sampleHero("RANGER", "Ranger", "Huntress", "Scouts the wild roads.");
    ranger.strength = 3;
    ranger.view = 4;
    ranger.moveTerrains[0] = "FOREST";
    ranger.maleLevels[0] = "Tracker";
    ranger.femaleLevels[0] = "Tracker";
    ranger.xp[0] = 50;
    ranger.ap[0] = 1;
    ranger.abilities[0] = {23, 2, 0, ""};  // View Range +2
    ranger.costs[0] = 2;
    ranger.defaultNames[0] = {"Fenn", false};
    ranger.defaultNames[1] = {"Wren", true};

    const bool ok = makeEntry(root, datasets::Kind::HeroType, "KNIGHT", datasets::writeHeroType(knight));
    return makeEntry(root, datasets::Kind::HeroType, "RANGER", earlierHeroLayout(datasets::writeHeroType(ranger))) &&
           ok;
}

bool writeAdvisors(const core::DataRoot& root) {
    datasets::Advisor sage = datasets::newAdvisor();
    sage.texts = {"Hear me, Highness.",
                  "A word, Highness.",
                  "Highness, consider this.",
                  "Mark me well.",
                  "I read the omens:",
                  "The stars say this fight is",
                  "By my reckoning it is",
                  "The bones say it is",
                  "hopeless",
                  "grim",
                  "ill-starred",
                  "hard going",
                  "a close thing, but not ours",
                  "a coin toss",
                  "a close thing, and ours",
                  "promising",
                  "well in hand",
                  "all but won",
                  "already won"};
    const bool ok = makeEntry(root, datasets::Kind::Advisor, "SAGE", datasets::writeAdvisor(sage));
    return makeEntry(root, datasets::Kind::Advisor, "HERALD", datasets::writeAdvisor(datasets::newAdvisor())) && ok;
}

bool writeArmyTypes(const core::DataRoot& root) {
    datasets::ArmyType pikes = datasets::newArmyType("PIKEMEN");
    pikes.name = "Pikemen";
    pikes.description = "Steady foot soldiers with long pikes.";
    pikes.medalChance = 10;
    pikes.strength = 4;
    pikes.move = 10;
    pikes.subtypes = {"FOOT", ""};
    pikes.moveBonuses = {"HILLS", "ROAD", "", ""};
    pikes.combatBonus = "HILLS";
    pikes.combatBonusValue = 1;
    pikes.ability = {37, 1, 0, ""};  // Banding +1
    pikes.moveSound = 2;             // March
    pikes.triggers = {5, 1};         // Select, Group All
    pikes.triggerNumbers = {1, 2};

    datasets::ArmyType griffins = datasets::newArmyType("GRIFFINS");
    griffins.name = "Griffins";
    griffins.description = "Winged hunters of the high crags.";
    griffins.medalChance = 5;
    griffins.strength = 6;
    griffins.move = 20;
    griffins.hits = 3;
    griffins.subtypes = {"FLYER", "BEAST"};
    griffins.moveBonuses[0] = std::string(datasets::kFlyMoveBonus);
    griffins.ability = {4, 1, 0, ""};  // Fear +1
    griffins.newCost = 600;
    griffins.setupPoints = 250;
    griffins.moveSound = 6;  // Flap
    griffins.facing = 2;     // East

    datasets::ArmyType sappers = datasets::newArmyType("SAPPERS");
    sappers.name = "Sappers";
    sappers.description = "Diggers and builders of siege works.";
    sappers.moveBonuses = {"FOREST", "", "", ""};
    sappers.ability = {12, 2, 0, ""};  // Engineer +2
    sappers.moveSound = 8;             // Wagon
    sappers.triggers = {4, 0};         // Attack
    sappers.triggerNumbers = {3, 0};

    // Made before the medal chance was added, and never saved since.
    datasets::ArmyType wolves = datasets::newArmyType("WOLVES");
    wolves.name = "Wolves";
    wolves.description = "A pack from the northern woods.";
    wolves.strength = 3;
    wolves.move = 16;
    wolves.moveBonuses = {"FOREST", "", "", ""};
    wolves.combatBonus = "FOREST";
    wolves.combatBonusValue = 2;
    wolves.moveSound = 7;  // Pad
    wolves.facing = 6;     // West

    bool ok = true;
    for (const auto* army : {&pikes, &griffins, &sappers})
        ok = makeEntry(root, datasets::Kind::ArmyType, army->entryName, datasets::writeArmyType(*army)) && ok;
    const core::Bytes earlier = datasets::writeArmyType(wolves, datasets::kEarlierArmyTypeLayout);
    return makeEntry(root, datasets::Kind::ArmyType, wolves.entryName, earlier) && ok;
}

bool writeSiteSets(const core::DataRoot& root) {
    datasets::SiteSet harbours = datasets::newSiteSet("HARBOURS");
    harbours.name = "Harbours";
    harbours.ability = {19, 0, 0, ""};  // Port
    harbours.canRaze = false;
    harbours.animateNormal = true;
    datasets::SiteSet temples = datasets::newSiteSet("TEMPLES");
    temples.name = "Old Temples";
    temples.ability = {25, 1, 0, ""};  // Bless
    temples.animateRazed = true;
    bool ok = true;
    for (const auto* set : {&harbours, &temples})
        ok = makeEntry(root, datasets::Kind::SiteSet, set->entryName, datasets::writeSiteSet(*set)) && ok;
    return ok;
}

bool writeFlags(const core::DataRoot& root) {
    bool ok = true;
    for (const char* name : {"BANNER", "PENNANT", "STANDARD"})
        ok = makeEntry(root, datasets::Kind::Flag, name, datasets::writeFlag(datasets::newFlag(name))) && ok;
    return ok;
}

bool writeRuinSets(const core::DataRoot& root) {
    bool ok = true;
    for (const auto& [name, removeTop] : {std::pair{"TOMBS", true}, std::pair{"TOWERS", false}})
        ok = makeEntry(root, datasets::Kind::RuinSet, name, datasets::writeRuinSet({name, removeTop})) && ok;
    return ok;
}

bool writeSpells(const core::DataRoot& root) {
    struct Sample {
        const char* entry;
        const char* name;
        const char* description;
        std::int16_t mana;
        datasets::SpecialAbility ability;
    };
    const Sample samples[] = {
        {"FIREBALL", "Fireball", "A ball of flame that scorches a whole stack.", 8, {39, 2, 0, ""}},
        {"HEAL", "Heal", "Closes the wounds of every army in the stack.", 4, {18, 2, 0, ""}},
        {"WOLFCALL", "Call the Wolves", "Summons wolves from the wild to fight.", 12, {22, 2, 1, "WOLVES"}},
    };
    bool ok = true;
    for (const auto& s : samples) {
        datasets::Spell spell = datasets::newSpell(s.entry);
        spell.name = s.name;
        spell.description = s.description;
        spell.manaCost = s.mana;
        spell.abilities[0] = s.ability;
        ok = makeEntry(root, datasets::Kind::Spell, s.entry, datasets::writeSpell(spell)) && ok;
    }
    return ok;
}

// A few features of each kind; LION is one in all three lists.
bool writeShields(const core::DataRoot& root) {
    using K = datasets::ShieldKind;
    struct Sample {
        K kind;
        const char* name;
        const char* heraldicName;
    };
    const Sample samples[] = {
        {K::Base, "GULES", "Gules"},
        {K::Base, "AZURE", "Azure"},
        {K::Base, "LION", "Or, semy of lions"},
        {K::Ordinary, "CROSS", "A cross"},
        {K::Ordinary, "CHEVRON", "A chevron"},
        {K::Ordinary, "LION", "A bend lioned"},
        {K::Charge, "STAR", "A mullet"},
        {K::Charge, "LION", "A lion rampant"},
    };
    bool ok = true;
    for (const auto& s : samples) {
        datasets::Shield shield = datasets::newShield(s.kind, s.name);
        shield.heraldicName = s.heraldicName;
        ok = makeEntry(root, datasets::Kind::Shield, datasets::shieldFileName(s.kind, s.name),
                       datasets::writeShield(shield)) &&
             ok;
    }
    return ok;
}

bool writeTerrainSubtypes(const core::DataRoot& root) {
    const datasets::TerrainSubtype subtypes[] = {
        {"GRASS", "Grassland", "Grass"},     {"HILLS", "Rolling Hills", "Hills"}, {"WATER", "Open Water", "Water"},
        {"FOREST", "Deep Forest", "Forest"}, {"ROAD", "Paved Road", "Road"},
    };
    bool ok = true;
    for (const auto& s : subtypes)
        ok = makeEntry(root, datasets::Kind::TerrainSubtype, s.entryName, datasets::writeTerrainSubtype(s)) && ok;
    return ok;
}

bool writeTerrainBonuses(const core::DataRoot& root) {
    const datasets::TerrainBonus bonuses[] = {{"GOLDMINE", "Gold Mine"}, {"SHRINE", "Shrine of the Old Stones"}};
    bool ok = true;
    for (const auto& b : bonuses)
        ok = makeEntry(root, datasets::Kind::TerrainBonus, b.entryName, datasets::writeTerrainBonus(b)) && ok;
    return ok;
}

bool writeTerrainTypes(const core::DataRoot& root) {
    using C = datasets::TerrainClass;
    struct Sample {
        const char* entry;
        const char* name;
        const char* adjoins;
        const char* first;
        const char* second;
        int moveCost, terrainClass, gridMoveCost, gridClass;
        const char* marks;  // rows of nine columns, 'x' for a real tile
    };
    const Sample samples[] = {
        {"PLAINS", "Plains", "", "GRASS", "", 2, C::kBasic, 0, C::kBasic, "......... ......... ........."},
        {"HILLS", "Hills", "GRASS", "HILLS", "GRASS", 3, C::kBasic, 3, C::kBasic, "......... .x..x..x. ........."},
        {"LAKE", "Lake", "GRASS", "WATER", "", 9, C::kWater, 0, C::kWater, "......... ......... ........."},
        {"ROAD", "Road", "GRASS", "ROAD", "GRASS", 1, C::kRoad, 1, C::kRoad, ".x..x..x. xxxxxxxxx .x..x..x."},
        {"WOODS", "Woods", "GRASS", "FOREST", "", 3, C::kForest, 4, C::kForest, "xxx.x.xxx x.x.x.x.x xxx.x.xxx"},
        {"RIVER", "River", "WATER", "WATER", "GRASS", 5, C::kRiver, 5, C::kRiver, "x.....x.x .x...x..x ..x.x...x"},
    };
    bool ok = true;
    for (const auto& s : samples) {
        datasets::TerrainType t = datasets::newTerrainType(s.entry);
        t.name = s.name;
        t.adjoins = s.adjoins;
        t.subtypes = {s.first, s.second};
        t.moveCost = s.moveCost;
        t.terrainClass = s.terrainClass;
        t.gridMoveCost = s.gridMoveCost;
        t.gridClass = s.gridClass;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 9; ++c) t.marks[c][r] = s.marks[r * 10 + c] == 'x';
        ok = makeEntry(root, datasets::Kind::TerrainType, s.entry, datasets::writeTerrainType(t)) && ok;
    }
    return ok;
}

}  // namespace

bool writeSampleDataSets(const core::DataRoot& root) {
    return writeCitySets(root) && writeArmyTypes(root) && writeSiteSets(root) && writeFlags(root) &&
           writeHeroTypes(root) && writeAdvisors(root) && writeItems(root) && writeRuinSets(root) &&
           writeTerrainSubtypes(root) && writeTerrainBonuses(root) && writeTerrainTypes(root) && writeSpells(root) &&
           writeShields(root);
}

}  // namespace kestrel::app
