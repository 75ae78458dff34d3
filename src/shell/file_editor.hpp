// The editor that opens on a file of the root, where one exists: the entry
// editor of a data set's record, the campaign editor for a campaign's files,
// and for a file of a scenario the editor of that file on that scenario.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/data_root.hpp"
#include "shell/current_scenario.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

struct FileEditor {
    std::string scenario;  // made the current scenario first; empty: none
    std::function<std::unique_ptr<ui::Dialog>(ui::Host&, const core::DataRoot&, CurrentScenario&)> make;
};

// `path` is relative to the root, either separator, any case.
std::optional<FileEditor> fileEditor(std::string_view path);

}  // namespace kestrel::shell
