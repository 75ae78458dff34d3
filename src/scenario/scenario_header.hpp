// The two small records that identify a world and a scenario: WORLD.DAT in a
// world's folder and SCENARIO.DAT in a scenario's, whose first 44 bytes name
// the world it uses in the world header's layout.
#pragma once
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kWorldHeaderFile = "WORLD.DAT";
inline constexpr std::string_view kScenarioHeaderFile = "SCENARIO.DAT";
// The world name of a scenario that uses no world.
inline constexpr std::string_view kNoWorld = "None";
// Scenario and world folder names as the dialogs take them.
inline constexpr std::size_t kFolderNameLimit = 8;

struct WorldHeaderLayout {
    static constexpr std::size_t kSize = 44;
    static constexpr std::size_t kFolder = 0, kFolderSize = 12;
    static constexpr std::size_t kName = 12, kNameSize = 32;
};

struct ScenarioHeaderLayout {
    static constexpr std::size_t kSize = 375;
    static constexpr std::size_t kWorldFolder = 0, kWorldFolderSize = 12;
    static constexpr std::size_t kWorldName = 12, kWorldNameSize = 32;
    static constexpr std::size_t kFolder = 44, kFolderSize = 12;
    static constexpr std::size_t kName = 56, kNameSize = 32;
    static constexpr std::size_t kAuthor = 88, kAuthorSize = 32;
    static constexpr std::size_t kDescription = 120, kDescriptionSize = 255;
};

struct WorldHeader {
    std::string folder;  // the world's own folder below WORLD
    std::string name;    // as lists show it
    bool operator==(const WorldHeader&) const = default;
};

struct ScenarioHeader {
    std::string worldFolder;  // empty: no world
    std::string worldName;    // "None": no world
    std::string folder;       // the scenario's own folder below SCENARIO
    std::string name;         // as the Load Scenario list shows it
    std::string author;
    std::string description;
    bool operator==(const ScenarioHeader&) const = default;
};

std::ostream& operator<<(std::ostream& out, const WorldHeader& header);
std::ostream& operator<<(std::ostream& out, const ScenarioHeader& header);

WorldHeader readWorldHeader(std::span<const std::uint8_t> record);
core::Bytes writeWorldHeader(const WorldHeader& header);
// As New World makes it: both fields the typed name.
WorldHeader newWorldHeader(std::string_view folderName);

ScenarioHeader readScenarioHeader(std::span<const std::uint8_t> record);
core::Bytes writeScenarioHeader(const ScenarioHeader& header);
// As New Scenario makes it: no world, the typed name as folder and name.
ScenarioHeader newScenarioHeader(std::string_view folderName);

// "None", then the name of every world header below WORLD that can be read,
// in the folder search's order: the world choices of scenarios and campaigns.
std::vector<std::string> worldChoices(const core::DataRoot& root);

}  // namespace kestrel::scenario
