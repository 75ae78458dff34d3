#include "datasets/terrain_bonus_editor.hpp"

#include "datasets/terrain_bonus.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

TerrainBonusEditor::TerrainBonusEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::TerrainBonus), std::move(entryName)) {}

void TerrainBonusEditor::load(const std::optional<core::Bytes>& record) {
    if (record) setText(TerrainBonusIds::kName, readTerrainBonus(*record).name);
}

std::optional<core::Bytes> TerrainBonusEditor::save() {
    ui::DataExchange dx(*this);
    TerrainBonus b;
    b.entryName = entryName();
    if (!dx.text(TerrainBonusIds::kName, TerrainBonusLimits::kName, b.name)) return std::nullopt;
    return writeTerrainBonus(b);
}

}  // namespace kestrel::datasets
