// JSON read into a tree that remembers the line of every member, so that a
// refusal names the line a person has to look at.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kestrel::records {

struct JsonNode {
    enum class Type { Null, Boolean, Integer, Real, String, Array, Object };
    Type type = Type::Null;
    std::int64_t integer = 0;
    bool outOfRange = false;  // an integer beyond 64 bits
    std::string text;         // String; Real: as written
    std::string key;          // of an object's member
    std::vector<JsonNode> members;
    std::vector<JsonNode> items;
    std::size_t line = 1;  // of its key, or of its first character

    const JsonNode* member(std::string_view key) const;
};

struct JsonError {
    std::size_t line;
    std::string message;
};

// The tree, or where and why the text is not JSON. A key given twice in one
// object is refused too.
std::variant<JsonNode, JsonError> parseJson(std::string_view text);

// A JSON string literal of UTF-8 text.
void appendJsonString(std::string& out, std::string_view utf8);

}  // namespace kestrel::records
