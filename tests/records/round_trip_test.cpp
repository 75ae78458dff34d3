// Every kind, every layout: any bytes give JSON that gives the very bytes
// back, and `show` never fails on them.
#include <gtest/gtest.h>

#include <variant>

#include "records/file_json.hpp"
#include "records/record_leaves.hpp"
#include "records_testing.hpp"

namespace kestrel::records {
namespace {

using testing::junk;

std::vector<const FileKind*> everyKind() {
    std::vector<const FileKind*> kinds;
    for (const auto group : {datasetKinds(), scenarioKinds(), campaignKinds()})
        for (const FileKind& kind : group) kinds.push_back(&kind);
    return kinds;
}

core::Bytes backFromJson(const FileKind& kind, const core::Bytes& file) {
    const auto back = fileFromJson(kind, fileToJson(kind, file));
    if (const auto* refusal = std::get_if<JsonRefusal>(&back)) {
        ADD_FAILURE() << kind.name << ": " << describe(*refusal);
        return {};
    }
    return std::get<core::Bytes>(back);
}

void put16(core::Bytes& bytes, std::size_t at, int value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// A file of each layout's shape, filled with junk: counted parts hold
// `records` records, a grid 2 x 3 cells; cut at `cut` bytes from its end.
core::Bytes shapedFile(const FileFormat& format, std::int64_t records, unsigned seed) {
    core::Bytes file;
    for (const Part& part : format.parts) {
        const std::size_t at = file.size();
        switch (part.shape) {
            case PartShape::Record: {
                const core::Bytes r = junk(part.format->size, seed++);
                file.insert(file.end(), r.begin(), r.end());
                if (!part.across.empty()) break;
                break;
            }
            case PartShape::Counted:
                file.resize(at + 2);
                put16(file, at, static_cast<int>(records));
                for (std::int64_t i = 0; i < records; ++i) {
                    const core::Bytes r = junk(part.format->size, seed++);
                    file.insert(file.end(), r.begin(), r.end());
                }
                break;
            case PartShape::Grid: {
                const Leaves& head = leavesOf(*format.parts.front().format);
                put16(file, head.find(part.across)->at, 2);
                put16(file, head.find(part.down)->at, 3);
                for (int i = 0; i < 6; ++i) {
                    const core::Bytes r = junk(part.format->size, seed++);
                    file.insert(file.end(), r.begin(), r.end());
                }
                break;
            }
        }
    }
    return file;
}

TEST(RecordRoundTrip, AnyBytesOfAnyLengthComeBackAsTheyWere) {
    for (const FileKind* kind : everyKind())
        for (const FileFormat& layout : kind->layouts) {
            const std::size_t size = layout.head->size;
            for (const std::size_t length : {std::size_t{0}, std::size_t{1}, size - 1, size, size + 1, 3 * size + 5}) {
                const core::Bytes file = junk(length, static_cast<unsigned>(length));
                EXPECT_EQ(backFromJson(*kind, file), file) << kind->name << ", " << length << " bytes";
                EXPECT_EQ(showFile(*kind, file), showFile(*kind, file));
            }
        }
}

TEST(RecordRoundTrip, ShapedFilesWholeCutAndOverlongComeBack) {
    for (const FileKind* kind : everyKind())
        for (const FileFormat& layout : kind->layouts)
            for (const std::int64_t records : {0, 2, -1}) {
                const core::Bytes whole = shapedFile(layout, records, 7);
                for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{5}}) {
                    if (cut > whole.size()) continue;
                    const core::Bytes file(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(cut));
                    EXPECT_EQ(backFromJson(*kind, file), file) << kind->name << ", cut " << cut;
                }
                core::Bytes longer = whole;
                longer.insert(longer.end(), {0, 0x5A, 0});
                EXPECT_EQ(backFromJson(*kind, longer), longer) << kind->name << ", longer";
            }
}

// A JSON line of a number field given another value changes those bytes
// alone.
TEST(RecordRoundTrip, AnEditedNumberChangesItsOwnBytesOnly) {
    for (const FileKind* kind : everyKind()) {
        const FileFormat& layout = kind->layouts.front();
        const core::Bytes file = shapedFile(layout, 1, 11);
        const std::string json = fileToJson(*kind, file);
        const Part& part = layout.parts.front();
        const std::size_t base = part.shape == PartShape::Counted ? 2 : 0;
        for (const Leaf& leaf : leavesOf(*part.format).all) {
            if (leaf.kind != LeafKind::Number && leaf.kind != LeafKind::Bits) continue;
            const std::string key = "\"" + leaf.name + "\": ";
            const std::size_t at = json.find(key);
            ASSERT_NE(at, std::string::npos) << kind->name << ' ' << leaf.name;
            const std::size_t end = json.find_first_of(",\n", at);
            const std::string edited = json.substr(0, at + key.size()) + "1" + json.substr(end);
            const auto back = fileFromJson(*kind, edited);
            ASSERT_TRUE(std::holds_alternative<core::Bytes>(back)) << kind->name << ' ' << leaf.name;
            const core::Bytes& bytes = std::get<core::Bytes>(back);
            ASSERT_EQ(bytes.size(), file.size());
            for (std::size_t i = 0; i < file.size(); ++i) {
                if (i < base + leaf.at || i >= base + leaf.at + leaf.size) {
                    EXPECT_EQ(bytes[i], file[i]) << kind->name << ' ' << leaf.name << " byte " << i;
                }
            }
        }
    }
}

}  // namespace
}  // namespace kestrel::records
