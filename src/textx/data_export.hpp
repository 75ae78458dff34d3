// Export of every data set's texts to "KS_Data.Txt" in the data root.
#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"
#include "textx/data_sections.hpp"

namespace kestrel::textx {

inline constexpr std::string_view kDataTextFile = "KS_Data.Txt";
inline constexpr std::string_view kExportedMessage = "Text Exported!";
inline constexpr std::string_view kCannotOpenDataFile = "Cannot open data file";

// The texts of one record file, in the order of its section's tags.
struct RecordTexts {
    std::string path;  // as the "#ID:" line names it
    std::vector<std::string> texts;
};

// Every record file of the section that can be read, in the data root's
// order. Names that the "#ID:" line cannot carry (a blank, a separator, a
// control character) are left out, as are files that cannot be read.
void forEachRecord(const core::DataRoot& root, const DataSection& section,
                   const std::function<void(const RecordTexts&)>& visit);

// The whole file as it is written, 8-bit.
std::string dataSetText(const core::DataRoot& root);

// Replaces "KS_Data.Txt" atomically; false when it cannot be written.
bool exportDataSets(const core::DataRoot& root);

// The same texts as gettext PO, each entry named by its record file and tag.
std::string dataSetPo(const core::DataRoot& root);
// Replaces the host file atomically; false when it cannot be written.
bool exportDataSetsPo(const core::DataRoot& root, const std::filesystem::path& out);

}  // namespace kestrel::textx
