#include "check/root_names.hpp"

#include "core/data_root.hpp"

namespace kestrel::check {

void checkRootNames(const RootIndex& index, Findings& findings) {
    const RootEntry* previous = nullptr;
    std::string previousFolded;
    for (const RootEntry& entry : index.all()) {
        std::string folded = foldPath(entry.path);
        // Entries are in folded order: a name that differs only in case follows its twin.
        if (previous && folded == previousFolded)
            findings.error(
                entry.path, "", "",
                "the name differs only in case from '" + previous->path + "'; the game cannot tell them apart");
        else if (!core::isPortableFileName(entry.name()))
            findings.error(entry.path, "", "", "a name the game's file system refuses");
        previous = &entry;
        previousFolded = std::move(folded);
    }
}

}  // namespace kestrel::check
