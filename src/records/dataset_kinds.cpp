// The record files of the data sets, by extension.
#include "datasets/city_set.hpp"
#include "records/file_kinds.hpp"

namespace kestrel::records {

namespace {

constexpr std::array<FileFormat, 1> kCitySet{OneRecord<datasets::kCitySetFormat>::file};

constexpr std::array<FileKind, 1> kKinds{{
    {"city-set", {"*.CIT"}, kCitySet},
}};

}  // namespace

std::span<const FileKind> datasetKinds() { return kKinds; }

}  // namespace kestrel::records
