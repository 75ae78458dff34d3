#include "datasets/shield.hpp"

#include <gtest/gtest.h>

#include "datasets/catalogue_ops.hpp"
#include "datasets/entry_editors.hpp"
#include "datasets/shield_list_dialog.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"
#include "ui/layout.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;

core::Bytes record(std::uint8_t kind, std::string_view name, std::string_view heraldic) {
    core::Bytes r(50, 0);
    r[0] = kind;
    std::copy(name.begin(), name.end(), r.begin() + 1);
    std::copy(heraldic.begin(), heraldic.end(), r.begin() + 10);
    return r;
}

// Any kind byte reads; bytes behind a NUL mean nothing; a field without one
// reads to its end only.
TEST(ShieldRecord, ReadsAnyKindByteAndFullFields) {
    core::Bytes r = record(7, "LION", "A lion rampant");
    r[6] = 'Z';
    EXPECT_EQ(readShield(r), (Shield{7, "LION", "A lion rampant"}));
    EXPECT_EQ(readShield(core::Bytes(50, 'Q')), (Shield{'Q', std::string(9, 'Q'), std::string(40, 'Q')}));
}

TEST(ShieldFileNames, FirstLetterInAnyCaseIsTheKind) {
    EXPECT_EQ(splitShieldFileName("cCROSS"), (ShieldFileName{ShieldKind::Charge, "CROSS"}));
    EXPECT_EQ(splitShieldFileName("BLION"), (ShieldFileName{ShieldKind::Base, "LION"}));
    EXPECT_EQ(splitShieldFileName("oX"), (ShieldFileName{ShieldKind::Ordinary, "X"}));
    for (const char* none : {"ZOTHER", "ALPHA", "B", "", " LION"}) EXPECT_FALSE(splitShieldFileName(none)) << none;
    EXPECT_EQ(shieldFileName(ShieldKind::Ordinary, "LION"), "OLION");
}

TEST(ShieldEntries, WithoutAKindLetterThereIsNoFeatureToMakeOrEdit) {
    EXPECT_FALSE(newRecord(info(Kind::Shield), "ALPHA"));
    TempRoot t;
    ui::HeadlessHost host;
    EXPECT_FALSE(makeEntryEditor(info(Kind::Shield), host, t.root(), "ALPHA"));
    EXPECT_TRUE(makeEntryEditor(info(Kind::Shield), host, t.root(), "BLION"));
}

TEST(ShieldEntries, SevenCharactersAfterTheLetter) {
    TempRoot t;
    const auto& kind = info(Kind::Shield);
    EXPECT_EQ(fileNameLimit(kind), 8u);
    EXPECT_EQ(fileNameLimit(info(Kind::HeroType)), 7u);
    EXPECT_EQ(createEntry(t.root(), kind, "BSEVENCH", *newRecord(kind, "BSEVENCH")), NewResult::Created);
    EXPECT_EQ(createEntry(t.root(), kind, "BEIGHTCHR", *newRecord(kind, "BEIGHTCHR")), NewResult::CannotCreate);
    EXPECT_EQ(t.files(), (std::vector<std::string>{"SHIELD/", "SHIELD/BSEVENCH.SHI"}));
}

TEST(ShieldListLayout, ThreeGroupsSideBySide) {
    const ui::Layout& l = ui::layoutFor(162);
    EXPECT_EQ(l.caption, "Shield Data List");
    EXPECT_EQ(l.defaultButton(), 1);
    EXPECT_EQ(l.find(1)->label, "Done");
    EXPECT_FALSE(l.find(2));  // Escape closes as the dialog's cancel
    std::vector<std::string> groups;
    for (const auto& c : l.controls)
        if (c.kind == ui::ControlKind::Group) groups.push_back(c.label);
    EXPECT_EQ(groups, (std::vector<std::string>{" Base ", "Ordinary", "Charge"}));
    for (const auto& g : kShieldGroups) {
        EXPECT_TRUE(l.find(g.list)->sorted);
        EXPECT_EQ(l.find(g.name)->limit, 7);
    }
    EXPECT_EQ(l.find(1215)->label, "New Base");
    EXPECT_EQ(l.find(1011)->label, "Edit Ordinary");
    EXPECT_EQ(l.find(1218)->label, "Del Ordinary");
    EXPECT_EQ(l.find(1222)->label, "Delete Charge");
    EXPECT_LT(l.find(1213)->rect.x, l.find(1217)->rect.x);
    EXPECT_LT(l.find(1217)->rect.x, l.find(1221)->rect.x);
    EXPECT_EQ(ui::layoutFor(163).find(1036)->limit, 39);
}

// The list dialog, played as a user would from the main window.
class ShieldListTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.write("WSDATA/SHIELD.PCX", "template");
        write("BLION", record(0, "LION", "Or"));
        write("OLION", record(1, "LION", "A bend"));
        write("CLION", record(2, "LION", "A lion rampant"));
        write("cCROSS", record(2, "CROSS", "A cross"));
        write("bGULES", record(0, "GULES", ""));
        write("ZOTHER", record(0, "OTHER", ""));
        write("B", record(0, "", ""));
        t.write("SHIELD/OBEND.PCX", "a picture without a record");
    }
    void write(const std::string& file, const core::Bytes& bytes) { t.write("SHIELD/" + file + ".SHI", bytes); }
    testing::ScriptRun play(const std::string& script) {
        auto run = runScript(t.path(), "click 1019\nexpect open 162\n" + script);
        EXPECT_EQ(run.status, 0) << run.transcript;
        return run;
    }
    TempRoot t;
};

