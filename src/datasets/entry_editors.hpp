// Per kind: the record that New writes and the entry editor that Edit opens.
// Kinds served by a library above this one hand the list dialog their own.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/data_root.hpp"
#include "datasets/catalogue.hpp"
#include "ui/dialog.hpp"

namespace kestrel::datasets {

inline constexpr std::string_view kNotAvailableMessage = "This editor is not available yet.";

std::optional<core::Bytes> newRecord(const KindInfo& kind, std::string_view entryName);
std::unique_ptr<ui::Dialog> makeEntryEditor(const KindInfo& kind, ui::Host& host, const core::DataRoot& root,
                                            const std::string& entryName);

// What a list dialog calls for New and Edit; the defaults serve the kinds of
// this library.
struct EntryHandlers {
    std::optional<core::Bytes> (*newRecord)(const KindInfo& kind, std::string_view entryName) = datasets::newRecord;
    std::unique_ptr<ui::Dialog> (*makeEditor)(const KindInfo& kind, ui::Host& host, const core::DataRoot& root,
                                              const std::string& entryName) = makeEntryEditor;
};

}  // namespace kestrel::datasets
