#include "scenario/placement_dialogs.hpp"

#include <algorithm>
#include <charconv>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datasets/ability_controls.hpp"
#include "resources/layouts.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/placement_markers.hpp"
#include "scenario/position_picker.hpp"
#include "scenario/scenario_lists.hpp"
#include "scenario/side_lists.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

namespace {

using Limits = PlacementLimits;

// Offers the list's names, and after them a stored name that it lacks, so
// that a record shows what it holds and keeps it unless another is chosen.
void offerKeeping(ui::Dialog& d, int id, std::vector<std::string> names, const std::string& stored) {
    auto it = std::find(names.begin(), names.end(), stored);
    if (it == names.end() && !stored.empty()) it = names.insert(names.end(), stored);
    const int chosen = it == names.end() ? -1 : static_cast<int>(it - names.begin());
    d.setItems(id, names);
    d.setSelection(id, chosen);
}

std::string chosenOr(const ui::Dialog& d, int id, const std::string& stored) {
    return d.selection(id) >= 0 ? d.selectedText(id) : stored;
}

// A side beyond the lists is shown as none and kept as read.
template <class T>
void keepChoice(const ui::Dialog& d, int id, T& value) {
    if (const int chosen = d.selection(id); chosen >= 0) value = static_cast<T>(chosen);
}

std::string_view sideName(std::span<const std::string> names, int side) {
    if (side < 0 || static_cast<std::size_t>(side) >= names.size()) return kUnchosenName;
    return std::string_view(names[static_cast<std::size_t>(side)]).substr(0, kListSideName);
}

void append(std::string& out, std::string_view text) { out += text; }
void append(std::string& out, int number) {
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}
// One string from its parts, without a temporary per part: the lines of
// every record are built whenever the list is.
template <class... Parts>
std::string joined(const Parts&... parts) {
    std::string out;
    out.reserve(64);
    (append(out, parts), ...);
    return out;
}

template <class Record>
struct PlacementFile {
    int resource;
    std::string_view name;
    std::size_t limit;
    std::optional<std::vector<Record>> (*load)(const core::DataRoot&, std::string_view);
    bool (*save)(const core::DataRoot&, std::string_view, std::span<const Record>);
};

// The frame of the three: the records of one file, the position fields and
// "Set XY". The kinds add their lists, fields and list lines.
template <class Record>
class PlacementDialog : public RecordListEditor {
public:
    using Ids = PlacementIds;

    PlacementDialog(ui::Host& host, const core::DataRoot& root, std::string scenario, const PlacementFile<Record>& file)
        : RecordListEditor(host, file.resource, {Ids::kList}, file.limit),
          root_(root),
          scenario_(std::move(scenario)),
          file_(file) {}

    void onInit() override {
        offerLists();
        // A missing file is an empty list, without a word.
        records_ = file_.load(root_, scenario_).value_or(std::vector<Record>{});
        start();
    }

    void onCommand(int id) override {
        if (id == Ids::kSetXY)
            pickPosition();
        else
            RecordListEditor::onCommand(id);
    }

    void onChange(int id) override {
        if (id == Ids::kChance || id == Ids::kX || id == Ids::kY)
            edited(true);
        else
            RecordListEditor::onChange(id);
    }

    bool onOk() override {
        if (!store()) return false;
        if (file_.save(root_, scenario_, records_)) return true;
        // Closing would lose every edit; the file stays as it was.
        host().error("Can't open " + std::string(file_.name) + " file");
        return false;
    }

protected:
    virtual void offerLists() = 0;
    // What the picker marks besides the chosen tile.
    virtual std::optional<PlacementMarkers> markers() const { return std::nullopt; }

    // The number fields every record has, read into `r`.
    void readPosition(RecordControls& in, Record& r, int maxY) {
        in.integer(Ids::kChance, 0, Limits::kMaxChance, r.chance);
        in.integer(Ids::kX, 0, Limits::kMaxX, r.at.x);
        in.integer(Ids::kY, 0, maxY, r.at.y);
    }
    void showPosition(const Record& r) {
        setNumber(Ids::kChance, r.chance);
        setNumber(Ids::kX, r.at.x);
        setNumber(Ids::kY, r.at.y);
    }
    void clearFields(std::initializer_list<int> texts, std::initializer_list<int> lists,
                     std::initializer_list<int> checks = {}) {
        for (const int id : {Ids::kChance, Ids::kX, Ids::kY}) setText(id, "");
        for (const int id : texts) setText(id, "");
        for (const int id : lists) setSelection(id, -1);
        for (const int id : checks) setChecked(id, false);
    }
    Record& record(std::size_t index) { return records_[index]; }
    const Record& record(std::size_t index) const { return records_[index]; }

