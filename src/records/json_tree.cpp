#include "records/json_tree.hpp"

#include <iterator>
#include <nlohmann/json.hpp>
#include <optional>

namespace kestrel::records {

namespace {

// Counts the line breaks the parser has read, for the lines of members.
class LineCountingIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    LineCountingIterator(const char* at, std::size_t* lines) : at_(at), lines_(lines) {}
    reference operator*() const { return *at_; }
    LineCountingIterator& operator++() {
        if (*at_ == '\n') ++*lines_;
        ++at_;
        return *this;
    }
    LineCountingIterator operator++(int) {
        auto before = *this;
        ++*this;
        return before;
    }
    bool operator==(const LineCountingIterator& other) const { return at_ == other.at_; }

private:
    const char* at_;
    std::size_t* lines_;
};

class TreeBuilder : public nlohmann::json_sax<nlohmann::json> {
public:
    explicit TreeBuilder(const std::size_t* line) : line_(line) {}

    bool null() override { return add({}); }
    bool boolean(bool value) override {
        JsonNode n{JsonNode::Type::Boolean};
        n.integer = value;
        return add(std::move(n));
    }
    bool number_integer(number_integer_t value) override {
        JsonNode n{JsonNode::Type::Integer};
        n.integer = value;
        return add(std::move(n));
    }
    bool number_unsigned(number_unsigned_t value) override {
        JsonNode n{JsonNode::Type::Integer};
        n.outOfRange = value > static_cast<std::uint64_t>(INT64_MAX);
        n.integer = n.outOfRange ? INT64_MAX : static_cast<std::int64_t>(value);
        return add(std::move(n));
    }
    bool number_float(number_float_t, const string_t& written) override {
        // A whole number beyond 64 bits is still a whole number, only too large.
        if (written.find_first_of(".eE") == string_t::npos) {
            JsonNode n{JsonNode::Type::Integer};
            n.outOfRange = true;
            n.integer = written.starts_with('-') ? INT64_MIN : INT64_MAX;
            return add(std::move(n));
        }
        JsonNode n{JsonNode::Type::Real};
        n.text = written;
        return add(std::move(n));
    }
    bool string(string_t& value) override {
        JsonNode n{JsonNode::Type::String};
        n.text = std::move(value);
        return add(std::move(n));
    }
    bool binary(binary_t&) override { return add({}); }
    bool start_object(std::size_t) override { return open(JsonNode::Type::Object); }
    bool start_array(std::size_t) override { return open(JsonNode::Type::Array); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }
    bool key(string_t& key) override {
        JsonNode& object = *stack_.back();
        for (const JsonNode& member : object.members)
            if (member.key == key) return fail("\"" + key + "\" is given twice");
        key_ = std::move(key);
        keyLine_ = *line_ + 1;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& ex) override {
        std::string what = ex.what();
        // "[json.exception.parse_error.101] parse error at line 3, column 5: syntax error ..."
        const std::size_t colon = what.find(": ");
        return fail(colon == std::string::npos ? what : what.substr(colon + 2));
    }

    JsonNode root;
    std::optional<JsonError> error;

private:
    bool fail(std::string message) {
        error = JsonError{*line_ + 1, std::move(message)};
        return false;
    }

    JsonNode* place(JsonNode&& node) {
        if (stack_.empty()) {
            node.line = *line_ + 1;
            root = std::move(node);
            return &root;
        }
        JsonNode& parent = *stack_.back();
        if (parent.type == JsonNode::Type::Object) {
            node.line = keyLine_;
            node.key = std::move(key_);
            parent.members.push_back(std::move(node));
            return &parent.members.back();
        }
        node.line = *line_ + 1;
        parent.items.push_back(std::move(node));
        return &parent.items.back();
    }
    bool add(JsonNode&& node) {
        place(std::move(node));
        return true;
    }
    bool open(JsonNode::Type type) {
        JsonNode n{type};
        stack_.push_back(place(std::move(n)));
        return true;
    }
    bool close() {
        stack_.pop_back();
        return true;
    }

    const std::size_t* line_;
    std::vector<JsonNode*> stack_;
    std::string key_;
    std::size_t keyLine_ = 1;
};

}  // namespace

const JsonNode* JsonNode::member(std::string_view key) const {
    for (const JsonNode& m : members)
        if (m.key == key) return &m;
    return nullptr;
}

std::variant<JsonNode, JsonError> parseJson(std::string_view text) {
    std::size_t lines = 0;
    TreeBuilder builder(&lines);
    const LineCountingIterator first(text.data(), &lines), last(text.data() + text.size(), &lines);
    nlohmann::json::sax_parse(first, last, &builder);
    if (builder.error) return *builder.error;
    return std::move(builder.root);
}

void appendJsonString(std::string& out, std::string_view utf8) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            out += "\\u00";
            out += kDigits[u >> 4];
            out += kDigits[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace kestrel::records
