#include "datasets/shield_editor.hpp"

#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

ShieldEditor::ShieldEditor(ui::Host& host, const core::DataRoot& root, ShieldKind kind, std::string name)
    : EntryEditor(host, root, info(Kind::Shield), shieldFileName(kind, name)), kind_(kind), name_(std::move(name)) {}

void ShieldEditor::onInit() {
    EntryEditor::onInit();
    // The caption names the feature, not its file.
    setCaption(std::string(kind().captionPrefix) + name_);
}

void ShieldEditor::load(const std::optional<core::Bytes>& record) {
    if (record) setText(ShieldIds::kHeraldicName, readShield(*record).heraldicName);
}

std::optional<core::Bytes> ShieldEditor::save() {
    ui::DataExchange dx(*this);
    // Kind and name come from the file name, whatever the file held.
    Shield shield = newShield(kind_, name_);
    dx.text(ShieldIds::kHeraldicName, ShieldLimits::kHeraldicName, shield.heraldicName);
    if (!dx.ok()) return std::nullopt;
    return writeShield(shield);
}

}  // namespace kestrel::datasets
