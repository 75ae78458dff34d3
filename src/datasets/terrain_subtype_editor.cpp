#include "datasets/terrain_subtype_editor.hpp"

#include "datasets/terrain_subtype.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

using Ids = TerrainSubtypeIds;

TerrainSubtypeEditor::TerrainSubtypeEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::TerrainSubtype), std::move(entryName)) {}

void TerrainSubtypeEditor::load(const std::optional<core::Bytes>& record) {
    if (!record) return;
    const TerrainSubtype s = readTerrainSubtype(*record);
    setText(Ids::kName, s.name);
    setText(Ids::kCondensedName, s.condensedName);
}

std::optional<core::Bytes> TerrainSubtypeEditor::save() {
    ui::DataExchange dx(*this);
    TerrainSubtype s;
    s.entryName = entryName();
    dx.text(Ids::kName, TerrainSubtypeLimits::kName, s.name);
    dx.text(Ids::kCondensedName, TerrainSubtypeLimits::kCondensedName, s.condensedName);
    if (!dx.ok()) return std::nullopt;
    return writeTerrainSubtype(s);
}

}  // namespace kestrel::datasets
