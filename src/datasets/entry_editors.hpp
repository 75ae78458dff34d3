// Per kind: the record that New writes and the entry editor that Edit opens.
// Kinds whose editor is still to come have neither.
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

}  // namespace kestrel::datasets
