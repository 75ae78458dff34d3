#include "datasets/site_set_editor.hpp"

#include "datasets/site_set.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

namespace {

using Ids = SiteSetIds;

}  // namespace

SiteSetEditor::SiteSetEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::SiteSet), std::move(entryName)) {}

void SiteSetEditor::load(const std::optional<core::Bytes>& record) {
    offerAbilities(*this, Ids::kAbility, siteAbilities());
    if (!record) {
        // Nothing chosen, the values 0.
        setNumber(Ids::kAbility.first, 0);
        setNumber(Ids::kAbility.second, 0);
        return;
    }
    const SiteSet s = readSiteSet(*record);
    setText(Ids::kName, s.name);
    showAbility(*this, Ids::kAbility, siteAbilities(), s.ability);
    setChecked(Ids::kCanRaze, s.canRaze);
    setChecked(Ids::kAnimateNormal, s.animateNormal);
    setChecked(Ids::kAnimateRazed, s.animateRazed);
}

std::optional<core::Bytes> SiteSetEditor::save() {
    ui::DataExchange dx(*this);
    SiteSet s;
    s.entryName = entryName();
    dx.text(Ids::kName, SiteSetLimits::kName, s.name);
    s.ability =
        readAbilityControls(dx, *this, Ids::kAbility, siteAbilities(), ValueRange{0, SiteSetLimits::kMaxAbilityValue});
    if (!dx.ok()) return std::nullopt;
    s.canRaze = checked(Ids::kCanRaze);
    s.animateNormal = checked(Ids::kAnimateNormal);
    s.animateRazed = checked(Ids::kAnimateRazed);
    return writeSiteSet(s);
}

}  // namespace kestrel::datasets
