#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

std::string join(std::string_view top, std::string_view folder, std::string_view file) {
    std::string path(top);
    path += '\\';
    path += folder;
    path += '\\';
    path += file;
    return path;
}

}  // namespace

std::string scenarioFile(std::string_view scenario, std::string_view file) {
    return join(kScenariosFolder, scenario, file);
}

std::string worldFile(std::string_view world, std::string_view file) { return join(kWorldsFolder, world, file); }

}  // namespace kestrel::scenario
