#include "shell/terrain_menu.hpp"

#include "datasets/list_dialog.hpp"
#include "ui/host.hpp"

namespace kestrel::shell {

void TerrainMenu::onCommand(int id) {
    for (const auto kind : {datasets::Kind::TerrainType, datasets::Kind::TerrainSubtype, datasets::Kind::TerrainBonus}) {
        const auto& info = datasets::info(kind);
        if (info.openedBy == id) {
            datasets::ListDialog list(host(), root_, info);
            host().runModal(list);
            return;
        }
    }
    ui::Dialog::onCommand(id);
}

}  // namespace kestrel::shell
