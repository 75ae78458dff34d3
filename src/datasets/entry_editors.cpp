#include "datasets/entry_editors.hpp"

#include "datasets/city_set.hpp"
#include "datasets/city_set_editor.hpp"
#include "datasets/item.hpp"
#include "datasets/item_editor.hpp"
#include "datasets/ruin_set.hpp"
#include "datasets/ruin_set_editor.hpp"

namespace kestrel::datasets {

std::optional<core::Bytes> newRecord(const KindInfo& kind, std::string_view entryName) {
    switch (kind.kind) {
        case Kind::CitySet: return writeCitySet(newCitySet());
        case Kind::Item: return writeItem(newItem(entryName));
        case Kind::RuinSet: return writeRuinSet(newRuinSet(entryName));
        default: return std::nullopt;
    }
}

std::unique_ptr<ui::Dialog> makeEntryEditor(const KindInfo& kind, ui::Host& host, const core::DataRoot& root,
                                            const std::string& entryName) {
    switch (kind.kind) {
        case Kind::CitySet: return std::make_unique<CitySetEditor>(host, root, entryName);
        case Kind::Item: return std::make_unique<ItemEditor>(host, root, entryName);
        case Kind::RuinSet: return std::make_unique<RuinSetEditor>(host, root, entryName);
        default: return nullptr;
    }
}

}  // namespace kestrel::datasets
