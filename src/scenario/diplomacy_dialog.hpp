// "Diplomacy": the list of DIPLOM.INI's relations between the sides, each a
// standing or an index value from one side to another, with a chance.
#pragma once
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/data_root.hpp"
#include "scenario/diplomacy_file.hpp"
#include "scenario/record_list_editor.hpp"
#include "scenario/scenario_editor.hpp"

namespace kestrel::scenario {

struct DiplomacyIds {
    static constexpr int kList = 1100, kNew = 1101, kInsert = 1102, kAppend = 1103, kDelete = 1104;
    static constexpr int kChance = 1105, kFirstSide = 1106, kSecondSide = 1107;
    static constexpr int kStanding = 1108, kIndexValue = 1109;  // the radio buttons
    static constexpr int kStandingList = 1110, kValue = 1111;
};
static_assert(RecordListIds{DiplomacyIds::kList}.remove() == DiplomacyIds::kDelete);

// "%s %s %s: %d%%" for a standing, "%s -> %s Index[%d]: %d%%" for an index
// value; `sideNames` are the eight sides and the neutrals.
std::string diplomacyLine(const Relation& relation, std::span<const std::string> sideNames);

class DiplomacyDialog : public RecordListEditor {
public:
    DiplomacyDialog(ui::Host& host, const core::DataRoot& root, std::string scenario);

    void onInit() override;
    void onCommand(int id) override;
    void onChange(int id) override;
    bool onOk() override;

private:
    std::size_t count() const override { return relations_.size(); }
    void insertNew(std::size_t at) override;
    void erase(std::size_t at) override;
    std::string line(std::size_t index) const override;
    bool readControls(std::size_t index, bool quiet) override;
    void showRecord(int index) override;

    const core::DataRoot& root_;
    std::string scenario_;
    std::vector<std::string> sideNames_;
    std::vector<Relation> relations_;
};

std::unique_ptr<ui::Dialog> makeDiplomacyDialog(ui::Host& host, const core::DataRoot& root, std::string_view scenario);

}  // namespace kestrel::scenario
