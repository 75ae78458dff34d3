// Where a scenario's files lie: "SCENARIO\<folder>\<file>".
#pragma once
#include <string>
#include <string_view>

namespace kestrel::scenario {

inline constexpr std::string_view kScenariosFolder = "SCENARIO";
inline constexpr std::string_view kWorldsFolder = "WORLD";

// The game path of a file in a scenario's folder.
std::string scenarioFile(std::string_view scenario, std::string_view file);
// The game path of a file in a world's folder.
std::string worldFile(std::string_view world, std::string_view file);

}  // namespace kestrel::scenario
