#include "shell/text_exchange.hpp"

#include "textx/data_export.hpp"

namespace kestrel::shell {

void exportDataTexts(ui::Host& host, const core::DataRoot& root, CurrentScenario&) {
    if (textx::exportDataSets(root))
        host.notice(textx::kExportedMessage);
    else
        host.error(textx::kCannotOpenDataFile);
}

}  // namespace kestrel::shell
