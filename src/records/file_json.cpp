#include "records/file_json.hpp"

#include <optional>

#include "core/cp1252.hpp"
#include "records/json_tree.hpp"
#include "records/record_leaves.hpp"

namespace kestrel::records {

namespace {

constexpr std::string_view kFormat = "format", kExtra = "extra", kMissing = "missing", kCount = "count",
                           kRecords = "records";

// ---- to JSON ----

struct Writer {
    std::string out;

    void indent(int level) { out.append(static_cast<std::size_t>(2 * level), ' '); }

    void key(std::string_view name) {
        appendJsonString(out, name);
        out += ": ";
    }

    void value(const Leaf& leaf, const LeafValue& v) {
        switch (leaf.kind) {
            case LeafKind::Number:
            case LeafKind::Bits:
                if (const auto name = meaningOf(leaf, v.number))
                    appendJsonString(out, core::cp1252ToUtf8(*name));
                else
                    out += std::to_string(v.number);
                break;
            case LeafKind::Text:
                appendJsonString(out, core::cp1252ToUtf8(v.bytes));
                break;
            default:
                appendJsonString(out, toHex(v.bytes));
        }
    }

    // The members of a record; `oneLine` for the cells of a grid.
    void members(const RecordBytes& r, int level, bool oneLine, bool& first) {
        const auto next = [&] {
            out += first ? "" : ",";
            if (oneLine) {
                out += first ? "" : " ";
            } else {
                out += '\n';
                indent(level);
            }
            first = false;
        };
        for (const Leaf& leaf : leavesOf(*r.format).all) {
            if (leaf.at >= r.length) break;
            const LeafValue v = readLeaf(leaf, r.bytes);
            if (isQuiet(leaf, v)) continue;
            next();
            key(leaf.name);
            value(leaf, v);
        }
        if (r.cut()) {
            next();
            key(kMissing);
            out += std::to_string(r.bytes.size() - r.length);
        }
    }

    void object(const RecordBytes& r, int level, bool oneLine) {
        out += '{';
        bool first = true;
        members(r, level + 1, oneLine, first);
        if (!oneLine && !first) {
            out += '\n';
            indent(level);
        }
        out += '}';
    }

    void list(const std::vector<RecordBytes>& records, int level, bool oneLine) {
        out += '[';
        for (std::size_t i = 0; i < records.size(); ++i) {
            out += i ? ",\n" : "\n";
            indent(level + 1);
            object(records[i], level + 1, oneLine);
        }
        if (!records.empty()) {
            out += '\n';
            indent(level);
        }
        out += ']';
    }