    const core::DataRoot& root_;
    std::string scenario_;
    std::vector<Record> records_;

private:
    std::size_t count() const override { return records_.size(); }
    void insertNew(std::size_t index) override {
        records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(index), Record{});
    }
    void erase(std::size_t index) override { records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index)); }

    void pickPosition() {
        if (current() < 0 || !store()) return;
        Record& r = records_[static_cast<std::size_t>(current())];
        PositionPicker picker(host(), root_, scenario_);
        const auto marks = markers();
        const int result = marks ? picker.PickPosition(r.at.x, r.at.y, marks->test(), marks->painter())
                                 : picker.PickPosition(r.at.x, r.at.y);
        if (result != ui::kIdOk) return;
        r.at = picker.selected();
        showCurrent();
        fillList();
    }

    const PlacementFile<Record>& file_;
};

// Items: with a hero, in a ruin, or on the ground.

const PlacementFile<ItemPlacement> kItemFile{resources::kItemPlacement, kItemPlacementFile,
                                             ItemPlacementLayout::kMaxRecords, loadItemPlacements, saveItemPlacements};

class ItemPlacementDialog final : public PlacementDialog<ItemPlacement> {
public:
    using Ids = ItemPlacementIds;
    ItemPlacementDialog(ui::Host& host, const core::DataRoot& root, std::string scenario)
        : PlacementDialog(host, root, std::move(scenario), kItemFile) {}

    void onCommand(int id) override {
        if (id == Ids::kGround || id == Ids::kHero || id == Ids::kRuin)
            edited(false);
        else
            PlacementDialog::onCommand(id);
    }

    void onChange(int id) override {
        if (id == Ids::kItem || id == Ids::kHeroName || id == Ids::kRuinName)
            edited(false);
        else
            PlacementDialog::onChange(id);
    }

private:
    void offerLists() override {
        items_ = scenarioItemNames(root_, scenario_);
        heroes_ = scenarioHeroNames(root_, scenario_);
        ruins_ = scenarioRuinNames(root_, scenario_);
    }

    std::string line(std::size_t index) const override {
        const ItemPlacement& r = record(index);
        if (r.ground) return joined(r.item, ": Ground at (", r.at.x, ",", r.at.y, ") (", r.chance, "%)");
        if (r.hero) return joined(r.item, ": Hero <", r.holder, "> (", r.chance, "%)");
        if (r.ruin) return joined(r.item, ": Ruin <", r.holder, "> (", r.chance, "%)");
        return "Unused record";
    }

    bool readControls(std::size_t index, bool quiet) override {
        ItemPlacement r = record(index);
        RecordControls in(*this, quiet);
        readPosition(in, r, Limits::kMaxY);
        if (!in.ok()) return false;
        r.item = chosenOr(*this, Ids::kItem, r.item);
        // Exactly one flag; a holder that was of the other kind is not kept.
        const bool hero = checked(Ids::kHero), ruin = !hero && checked(Ids::kRuin);
        if (hero)
            r.holder = chosenOr(*this, Ids::kHeroName, r.hero ? r.holder : "");
        else if (ruin)
            r.holder = chosenOr(*this, Ids::kRuinName, !r.hero && r.ruin ? r.holder : "");
        else
            r.holder.clear();
        r.ground = !hero && !ruin;
        r.hero = hero;
        r.ruin = ruin;
        record(index) = std::move(r);
        return true;
    }

    void showRecord(int index) override {
        if (index < 0) {
            clearFields({}, {Ids::kItem, Ids::kHeroName, Ids::kRuinName}, {Ids::kGround, Ids::kHero, Ids::kRuin});
            return;
        }
        const ItemPlacement& r = record(static_cast<std::size_t>(index));
        // The hero flag wins over the others, then the ruin flag; no flag is the ground.
        const bool hero = r.hero != 0, ruin = !hero && r.ruin != 0;
        offerKeeping(*this, Ids::kItem, items_, r.item);
        offerKeeping(*this, Ids::kHeroName, heroes_, hero ? r.holder : "");
        offerKeeping(*this, Ids::kRuinName, ruins_, ruin ? r.holder : "");
        setChecked(Ids::kGround, !hero && !ruin);
        setChecked(Ids::kHero, hero);
        setChecked(Ids::kRuin, ruin);
        showPosition(r);
    }

    std::vector<std::string> items_, heroes_, ruins_;
};

// Armies and heroes: a side first, and lists that follow the side chosen.
template <class Record>
class SidedPlacementDialog : public PlacementDialog<Record> {
public:
    using Ids = SidedPlacementIds;
    using PlacementDialog<Record>::PlacementDialog;

