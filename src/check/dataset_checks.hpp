// The parts of the data-set checks: the names one entry gives to entries of
// other data sets, and the pictures an entry or its editor shows.
#pragma once
#include "check/check_context.hpp"
#include "check/data_sets.hpp"

namespace kestrel::check {

// Every name the entry's record gives to another data set's entry.
void checkDataSetNames(Findings& findings, const DataSets& sets, const datasets::KindInfo& kind,
                       const RecordFile& file);

// The pictures New gives the entry: present, and decoding.
void checkEntryPictures(Context& context, const datasets::KindInfo& kind, const RecordFile& file);

// The item editor's icon sheet, when there is one: decoding, and large enough
// for every icon index.
void checkItemSheet(Context& context);

}  // namespace kestrel::check
