#include "app/sample_root.hpp"

#include "datasets/catalogue.hpp"
#include "datasets/catalogue_ops.hpp"
#include "datasets/city_set.hpp"
#include "datasets/item.hpp"
#include "datasets/ruin_set.hpp"
#include "sample/item_sheet.hpp"
#include "sample/template_art.hpp"

namespace kestrel::app {

namespace {

// As New makes it, replacing an entry of that name left from before.
bool makeEntry(const core::DataRoot& root, datasets::Kind kind, std::string_view name, const core::Bytes& record) {
    const auto& info = datasets::info(kind);
    datasets::deleteEntry(root, info, name);
    return datasets::createEntry(root, info, name, record) == datasets::NewResult::Created;
}

bool writeCitySets(const core::DataRoot& root) {
    const std::pair<const char*, datasets::CitySet> sets[] = {
        {"TOWNS", datasets::newCitySet()},
        {"HILLS", {{"Cairn", "Hamlet", "Hillfort", "High Keep"}}},
        {"COAST", {{"Wreck", "Fishery", "Harbour", "Sea Gate"}}},
    };
    bool ok = true;
    for (const auto& [name, set] : sets) ok = makeEntry(root, datasets::Kind::CitySet, name, datasets::writeCitySet(set)) && ok;
    return ok;
}

bool writeItems(const core::DataRoot& root) {
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
        ok = makeEntry(root, datasets::Kind::Item, s.entry, datasets::writeItem(item)) && ok;
    }
    return ok;
}

bool writeRuinSets(const core::DataRoot& root) {
    bool ok = true;
    for (const auto& [name, removeTop] : {std::pair{"TOMBS", true}, std::pair{"TOWERS", false}})
        ok = makeEntry(root, datasets::Kind::RuinSet, name, datasets::writeRuinSet({name, removeTop})) && ok;
    return ok;
}

}  // namespace

bool writeSampleRoot(const core::DataRoot& root) {
    // Pictures first: New copies the templates into every entry it makes.
    return sample::writeTemplatePictures(root) && sample::writeItemSheet(root) && writeCitySets(root) &&
           writeItems(root) && writeRuinSets(root);
}

}  // namespace kestrel::app