    void onChange(int id) override {
        if (id != Ids::kSide)
            PlacementDialog<Record>::onChange(id);
        else if (this->edited(false))
            this->showCurrent();  // what the lists offer follows the side
    }

protected:
    // The lines name the neutrals; the side list offers them when `neutrals`.
    void offerSides(bool neutrals) {
        sides_ = loadSides(this->root_, this->scenario_);
        sideNames_ = sideNames(sides_, true, true);
        this->setItems(Ids::kSide, neutrals ? sideNames_ : sideNames(sides_, true, false));
    }
    std::string_view sideOf(const Record& r) const { return sideName(sideNames_, r.side); }

    Sides sides_;

private:
    std::vector<std::string> sideNames_;  // with the neutrals, for the lines
};

// Armies: a group of one army type of a side.

const PlacementFile<ArmyPlacement> kArmyFile{resources::kArmyPlacement, kArmyPlacementFile,
                                             ArmyPlacementLayout::kMaxRecords, loadArmyPlacements, saveArmyPlacements};

class ArmyPlacementDialog final : public SidedPlacementDialog<ArmyPlacement> {
public:
    using Ids = ArmyPlacementIds;
    ArmyPlacementDialog(ui::Host& host, const core::DataRoot& root, std::string scenario)
        : SidedPlacementDialog(host, root, std::move(scenario), kArmyFile) {}

    void onChange(int id) override {
        if (id == Ids::kArmy)
            edited(false);
        else if (id == Ids::kNumber)
            edited(true);
        else
            SidedPlacementDialog::onChange(id);
    }

private:
    void offerLists() override {
        offerSides(true);
        heroes_ = loadHeroPlacements(root_, scenario_).value_or(std::vector<HeroPlacement>{});
    }

    std::optional<PlacementMarkers> markers() const override { return PlacementMarkers{heroes_, records_, true}; }

    std::string line(std::size_t index) const override {
        const ArmyPlacement& r = record(index);
        return joined(sideOf(r), ": ", r.number, " ", r.army, " at (", r.at.x, ",", r.at.y, "): ", r.chance, "%");
    }

    bool readControls(std::size_t index, bool quiet) override {
        ArmyPlacement r = record(index);
        RecordControls in(*this, quiet);
        readPosition(in, r, Limits::kMaxArmyY);
        in.integer(Ids::kNumber, 0, Limits::kMaxArmies, r.number);
        if (!in.ok()) return false;
        keepChoice(*this, Ids::kSide, r.side);
        r.army = chosenOr(*this, Ids::kArmy, r.army);
        record(index) = std::move(r);
        return true;
    }

    void showRecord(int index) override {
        if (index < 0) {
            clearFields({Ids::kNumber}, {Ids::kSide, Ids::kArmy});
            return;
        }
        const ArmyPlacement& r = record(static_cast<std::size_t>(index));
        setSelection(Ids::kSide, r.side);
        offerKeeping(*this, Ids::kArmy, sideArmyTypes(sides_, r.side, false), r.army);
        setNumber(Ids::kNumber, r.number);
        showPosition(r);
    }

    std::vector<HeroPlacement> heroes_;  // HERO.INI as read, for the markers
};

// Heroes: a side's hero with attributes and five special abilities.

const PlacementFile<HeroPlacement> kHeroFile{resources::kHeroPlacement, kHeroPlacementFile,
                                             HeroPlacementLayout::kMaxRecords, loadHeroPlacements, saveHeroPlacements};

constexpr datasets::AbilityControls abilityRow(int row) {
    using Ids = HeroPlacementIds;
    return {Ids::ability(row, 0), Ids::ability(row, 1), Ids::ability(row, 2), Ids::ability(row, 3)};
}

class HeroPlacementDialog final : public SidedPlacementDialog<HeroPlacement> {
public:
    using Ids = HeroPlacementIds;
    HeroPlacementDialog(ui::Host& host, const core::DataRoot& root, std::string scenario)
        : SidedPlacementDialog(host, root, std::move(scenario), kHeroFile) {}

    void onChange(int id) override {
        if (id == Ids::kName)
            edited(true);
        else
            SidedPlacementDialog::onChange(id);
    }

private:
    void offerLists() override {
        offerSides(false);
        std::vector<std::string> levels;
        for (int level = 1; level <= Limits::kLevels; ++level) levels.push_back(std::to_string(level));
        setItems(Ids::kLevel, levels);
        for (int row = 0; row < static_cast<int>(Limits::kEditedAbilities); ++row)
            datasets::offerAbilities(*this, abilityRow(row), heroPlacementAbilities());
        armies_ = loadArmyPlacements(root_, scenario_).value_or(std::vector<ArmyPlacement>{});
    }

