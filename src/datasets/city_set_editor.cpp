#include "datasets/city_set_editor.hpp"

#include "datasets/city_set.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

CitySetEditor::CitySetEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::CitySet), std::move(entryName)) {}

void CitySetEditor::load(const std::optional<core::Bytes>& record) {
    if (!record) return;
    const CitySet set = readCitySet(*record);
    for (std::size_t i = 0; i < set.levels.size(); ++i) setText(kFirstLevelId + static_cast<int>(i), set.levels[i]);
}

std::optional<core::Bytes> CitySetEditor::save() {
    ui::DataExchange dx(*this);
    CitySet set;
    for (std::size_t i = 0; i < set.levels.size(); ++i)
        dx.text(kFirstLevelId + static_cast<int>(i), CitySetLayout::kNameLimit, set.levels[i]);
    if (!dx.ok()) return std::nullopt;
    return writeCitySet(set);
}

}  // namespace kestrel::datasets
