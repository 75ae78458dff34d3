#include "check/dataset_checks.hpp"

namespace kestrel::check {

void checkDataSets(Context& context, const DataSets& sets) {
    for (const datasets::KindInfo& kind : datasets::catalogue()) {
        if (kind.kind == datasets::Kind::Campaign) continue;  // with its folder
        const records::FileKind* fileKind = records::kindOfFile(std::string("X") + std::string(kind.extension));
        if (!fileKind) continue;
        for (const RootEntry* entry : entryFiles(context.index(), kind)) {
            const auto file = context.recordFile(*entry, *fileKind);
            if (!file) continue;
            checkDataSetNames(context.findings(), sets, kind, *file);
            checkEntryPictures(context, kind, *file);
        }
    }
    checkItemSheet(context);
}

}  // namespace kestrel::check