    // The members of a part: a record's fields, or a count and records.
    void partMembers(const PartContent& p, int level, bool& first) {
        if (p.part->shape == PartShape::Record) return members(p.records.front(), level, false, first);
        const auto next = [&] {
            out += first ? "\n" : ",\n";
            indent(level);
            first = false;
        };
        if (p.count) {
            members(*p.count, level, false, first);
            next();
            key(kRecords);
        } else {
            next();
            key(p.part->name);
        }
        list(p.records, level, p.part->shape == PartShape::Grid);
    }
};

// ---- from JSON ----

struct Refused {
    JsonRefusal refusal;
};

[[noreturn]] void refuse(const JsonNode& at, std::string field, std::string message) {
    throw Refused{{at.line, std::move(field), std::move(message)}};
}

std::string describeRange(const Leaf& leaf) {
    return "from " + std::to_string(leafMin(leaf)) + " to " + std::to_string(leafMax(leaf));
}

std::int64_t numberFrom(const JsonNode& node, const Leaf& leaf, const std::string& field) {
    if (node.type == JsonNode::Type::String) {
        if (const auto cp = core::utf8ToCp1252(node.text))
            if (const auto value = valueNamed(leaf, *cp)) return *value;
        refuse(node, field, "\"" + node.text + "\" is not a name of this field's values");
    }
    if (node.type != JsonNode::Type::Integer) refuse(node, field, "expected a whole number");
    if (node.outOfRange || node.integer < leafMin(leaf) || node.integer > leafMax(leaf))
        refuse(node, field,
               (node.outOfRange ? std::string("the value") : std::to_string(node.integer)) +
                   " does not fit the field (" + describeRange(leaf) + ")");
    return node.integer;
}

std::string stringFrom(const JsonNode& node, const std::string& field) {
    if (node.type != JsonNode::Type::String) refuse(node, field, "expected a string");
    return node.text;
}

std::string hexFrom(const JsonNode& node, const std::string& field) {
    const auto bytes = fromHex(stringFrom(node, field));
    if (!bytes) refuse(node, field, "expected bytes in hex, such as \"5a 00 ff\"");
    return *bytes;
}

LeafValue leafFrom(const JsonNode& node, const Leaf& leaf, const std::string& field) {
    LeafValue v;
    switch (leaf.kind) {
        case LeafKind::Number:
        case LeafKind::Bits:
            v.number = numberFrom(node, leaf, field);
            break;
        case LeafKind::Text: {
            const auto text = core::utf8ToCp1252(stringFrom(node, field));
            if (!text) refuse(node, field, "the text has a character with no Windows-1252 form");
            if (text->find('\0') != std::string::npos) refuse(node, field, "a text cannot hold a NUL");
            if (text->size() > leaf.size)
                refuse(node, field,
                       "the text is " + std::to_string(text->size()) + " bytes long; the field holds " +
                           std::to_string(leaf.size));
            v.bytes = *text;
            break;
        }
        case LeafKind::After:
            v.bytes = hexFrom(node, field);
            break;
        case LeafKind::Rest:
            v.bytes = hexFrom(node, field);
            if (v.bytes.size() != leaf.size)
                refuse(node, field,
                       "expected " + std::to_string(leaf.size) + " bytes, got " + std::to_string(v.bytes.size()));
            for (std::size_t i = 0; i < leaf.size; ++i)
                if (static_cast<std::uint8_t>(v.bytes[i]) & ~leaf.mask[i])
                    refuse(node, field, "sets bits that belong to named fields");
            break;
    }
    return v;
}

std::size_t textLength(std::span<const std::uint8_t> record, const Leaf& leaf) {
    std::size_t n = 0;
    while (n < leaf.size && record[leaf.at + n] != 0) ++n;
    return n;
}

JsonNode member(std::string_view key, JsonNode node) {
    node.key = key;
    return node;
}

bool isOneOf(std::string_view key, std::initializer_list<std::string_view> keys) {
    for (const std::string_view k : keys)
        if (k == key) return true;
    return false;
}

struct Reader {
    // A record from the members of `object`, leaving out `skipped` keys.
    RecordBytes record(const JsonNode& object, const core::Format& format, const std::string& path,
                       std::initializer_list<std::string_view> skipped) {
        if (object.type != JsonNode::Type::Object) refuse(object, path, "expected an object");
        RecordBytes r{&format, core::Bytes(format.size, 0), format.size};
        if (const JsonNode* missing = object.member(kMissing)) {
            if (missing->type != JsonNode::Type::Integer || missing->integer < 0 ||
                missing->integer > static_cast<std::int64_t>(format.size))
                refuse(*missing, path + std::string(kMissing),
                       "expected a number of bytes from 0 to " + std::to_string(format.size));
            r.length = format.size - static_cast<std::size_t>(missing->integer);
        }
        const Leaves& leaves = leavesOf(format);
        std::vector<std::pair<const Leaf*, const JsonNode*>> afters;
        for (const JsonNode& node : object.members) {
            const std::string& key = node.key;
            if (key == kMissing || isOneOf(key, skipped)) continue;
            const std::string field = path + key;
            const Leaf* leaf = leaves.find(key);
            if (!leaf) refuse(node, field, "no such field in a " + std::string(format.name) + " record");
            if (leaf->at >= r.length) refuse(node, field, "lies past the end of the cut record");
            if (leaf->kind == LeafKind::After) {
                afters.emplace_back(leaf, &node);
                continue;
            }
            writeLeaf(*leaf, r.bytes, leafFrom(node, *leaf, field));
        }
        for (const auto& [leaf, node] : afters) {
            const std::string field = path + leaf->name;
            const LeafValue v = leafFrom(*node, *leaf, field);
            if (textLength(r.bytes, *leaf) + 1 + v.bytes.size() > leaf->size)
                refuse(*node, field, "the bytes after the text do not fit the field");
            writeLeaf(*leaf, r.bytes, v);
        }
        return r;
    }

    std::vector<RecordBytes> list(const JsonNode& node, const core::Format& format, const std::string& path) {
        if (node.type != JsonNode::Type::Array) refuse(node, path, "expected an array of records");
        std::vector<RecordBytes> out;
        for (std::size_t i = 0; i < node.items.size(); ++i)
            out.push_back(record(node.items[i], format, path + '[' + std::to_string(i) + "].", {}));
        return out;
    }

