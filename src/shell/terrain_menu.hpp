// The terrain sub-menu: one button for each of the three terrain data sets.
#pragma once
#include "core/data_root.hpp"
#include "resources/layouts.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

class TerrainMenu : public ui::Dialog {
public:
    TerrainMenu(ui::Host& host, const core::DataRoot& root) : ui::Dialog(host, resources::kTerrainMenu), root_(root) {}
    void onCommand(int id) override;

private:
    const core::DataRoot& root_;
};

}  // namespace kestrel::shell
