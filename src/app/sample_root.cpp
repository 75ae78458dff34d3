#include "app/sample_root.hpp"

#include "datasets/catalogue.hpp"
#include "datasets/catalogue_ops.hpp"
#include "datasets/city_set.hpp"
#include "datasets/item.hpp"
#include "sample/item_sheet.hpp"
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

bool writeItems(const core::DataRoot& root) {
    const auto& kind = datasets::info(datasets::Kind::Item);
    struct Sample {
        const char* entry;
        const char* name;
        const char* description;
        int icon, power, value;
    };
    const Sample samples[] = {
        {"BLADE", "Blade of Embers", "A sword that never cools.", 0, 2, 900},
        {"DAWNRING", "Ring of Dawn", "Glows faintly at sunrise.", 9, 1, 400},
        {"CROWN", "Crown of the Marsh", "Worn by the old fen kings.", 30, 4, 5000},
    };
    bool ok = true;
    for (const auto& s : samples) {
        datasets::Item item = datasets::newItem(s.entry);
        item.name = s.name;
        item.description = s.description;
        item.icon = s.icon;
        item.powerClass = s.power;
        item.value = s.value;
        datasets::deleteEntry(root, kind, s.entry);
        ok = datasets::createEntry(root, kind, s.entry, datasets::writeItem(item)) == datasets::NewResult::Created && ok;
    }
    return ok;
}

}  // namespace

bool writeSampleRoot(const core::DataRoot& root) {
    // Pictures first: New copies the templates into every entry it makes.
    return sample::writeTemplatePictures(root) && sample::writeItemSheet(root) && writeCitySets(root) &&
           writeItems(root);
}

}  // namespace kestrel::app
