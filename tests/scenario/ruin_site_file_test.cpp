// RUIN.DAT and SITE.DAT: every field at its offset, the counts as read and
// written, and what an odd file gives.
#include <gtest/gtest.h>

#include <functional>

#include "core/le.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/site_file.hpp"

namespace kestrel::scenario {
namespace {

using Names = std::vector<std::string>;

void put(core::Bytes& b, std::size_t at, std::string_view text) {
    std::copy(text.begin(), text.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

// Values at the edges of what each field holds, the same in both records.
PlacedHead fullHead() { return {"Fifteen Letters", std::string(127, 'd'), 7, 100, {128, -3}}; }
core::Bytes fullHeadBytes(std::size_t size) {
    core::Bytes b(size, 0);
    put(b, 0, "Fifteen Letters");       // 0: name, NUL at 15
    put(b, 16, std::string(127, 'd'));  // 16: description, NUL at 143
    core::putS16(b, 144, 7);            // type
    core::putS16(b, 146, 100);          // chance
    core::putS16(b, 148, 128);          // x
    core::putS16(b, 150, -3);           // y
    return b;
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
    core::putS16(want, 152, -1);  // guard
    const std::uint8_t flags[] = {1, 0, 1, 1, 0, 1, 0, 0, 1, 1, 2};
    std::copy(std::begin(flags), std::end(flags), want.begin() + 154);
    want[165] = 0xAB;
    core::putS16(want, 166, 22);
    core::putS16(want, 168, 999);
    core::putS16(want, 170, -2);
    put(want, 172, "WOLVESAB");  // NUL at 180, 181 zero
    put(want, 182, "HOARDING");
    EXPECT_EQ(writeRuin(ruin), want);
    EXPECT_EQ(readRuin(want), ruin);
    // Ten-byte texts that fill their field read whole.
    put(want, 172, "ABCDEFGHIJ");
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

// The two files, seen through the names of their records.
struct Kind {
    const char* file;
    std::size_t recordSize;
    std::function<Names(std::span<const std::uint8_t>)> read;
    std::function<core::Bytes(const Names&)> write;
};

template <class Record>
Names namesOf(const std::vector<Record>& records) {
    Names names;
    for (const auto& r : records) names.push_back(r.head.name);
    return names;
}
template <class Record>
std::vector<Record> named(const Names& names) {
    std::vector<Record> records(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) records[i].head.name = names[i];
    return records;
}

const Kind kKinds[] = {
    {"RUIN.DAT", 192, [](auto f) { return namesOf(readRuinFile(f)); },
     [](const Names& n) { return writeRuinFile(named<ScenarioRuin>(n)); }},
    {"SITE.DAT", 154, [](auto f) { return namesOf(readSiteFile(f)); },
     [](const Names& n) { return writeSiteFile(named<ScenarioSite>(n)); }},
};

TEST(RuinAndSiteFiles, CountThenRecordsClampedWhenReadAndWritten) {
    for (const auto& k : kKinds) {
        SCOPED_TRACE(k.file);
        const core::Bytes two = k.write({"Tomb", "Keep"});
        ASSERT_EQ(two.size(), 2 + 2 * k.recordSize);
        EXPECT_EQ(core::getS16(two, 0), 2);
        EXPECT_EQ(two[2 + k.recordSize], 'K');
        EXPECT_EQ(k.read(two), (Names{"Tomb", "Keep"}));
        EXPECT_EQ(k.write({}), (core::Bytes{0, 0}));

        core::Bytes odd = two;
        for (const int count : {0, -1, -32768}) {
            core::putS16(odd, 0, static_cast<std::int16_t>(count));
            EXPECT_TRUE(k.read(odd).empty()) << count;
        }
        core::putS16(odd, 0, 1);
        EXPECT_EQ(k.read(odd), Names{"Tomb"});
        // More promised than there: the records the file reaches, a cut one padded.
        core::putS16(odd, 0, 3);
        odd.resize(2 + k.recordSize + 2);
        EXPECT_EQ(k.read(odd), (Names{"Tomb", "Ke"}));
        EXPECT_TRUE(k.read(core::Bytes{5}).empty());

        // At most 100, read or written.
        const Names many(120, "R");
        const core::Bytes written = k.write(many);
        EXPECT_EQ(written.size(), 2 + 100 * k.recordSize);
        EXPECT_EQ(core::getS16(written, 0), 100);
        core::Bytes lying = written;
        lying.resize(2 + 120 * k.recordSize, 'X');
        core::putS16(lying, 0, 120);
        EXPECT_EQ(k.read(lying).size(), 100u);
    }
}

}  // namespace
}  // namespace kestrel::scenario
