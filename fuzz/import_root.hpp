// The data root of the import target, from which its seeds are exported too:
// the import tests' record of every data set and scenario ISLE, and records
// of the earlier layouts, whose length the import must keep.
#pragma once
#include <string_view>

#include "core/fixed_text.hpp"
#include "core/le.hpp"
#include "textx/import_roots.hpp"

namespace kestrel::fuzz {

inline constexpr std::string_view kImportScenario = "ISLE";

// An item in the earlier layout: a 16-byte name and every later field 16 bytes earlier.
inline core::Bytes earlierItem() {
    using namespace datasets;
    const ItemLayout& l = kOldItemLayout;
    core::Bytes old(l.size, 0);
    core::writeFixedText(old, 0, l.nameSize, "Old Crown");
    core::writeFixedText(old, l.description, kItemDescriptionSize, "Worn by the first kings.");
    old[l.icon] = 5 << 2;
    old[l.power] = 2;
    core::putS16(old, l.value, 800);
    old[l.charges] = (4 << 1) | 1;
    old[l.limit] = 1 << 1;
    writeAbility(old, l.ability1, {1, 1, 0, "Crown"});
    writeAbility(old, l.ability2, {23, 2, 0, ""});
    return old;
}

inline void writeImportRoot(const testing::TempRoot& t) {
    textx::roots::writeOneOfEach(t);
    textx::roots::writeIsle(t);
    auto army = datasets::newArmyType("OLDPIKE");
    army.name = "Old Pikemen";
    army.description = "Shorter spears";
    t.write("ARMY/OLDPIKE.ARM", datasets::writeArmyType(army, datasets::kEarlierArmyTypeLayout));
    // Any 1378 bytes are a hero type of the earlier layout.
    auto hero = datasets::newHeroType("OLDHERO");
    hero.maleName = "Old Knight";
    core::Bytes oldHero = datasets::writeHeroType(hero);
    oldHero.resize(datasets::kOldHeroTypeLayout.size);
    t.write("HERO/OLDHERO.HER", oldHero);
    t.write("ITEMS/OLDCROWN.ITM", earlierItem());
}

}  // namespace kestrel::fuzz
