#include "check/folder_records.hpp"

#include "core/text_case.hpp"

namespace kestrel::check {

void checkFolderRecords(Context& context, const RootEntry& folder, std::span<const records::FileKind> kinds) {
    for (const RootEntry* entry : context.index().children(folder.path))
        for (const records::FileKind& kind : kinds)
            if (core::wildcardMatch(kind.names[0], entry->name()) ||
                (!kind.names[1].empty() && core::wildcardMatch(kind.names[1], entry->name()))) {
                context.recordFile(*entry, kind);
                break;
            }
}

}  // namespace kestrel::check
