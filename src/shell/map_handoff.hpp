// Hands the current scenario to the separate map editor program.
#pragma once
#include <array>
#include <string_view>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "core/record_format.hpp"

namespace kestrel::ui {
class Host;
}

namespace kestrel::shell {

inline constexpr std::string_view kHandoffFile = "EDIT.DAT";
// EDIT.DAT: the current scenario's folder name, NUL-terminated.
inline constexpr std::array<core::Field, 1> kHandoffFields{core::text("scenario", 0, 16)};
inline constexpr core::Format kHandoffFormat{"map hand-off", 16, kHandoffFields};
static_assert(core::wellFormed(kHandoffFormat));
inline constexpr std::size_t kHandoffSize = kHandoffFormat.size;
inline constexpr std::string_view kMapEditorProgram = "KSTRMAP.EXE";
inline constexpr std::string_view kHandoffError = "Error writing EDIT.DAT file";

core::Bytes handoffRecord(std::string_view scenario);
// Writes EDIT.DAT and starts the map editor; a failed write is reported and
// stops the hand-off, a failed start is not.
void handOffToMapEditor(ui::Host& host, const core::DataRoot& root, std::string_view scenario);

}  // namespace kestrel::shell
