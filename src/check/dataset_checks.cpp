#include "check/data_sets.hpp"

namespace kestrel::check {

void checkDataSets(Context& context, const DataSets& sets) {
    (void)sets;
    for (const datasets::KindInfo& kind : datasets::catalogue()) {
        if (kind.kind == datasets::Kind::Campaign) continue;  // with its folder
        const records::FileKind* fileKind = records::kindOfFile(std::string("X") + std::string(kind.extension));
        if (!fileKind) continue;
        for (const RootEntry* entry : entryFiles(context.index(), kind)) context.recordFile(*entry, *fileKind);
    }
}

}  // namespace kestrel::check
