#include "scenario/ruins_sites_dialog.hpp"

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "datasets/ability_controls.hpp"
#include "resources/layouts.hpp"
#include "scenario/map_location.hpp"
#include "scenario/placed_records.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/scenario_files.hpp"
#include "scenario/scenario_lists.hpp"
#include "scenario/site_file.hpp"
#include "scenario/strategic_picture.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

namespace {

// What tells a ruin dialog from a site dialog.
template <class Record>
struct PlacedKind {
    int resource;
    std::string_view missing;
    std::string_view writeError;
    std::optional<std::vector<Record>> (*load)(const core::DataRoot&, std::string_view);
    bool (*save)(const core::DataRoot&, std::string_view, std::span<const Record>);
    // The lists that do not depend on the record.
    void (*offer)(ui::Dialog&, const core::DataRoot&, std::string_view scenario);
    // The fields beyond those both records have.
    void (*show)(ui::Dialog&, const Record&);
    void (*store)(ui::DataExchange&, ui::Dialog&, Record&);
};

void showHead(ui::Dialog& d, const PlacedHead& h) {
    using Ids = PlacedEditorIds;
    d.setText(Ids::kName, h.name);
    d.setText(Ids::kDescription, h.description);
    d.setSelection(Ids::kType, h.type);  // a slot beyond the list selects nothing
    d.setNumber(Ids::kChance, h.chance);
    d.setNumber(Ids::kX, h.at.x);
    d.setNumber(Ids::kY, h.at.y);
}

void storeHead(ui::DataExchange& dx, ui::Dialog& d, PlacedHead& h) {
    using Ids = PlacedEditorIds;
    using Limits = PlacedHeadLimits;
    dx.text(Ids::kName, Limits::kName, h.name);
    dx.text(Ids::kDescription, Limits::kDescription, h.description);
    // Without a selection the slot read stays: nothing is written that was not read.
    if (const int type = d.selection(Ids::kType); type >= 0) h.type = static_cast<std::int16_t>(type);
    dx.integer(Ids::kChance, 0, Limits::kMaxChance, h.chance);
    dx.integer(Ids::kX, 0, Limits::kMaxX, h.at.x);
    dx.integer(Ids::kY, 0, Limits::kMaxY, h.at.y);
}

template <class Record>
class PlacedEditor final : public ui::Dialog {
public:
    PlacedEditor(ui::Host& host, const core::DataRoot& root, std::string scenario, const PlacedKind<Record>& kind)
        : ui::Dialog(host, kind.resource), root_(root), scenario_(std::move(scenario)), kind_(kind) {}

    void onInit() override {
        // Without the picture the dialog holds nothing and OK writes nothing.
        if (!picture_.load(host(), root_, scenario_)) return;
        if (auto records = kind_.load(root_, scenario_))
            records_ = std::move(*records);
        else
            host().error(kind_.missing);
        current_ = records_.empty() ? -1 : 0;
        kind_.offer(*this, root_, scenario_);
        show();
    }

    void onMouse(const ui::MouseEvent& event) override {
        if (!picture_.loaded()) return;
        const auto at = picture_.positionAt(event.x, event.y);
        if (!at) return;
        if (event.kind == ui::MouseEvent::Kind::RightDown) {
            ShowMapLocation(host(), root_, scenario_, *at);
        } else if (event.kind == ui::MouseEvent::Kind::LeftDown) {
            const int picked = nearestPlaced(positions(), *at);
            // A refused field keeps its record current, as OK would.
            if (picked < 0 || picked == current_ || !store()) return;
            current_ = picked;
            show();
            invalidate();
        }
    }

    void onPaint(pictures::Surface& client) override { picture_.paint(client, positions(), current_); }

    bool onOk() override {
        if (!picture_.loaded()) return true;
        if (!store()) return false;
        if (!kind_.save(root_, scenario_, records_)) {
            // Closing would lose the edits unnoticed.
            host().error(kind_.writeError);
            return false;
        }
        return true;
    }

private:
    std::vector<MapPosition> positions() const {
        std::vector<MapPosition> at;
        for (const auto& r : records_) at.push_back(r.head.at);
        return at;
    }

    void show() {
        if (current_ < 0) return;
        const Record& record = records_[static_cast<std::size_t>(current_)];
        showHead(*this, record.head);
        kind_.show(*this, record);
    }

