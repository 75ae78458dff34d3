// What every entry editor owes its kind, checked over the whole catalogue:
// records of any length open without harm and leave a record of the current
// size (or a refusal). New's record surviving OK is KindRules' business.
#include <gtest/gtest.h>

#include "dataset_testing.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {
namespace {

// Its first letter makes it a shield base's file name too.
const std::string kEntry = "BRAVO";

TEST(EveryEditor, RecordsOfAnyLengthOpenAndOkWritesTheCurrentSize) {
    for (const auto& kind : catalogue()) {
        // Kinds with a record of their own and an editor that opens on an entry name.
        if (kind.folderPerEntry || !newRecord(kind, kEntry)) continue;
        const std::size_t size = kind.recordSize;
        for (const std::size_t length : {std::size_t{0}, std::size_t{1}, size - 2, size - 1, size, size + 1, 2 * size}) {
            for (const std::uint8_t fill : {std::uint8_t{0}, std::uint8_t{0xFF}, std::uint8_t{0x41}}) {
                SCOPED_TRACE(std::string(kind.name) + ", length " + std::to_string(length) + ", fill " +
                             std::to_string(fill));
                EditorRun e(kind.kind, kEntry);
                e.run(core::Bytes(length, fill), clickOk);
                if (e.messages().empty()) {
                    // Flags never write their record.
                    EXPECT_EQ(e.saved().size(), kind.kind == Kind::Flag ? length : size);
                } else {
                    ASSERT_EQ(e.messages().size(), 1u);
                    EXPECT_EQ(e.messages()[0].caption, ui::kValidationCaption);
                    EXPECT_EQ(e.saved(), core::Bytes(length, fill));
                }
            }
        }
    }
}

}  // namespace
}  // namespace kestrel::datasets
