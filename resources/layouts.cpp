#include "resources/layouts.hpp"

#include <map>
#include <stdexcept>

namespace kestrel::ui {

namespace {

std::map<int, Layout> buildAll() {
    std::map<int, Layout> all;
    for (auto source : {resources::mainWindowLayouts, resources::listDialogLayouts, resources::entryEditorLayouts})
        for (auto& layout : source()) {
            const int id = layout.resourceId;
            if (!all.emplace(id, std::move(layout)).second)
                throw std::logic_error("two layouts for resource " + std::to_string(id));
        }
    return all;
}

const std::map<int, Layout>& allLayouts() {
    static const std::map<int, Layout> all = buildAll();
    return all;
}

}  // namespace

const Layout& layoutFor(int resourceId) {
    const auto& all = allLayouts();
    const auto it = all.find(resourceId);
    if (it == all.end()) throw std::out_of_range("no layout for resource " + std::to_string(resourceId));
    return it->second;
}

bool hasLayout(int resourceId) { return allLayouts().count(resourceId) != 0; }

std::vector<int> allLayoutIds() {
    std::vector<int> ids;
    for (const auto& [id, layout] : allLayouts()) ids.push_back(id);
    return ids;
}

}  // namespace kestrel::ui
