// What every entry editor owes its kind, checked over the whole catalogue:
// New's record survives an open and OK unchanged, and records of any length
// open without harm and leave a record of the current size (or a refusal).
#include <gtest/gtest.h>

#include "datasets/catalogue_ops.hpp"
#include "datasets/entry_editors.hpp"
#include "support/temp_root.hpp"
#include "ui/data_exchange.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::datasets {
namespace {

using testing::TempRoot;

// Its first letter makes it a shield base's file name too.
const std::string kEntry = "BRAVO";

// Kinds with a record of their own and an editor that opens on an entry name.
std::vector<const KindInfo*> editedKinds() {
    std::vector<const KindInfo*> kinds;
    for (const auto& kind : catalogue())
        if (!kind.folderPerEntry && newRecord(kind, kEntry)) kinds.push_back(&kind);
    return kinds;
}

// Opens the entry's editor and presses OK; the messages it showed.
std::vector<ui::MessageBox> openAndConfirm(const TempRoot& t, const KindInfo& kind, const std::string& name) {
    ui::HeadlessHost host;
    auto editor = makeEntryEditor(kind, host, t.root(), name);
    if (!editor) return {{"", "no editor"}};
    host.onNextModal([](ui::Window& w) { w.userClick(ui::kIdOk); });
    host.runModal(*editor);
    return host.messages();
}

TEST(EveryEditor, NewRecordSurvivesOpenAndOk) {
    for (const KindInfo* kind : editedKinds()) {
        TempRoot t;
        ASSERT_EQ(createEntry(t.root(), *kind, kEntry, *newRecord(*kind, kEntry)), NewResult::Created) << kind->name;
        const core::Bytes created = *t.root().read(recordPath(*kind, kEntry));
        EXPECT_EQ(openAndConfirm(t, *kind, kEntry), std::vector<ui::MessageBox>{}) << kind->name;
        EXPECT_EQ(*t.root().read(recordPath(*kind, kEntry)), created) << kind->name;
    }
}

TEST(EveryEditor, RecordsOfAnyLengthOpenAndOkWritesTheCurrentSize) {
    for (const KindInfo* kind : editedKinds()) {
        const std::size_t size = kind->recordSize;
        for (const std::size_t length : {std::size_t{0}, std::size_t{1}, size - 2, size - 1, size, size + 1, 2 * size}) {
            for (const std::uint8_t fill : {std::uint8_t{0}, std::uint8_t{0xFF}, std::uint8_t{0x41}}) {
                TempRoot t;
                t.root().makeDirectory(std::string(kind->directory.substr(0, kind->directory.find('\\'))));
                t.root().makeDirectory(std::string(kind->directory));
                const std::string path = recordPath(*kind, kEntry);
                ASSERT_TRUE(t.root().writeAtomic(path, core::Bytes(length, fill)));
                const auto messages = openAndConfirm(t, *kind, kEntry);
                const auto after = *t.root().read(path);
                const std::string where = std::string(kind->name) + ", length " + std::to_string(length) + ", fill " +
                                          std::to_string(fill);
                if (messages.empty()) {
                    // Flags never write their record.
                    EXPECT_EQ(after.size(), kind->kind == Kind::Flag ? length : size) << where;
                } else {
                    ASSERT_EQ(messages.size(), 1u) << where;
                    EXPECT_EQ(messages[0].caption, ui::kValidationCaption) << where;
                    EXPECT_EQ(after, core::Bytes(length, fill)) << where;
                }
            }
        }
    }
}

}  // namespace
}  // namespace kestrel::datasets
