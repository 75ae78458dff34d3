// Creating scenarios and worlds, listing scenarios and finding the folder of
// a listed one: the file operations behind New Scenario, New World and Load
// Scenario, which the command line shares. No dialogs here.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_root.hpp"

namespace kestrel::shell {

enum class CreateResult { Created, EmptyName, TooLong, Exists, CannotWrite };

inline constexpr std::string_view kScenarioExistsMessage = "This scenario already exists!";
inline constexpr std::string_view kScenarioWriteErrorMessage = "Error writing new scenario file!";
inline constexpr std::string_view kScenarioCreatedMessage = "The scenario has been created!";
inline constexpr std::string_view kWorldExistsMessage = "This world already exists!";
inline constexpr std::string_view kWorldWriteErrorMessage = "Error writing new world file!";
inline constexpr std::string_view kWorldCreatedMessage = "The world has been created!";

// The message the dialogs show for a result; empty for an empty name. A name
// too long gets the dialogs' standard validation message.
std::string scenarioMessage(CreateResult result);
std::string worldMessage(CreateResult result);

// SCENARIO\<name>\ with its header and the three template pictures. A name
// the file system would not take as one plain folder name creates nothing.
CreateResult createScenario(const core::DataRoot& root, std::string_view name);
// WORLD\<name>\ with its header.
CreateResult createWorld(const core::DataRoot& root, std::string_view name);

struct ListedScenario {
    std::string name;    // offset 56 of its header: what the list shows
    std::string folder;  // offset 44: what loading it makes current
    bool operator==(const ListedScenario&) const = default;
};

// Every scenario header below SCENARIO that opens, in the folder search's order.
std::vector<ListedScenario> listScenarios(const core::DataRoot& root);
// The folder of the first scenario found whose name is exactly `name`.
std::optional<std::string> findScenarioFolder(const core::DataRoot& root, std::string_view name);

}  // namespace kestrel::shell
