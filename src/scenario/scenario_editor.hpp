// How the editors of one scenario's files are made: from the name of the
// scenario being edited, which the shell hands down as a value.
#pragma once
#include <memory>
#include <string_view>

#include "core/data_root.hpp"
#include "ui/dialog.hpp"

namespace kestrel::scenario {

using ScenarioEditorFactory = std::unique_ptr<ui::Dialog> (*)(ui::Host& host, const core::DataRoot& root,
                                                              std::string_view scenario);

}  // namespace kestrel::scenario
