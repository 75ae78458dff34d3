// Small data roots for the text exchange tests, written by the codecs that
// own their files, a picture of every file below a root, and the lines of
// tagged files.
#pragma once
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "datasets/advisor.hpp"
#include "datasets/army_type.hpp"
#include "datasets/city_set.hpp"
#include "datasets/hero_type.hpp"
#include "datasets/item.hpp"
#include "datasets/site_set.hpp"
#include "datasets/spell.hpp"
#include "datasets/terrain_type.hpp"
#include "scenario/area_file.hpp"
#include "scenario/city_file.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/misc_data.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/scenario_header.hpp"
#include "scenario/scenario_terrain.hpp"
#include "scenario/sides.hpp"
#include "scenario/site_file.hpp"
#include "support/temp_root.hpp"

namespace kestrel::textx::roots {

using kestrel::testing::TempRoot;

// Lines as the export ends them, with CR LF.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (const auto line : lines) (out += line) += "\r\n";
    return out;
}

// A section's banner as the export writes it.
inline std::string banner(std::string_view title) {
    return crlf({"", "", "*************** " + std::string(title) + " ***************", "", ""});
}

// `n` banner lines as a translator may leave them, each starting a section.
inline std::string banners(int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += "***********\n";
    return out;
}

// One record of every data set, every text of it set; the export of it is
// golden/KS_Data.Txt.
inline void writeOneOfEach(const TempRoot& t) {
    t.write("CITY/ELVES.CIT", datasets::writeCitySet({{"Hamlet", "Village", "Town", "Cit\xe9"}}));
    auto terrain = datasets::newTerrainType("GRASS");
    terrain.name = "Grassland";
    t.write("TERRAIN/DATA/GRASS.TER", datasets::writeTerrainType(terrain));
    auto army = datasets::newArmyType("PIKEMEN");
    army.name = "Pikemen";
    army.description = "Long <spears>";
    t.write("ARMY/PIKEMEN.ARM", datasets::writeArmyType(army));
    auto site = datasets::newSiteSet("TOWER");
    site.name = "Tower";
    t.write("SITES/TOWER.SIT", datasets::writeSiteSet(site));
    auto hero = datasets::newHeroType("KNIGHT");
    hero.maleName = "Knight";
    hero.femaleName = "Dame";
    hero.description = "Brave";
    for (std::size_t i = 0; i < hero.maleLevels.size(); ++i) {
        hero.maleLevels[i] = "M" + std::to_string(i + 1);
        hero.femaleLevels[i] = "F" + std::to_string(i + 1);
    }
    t.write("HERO/KNIGHT.HER", datasets::writeHeroType(hero));
    auto item = datasets::newItem("BLADE");
    item.name = "the Blade";
    item.description = "Sharp";
    t.write("ITEMS/BLADE.ITM", datasets::writeItem(item));
    datasets::Advisor advisor;
    for (std::size_t i = 0; i < advisor.texts.size(); ++i) advisor.texts[i] = "A" + std::to_string(i);
    t.write("ADVISOR/SAGE.AVR", datasets::writeAdvisor(advisor));
    auto spell = datasets::newSpell("FIRE");
    spell.name = "Fireball";
    spell.description = "Burns";
    t.write("SPELL/FIRE.SPL", datasets::writeSpell(spell));
}

inline std::map<std::string, core::Bytes> snapshot(const TempRoot& t) {
    std::map<std::string, core::Bytes> files;
    for (const auto& name : t.files())
        if (!name.ends_with('/')) files[name] = t.read(name);
    return files;
}

// The scenario ISLE: three cities, a ruin and a site, and CITY.INI and
// ITEM.INI naming them.
const std::string kDir = "SCENARIO/ISLE/";

inline scenario::CityIniRecord naming(std::string city) {
    scenario::CityIniRecord record;
    record.city = std::move(city);
    return record;
}

inline scenario::ItemPlacement held(std::string holder, bool inRuin, bool byHero) {
    scenario::ItemPlacement item;
    item.item = "BLADE";
    item.ground = 0;
    item.ruin = inRuin;
    item.hero = byHero;
    item.holder = std::move(holder);
    return item;
}

inline void writeIsle(const TempRoot& t) {
    auto header = scenario::newScenarioHeader("ISLE");
    header.name = "Isle";
    t.write(kDir + "SCENARIO.DAT", scenario::writeScenarioHeader(header));
    t.write(kDir + "MISC.DAT", scenario::writeMiscData(scenario::defaultMiscData()));
    t.write(kDir + "TERRAIN.DAT", scenario::writeScenarioTerrain(scenario::newScenarioTerrain()));
    t.write(kDir + "SIDES.DAT", scenario::writeSides(scenario::defaultSides()));
    scenario::AreaNames areas;
    areas.names[0] = "North";
    areas.names[200] = "South";
    t.write(kDir + "AREA.DAT", scenario::writeAreaNames(areas));
    std::vector<scenario::City> cities(3);
    cities[0].name = "Oldtown";
    cities[1].name = "Port";
    cities[2].name = "Mill";
    t.write(kDir + "CITY.DAT", scenario::writeCities(cities));
    scenario::ScenarioRuin ruin;
    ruin.head.name = "Crypt";
    t.write(kDir + "RUIN.DAT", scenario::writeRuinFile(std::vector{ruin}));
    scenario::ScenarioSite site;
    site.head.name = "Well";
    t.write(kDir + "SITE.DAT", scenario::writeSiteFile(std::vector{site}));
    t.write(kDir + "CITY.INI", scenario::writeCityIni({{naming("Oldtown"), naming("Port")},
                                                       {naming("oldtown"), naming("Oldtown"), naming("Port")}}));
    t.write(kDir + "ITEM.INI",
            scenario::writeItemPlacements(
                std::vector{held("Crypt", true, false), held("Crypt", true, true), held("Crypt", false, false)}));
}

// An export with the "#LOC:" line under each tag line filled with what
// `translate` makes of the tag's text and number (1 for the first); an empty
// translation leaves the line. `expected` gets the export that should follow
// the import.
inline std::string translated(const std::string& exported,
                              const std::function<std::string(const std::string&, int)>& translate,
                              std::string* expected = nullptr) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < exported.size(); at = exported.find("\r\n", at) + 2)
        lines.push_back(exported.substr(at, exported.find("\r\n", at) - at));
    const std::vector<std::string> exportedLines = lines;
    std::string out, after;
    int n = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string shown = exportedLines[i];
        if (i + 1 < lines.size() && lines[i + 1].find("#LOC:") != std::string::npos) {
            const std::size_t open = shown.find('<'), close = shown.rfind('>');
            const std::string text = translate(shown.substr(open + 1, close - open - 1), ++n);
            if (!text.empty()) {
                lines[i + 1].insert(lines[i + 1].find("<>") + 1, text);
                shown = shown.substr(0, open + 1) + text + ">";
            }
        }
        out += lines[i] + "\r\n";
        after += shown + "\r\n";
    }
    if (expected) *expected = after;
    return out;
}

}  // namespace kestrel::textx::roots