// Each file in the list of its letter, nothing selected; without a selection
// Delete and Edit do nothing; New of an existing or refused name is refused;
// Escape and Enter close. No file changes.
TEST_F(ShieldListTest, ListsByLetterAndNothingButNewOfAFreshNameChangesAFile) {
    const auto before = t.files();
    play(
        "expect caption \"Shield Data List\"\n"
        "expect items 1213 \"GULES\" \"LION\"\nexpect items 1217 \"LION\"\nexpect items 1221 \"CROSS\" \"LION\"\n"
        "expect selected 1213 none\nexpect selected 1217 none\nexpect selected 1221 none\n"
        "expect text 1214 \"\"\nexpect text 1220 \"\"\nexpect text 1224 \"\"\n"
        "click 1216\nclick 1218\nclick 1222\nclick 1059\nclick 1011\nclick 1012\nexpect open 162\n"
        "expect no-message\nexpect items 1213 \"GULES\" \"LION\"\n"
        "type 1224 \"cross\"\nclick 1223\nexpect message \"Error\" \"Shield already exists!\"\n"
        "type 1214 \"a:b\"\nclick 1215\nexpect message \"Error\" \"Error creating new shield file!\"\n"
        "type 1220 \"..\\\\X\"\nclick 1219\nexpect message \"Error\" \"Error creating new shield file!\"\n"
        "expect items 1221 \"CROSS\" \"LION\"\n"
        "select 1213 \"LION\"\nkey escape\nexpect open 102\nclick 1019\ntype 1214 \"NEWONE\"\nkey enter\n"
        "expect open 102\nclick 1019\nclick 1\nexpect open 102\n");
    EXPECT_EQ(t.files(), before);
    EXPECT_EQ(t.read("SHIELD/cCROSS.SHI"), record(2, "CROSS", "A cross"));
}

TEST_F(ShieldListTest, NewMakesTheFeatureOfItsGroupAndRefillsEveryList) {
    play(
        "select 1217 \"LION\"\nselect 1221 \"LION\"\ntype 1224 \"STAR\"\ntype 1214 \"azure\"\nclick 1215\n"
        "expect no-message\nexpect items 1213 \"azure\" \"GULES\" \"LION\"\n"
        "expect selected 1213 \"azure\"\nexpect selected 1217 \"LION\"\nexpect selected 1221 \"LION\"\n"
        "expect text 1214 \"azure\"\nexpect text 1224 \"STAR\"\n"
        "type 1220 \"CROSS\"\nclick 1219\nexpect no-message\nexpect items 1217 \"CROSS\" \"LION\"\n");
    EXPECT_EQ(t.read("SHIELD/Bazure.SHI"), record(0, "azure", ""));
    EXPECT_EQ(t.read("SHIELD/Bazure.PCX").size(), 8u);
    EXPECT_FALSE(t.exists("SHIELD/CSTAR.SHI"));
    // The same name in another list is another entry.
    EXPECT_EQ(t.read("SHIELD/OCROSS.SHI"), record(1, "CROSS", ""));
    EXPECT_EQ(t.read("SHIELD/cCROSS.SHI"), record(2, "CROSS", "A cross"));
}

TEST_F(ShieldListTest, DeletingTheBaseLionLeavesTheOtherLions) {
    for (const char* letter : {"B", "O", "C"})
        for (const char* ext : {".PCX", ".BMP"}) t.write(std::string("SHIELD/") + letter + "LION" + ext, "p");
    play(
        "select 1213 \"LION\"\nselect 1221 \"LION\"\nclick 1216\nexpect no-message\n"
        "expect items 1213 \"GULES\"\nexpect items 1217 \"LION\"\nexpect items 1221 \"CROSS\" \"LION\"\n"
        "expect selected 1221 \"LION\"\n");
    for (const char* gone : {"BLION.SHI", "BLION.PCX", "BLION.BMP"})
        EXPECT_FALSE(t.exists(std::string("SHIELD/") + gone));
    for (const char* kept : {"OLION.SHI", "OLION.PCX", "OLION.BMP", "CLION.SHI", "CLION.PCX", "CLION.BMP", "B.SHI"})
        EXPECT_TRUE(t.exists(std::string("SHIELD/") + kept)) << kept;
}

TEST_F(ShieldListTest, EditOpensTheFeatureOfItsOwnGroup) {
    const auto run = play(
        "select 1213 \"LION\"\nselect 1217 \"LION\"\nclick 1011\nexpect open 163\n"
        "expect caption \"Edit Shield - LION\"\nexpect text 1036 \"A bend\"\nclick 2\n"
        "dblclick 1221 \"CROSS\"\nexpect caption \"Edit Shield - CROSS\"\n"
        "expect text 1036 \"A cross\"\ntype 1036 \"A cross moline\"\nclick 1\nexpect open 162\n"
        "expect items 1221 \"CROSS\" \"LION\"\n");
    EXPECT_EQ(t.read("SHIELD/cCROSS.SHI"), record(2, "CROSS", "A cross moline"));
    EXPECT_FALSE(t.exists("SHIELD/CCROSS.SHI"));                         // the file of any case is rewritten
    EXPECT_EQ(t.read("SHIELD/OLION.SHI"), record(1, "LION", "A bend"));  // Cancel wrote nothing
}

}  // namespace
}  // namespace kestrel::datasets
