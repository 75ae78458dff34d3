// DIPLOM.INI and the Diplomacy dialog: the bytes at their offsets, values the
// lists do not offer kept, the full list and the failed write. The counts are
// with every counted file's; the everyday flow is played by the diplomacy script.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "core/le.hpp"
#include "modal_run.hpp"
#include "scenario/diplomacy_dialog.hpp"
#include "scenario/sides.hpp"

namespace kestrel::scenario {
namespace {

using Ids = DiplomacyIds;
using Lines = std::vector<std::string>;

constexpr const char* kFile = "SCENARIO/ISLE/DIPLOM.INI";

core::Bytes fileOf(int count, const std::vector<std::array<std::int16_t, 5>>& records) {
    core::Bytes b(2 + records.size() * 10, 0);
    core::putS16(b, 0, static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < records.size(); ++i)
        for (std::size_t f = 0; f < 5; ++f) core::putS16(b, 2 + i * 10 + f * 2, records[i][f]);
    return b;
}

TEST(DiplomacyFile, EveryFieldAtItsOffset) {
    const std::vector<Relation> relations{{100, 7, 0, kStandingKind, 3}, {-1, 8, -2, 5, -100}};
    const core::Bytes want = fileOf(2, {{100, 7, 0, 0, 3}, {-1, 8, -2, 5, -100}});
    ASSERT_EQ(want.size(), 22u);
    EXPECT_EQ(writeDiplomacy(relations), want);
    EXPECT_EQ(readDiplomacy(want), relations);
    EXPECT_EQ(Relation{}, (Relation{0, 0, 0, kStandingKind, kNeutralStanding}));
}

using DiplomacyRun = testing::ModalRun<DiplomacyDialog>;

// A standing or kind the controls cannot show is listed as read; storing the
// record takes the kind from the radio buttons and a standing of none as -1.
// Sides the lists lack stay, and records never shown are written as read.
TEST(Diplomacy, ValuesTheListsDoNotOfferAreListedAndNormalisedWhenStored) {
    DiplomacyRun r;
    Sides sides = defaultSides();
    sides[0].used = sides[1].used = true;
    sides[0].name = "Norland";
    sides[1].name = "The Eastmark Of The Sea";  // longer than list lines take
    r.t.write("SCENARIO/ISLE/SIDES.DAT", writeSides(sides));
    r.t.write(kFile, fileOf(4, {{40, 0, 1, 0, 7}, {5, 8, -1, 5, 33}, {100, 1, 0, 0, 3}, {0, 0, 0, 1, -100}}));
    EXPECT_TRUE(r.run([](ui::Window& w) {
        EXPECT_EQ(w.items(Ids::kList),
                  (Lines{"Norland ????? The Eastmark Of: 40%", "Neutrals -> ????? Index[33]: 5%",
                         "The Eastmark Of at War with Norland: 100%", "Norland -> Norland Index[-100]: 0%"}));
        EXPECT_EQ(w.items(Ids::kFirstSide).size(), 8u);
        EXPECT_EQ(w.text(Ids::kSecondSide), "The Eastmark Of The Sea");
        EXPECT_TRUE(w.checked(Ids::kStanding));
        EXPECT_EQ(w.selection(Ids::kStandingList), -1);
        EXPECT_EQ(w.text(Ids::kValue), "0");
        w.userSelect(Ids::kList, 1);
        EXPECT_EQ(w.selection(Ids::kFirstSide), -1);
        EXPECT_EQ(w.selection(Ids::kSecondSide), -1);
        EXPECT_TRUE(w.checked(Ids::kIndexValue));
        EXPECT_EQ(w.text(Ids::kValue), "33");
        w.userSelect(Ids::kList, 0);
    }));
    EXPECT_EQ(r.t.read(kFile),
              fileOf(4, {{40, 0, 1, 0, -1}, {5, 8, -1, 1, 33}, {100, 1, 0, 0, 3}, {0, 0, 0, 1, -100}}));
    EXPECT_TRUE(r.messages().empty());
}

TEST(Diplomacy, UnwritableEmptyAndFullLists) {
    // A folder in the file's place: an empty list, and the failed write keeps the dialog open; Cancel writes nothing.
    DiplomacyRun r;
    r.t.mkdir(kFile);
    EXPECT_FALSE(r.run([](ui::Window& w) { w.userClick(Ids::kNew); }));
    EXPECT_TRUE(r.run([](ui::Window& w) { w.userClick(Ids::kNew); }, ui::kIdCancel));
    EXPECT_EQ(r.messages(), Lines{"Error: Can't open DIPLOM.INI file"});
    EXPECT_TRUE(std::filesystem::is_directory(r.t.path() / kFile));

    // No files: eight unused sides; Append to the empty list adds record 0.
    std::filesystem::remove(r.t.path() / kFile);
    EXPECT_TRUE(r.run([](ui::Window& w) {
        EXPECT_EQ(w.items(Ids::kFirstSide), Lines(8, "Not Used"));
        w.userClick(Ids::kDelete);
        w.userClick(Ids::kAppend);
        EXPECT_EQ(w.items(Ids::kList), Lines{"Not Used Neutral to Not Used: 0%"});
        EXPECT_EQ(w.text(Ids::kStandingList), "Neutral");
    }));
    EXPECT_EQ(r.t.read(kFile), fileOf(1, {{0, 0, 0, 0, 2}}));

    // A full list ignores the adding buttons.
    const core::Bytes full = fileOf(100, std::vector<std::array<std::int16_t, 5>>(100, {1, 0, 1, 0, 0}));
    r.t.write(kFile, full);
    EXPECT_TRUE(r.run([](ui::Window& w) {
        for (const int id : {Ids::kNew, Ids::kInsert, Ids::kAppend}) w.userClick(id);
        EXPECT_EQ(w.items(Ids::kList).size(), 100u);
        EXPECT_EQ(w.selection(Ids::kList), 0);
    }));
    EXPECT_EQ(r.t.read(kFile), full);
    EXPECT_EQ(r.messages().size(), 1u);
}

}  // namespace
}  // namespace kestrel::scenario
