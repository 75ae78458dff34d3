#include "app/sample_root.hpp"

#include "datasets/catalogue.hpp"
#include "datasets/catalogue_ops.hpp"
#include "datasets/city_set.hpp"
#include "sample/template_art.hpp"

namespace kestrel::app {

namespace {

bool writeCitySets(const core::DataRoot& root) {
    const auto& kind = datasets::info(datasets::Kind::CitySet);
    const std::pair<const char*, datasets::CitySet> sets[] = {
        {"TOWNS", datasets::newCitySet()},
        {"HILLS", {{"Cairn", "Hamlet", "Hillfort", "High Keep"}}},
        {"COAST", {{"Wreck", "Fishery", "Harbour", "Sea Gate"}}},
    };
    bool ok = true;
    for (const auto& [name, set] : sets) {
        datasets::deleteEntry(root, kind, name);
        ok = datasets::createEntry(root, kind, name, datasets::writeCitySet(set)) == datasets::NewResult::Created && ok;
    }
    return ok;
}

}  // namespace

bool writeSampleRoot(const core::DataRoot& root) {
    // Pictures first: New copies the templates into every entry it makes.
    return sample::writeTemplatePictures(root) && writeCitySets(root);
}

}  // namespace kestrel::app
