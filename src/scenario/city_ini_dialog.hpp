// "Edit Scenario Capitols" and "Edit Scenario City Owners": one controller for
// the two blocks of CITY.INI. A record is given its city by clicking the
// city on the large strategic picture; the other block is kept as read.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"
#include "scenario/city_file.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/record_list_editor.hpp"
#include "scenario/sides.hpp"
#include "scenario/strategic_picture.hpp"

namespace kestrel::scenario {

struct CityIniIds {
    static constexpr int kList = 1100, kNew = 1101, kInsert = 1102, kAppend = 1103, kDelete = 1104;
    static constexpr int kCity = 1105, kOwner = 1106, kChance = 1107;
    static constexpr int kFirstProduction = 1108;  // to 1111
};
static_assert(RecordListIds{CityIniIds::kList}.remove() == CityIniIds::kDelete);

inline constexpr std::string_view kCityIniWriteError = "Can't open CITY.INI file";

// "%s for %s(%d): %d%%": city, side name, side index, chance.
std::string cityIniLine(const CityIniRecord& record, std::span<const std::string> sideNames);

class CityIniDialog : public RecordListEditor {
public:
    // `cities` are the city dialog's records, unsaved edits included; they
    // must outlive the dialog.
    CityIniDialog(ui::Host& host, const core::DataRoot& root, std::string scenario, CityIniBlock block,
                  std::span<const City> cities);

    void onInit() override;
    void onChange(int id) override;
    void onMouse(const ui::MouseEvent& event) override;
    void onPaint(pictures::Surface& client) override;
    bool onOk() override;

private:
    std::vector<CityIniRecord>& records() { return records_; }
    const std::vector<CityIniRecord>& records() const { return records_; }
    std::size_t count() const override { return records().size(); }
    void insertNew(std::size_t at) override;
    void erase(std::size_t at) override;
    std::string line(std::size_t index) const override;
    bool readControls(std::size_t index, bool quiet) override;
    void showRecord(int index) override;

    const core::DataRoot& root_;
    std::string scenario_;
    CityIniBlock block_;
    std::span<const City> cities_;
    LargeStrategicPicture picture_;
    bool loaded_ = false;
    Sides sides_;
    std::vector<std::string> sideNames_;
    // Both blocks as read: the one not edited is written back as it was.
    CityIniBlocks read_;
    std::vector<CityIniRecord> records_;
};

}  // namespace kestrel::scenario
