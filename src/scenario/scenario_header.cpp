#include "scenario/scenario_header.hpp"

#include "core/folder_search.hpp"
#include "core/record_fields.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

using WL = WorldHeaderLayout;
using SL = ScenarioHeaderLayout;

std::ostream& operator<<(std::ostream& out, const WorldHeader& h) {
    return out << "WorldHeader{\"" << h.folder << "\", \"" << h.name << "\"}";
}

std::ostream& operator<<(std::ostream& out, const ScenarioHeader& h) {
    return out << "ScenarioHeader{world \"" << h.worldFolder << "\" \"" << h.worldName << "\", \"" << h.folder
               << "\" \"" << h.name << "\", author \"" << h.author << "\", \"" << h.description << "\"}";
}

WorldHeader readWorldHeader(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return {r.text(WL::kFolder, WL::kFolderSize), r.text(WL::kName, WL::kNameSize)};
}

core::Bytes writeWorldHeader(const WorldHeader& header) {
    core::RecordWriter w(WL::kSize);
    w.text(WL::kFolder, WL::kFolderSize, header.folder);
    w.text(WL::kName, WL::kNameSize, header.name);
    return w.take();
}

WorldHeader newWorldHeader(std::string_view folderName) { return {std::string(folderName), std::string(folderName)}; }

ScenarioHeader readScenarioHeader(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return {
        r.text(SL::kWorldFolder, SL::kWorldFolderSize), r.text(SL::kWorldName, SL::kWorldNameSize),
        r.text(SL::kFolder, SL::kFolderSize),           r.text(SL::kName, SL::kNameSize),
        r.text(SL::kAuthor, SL::kAuthorSize),           r.text(SL::kDescription, SL::kDescriptionSize),
    };
}

core::Bytes writeScenarioHeader(const ScenarioHeader& header) {
    core::RecordWriter w(SL::kSize);
    w.text(SL::kWorldFolder, SL::kWorldFolderSize, header.worldFolder);
    w.text(SL::kWorldName, SL::kWorldNameSize, header.worldName);
    w.text(SL::kFolder, SL::kFolderSize, header.folder);
    w.text(SL::kName, SL::kNameSize, header.name);
    w.text(SL::kAuthor, SL::kAuthorSize, header.author);
    w.text(SL::kDescription, SL::kDescriptionSize, header.description);
    return w.take();
}

ScenarioHeader newScenarioHeader(std::string_view folderName) {
    return {"", std::string(kNoWorld), std::string(folderName), std::string(folderName), "Me", "A New Scenario"};
}

std::vector<std::string> worldChoices(const core::DataRoot& root) {
    std::vector<std::string> names{std::string(kNoWorld)};
    const std::string folder = std::string(kWorldsFolder) + "\\";
    for (const auto& found : core::searchFolders(root, folder, kWorldHeaderFile))
        if (const auto bytes = root.read(found.path(), WorldHeaderLayout::kSize))
            names.push_back(readWorldHeader(*bytes).name);
    return names;
}

}  // namespace kestrel::scenario