    PartContent part(const JsonNode& object, const Part& part, const std::string& path,
                     std::initializer_list<std::string_view> skipped) {
        PartContent p{&part, std::nullopt, {}};
        switch (part.shape) {
            case PartShape::Record:
                p.records.push_back(record(object, *part.format, path, skipped));
                break;
            case PartShape::Counted: {
                if (object.type != JsonNode::Type::Object) refuse(object, path, "expected an object");
                const JsonNode* records = object.member(kRecords);
                if (records) p.records = list(*records, *part.format, path + std::string(kRecords));
                // Only the count and its records belong here.
                for (const JsonNode& node : object.members)
                    if (!isOneOf(node.key, {kCount, kMissing, kRecords}) && !isOneOf(node.key, skipped))
                        refuse(node, path + node.key, "no such field; expected \"count\" and \"records\"");
                JsonNode countOnly{JsonNode::Type::Object};
                countOnly.line = object.line;
                if (const JsonNode* count = object.member(kCount))
                    countOnly.members.push_back(member(kCount, *count));
                else if (!object.member(kMissing)) {
                    JsonNode n{JsonNode::Type::Integer};
                    n.integer = static_cast<std::int64_t>(p.records.size());
                    countOnly.members.push_back(member(kCount, n));
                }
                if (const JsonNode* missing = object.member(kMissing))
                    countOnly.members.push_back(member(kMissing, *missing));
                p.count = record(countOnly, countFormat(), path, {});
                break;
            }
            case PartShape::Grid:
                p.records = list(object, *part.format, path + std::string(part.name));
                break;
        }
        return p;
    }
};

// A cut record ends the file.
void checkOnlyLastCut(const FileContent& content, const JsonNode& root) {
    bool cut = false;
    const auto visit = [&](const RecordBytes& r) {
        if (cut) refuse(root, "", "only the last record of a file can be cut short (\"missing\")");
        cut = r.cut();
    };
    for (const PartContent& p : content.parts) {
        if (p.count) visit(*p.count);
        for (const RecordBytes& r : p.records) visit(r);
    }
    if (cut && !content.extra.empty()) refuse(root, std::string(kExtra), "a file with a cut record has no extra bytes");
}

FileContent contentFrom(const FileKind& kind, const JsonNode& root) {
    if (root.type != JsonNode::Type::Object) refuse(root, "", "expected an object");
    const FileFormat* format = &kind.layouts.front();
    if (const JsonNode* name = root.member(kFormat)) {
        format = layoutNamed(kind, stringFrom(*name, std::string(kFormat)));
        if (!format)
            refuse(*name, std::string(kFormat), "\"" + name->text + "\" is not a layout of " + std::string(kind.name));
    }
    FileContent content{format, {}, {}};
    Reader reader;
    if (format->parts.size() == 1) {
        content.parts.push_back(reader.part(root, format->parts.front(), "", {kFormat, kExtra}));
    } else {
        for (const JsonNode& node : root.members) {
            const std::string& key = node.key;
            bool known = isOneOf(key, {kFormat, kExtra});
            for (const Part& part : format->parts) known = known || key == part.name;
            if (!known) refuse(node, key, "no such part of a " + std::string(format->name) + " file");
        }
        for (const Part& part : format->parts) {
            const JsonNode* node = root.member(part.name);
            if (!node) break;
            const std::string path = part.shape == PartShape::Grid ? "" : std::string(part.name) + '.';
            content.parts.push_back(reader.part(*node, part, path, {}));
        }
    }
    if (const JsonNode* extra = root.member(kExtra)) {
        const std::string bytes = hexFrom(*extra, std::string(kExtra));
        content.extra.assign(bytes.begin(), bytes.end());
    }
    checkOnlyLastCut(content, root);
    return content;
}

}  // namespace

std::string fileToJson(const FileKind& kind, std::span<const std::uint8_t> file) {
    const FileContent content = splitFile(layoutFor(kind, file.size()), file);
    Writer w;
    w.out += "{\n  ";
    w.key(kFormat);
    appendJsonString(w.out, content.format->name);
    bool first = false;
    if (content.format->parts.size() == 1) {
        w.partMembers(content.parts.front(), 1, first);
    } else {
        for (const PartContent& p : content.parts) {
            w.out += ",\n  ";
            if (p.part->shape == PartShape::Grid) {
                w.key(p.part->name);
                w.list(p.records, 1, true);
                continue;
            }
            w.key(p.part->name);
            w.out += '{';
            bool innerFirst = true;
            w.partMembers(p, 2, innerFirst);
            w.out += "\n  }";
        }
    }
    if (!content.extra.empty()) {
        w.out += ",\n  ";
        w.key(kExtra);
        appendJsonString(w.out, toHex({reinterpret_cast<const char*>(content.extra.data()), content.extra.size()}));
    }
    w.out += "\n}\n";
    return w.out;
}

std::variant<core::Bytes, JsonRefusal> fileFromJson(const FileKind& kind, std::string_view json) {
    auto parsed = parseJson(json);
    if (auto* error = std::get_if<JsonError>(&parsed)) return JsonRefusal{error->line, "", error->message};
    try {
        return joinFile(contentFrom(kind, std::get<JsonNode>(parsed)));
    } catch (const Refused& r) {
        return r.refusal;
    }
}

std::string describe(const JsonRefusal& refusal) {
    std::string out = "line " + std::to_string(refusal.line) + ": ";
    if (!refusal.field.empty()) out += "field " + refusal.field + ": ";
    return out + refusal.message;
}

}  // namespace kestrel::records
