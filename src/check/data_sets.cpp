#include "check/data_sets.hpp"

#include <algorithm>

#include "core/text_case.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::check {

// Names that differ only in case are one name here, as they are to the game.
bool NoCase::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(core::foldCase(x)) < static_cast<unsigned char>(core::foldCase(y));
    });
}

std::string_view entryNameOf(const datasets::KindInfo& kind, const RootEntry& entry) {
    std::string_view path = entry.path;
    if (kind.folderPerEntry) path = path.substr(0, path.rfind('/'));
    const std::string_view name = path.substr(path.rfind('/') + 1);
    return kind.folderPerEntry ? name : name.substr(0, name.rfind('.'));
}

std::vector<const RootEntry*> entryFiles(const RootIndex& index, const datasets::KindInfo& kind) {
    std::vector<const RootEntry*> files;
    if (kind.folderPerEntry) {
        for (const RootEntry* folder : index.children(kind.directory))
            if (const RootEntry* record = index.find(folder->path + "/" + std::string(kind.extension)))
                files.push_back(record);
        return files;
    }
    for (const RootEntry* e : index.children(kind.directory)) {
        const std::string_view name = e->name();
        if (name.size() > kind.extension.size() &&
            core::equalsNoCase(name.substr(name.size() - kind.extension.size()), kind.extension))
            files.push_back(e);
    }
    return files;
}

namespace {

NameSet foldersHolding(const RootIndex& index, std::string_view parent, std::string_view file) {
    NameSet names;
    for (const RootEntry* folder : index.children(parent))
        if (folder->type == EntryType::Folder && index.find(folder->path + "/" + std::string(file)))
            names.insert(std::string(folder->name()));
    return names;
}

}  // namespace

DataSets listDataSets(const RootIndex& index) {
    DataSets sets;
    for (const datasets::KindInfo& kind : datasets::catalogue()) {
        NameSet& names = sets.entries[static_cast<std::size_t>(kind.kind)];
        for (const RootEntry* e : entryFiles(index, kind)) names.insert(std::string(entryNameOf(kind, *e)));
    }
    sets.worlds = foldersHolding(index, scenario::kWorldsFolder, "WORLD.DAT");
    sets.scenarios = foldersHolding(index, scenario::kScenariosFolder, "SCENARIO.DAT");
    return sets;
}

}  // namespace kestrel::check
