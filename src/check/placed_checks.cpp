#include "check/scenario_parts.hpp"
#include "scenario/city_ini.hpp"

namespace kestrel::check {

namespace {

void expectArmyTypes(Findings& findings, const DataSets& sets, const RecordFile& file, std::size_t part,
                     std::size_t record) {
    for (std::size_t i = 0; i < scenario::CityIniLayout::kProductions; ++i)
        expectEntry(findings, file, sets, datasets::Kind::ArmyType,
                    {part, record, "production[" + std::to_string(i) + "]", "army type", ""});
}

}  // namespace

void checkPlacedPositions(Findings& findings, const DataSets& sets, const ScenarioFiles& files) {
    const auto bounds = mapBounds(files);
    for (const std::string_view kind : {"cities", "ruins", "sites"})
        if (const RecordFile* file = files.get(kind))
            for (std::size_t r = 0; r < file->records(0); ++r) {
                if (bounds) expectOnMap(findings, *file, 0, r, *bounds);
                if (kind == "cities") expectArmyTypes(findings, sets, *file, 0, r);
            }
}

// A capital or owner names its city by clicking it: the name is one of CITY.DAT's.
void checkCapitalsAndOwners(Findings& findings, const DataSets& sets, const ScenarioFiles& files) {
    const RecordFile* file = files.get("capitals-owners");
    if (!file || files.unsound("cities")) return;
    const RecordFile* cities = files.get("cities");
    const NameSet names = cities ? textsOf(*cities, 0, "name") : NameSet{};
    for (std::size_t part = 0; part < file->content.parts.size(); ++part)
        for (std::size_t r = 0; r < file->records(part); ++r) {
            const std::string city = file->text(part, r, "city");
            if (!names.contains(city))
                findings.error(file->entry->path, recordLabel(file->content, part, r), "city",
                               "city " + check::quoted(city) + " is no city of CITY.DAT");
            expectArmyTypes(findings, sets, *file, part, r);
        }
}

}  // namespace kestrel::check
