// The PO bridge back: the same changes give the same bytes as the tagged
// file, and what a translation tool may leave in a PO file changes nothing.
#include <gtest/gtest.h>

#include <sstream>

#include "app/text_command.hpp"
#include "textx/data_export.hpp"
#include "textx/data_import.hpp"
#include "textx/import_roots.hpp"
#include "textx/po_file.hpp"
#include "textx/scenario_export.hpp"
#include "textx/scenario_import.hpp"

namespace kestrel::textx {
namespace {

using namespace roots;

// Every text the export shows gets the translation "Ü" and the text, in
// Windows-1252 on the "#LOC:" line of the tagged file...
std::string translateTagged(const std::string& text) {
    return translated(text, [](const std::string& shown, int) { return shown.empty() ? "" : "\xDC" + shown; });
}

// ... and in UTF-8 as the msgstr of its PO entry.
std::string translatePo(std::string po) {
    for (std::size_t at = 0; (at = po.find("\nmsgstr \"\"\n", at)) != std::string::npos; ++at) {
        const std::size_t id = po.rfind("\nmsgid \"", at) + 8;
        if (id + 1 < at) po.insert(at + 9, "\xC3\x9C" + po.substr(id, at - id - 1));  // not the header
    }
    return po;
}

// One translated PO entry.
std::string entry(const std::string& context, const std::string& text, const std::string& id = "") {
    return "\nmsgctxt " + poQuoted(context) + "\nmsgid " + poQuoted(id) + "\nmsgstr " + poQuoted(text) + "\n";
}

TEST(PoImport, ARoundTripGivesTheBytesOfTheTaggedOne) {
    TempRoot tagged, po;
    for (const TempRoot* t : {&tagged, &po}) {
        writeOneOfEach(*t);
        writeIsle(*t);
    }
    const auto before = snapshot(tagged);
    importDataText(tagged.root(), translateTagged(dataSetText(tagged.root())));
    importScenarioText(tagged.root(), "ISLE", translateTagged(scenarioText(tagged.root(), "ISLE")));
    const ImportResult data = importDataPo(po.root(), translatePo(dataSetPo(po.root())));
    const ImportResult scenario = importScenarioPo(po.root(), "ISLE", translatePo(scenarioPo(po.root(), "ISLE")));
    EXPECT_EQ(data.written.size(), 8u);
    EXPECT_EQ(scenario.written.size(), 9u);  // the move bonus texts are empty; CITY.INI and ITEM.INI renamed
    EXPECT_TRUE(succeeded(scenario));
    EXPECT_NE(snapshot(po), before);
    EXPECT_EQ(snapshot(po), snapshot(tagged));
}

// Fuzzy, obsolete and plural entries, contexts of no record or outside the
// data root, a file of the wrong section, and a text the game cannot hold.
TEST(PoImport, OnlyPlainTranslationsOfKnownTextsAreApplied) {
    TempRoot t;
    writeOneOfEach(t);
    writeIsle(t);
    const auto before = snapshot(t);
    const std::string po =
        "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n#, fuzzy" +
        entry("City\\ELVES.CIT LVL0", "Fuzzy", "Hamlet") +
        "\n#~ msgctxt \"City\\\\ELVES.CIT LVL1\"\n#~ msgid \"Village\"\n#~ msgstr \"Obsolete\"\n" +
        "\nmsgctxt \"City\\\\ELVES.CIT LVL2\"\nmsgid \"Town\"\nmsgid_plural \"Towns\"\nmsgstr[0] \"Plural\"\n" +
        entry("City\\..\\..\\ELVES.CIT LVL3", "Outside", "City") + entry("Army\\PIKEMEN.ARM LVL0", "Unknown tag", "x") +
        entry("SCENARIO\\ISLE\\MISC.DAT NAME", "Wrong file", "Isle") +
        entry("SCENARIO\\ISLE\\DEEP\\CITY.DAT NAME0", "Deeper folder", "Oldtown") +
        entry("Items\\BLADE.ITM NAME", "the Blade \xE2\x9C\x93", "the Blade");
    const ImportResult data = importDataPo(t.root(), po);
    EXPECT_TRUE(data.written.empty());
    EXPECT_EQ(message(data), "No Windows-1252 form for Items\\BLADE.ITM NAME");
    EXPECT_TRUE(importScenarioPo(t.root(), "ISLE", po).written.empty());
    EXPECT_EQ(snapshot(t), before);

    // Continued strings and escapes, by the file's ending in any case.
    t.write("fr.PO",
            "msgctxt \"Spell\\\\FIRE.SPL NAME\"\nmsgid \"Fireball\"\nmsgstr \"Boule \"\n\"de \\\"feu\\\"\"\n"
            "msgctxt \"City\\\\ELVES.CIT LVL3\"\nmsgid \"City\"\nmsgstr \"Cit\xC3\xA9\"\n");
    std::ostringstream out, err;
    EXPECT_EQ(app::importDataCommand(t.path(), t.path() / "fr.PO", out, err), 0);
    EXPECT_EQ(datasets::readSpell(t.read("SPELL/FIRE.SPL")).name, "Boule de \"feu\"");
    EXPECT_EQ(datasets::readCitySet(t.read("CITY/ELVES.CIT")).levels[3], "Cit\xE9");
    t.write("bad.po", po);
    std::ostringstream out2, err2;
    EXPECT_EQ(app::importDataCommand(t.path(), t.path() / "bad.po", out2, err2), 1);
    EXPECT_EQ(err2.str(),
              "No Windows-1252 form for Items\\BLADE.ITM NAME\n0 texts changed, 0 files rewritten, 5 texts skipped "
              "(unknown context or tag: 1, refused path: 3, no Windows-1252 form: 1)\n");
}

// A scenario's PO file names the files of the scenario, with or without the
// folder it was made from; either way its texts go to the scenario it is
// imported into.
TEST(PoImport, AScenarioPoGoesToTheScenarioItIsImportedInto) {
    TempRoot t;
    writeIsle(t);
    t.write("SCENARIO/COPY/MISC.DAT", t.read(kDir + "MISC.DAT"));
    const auto before = snapshot(t);
    const std::string po = entry("MISC.DAT MON0", "Orc") + entry("SCENARIO\\ISLE\\MISC.DAT MON1", "Elf") +
                           entry("scenario/other/misc.dat MON2", "Imp") +
                           entry("SCENARIO\\COPY\\DEEP\\MISC.DAT MON3", "x") + entry("COPY\\MISC.DAT MON4", "x") +
                           entry("SCENARIO\\..\\MISC.DAT MON5", "x") + entry("\\MISC.DAT MON6", "x");
    EXPECT_EQ(importScenarioPo(t.root(), "COPY", po).written, std::vector<std::string>{"SCENARIO\\COPY\\MISC.DAT"});
    auto after = snapshot(t);
    std::vector<std::string> names;
    for (const auto& monster : scenario::readMiscData(after.at("SCENARIO/COPY/MISC.DAT")).monsters)
        names.push_back(monster.name);
    const std::string kept = scenario::defaultMiscData().monsters[3].name;
    EXPECT_EQ(names, (std::vector<std::string>{"Orc", "Elf", "Imp", kept, kept, kept, kept, kept}));
    after["SCENARIO/COPY/MISC.DAT"] = before.at("SCENARIO/COPY/MISC.DAT");
    EXPECT_EQ(after, before);
}

// The header's charset rules the file; one that cannot be read in it is
// refused by its name, and nothing changes.
TEST(PoImport, ThePoFileIsReadInTheCharsetItsHeaderNames) {
    struct Case {
        std::string charset, text, stored, said;
    };
    const Case cases[] = {
        {"ISO-8859-1", "Cit\xE9", "Cit\xE9", "Text Imported!"},
        {"windows-1252", "\x80 Cit\xE9", "\x80 Cit\xE9", "Text Imported!"},
        {"utf-8", "Cit\xC3\xA9", "Cit\xE9", "Text Imported!"},
        {"CHARSET", "Cit\xC3\xA9", "Cit\xE9", "Text Imported!"},  // a fresh template's: UTF-8 as exported
        {"ISO-8859-1", "\x80", "Town", "No Windows-1252 form for City\\ELVES.CIT LVL2"},
        {"KOI9-X", "Cit\xE9", "Town", "Can't convert from charset KOI9-X"},
        {"ASCII", "Cit\xE9", "Town", "Can't convert from charset ASCII"},
        {"UTF-8//IGNORE", "Cit\xC3\xA9", "Town", "Can't convert from charset UTF-8//IGNORE"},
    };
    for (const Case& c : cases) {
        TempRoot t;
        writeOneOfEach(t);
        const std::string po = "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=" + c.charset +
                               "\\n\"\n\nmsgctxt \"City\\\\ELVES.CIT LVL2\"\nmsgid \"Town\"\nmsgstr \"" + c.text +
                               "\"\n";
        EXPECT_EQ(message(importDataPo(t.root(), po)), c.said) << c.charset;
        EXPECT_EQ(datasets::readCitySet(t.read("CITY/ELVES.CIT")).levels[2], c.stored) << c.charset;
    }
}

}  // namespace
}  // namespace kestrel::textx
