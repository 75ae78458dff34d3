// What the data sets of a root hold, as far as other files refer to them:
// the names of their entries, and the worlds and scenarios beside them.
#pragma once
#include <array>
#include <set>
#include <string>
#include <string_view>

#include "check/check_context.hpp"
#include "datasets/catalogue.hpp"

namespace kestrel::check {

struct NoCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};
using NameSet = std::set<std::string, NoCase>;

struct DataSets {
    std::array<NameSet, 14> entries;  // by datasets::Kind: the names the list dialogs show
    NameSet worlds;                   // folders of WORLD with a WORLD.DAT
    NameSet scenarios;                // folders of SCENARIO with a SCENARIO.DAT

    const NameSet& of(datasets::Kind kind) const { return entries[static_cast<std::size_t>(kind)]; }
    bool has(datasets::Kind kind, std::string_view name) const { return of(kind).contains(name); }
};

// The names alone, from the root's listing: no file is read.
DataSets listDataSets(const RootIndex& index);

// Every data-set file read, checked against its format, against the data
// sets it names and against its pictures.
void checkDataSets(Context& context, const DataSets& sets);

// The entries of a kind's folder with its extension, as the list shows them.
std::vector<const RootEntry*> entryFiles(const RootIndex& index, const datasets::KindInfo& kind);
// "ARMY/GRIFFINS.ARM" -> "GRIFFINS"; "CAMPAIGN/ISLES/CAMPAIGN.DAT" -> "ISLES"
std::string_view entryNameOf(const datasets::KindInfo& kind, const RootEntry& entry);

}  // namespace kestrel::check
