// Writes seed corpora: small valid pictures of every kind, valid records and
// files of every codec, scripts of every line form, and translated exports:
//   make_seeds DIR  ->  DIR/pcx, DIR/bmp, DIR/gif, DIR/icon, DIR/open (all pictures),
//                       DIR/cityset, DIR/item, DIR/records, DIR/script, DIR/textin, DIR/import
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "campaign/campaign_file.hpp"
#include "campaign/campaign_text.hpp"
#include "campaign/option_file.hpp"
#include "campaign/reward_file.hpp"
#include "datasets/city_set.hpp"
#include "datasets/flag.hpp"
#include "datasets/item.hpp"
#include "datasets/ruin_set.hpp"
#include "datasets/shield.hpp"
#include "datasets/terrain_bonus.hpp"
#include "datasets/terrain_subtype.hpp"
#include "import_root.hpp"
#include "picture_writers.hpp"
#include "record_kinds.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/map_file.hpp"
#include "scenario/scenario_items.hpp"
#include "textx/data_export.hpp"
#include "textx/scenario_export.hpp"

namespace fs = std::filesystem;
using namespace kestrel::pictures::peer;

namespace {

fs::path root;

void saveIn(const std::string& dir, const std::string& name, std::string_view bytes) {
    fs::create_directories(root / dir);
    std::ofstream(root / dir / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void saveIn(const std::string& dir, const std::string& name, const Bytes& bytes) {
    saveIn(dir, name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// Pictures go to their kind and to the target that recognises any kind.
void save(const std::string& kind, const std::string& name, const Bytes& bytes) {
    saveIn(kind, name, bytes);
    saveIn("open", name, bytes);
}

RgbImage rgbPattern(int w, int h) {
    RgbImage img{w, h, {}};
    Lcg rng(static_cast<std::uint32_t>(w * 31 + h));
    for (int i = 0; i < w * h; ++i)
        img.pixels.push_back(
            {std::uint8_t(rng.below(256)), std::uint8_t(rng.below(256)), std::uint8_t(rng.below(256))});
    return img;
}

void saveRecords() {
    using namespace kestrel::datasets;
    const Bytes cities = writeCitySet(newCitySet());
    saveIn("cityset", "default.rec", cities);
    saveIn("cityset", "full_fields.rec",
           writeCitySet({{std::string(20, 'A'), "Hamlet", std::string(20, 'c'), "\xC9glise"}}));
    saveIn("cityset", "short_30.rec", Bytes(cities.begin(), cities.begin() + 30));

    Item item = newItem("DAWNRING");
    item.name = "Ring of Dawn";
    item.description = "A ring that glows at first light and guards its bearer.";
    item.icon = 9;
    item.powerClass = 3;
    item.value = 1500;
    item.hasCharges = true;
    item.charges = 3;
    item.hasLimit = true;
    item.limit = 2;
    item.abilities = {SpecialAbility{8, 2, 0, "Fantasy"}, SpecialAbility{16, 0, 0, ""}};
    const Bytes current = writeItem(item);
    saveIn("item", "current_216.rec", current);
    saveIn("item", "new_216.rec", writeItem(newItem("TORCH")));
    saveIn("item", "short_100.rec", Bytes(current.begin(), current.begin() + 100));

    saveIn("item", "earlier_200.rec", kestrel::fuzz::earlierItem());
}

// A seed of the records target: the kind's number, then the file.
void saveRecord(kestrel::fuzz::RecordKind kind, const std::string& name, const Bytes& file) {
    Bytes seed{static_cast<std::uint8_t>(kind)};
    seed.insert(seed.end(), file.begin(), file.end());
    saveIn("records", name, seed);
}

// The files of the import target's root, as the editor's writers made them.
void saveRootRecords(const kestrel::testing::TempRoot& t) {
    using K = kestrel::fuzz::RecordKind;
    const std::string isle = kestrel::textx::roots::kDir;
    const struct {
        K kind;
        std::string path;
    } files[] = {
        {K::CitySet, "CITY/ELVES.CIT"},
        {K::TerrainType, "TERRAIN/DATA/GRASS.TER"},
        {K::ArmyType, "ARMY/PIKEMEN.ARM"},
        {K::EarlierArmyType, "ARMY/OLDPIKE.ARM"},
        {K::SiteSet, "SITES/TOWER.SIT"},
        {K::HeroType, "HERO/KNIGHT.HER"},
        {K::EarlierHeroType, "HERO/OLDHERO.HER"},
        {K::Item, "ITEMS/BLADE.ITM"},
        {K::EarlierItem, "ITEMS/OLDCROWN.ITM"},
        {K::Advisor, "ADVISOR/SAGE.AVR"},
        {K::Spell, "SPELL/FIRE.SPL"},
        {K::ScenarioHeader, isle + "SCENARIO.DAT"},
        {K::MiscData, isle + "MISC.DAT"},
        {K::Sides, isle + "SIDES.DAT"},
        {K::Areas, isle + "AREA.DAT"},
        {K::Cities, isle + "CITY.DAT"},
        {K::CityIni, isle + "CITY.INI"},
        {K::Ruins, isle + "RUIN.DAT"},
        {K::Sites, isle + "SITE.DAT"},
        {K::ItemPlacements, isle + "ITEM.INI"},
        {K::ScenarioTerrain, isle + "TERRAIN.DAT"},
    };
    for (const auto& f : files) saveRecord(f.kind, f.path.substr(f.path.rfind('/') + 1), t.read(f.path));
}

// What the root has none of.
void saveOtherRecords() {
    using namespace kestrel::datasets;
    using namespace kestrel::scenario;
    using namespace kestrel::campaign;
    using K = kestrel::fuzz::RecordKind;
    saveRecord(K::TerrainSubtype, "subtype.rec", writeTerrainSubtype(newTerrainSubtype("HILLS")));
    saveRecord(K::TerrainBonus, "bonus.rec", writeTerrainBonus(newTerrainBonus("GOLD")));
    saveRecord(K::RuinSet, "ruin_set.rec", writeRuinSet(newRuinSet("CRYPT")));
    saveRecord(K::Shield, "shield.rec", writeShield(newShield(ShieldKind::Charge, "LION")));
    saveRecord(K::Flag, "flag.rec", writeFlag(newFlag("RED")));
    saveRecord(K::WorldHeader, "world.rec", writeWorldHeader(newWorldHeader("EARTH")));
    Bytes map = newMapFile(mapSizes()[0]);
    MapCell cell;
    cell.setTerrainSlot(21);
    cell.setArea(200);
    cell.setOverlayKind(1);
    cell.setRoadPicture(9);
    putMapCell(map, mapCellOffset(readMapHeader(map), 1, 0), cell);
    saveRecord(K::Map, "map_32x40.rec", map);
    ArmyPlacement army;
    army.army = "PIKEMEN";
    saveRecord(K::ArmyPlacements, "armies.rec", writeArmyPlacements(std::vector{army, ArmyPlacement{}}));
    HeroPlacement hero;
    hero.abilities[9] = {20, 3, 0, "FIREBALL"};
    saveRecord(K::HeroPlacements, "heroes.rec", writeHeroPlacements(std::vector{hero, HeroPlacement{}}));
    saveRecord(K::Diplomacy, "relations.rec",
               writeDiplomacy(std::vector{Relation{}, Relation{50, 1, 2, kIndexValueKind, -40}, Relation{}}));
    ScenarioItems pool;
    pool.compulsory[0] = "BLADE";
    pool.unplaced[7] = "OLDCROWN";
    saveRecord(K::ScenarioItems, "pool.rec", writeScenarioItems(pool));
    Campaign saga = newCampaign("SAGA");
    saga.episodes = 2;
    saga.rows[0] = {"ISLE", "INTRO", "", "START0", "END0"};
    saga.world = "EARTH";
    saveRecord(K::Campaign, "campaign.rec", writeCampaign(saga));
    saveRecord(K::Reward, "reward.rec", writeReward({2, {1, 2, -1, 0}, {1, 3, 0, 0}}));
    saveRecord(K::Options, "options.rec", writeOptions(defaultOptions()));
    saveRecord(K::CampaignText, "text.rec",
               writeCampaignText("Long ago\r\n\r\nthe kings " + std::string(kTextReadPiece, 'k') + "\r\n"));
}

// The root's exports with every translation line filled, some beyond their limits.
std::string translation(const std::string&, int n) {
    return n % 3 ? "T" + std::to_string(n) : std::string(40, static_cast<char>('a' + n % 26));
}

std::string filledPo(std::string po) {
    const std::string empty = "\nmsgstr \"\"\n";
    int n = 0;
    for (std::size_t at = po.find(empty); at != std::string::npos; at = po.find(empty, at + 1)) {
        const std::string filled = "\nmsgstr \"" + translation("", ++n) + "\"\n";
        po.replace(at, empty.size(), filled);
    }
    return po;
}

void saveImports(const kestrel::testing::TempRoot& t) {
    using namespace kestrel::textx;
    const auto& root = t.root();
    saveIn("import", "data.txt", roots::translated(dataSetText(root), translation));
    saveIn("import", "data.po", filledPo(dataSetPo(root)));
    saveIn("import", "scenario.txt",
           roots::translated(scenarioText(root, kestrel::fuzz::kImportScenario), translation));
    saveIn("import", "scenario.po", filledPo(scenarioPo(root, kestrel::fuzz::kImportScenario)));
}

void saveScripts() {
    saveIn("script", "every_form.kst",
           "# Every line form once.\n"
           "click 1006\n"
           "type 1010 \"MARSH\"\n"
           "select 1008 \"HILLS\"\n"
           "select 1008 #2\n"
           "select 1008 none\n"
           "dblclick 1008 \"MARSH\"\n"
           "dblclick 1008 #0\n"
           "check 1020 on\n"
           "check 1020 off\n"
           "radio 1031\n"
           "spin 1198 up\n"
           "spin 1198 down\n"
           "mouse left 10 20\n"
           "mouse right 10 20\n"
           "mouse move -3 7\n"
           "mouse release 10 20\n"
           "key escape\n"
           "key enter\n"
           "key f1\n"
           "file \"/tmp/picture.pcx\"\n"
           "file cancel\n"
           "expect caption \"Edit City Data - MARSH\"\n"
           "expect text 1011 \"Ruin\"\n"
           "expect checked 1020 on\n"
           "expect checked 1020 off\n"
           "expect selected 1008 \"HILLS\"\n"
           "expect selected 1008 none\n"
           "expect items 1008 \"COAST\" \"HILLS\" \"MARSH\"\n"
           "expect items 1008\n"
           "expect message \"Error\" \"City set already exists!\"\n"
           "expect no-message\n"
           "expect open 133\n"
           "expect open none\n"
           "dump\n"
           "snapshot \"list.png\"\n");
    saveIn("script", "city_sets.kst",
           "# City sets: New, the editor, Delete.\n"
           "click 1006\n"
           "expect open 132\n"
           "type 1010 \"MARSH\"\n"
           "click 4\n"
           "expect message \"Error\" \"City set already exists!\"\n"
           "dblclick 1008 \"MARSH\"\n"
           "type 1014 \"Sunken Keep of the Fen\"\n"
           "expect text 1014 \"Sunken Keep of t\"\n"
           "click 1\n"
           "key enter\n"
           "expect open 102\n");
    saveIn("script", "texts.kst",
           "type 1036 \"say \\\"hi\\\" \\\\ back\"\r\n"
           "type 1036 \"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\"  # a comment\r\n"
           "\r\n"
           "\t  expect text 1036 \"\xE9\"\r\n");
    saveIn("script", "paths.kst",
           "file \"/tmp/caf\xC3\x83\xC2\xA9.pcx\"\n"
           "file \"/tmp/caf\xE9.pcx\"\n"
           "snapshot \"shots\\\\caf\xC3\xA9.png\"\n"
           "type 1010 \"caf\xC3\x83\xC2\xA9\"\n");
    saveIn("script", "bad_line.kst", "click 1006\nclick the button\n");
    saveIn("script", "unterminated.kst", "expect open 102\ntype 5 \"open\nclick 1");
}

// Translated files as a translator sends them back: tagged and PO.
void saveTranslations() {
    saveIn("textin", "data.txt",
           "*************** CITY DATA ***************\r\n"
           "    #ID:    City\\ELVES.CIT\r\n    #LVL0:  <Hamlet>\r\n    #LOC:   <Hameau>\r\n"
           "    #LVL10(F):<Dame>\r\n    #LOC:     <Dame \xE9>\r\n"
           "*************** MISC DATA ***************\r\n"
           "    #MON7: <Wyrm>\r\n    #LOC:  <Vouivre>\r\n    #NAME255: <Edge>\r\n    #LOC:    <Bord>\r\n");
    saveIn("textin", "data.po",
           "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
           "#. at most 19 characters\nmsgctxt \"City\\\\ELVES.CIT LVL0\"\nmsgid \"Hamlet\"\n"
           "msgstr \"Ha\\\"meau\\n\"\n\"\xC3\xA9\"\n\n"
           "#, fuzzy\nmsgctxt \"City\\\\ELVES.CIT LVL1\"\nmsgid \"Village\"\nmsgstr \"Bourg\"\n\n"
           "#~ msgid \"Old\"\n#~ msgstr \"Vieux\"\n\n"
           "msgid \"a\"\nmsgid_plural \"b\"\nmsgstr[0] \"c\"\n");
    saveIn("textin", "latin1.po",
           "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n\n"
           "msgctxt \"City\\\\ELVES.CIT LVL0\"\nmsgid \"Hamlet\"\nmsgstr \"Hameau \xE9\"\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    root = argv[1];

    save("pcx", "mono_13x7.pcx", writePcx(patternImage(13, 7, 2, 1), 1, 1));
    save("pcx", "planes4_17x9.pcx", writePcx(patternImage(17, 9, 16, 2), 1, 4));
    save("pcx", "planes2_10x4.pcx", writePcx(patternImage(10, 4, 4, 3), 1, 2));
    save("pcx", "bits2_9x5.pcx", writePcx(patternImage(9, 5, 4, 4), 2, 1));
    save("pcx", "bits4_11x6.pcx", writePcx(patternImage(11, 6, 16, 5), 4, 1));
    save("pcx", "bits8_19x11.pcx", writePcx(patternImage(19, 11, 256, 6), 8, 1));
    save("pcx", "bits8_1x1.pcx", writePcx(patternImage(1, 1, 256, 7), 8, 1));
    save("pcx", "bits8_runs_70x3.pcx", writePcx(patternImage(70, 3, 2, 8), 8, 1));
    save("pcx", "bits8_wide_300x4.pcx", writePcx(patternImage(300, 4, 3, 9), 8, 1));
    save("pcx", "bits8_padded_301x3.pcx", writePcx(patternImage(301, 3, 256, 10), 8, 1, 5));

    save("bmp", "bits1_13x7.bmp", writeBmp(patternImage(13, 7, 2, 11), 1));
    save("bmp", "bits4_9x5.bmp", writeBmp(patternImage(9, 5, 16, 12), 4));
    save("bmp", "bits8_7x3.bmp", writeBmp(patternImage(7, 3, 256, 13), 8));
    save("bmp", "bits8_1x1.bmp", writeBmp(patternImage(1, 1, 256, 14), 8));
    save("bmp", "bits24_5x3.bmp", writeBmpTrueColour(rgbPattern(5, 3), 24));
    save("bmp", "bits32_3x2.bmp", writeBmpTrueColour(rgbPattern(3, 2), 32));

    save("gif", "plain_13x7.gif", writeGif(patternImage(13, 7, 256, 21)));
    save("gif", "interlaced_17x13.gif", writeGif(patternImage(17, 13, 256, 22), {.interlaced = true}));
    save("gif", "clears_15x9.gif", writeGif(patternImage(15, 9, 8, 23), {.minCodeSize = 3, .clearEvery = 5}));
    save("gif", "code2_11x5.gif", writeGif(patternImage(11, 5, 4, 24), {.minCodeSize = 2}));
    save("gif", "code5_9x9.gif", writeGif(patternImage(9, 9, 32, 25), {.minCodeSize = 5, .interlaced = true}));
    save("gif", "code8_full_table_64x64.gif", writeGif(patternImage(64, 64, 256, 26)));
    save("gif", "extensions_7x3.gif", writeGif(patternImage(7, 3, 256, 27), {.graphicControl = true, .comment = true}));
    save("gif", "local_table_9x7.gif",
         writeGif(patternImage(9, 7, 16, 29), {.minCodeSize = 4, .tableBits = 4, .localTable = true}));
    save("gif", "old_version_5x5.gif", writeGif(patternImage(5, 5, 256, 28), {.version = "GIF87a"}));

    save("icon", "bits4_32x32.ico", writeIcon(patternImage(32, 32, 16, 31), 4));
    save("icon", "bits8_32x32.ico", writeIcon(patternImage(32, 32, 256, 32), 8));
    std::vector<bool> holes(32 * 32);
    for (std::size_t i = 0; i < holes.size(); i += 3) holes[i] = true;
    save("icon", "masked_32x32.ico", writeIcon(patternImage(32, 32, 16, 34), 4, holes));

    saveRecords();
    saveScripts();
    saveTranslations();
    saveOtherRecords();
    const kestrel::testing::TempRoot importRoot;
    kestrel::fuzz::writeImportRoot(importRoot);
    saveRootRecords(importRoot);
    saveImports(importRoot);
    return 0;
}
