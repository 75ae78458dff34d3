// The catalogue of data sets: where each kind lives, how its files are named,
// which dialogs serve it and what New and Delete say and do.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel::datasets {

enum class Kind {
    CitySet,
    TerrainType,
    TerrainSubtype,
    TerrainBonus,
    ArmyType,
    RuinSet,
    SiteSet,
    HeroType,
    Item,
    Advisor,
    Spell,
    Shield,
    Flag,
    Campaign,
};

struct KindInfo {
    Kind kind;
    std::string_view name;            // for people: "city set"
    int openedBy;                     // button of the main window or the terrain sub-menu
    int listDialog;                   // resource id
    std::string_view listTitle;
    int entryEditor;                  // resource id
    std::string_view editorTitle;
    std::string_view captionPrefix;   // empty: the editor keeps its title
    std::string_view directory;       // "TERRAIN\DATA"
    std::array<std::string_view, 2> createdDirectories;  // by New, in order; for campaigns plus the entry's own
    std::string_view extension;       // ".CIT"; campaigns: the record's file name
    std::size_t recordSize;
    std::size_t nameLimit;
    std::string_view templatePicture; // empty: none
    std::array<std::string_view, 2> templateCopies;      // suffixes of the entry name that receive it
    std::array<std::string_view, 5> deleteSuffixes;      // in deletion order
    std::string_view existsMessage;
    std::string_view createErrorMessage;
    bool folderPerEntry;              // campaigns: CAMPAIGN\<name>\CAMPAIGN.DAT
};

const std::array<KindInfo, 14>& catalogue();
const KindInfo& info(Kind kind);
const KindInfo* kindByListDialog(int resourceId);

// `<directory>\<name><extension>`, or the record inside the entry's folder.
std::string recordPath(const KindInfo& kind, std::string_view entryName);
// `<directory>\*<extension>`: the files that the list shows.
std::string listPattern(const KindInfo& kind);
std::string entryPath(const KindInfo& kind, std::string_view entryName, std::string_view suffix);

}  // namespace kestrel::datasets