    std::optional<PlacementMarkers> markers() const override { return PlacementMarkers{records_, armies_, false}; }

    std::string line(std::size_t index) const override {
        const HeroPlacement& r = record(index);
        return joined(sideOf(r), ": ", r.name, " at (", r.at.x, ",", r.at.y, "): ", r.chance, "%");
    }

    bool readControls(std::size_t index, bool quiet) override {
        HeroPlacement r = record(index);
        RecordControls in(*this, quiet);
        readPosition(in, r, Limits::kMaxY);
        in.text(Ids::kName, Limits::kHeroName, r.name);
        in.integer(Ids::kExperience, 0, Limits::kMaxExperience, r.experience);
        in.integer(Ids::kStrength, 0, Limits::kMaxStrength, r.strength);
        in.integer(Ids::kMovement, 0, Limits::kMaxMovement, r.movement);
        in.integer(Ids::kHits, 0, Limits::kMaxHits, r.hits);
        in.integer(Ids::kView, 0, Limits::kMaxView, r.view);
        for (int row = 0; row < static_cast<int>(Limits::kEditedAbilities); ++row) {
            const auto ids = abilityRow(row);
            auto& a = r.abilities[static_cast<std::size_t>(row)];
            // A code the list does not offer is stored as "Nothing".
            a.code = datasets::abilityCode(heroPlacementAbilities(), selection(ids.list));
            in.integer(ids.first, 0, Limits::kMaxAbilityValue, a.first);
            in.integer(ids.second, 0, Limits::kMaxAbilityValue, a.second);
            in.text(ids.text, Limits::kAbilityText, a.text);
        }
        if (!in.ok()) return false;
        keepChoice(*this, Ids::kSide, r.side);
        keepChoice(*this, Ids::kClass, r.heroClass);
        keepChoice(*this, Ids::kLevel, r.level);
        r.female = checked(Ids::kFemale);
        r.flying = checked(Ids::kFlying);
        r.allTerrain = checked(Ids::kAllTerrain);
        record(index) = std::move(r);
        return true;
    }

    void showRecord(int index) override {
        if (index < 0) {
            std::vector<int> texts{Ids::kName,     Ids::kExperience, Ids::kStrength,
                                   Ids::kMovement, Ids::kHits,       Ids::kView};
            for (int row = 0; row < static_cast<int>(Limits::kEditedAbilities); ++row) {
                const auto ids = abilityRow(row);
                texts.insert(texts.end(), {ids.first, ids.second, ids.text});
                setSelection(ids.list, -1);
            }
            for (const int id : texts) setText(id, "");
            clearFields({}, {Ids::kSide, Ids::kClass, Ids::kLevel}, {Ids::kFemale, Ids::kFlying, Ids::kAllTerrain});
            return;
        }
        const HeroPlacement& r = record(static_cast<std::size_t>(index));
        setSelection(Ids::kSide, r.side);
        setItems(Ids::kClass, sideHeroTypes(sides_, r.side));
        setSelection(Ids::kClass, r.heroClass);
        setSelection(Ids::kLevel, r.level);
        setText(Ids::kName, r.name);
        setChecked(Ids::kFemale, r.female != 0);
        setChecked(Ids::kFlying, r.flying != 0);
        setChecked(Ids::kAllTerrain, r.allTerrain != 0);
        setNumber(Ids::kExperience, r.experience);
        setNumber(Ids::kStrength, r.strength);
        setNumber(Ids::kMovement, r.movement);
        setNumber(Ids::kHits, r.hits);
        setNumber(Ids::kView, r.view);
        for (int row = 0; row < static_cast<int>(Limits::kEditedAbilities); ++row)
            datasets::showAbility(*this, abilityRow(row), heroPlacementAbilities(),
                                  r.abilities[static_cast<std::size_t>(row)]);
        showPosition(r);
    }

    std::vector<ArmyPlacement> armies_;  // ARMY.INI as read, for the markers
};

}  // namespace

std::unique_ptr<ui::Dialog> makeItemPlacementDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario) {
    return std::make_unique<ItemPlacementDialog>(host, root, std::string(scenario));
}

std::unique_ptr<ui::Dialog> makeArmyPlacementDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario) {
    return std::make_unique<ArmyPlacementDialog>(host, root, std::string(scenario));
}

std::unique_ptr<ui::Dialog> makeHeroPlacementDialog(ui::Host& host, const core::DataRoot& root,
                                                    std::string_view scenario) {
    return std::make_unique<HeroPlacementDialog>(host, root, std::string(scenario));
}

}  // namespace kestrel::scenario
