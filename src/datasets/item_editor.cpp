#include "datasets/item_editor.hpp"

#include "datasets/item.hpp"
#include "pictures/game_picture.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

namespace {

using Ids = ItemIds;

}  // namespace

ItemEditor::ItemEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::Item), std::move(entryName)) {}

void ItemEditor::load(const std::optional<core::Bytes>& record) {
    for (const auto& ids : Ids::kAbilities) offerAbilities(*this, ids, itemAbilities());
    if (!record) return;
    const Item item = readItem(*record);
    setText(Ids::kName, item.name);
    setText(Ids::kDescription, item.description);
    setText(Ids::kIcon, std::to_string(item.icon));
    for (int i = 0; i < ItemLimits::kPowerClasses; ++i) setChecked(Ids::kFirstPower + i, i == item.powerClass);
    setText(Ids::kValue, std::to_string(item.value));
    setChecked(Ids::kHasCharges, item.hasCharges);
    setText(Ids::kCharges, std::to_string(item.charges));
    setChecked(Ids::kHasLimit, item.hasLimit);
    setText(Ids::kLimit, std::to_string(item.limit));
    for (int a = 0; a < 2; ++a) showAbility(*this, Ids::kAbilities[a], itemAbilities(), item.abilities[a]);
    setText(Ids::kGraphicSet, kDefaultGraphicSet);
}

std::optional<core::Bytes> ItemEditor::save() {
    ui::DataExchange dx(*this);
    Item item;
    item.entryName = entryName();
    long icon = 0, value = 0, charges = 0, limit = 0;
    dx.text(Ids::kName, ItemLimits::kName, item.name);
    dx.text(Ids::kDescription, ItemLimits::kDescription, item.description);
    dx.integer(Ids::kIcon, 0, ItemLimits::kIcons - 1, icon);
    dx.integer(Ids::kValue, 0, ItemLimits::kMaxValue, value);
    dx.integer(Ids::kCharges, 0, ItemLimits::kMaxCount, charges);
    dx.integer(Ids::kLimit, 0, ItemLimits::kMaxCount, limit);
    for (int a = 0; a < 2; ++a) item.abilities[a] = readAbilityControls(dx, *this, Ids::kAbilities[a], itemAbilities());
    if (!dx.ok()) return std::nullopt;
    item.icon = static_cast<int>(icon);
    item.value = static_cast<int>(value);
    item.charges = static_cast<int>(charges);
    item.limit = static_cast<int>(limit);
    item.hasCharges = checked(Ids::kHasCharges);
    item.hasLimit = checked(Ids::kHasLimit);
    for (int i = 0; i < ItemLimits::kPowerClasses; ++i)
        if (checked(Ids::kFirstPower + i)) item.powerClass = i;
    return writeItem(item);
}

void ItemEditor::onChange(int id) {
    if (id == Ids::kIcon || id == Ids::kGraphicSet) invalidate();
}

void ItemEditor::onPaint(pictures::Surface& client) {
    long index = 0;
    // Only the cells the field accepts are painted; anything else shows none.
    if (!ui::parseInteger(text(Ids::kIcon), index) || index < 0 || index >= ItemLimits::kIcons) return;
    const std::string set = text(Ids::kGraphicSet);
    if (!core::isPortableFileName(set)) return;
    const auto sheet = pictures::loadGamePicture(root(), itemSheetBase(set));
    if (!sheet) return;
    const int cell = static_cast<int>(index);
    sheet->Draw((cell % kItemIconsPerRow) * kItemIconSize, (cell / kItemIconsPerRow) * kItemIconSize, kItemIconSize,
                kItemIconSize, client, kItemIconX, kItemIconY);
}

}  // namespace kestrel::datasets
