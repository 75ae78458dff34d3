#include "shell/map_handoff.hpp"

#include "core/fixed_text.hpp"
#include "ui/host.hpp"

namespace kestrel::shell {

core::Bytes handoffRecord(std::string_view scenario) {
    core::Bytes record(kHandoffSize, 0);
    // One byte is kept for the terminating NUL.
    core::writeFixedText(record, kHandoffFormat.at("scenario"), kHandoffFormat.sizeOf("scenario") - 1, scenario);
    return record;
}

void handOffToMapEditor(ui::Host& host, const core::DataRoot& root, std::string_view scenario) {
    if (!root.writeAtomic(kHandoffFile, handoffRecord(scenario))) {
        host.error(kHandoffError);
        return;
    }
    const auto program = root.resolve(kMapEditorProgram);
    host.startProgram(program.value_or(root.root() / kMapEditorProgram), kMapEditorProgram);
}

}  // namespace kestrel::shell