    // Copies the controls into the current record, all or, when a field is
    // refused, nothing.
    bool store() {
        if (current_ < 0) return true;
        Record& record = records_[static_cast<std::size_t>(current_)];
        Record edited = record;
        ui::DataExchange dx(*this);
        storeHead(dx, *this, edited.head);
        kind_.store(dx, *this, edited);
        if (!dx.ok()) return false;
        record = std::move(edited);
        return true;
    }

    const core::DataRoot& root_;
    std::string scenario_;
    const PlacedKind<Record>& kind_;
    LargeStrategicPicture picture_;
    std::vector<Record> records_;
    int current_ = -1;
};

// Ruins: the guard, eleven flags, a special ability and a special file.

constexpr datasets::AbilityControls kRuinAbility{RuinEditorIds::kAbilityList, RuinEditorIds::kAbilityFirst,
                                                 RuinEditorIds::kAbilitySecond, RuinEditorIds::kAbilityText};
// "Empty" and "Any Monster" lead the monsters.
constexpr int kGuardListOffset = -RuinLimits::kNoGuard;

void offerRuinLists(ui::Dialog& d, const core::DataRoot& root, std::string_view scenario) {
    fillRuinSetSlots(root, scenario, &d, {PlacedEditorIds::kType});
    fillMonsterSlots(root, scenario, GuardChoices::With, &d, {RuinEditorIds::kMonster});
    datasets::offerAbilities(d, kRuinAbility, ruinAbilities());
}

void showRuin(ui::Dialog& d, const ScenarioRuin& ruin) {
    using Ids = RuinEditorIds;
    d.setSelection(Ids::kMonster, ruin.guard + kGuardListOffset);
    for (std::size_t i = 0; i < ruin.flags.size(); ++i)
        d.setChecked(Ids::kFirstFlag + static_cast<int>(i), ruin.flags[i] != 0);
    datasets::showAbility(d, kRuinAbility, ruinAbilities(), ruin.ability);
    d.setText(Ids::kSpecialFile, ruin.specialFile);
}

void storeRuin(ui::DataExchange& dx, ui::Dialog& d, ScenarioRuin& ruin) {
    using Ids = RuinEditorIds;
    if (const int guard = d.selection(Ids::kMonster); guard >= 0)
        ruin.guard = static_cast<std::int16_t>(guard - kGuardListOffset);
    for (std::size_t i = 0; i < ruin.flags.size(); ++i)
        ruin.flags[i] = d.checked(Ids::kFirstFlag + static_cast<int>(i)) ? 1 : 0;
    ruin.ability = datasets::readAbilityControls(dx, d, kRuinAbility, ruinAbilities(),
                                                 datasets::ValueRange{0, RuinLimits::kMaxAbilityValue});
    dx.text(Ids::kSpecialFile, RuinLimits::kSpecialFile, ruin.specialFile);
}

constexpr PlacedKind<ScenarioRuin> kRuins{resources::kScenarioRuins,
                                          kRuinFileMissing,
                                          kRuinWriteError,
                                          loadRuins,
                                          saveRuins,
                                          offerRuinLists,
                                          showRuin,
                                          storeRuin};

// Sites: whether the site is razed.

void offerSiteLists(ui::Dialog& d, const core::DataRoot& root, std::string_view scenario) {
    fillSiteSetSlots(root, scenario, &d, {PlacedEditorIds::kType});
}

void showSite(ui::Dialog& d, const ScenarioSite& site) { d.setChecked(SiteEditorIds::kRazed, site.razed != 0); }

void storeSite(ui::DataExchange&, ui::Dialog& d, ScenarioSite& site) {
    site.razed = d.checked(SiteEditorIds::kRazed) ? 1 : 0;
}

constexpr PlacedKind<ScenarioSite> kSites{resources::kScenarioSites,
                                          kSiteFileMissing,
                                          kSiteWriteError,
                                          loadSites,
                                          saveSites,
                                          offerSiteLists,
                                          showSite,
                                          storeSite};

}  // namespace

std::unique_ptr<ui::Dialog> makeScenarioRuinsDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario) {
    return std::make_unique<PlacedEditor<ScenarioRuin>>(host, root, std::string(scenario), kRuins);
}

std::unique_ptr<ui::Dialog> makeScenarioSitesDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario) {
    return std::make_unique<PlacedEditor<ScenarioSite>>(host, root, std::string(scenario), kSites);
}

}  // namespace kestrel::scenario
