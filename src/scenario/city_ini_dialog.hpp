// "Edit Scenario Capitols" and "Edit Scenario City Owners": one controller for
// the two blocks of CITY.INI. A record is given its city by clicking the
// city on the large strategic picture; the other block is kept as read.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/data_root.hpp"
#include "scenario/city_file.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/sides.hpp"
#include "scenario/strategic_picture.hpp"
#include "ui/dialog.hpp"

namespace kestrel::scenario {

struct CityIniIds {
    static constexpr int kList = 1100, kNew = 1101, kInsert = 1102, kAppend = 1103, kDelete = 1104;
    static constexpr int kCity = 1105, kOwner = 1106, kChance = 1107;
    static constexpr int kFirstProduction = 1108;  // to 1111
};

// Side names in list lines are cut to this.
inline constexpr std::size_t kListSideName = 15;

// "%s for %s(%d): %d%%": city, side name, side index, chance.
std::string cityIniLine(const CityIniRecord& record, std::span<const std::string> sideNames);

class CityIniDialog : public ui::Dialog {
public:
    // `cities` are the city dialog's records, unsaved edits included; they
    // must outlive the dialog.
    CityIniDialog(ui::Host& host, const core::DataRoot& root, std::string scenario, CityIniBlock block,
                  std::span<const City> cities);

    void onInit() override;
    void onCommand(int id) override;
    void onChange(int id) override;
    void onMouse(const ui::MouseEvent& event) override;
    void onPaint(pictures::Surface& client) override;
    bool onOk() override;

private:
    std::vector<CityIniRecord>& records() { return ini_.block(block_); }
    // The controls as a record; with `quiet`, a refused field gives nothing
    // without a message.
    std::optional<CityIniRecord> fromControls(bool quiet);
    bool store(bool quiet = false);
    void show();
    void fillList();
    void add(std::size_t at);
    void remove();

    const core::DataRoot& root_;
    std::string scenario_;
    CityIniBlock block_;
    std::span<const City> cities_;
    LargeStrategicPicture picture_;
    bool loaded_ = false;
    Sides sides_;
    std::vector<std::string> sideNames_;
    CityIni ini_;
    int current_ = -1;
};

}  // namespace kestrel::scenario
