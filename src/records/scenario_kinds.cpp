// The files of a scenario folder, by name.
#include "records/file_kinds.hpp"
#include "scenario/city_file.hpp"

namespace kestrel::records {

namespace {

constexpr std::array<FileFormat, 1> kCities{CountedRecords<scenario::kCityFormat>::file};

constexpr std::array<FileKind, 1> kKinds{{
    {"cities", {"CITY.DAT"}, kCities},
}};

}  // namespace

std::span<const FileKind> scenarioKinds() { return kKinds; }

}  // namespace kestrel::records
