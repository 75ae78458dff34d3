#include "datasets/terrain_type_editor.hpp"

#include "datasets/entry_lists.hpp"
#include "datasets/terrain_type.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

namespace {

using Ids = TerrainTypeIds;
using L = TerrainTypeLayout;
using Limits = TerrainTypeLimits;

}  // namespace

TerrainTypeEditor::TerrainTypeEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::TerrainType), std::move(entryName)) {}

void TerrainTypeEditor::load(const std::optional<core::Bytes>& record) {
    // Without a record: empty texts, move costs 0, no class chosen, no marks.
    const TerrainType t = record ? readTerrainType(*record) : TerrainType{};
    fillSubtypeList(root(), this, {Ids::kAdjoins, Ids::kFirstSubtype, Ids::kSecondSubtype});
    setItems(Ids::kClass, terrainClassNames());
    setItems(Ids::kGridClass, terrainClassNames());

    setText(Ids::kName, t.name);
    selectByPrefix(Ids::kAdjoins, t.adjoins);
    selectByPrefix(Ids::kFirstSubtype, t.subtypes[0]);
    selectByPrefix(Ids::kSecondSubtype, t.subtypes[1]);
    setNumber(Ids::kMoveCost, t.moveCost);
    setSelection(Ids::kClass, t.terrainClass);
    setNumber(Ids::kGridMoveCost, t.gridMoveCost);
    setSelection(Ids::kGridClass, t.gridClass);
    for (int c = 0; c < L::kColumns; ++c)
        for (int r = 0; r < L::kRows; ++r) setChecked(Ids::mark(c, r), t.marks[c][r]);
}

std::optional<core::Bytes> TerrainTypeEditor::save() {
    ui::DataExchange dx(*this);
    TerrainType t;
    t.entryName = entryName();
    dx.text(Ids::kName, Limits::kName, t.name);
    dx.text(Ids::kAdjoins, Limits::kSubtype, t.adjoins);
    dx.text(Ids::kFirstSubtype, Limits::kSubtype, t.subtypes[0]);
    dx.text(Ids::kSecondSubtype, Limits::kSubtype, t.subtypes[1]);
    dx.integer(Ids::kMoveCost, 0, Limits::kMaxMoveCost, t.moveCost);
    dx.integer(Ids::kGridMoveCost, 0, Limits::kMaxMoveCost, t.gridMoveCost);
    if (!dx.ok()) return std::nullopt;
    // Nothing chosen stores -1.
    t.terrainClass = selection(Ids::kClass);
    t.gridClass = selection(Ids::kGridClass);
    for (int c = 0; c < L::kColumns; ++c)
        for (int r = 0; r < L::kRows; ++r) t.marks[c][r] = checked(Ids::mark(c, r));
    return writeTerrainType(t);
}

}  // namespace kestrel::datasets
