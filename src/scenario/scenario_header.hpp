// The two small records that identify a world and a scenario: WORLD.DAT in a
// world's folder and SCENARIO.DAT in a scenario's, whose first 44 bytes name
// the world it uses in the world header's layout.
#pragma once
#include <array>
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "core/record_format.hpp"

namespace kestrel::scenario {

inline constexpr std::string_view kWorldHeaderFile = "WORLD.DAT";
inline constexpr std::string_view kScenarioHeaderFile = "SCENARIO.DAT";
// The world name of a scenario that uses no world.
inline constexpr std::string_view kNoWorld = "None";
// Scenario and world folder names as the dialogs take them.
inline constexpr std::size_t kFolderNameLimit = 8;

inline constexpr std::array<core::Field, 2> kWorldHeaderFields{{
    core::text("folder", 0, 12),
    core::text("name", 12, 32),
}};
inline constexpr core::Format kWorldHeaderFormat{"world header", 44, kWorldHeaderFields};
static_assert(core::wellFormed(kWorldHeaderFormat));

// A description of 255 characters fills its field with no NUL.
inline constexpr std::array<core::Field, 5> kScenarioHeaderFields{{
    core::records("world", 0, kWorldHeaderFormat),
    core::text("folder", 44, 12),
    core::text("name", 56, 32),
    core::text("author", 88, 32),
    core::text("description", 120, 255),
}};
inline constexpr core::Format kScenarioHeaderFormat{"scenario header", 375, kScenarioHeaderFields};
static_assert(core::wellFormed(kScenarioHeaderFormat));

struct WorldHeaderLayout {
    static constexpr std::size_t kSize = kWorldHeaderFormat.size;
    static constexpr std::size_t kFolder = kWorldHeaderFormat.at("folder"),
                                 kFolderSize = kWorldHeaderFormat.sizeOf("folder");
    static constexpr std::size_t kName = kWorldHeaderFormat.at("name"), kNameSize = kWorldHeaderFormat.sizeOf("name");
};

struct ScenarioHeaderLayout {
    static constexpr std::size_t kSize = kScenarioHeaderFormat.size;
    static constexpr std::size_t kWorld = kScenarioHeaderFormat.at("world");
    static constexpr std::size_t kWorldFolder = kWorld + WorldHeaderLayout::kFolder,
                                 kWorldFolderSize = WorldHeaderLayout::kFolderSize;
    static constexpr std::size_t kWorldName = kWorld + WorldHeaderLayout::kName,
                                 kWorldNameSize = WorldHeaderLayout::kNameSize;
    static constexpr std::size_t kFolder = kScenarioHeaderFormat.at("folder"),
                                 kFolderSize = kScenarioHeaderFormat.sizeOf("folder");
    static constexpr std::size_t kName = kScenarioHeaderFormat.at("name"),
                                 kNameSize = kScenarioHeaderFormat.sizeOf("name");
    static constexpr std::size_t kAuthor = kScenarioHeaderFormat.at("author"),
                                 kAuthorSize = kScenarioHeaderFormat.sizeOf("author");
    static constexpr std::size_t kDescription = kScenarioHeaderFormat.at("description"),
                                 kDescriptionSize = kScenarioHeaderFormat.sizeOf("description");
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
