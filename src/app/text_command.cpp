#include "app/text_command.hpp"

#include "core/data_root.hpp"
#include "textx/data_export.hpp"
#include "textx/data_import.hpp"

namespace kestrel::app {

int exportDataCommand(const std::filesystem::path& rootPath, const std::optional<std::filesystem::path>& po,
                      std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_directory(rootPath, ec)) {
        err << "kstred: the data root " << rootPath.string() << " is not a folder\n";
        return 2;
    }
    const core::DataRoot root(rootPath);
    if (!(po ? textx::exportDataSetsPo(root, *po) : textx::exportDataSets(root))) {
        err << textx::kCannotOpenDataFile << '\n';
        return 1;
    }
    out << textx::kExportedMessage << '\n';
    return 0;
}

int importDataCommand(const std::filesystem::path& rootPath, const std::filesystem::path& file, std::ostream& out,
                      std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_directory(rootPath, ec)) {
        err << "kstred: the data root " << rootPath.string() << " is not a folder\n";
        return 2;
    }
    const textx::ImportResult result = textx::importDataFile(core::DataRoot(rootPath), file);
    const bool ok = textx::succeeded(result);
    (ok ? out : err) << textx::message(result) << '\n';
    return ok ? 0 : 1;
}

}  // namespace kestrel::app
