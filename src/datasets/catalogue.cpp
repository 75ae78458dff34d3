#include "datasets/catalogue.hpp"

#include <stdexcept>

namespace kestrel::datasets {

namespace {

// clang-format off
constexpr std::array<KindInfo, 14> kCatalogue{{
    {Kind::CitySet, "city set", 1006, 132, "City Data List", 133, "Edit City Data", "Edit City Data - ",
     "CITY", {"CITY"}, ".CIT", 80, 8, "WSDATA\\CITY.PCX", {".PCX"}, {".CIT", ".PCX", ".BMP"},
     "City set already exists!", "Error creating new city set file!", false},
    {Kind::TerrainType, "terrain type", 1008, 138, "Terrain List", 139, "Edit Terrain", "Edit Terrain - ",
     "TERRAIN\\DATA", {"TERRAIN", "TERRAIN\\DATA"}, ".TER", 88, 8, "WSDATA\\TERR.PCX", {".PCX"},
     {".TER", ".PCX", ".BMP"}, "Terrain already exists!", "Error creating new terrain file!", false},
    {Kind::TerrainSubtype, "terrain subtype", 1009, 136, "Terrain Subtypes List", 137, "Edit Terrain Subtype",
     "Edit Terrain Subtype - ", "TERRAIN\\SUBTYPE", {"TERRAIN", "TERRAIN\\SUBTYPE"}, ".STT", 41, 8, "", {},
     {".STT"}, "Terrain Subtype already exists!", "Error creating new terrain subtype file!", false},
    {Kind::TerrainBonus, "terrain bonus", 1010, 142, "Terrain Bonus List", 144, "Edit Terrain Bonus",
     "Edit Terrain Bonus - ", "TERRAIN\\BONUS", {"TERRAIN", "TERRAIN\\BONUS"}, ".BON", 41, 8, "WSDATA\\BONUS.PCX",
     {".PCX"}, {".BON", ".PCX", ".BMP"}, "Terrain bonus already exists!", "Error creating new terrain bonus file!",
     false},
    {Kind::ArmyType, "army type", 1011, 147, "Army List", 148, "Edit Army Data", "Edit Army - ",
     "ARMY", {"ARMY"}, ".ARM", 252, 8, "WSDATA\\ARMY.PCX", {".PCX"}, {".ARM", ".PCX", ".BMP"},
     "Army type already exists!", "Error creating new army type file!", false},
    {Kind::RuinSet, "ruin set", 1012, 149, "Ruin Data List", 150, "Edit Ruin Data", "Edit Ruin - ",
     "RUINS", {"RUINS"}, ".RUI", 10, 8, "WSDATA\\RUIN.PCX", {".PCX"}, {".RUI", ".PCX", ".BMP"},
     "Ruin set already exists!", "Error creating new ruin set file!", false},
    {Kind::SiteSet, "site set", 1013, 151, "Site Data List", 152, "Edit Site Data", "Edit Site - ",
     "SITES", {"SITES"}, ".SIT", 46, 8, "WSDATA\\SITE.PCX", {".PCX"}, {".SIT", ".PCX", ".BMP"},
     "Site set already exists!", "Error creating new site set file!", false},
    {Kind::HeroType, "hero type", 1014, 153, "Hero List", 154, "Edit Hero Data", "Edit Hero - ",
     "HERO", {"HERO"}, ".HER", 1380, 7, "WSDATA\\ARMY.PCX", {"m.PCX", "f.PCX"},
     {".HER", "M.PCX", "M.BMP", "F.PCX", "F.BMP"}, "Hero type already exists!", "Error creating new hero type file!",
     false},
    {Kind::Item, "item", 1016, 155, "Item Data List", 156, "Edit Item Data", "Edit Item - ",
     "ITEMS", {"ITEMS"}, ".ITM", 216, 8, "", {}, {".ITM"},
     "Item already exists!", "Error creating new item file!", false},
    {Kind::Advisor, "advisor", 1018, 160, "Advisor List", 161, "Edit Advisor Data", "Edit Advisor - ",
     "ADVISOR", {"ADVISOR"}, ".AVR", 1216, 8, "WSDATA\\ADVISOR.PCX", {".PCX"}, {".AVR", ".PCX", ".BMP"},
     "Advisor already exists!", "Error creating new advisor file!", false},
    {Kind::Spell, "spell", 1020, 164, "Spell Data List", 165, "Edit Spell Data", "Edit Spell - ",
     "SPELL", {"SPELL"}, ".SPL", 210, 8, "", {}, {".SPL", ".PCX", ".BMP"},
     "Spell already exists!", "Error creating new spell file!", false},
    {Kind::Shield, "shield", 1019, 162, "Shield Data List", 163, "Edit Shield Data", "Edit Shield - ",
     "SHIELD", {"SHIELD"}, ".SHI", 50, 7, "WSDATA\\SHIELD.PCX", {".PCX"}, {".SHI", ".PCX", ".BMP"},
     "Shield already exists!", "Error creating new shield file!", false},
    {Kind::Flag, "flag", 1021, 166, "Flags List", 167, "Edit Flag Data", "",
     "FLAGS", {"FLAGS"}, ".FLG", 9, 8, "WSDATA\\FLAG.PCX", {".PCX"}, {".FLG", ".PCX", ".BMP"},
     "Flag already exists!", "Error creating new flag file!", false},
    {Kind::Campaign, "campaign", 1028, 180, "Campaign List", 181, "Edit Campaign", "Edit Campaign - ",
     "CAMPAIGN", {"CAMPAIGN"}, "CAMPAIGN.DAT", 506, 8, "", {}, {"CAMPAIGN.DAT"},
     "Campaign already exists!", "Error creating new campaign file!", true},
}};
// clang-format on

}  // namespace

const std::array<KindInfo, 14>& catalogue() { return kCatalogue; }

const KindInfo& info(Kind kind) {
    for (const auto& k : kCatalogue)
        if (k.kind == kind) return k;
    throw std::out_of_range("unknown data-set kind");
}

const KindInfo* kindByListDialog(int resourceId) {
    for (const auto& k : kCatalogue)
        if (k.listDialog == resourceId) return &k;
    return nullptr;
}

std::string entryPath(const KindInfo& kind, std::string_view entryName, std::string_view suffix) {
    std::string path(kind.directory);
    path += '\\';
    path += entryName;
    if (kind.folderPerEntry) path += '\\';
    path += suffix;
    return path;
}

std::string recordPath(const KindInfo& kind, std::string_view entryName) {
    return entryPath(kind, entryName, kind.extension);
}

std::string listPattern(const KindInfo& kind) {
    return std::string(kind.directory) + "\\*" + std::string(kind.extension);
}

}  // namespace kestrel::datasets
