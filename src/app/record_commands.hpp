// `show`, `to-json` and `from-json`: record files as text for people, git and
// hand edits, and back.
#pragma once
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace kestrel::app {

struct RecordCommand {
    std::filesystem::path from;
    std::optional<std::filesystem::path> to;
    std::string kind;  // --kind; empty: from the file's name
};

// Prints the file as text, or a picture as `picture` does; exit 2 for a file
// of no kind the editor knows.
int showCommand(const RecordCommand& command, std::ostream& out, std::ostream& err);
// A data root into a tree of JSON files, or one file's JSON on `out`.
int toJsonCommand(const RecordCommand& command, std::ostream& out, std::ostream& err);
// A tree of JSON files into a data root, or one JSON file into one file.
int fromJsonCommand(const RecordCommand& command, std::ostream& out, std::ostream& err);

}  // namespace kestrel::app
