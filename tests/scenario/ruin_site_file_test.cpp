// RUIN.DAT and SITE.DAT: every field at its offset. Every file of a count and
// records: the counts as read, loaded and written, and what an odd file gives.
#include <gtest/gtest.h>

#include "scenario/city_file.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/placed_records.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/site_file.hpp"
#include "support/laid_out.hpp"
#include "support/temp_root.hpp"

namespace kestrel::scenario {
namespace {

using testing::laidOut;

// Values at the edges of what each field holds, the same in both records.
PlacedHead fullHead() { return {"Fifteen Letters", std::string(127, 'd'), 7, 100, {128, -3}}; }
// Name and description each with a NUL left; type, chance, x and y.
core::Bytes fullHeadBytes(std::size_t size) {
    return laidOut(size, {{0, "Fifteen Letters"}, {16, std::string(127, 'd')}},
                   {{144, 7}, {146, 100}, {148, 128}, {150, -3}});
}

TEST(RuinFile, EveryFieldAtItsOffset) {
    ScenarioRuin ruin;
    ruin.head = fullHead();
    ruin.guard = -1;
    ruin.flags = {1, 0, 1, 1, 0, 1, 0, 0, 1, 1, 2};
    ruin.untouched = 0xAB;
    ruin.ability = {22, 999, -2, "WOLVESAB"};
    ruin.specialFile = "HOARDING";
    core::Bytes want = fullHeadBytes(192);
    testing::putWords(want, {{152, -1}, {166, 22}, {168, 999}, {170, -2}});  // guard, the ability's numbers
    std::copy(ruin.flags.begin(), ruin.flags.end(), want.begin() + 154);
    want[165] = 0xAB;
    testing::putTexts(want, {{172, "WOLVESAB"}, {182, "HOARDING"}});  // NUL at 180, 181 zero
    EXPECT_EQ(writeRuin(ruin), want);
    EXPECT_EQ(readRuin(want), ruin);
    // Ten-byte texts that fill their field read whole.
    testing::putTexts(want, {{172, "ABCDEFGHIJ"}});
    EXPECT_EQ(readRuin(want).ability.text, "ABCDEFGHIJ");
    EXPECT_EQ(readRuin(want).specialFile, "HOARDING");
}

TEST(SiteFile, EveryFieldAtItsOffset) {
    const ScenarioSite site{fullHead(), 1, 0xCD};
    core::Bytes want = fullHeadBytes(154);
    want[152] = 1;
    want[153] = 0xCD;
    EXPECT_EQ(writeSite(site), want);
    EXPECT_EQ(readSite(want), site);
    // A short record reads as if padded with zeros.
    EXPECT_EQ(readSite(core::Bytes(want.begin(), want.begin() + 150)),
              (ScenarioSite{{fullHead().name, fullHead().description, 7, 100, {128, 0}}}));
}

// A count, then `records` records of ones, the last cut by `cut` bytes.
core::Bytes countedFile(int count, std::size_t records, std::size_t size, std::size_t cut = 0) {
    core::Bytes file(2 + records * size - cut, 1);
    core::putS16(file, 0, static_cast<std::int16_t>(count));
    return file;
}

// The count is clamped to the records the editors hold and to those of the
// file; a cut last record is read when `cutRead`, and never by the map views.
template <auto read, auto load, auto write>
void expectClampedCounts(const char* file, std::size_t size, std::size_t limit, bool cutRead,
                         const PlacedFile* places = nullptr) {
    SCOPED_TRACE(file);
    using Record = typename decltype(read(core::Bytes{}))::value_type;
    const struct {
        const char* what;
        core::Bytes file;
        std::size_t withCut, whole;  // records read with a cut one, and whole records only
    } cases[] = {
        {"empty", {}, 0, 0},
        {"one byte", {7}, 0, 0},
        {"count 0", countedFile(0, 1, size), 0, 0},
        {"negative count", countedFile(-1, 1, size), 0, 0},
        {"the lowest count", countedFile(-32768, 1, size), 0, 0},
        {"records beyond the count", countedFile(1, 2, size), 1, 1},
        {"a count beyond the records", countedFile(3, 2, size), 2, 2},
        {"a cut last record", countedFile(2, 2, size, 5), 2, 1},
        {"more than the editors hold", countedFile(32767, limit + 1, size), limit, limit},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read(c.file).size(), cutRead ? c.withCut : c.whole) << c.what;
        if (places) {
            EXPECT_EQ(placedCount(c.file, *places), c.whole) << c.what;
        }
    }
    // A missing file is nothing; a longer one is read to the limit.
    testing::TempRoot t;
    EXPECT_FALSE(load(t.root(), "ISLE"));
    t.write(std::string("SCENARIO/ISLE/") + file, countedFile(32767, limit + 5, size));
    const auto loaded = load(t.root(), "ISLE");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), limit);
    // Written: the count, then at most the limit.
    EXPECT_EQ(write(std::vector<Record>{}), (core::Bytes{0, 0}));
    const core::Bytes many = write(std::vector<Record>(limit + 1));
    EXPECT_EQ(many.size(), 2 + limit * size);
    EXPECT_EQ(core::getS16(many, 0), static_cast<int>(limit));
}

TEST(CountedFiles, CountsAreClampedToTheEditorsAndToTheFile) {
    expectClampedCounts<readCities, loadCities, writeCities>("CITY.DAT", 208, 150, false, &kCityPlaces);
    expectClampedCounts<readRuinFile, loadRuins, writeRuinFile>("RUIN.DAT", 192, 100, true, &kRuinPlaces);
    expectClampedCounts<readSiteFile, loadSites, writeSiteFile>("SITE.DAT", 154, 100, true, &kSitePlaces);
    expectClampedCounts<readItemPlacements, loadItemPlacements, writeItemPlacements>("ITEM.INI", 34, 200, true);
    expectClampedCounts<readArmyPlacements, loadArmyPlacements, writeArmyPlacements>("ARMY.INI", 20, 200, true);
    expectClampedCounts<readHeroPlacements, loadHeroPlacements, writeHeroPlacements>("HERO.INI", 202, 50, true);
    expectClampedCounts<readDiplomacy, loadDiplomacy, writeDiplomacy>("DIPLOM.INI", 10, 100, true);
}

}  // namespace
}  // namespace kestrel::scenario
