#include "records/file_text.hpp"

#include "core/cp1252.hpp"
#include "core/escaped_text.hpp"

namespace kestrel::records {

namespace {

// Texts as the command line escapes them, with quotes escaped too, in UTF-8.
std::string quoted(std::string_view text) {
    std::string escaped;
    for (const char c : core::escapeControls(text)) {
        if (c == '"') escaped += '\\';
        escaped += c;
    }
    return '"' + core::cp1252ToUtf8(escaped) + '"';
}

std::string indexed(std::string_view name, const std::string& index) {
    std::string out(name);
    out += '[';
    out += index;
    out += ']';
    return out;
}

struct Printer {
    std::string out;

    void line(std::string_view indent, std::string_view name, std::string_view value) {
        out.append(indent).append(name).append(" = ").append(value) += '\n';
    }

    void record(const RecordBytes& r, std::string_view indent, std::string_view prefix) {
        for (const Leaf& leaf : leavesOf(*r.format).all) {
            if (leaf.at >= r.length) break;
            const LeafValue v = readLeaf(leaf, r.bytes);
            if (!isQuiet(leaf, v)) line(indent, std::string(prefix) + leaf.name, shownValue(leaf, v));
        }
        if (r.cut())
            line(indent, std::string(prefix) + "missing", std::to_string(r.bytes.size() - r.length) + " bytes");
    }

    // A cell a line, named by its position.
    void cell(const RecordBytes& r, std::size_t index, std::int64_t across) {
        const auto x = across > 0 ? static_cast<std::int64_t>(index) % across : 0;
        const auto y = across > 0 ? static_cast<std::int64_t>(index) / across : 0;
        std::string text;
        for (const Leaf& leaf : leavesOf(*r.format).all) {
            if (leaf.at >= r.length) break;
            const LeafValue v = readLeaf(leaf, r.bytes);
            if (isQuiet(leaf, v)) continue;
            text.append(text.empty() ? "" : ", ").append(leaf.name).append(" ").append(shownValue(leaf, v));
        }
        if (r.cut()) text.append(", missing ").append(std::to_string(r.bytes.size() - r.length)).append(" bytes");
        line("", indexed("tile", std::to_string(x) + ',' + std::to_string(y)), text);
    }

    void part(const PartContent& p, const FileContent& file, const std::string& prefix) {
        const std::string dotted = prefix.empty() ? prefix : prefix + '.';
        switch (p.part->shape) {
            case PartShape::Record:
                record(p.records.front(), "", dotted);
                break;
            case PartShape::Counted:
                record(*p.count, "", dotted);
                for (std::size_t i = 0; i < p.records.size(); ++i) {
                    out.append(indexed(prefix, std::to_string(i))) += '\n';
                    record(p.records[i], "  ", "");
                }
                break;
            case PartShape::Grid: {
                const std::int64_t across = numberOf(file.parts.front().records.front(), p.part->across);
                for (std::size_t i = 0; i < p.records.size(); ++i) cell(p.records[i], i, across);
                break;
            }
        }
    }

    void extra(const core::Bytes& bytes) {
        constexpr std::size_t kPerLine = 32;
        for (std::size_t at = 0; at < bytes.size(); at += kPerLine) {
            const std::size_t n = std::min(kPerLine, bytes.size() - at);
            line("", indexed("extra", std::to_string(at)),
                 toHex({reinterpret_cast<const char*>(bytes.data() + at), n}));
        }
    }
};

}  // namespace

std::string shownValue(const Leaf& leaf, const LeafValue& value) {
    switch (leaf.kind) {
        case LeafKind::Number:
        case LeafKind::Bits: {
            std::string text = std::to_string(value.number);
            if (const auto name = meaningOf(leaf, value.number)) text += ' ' + quoted(*name);
            return text;
        }
        case LeafKind::Text:
            return quoted(value.bytes);
        default:
            return toHex(value.bytes);
    }
}

std::string showFile(const FileKind& kind, std::span<const std::uint8_t> file) {
    const FileContent content = splitFile(layoutFor(kind, file.size()), file);
    Printer p;
    p.line("", "format", quoted(content.format->name));
    const bool several = content.format->parts.size() > 1;
    for (const PartContent& part : content.parts)
        p.part(part, content, several ? std::string(part.part->name) : std::string());
    const std::size_t absent = content.format->parts.size() - content.parts.size();
    for (std::size_t i = content.format->parts.size() - absent; i < content.format->parts.size(); ++i)
        p.line("", "missing", std::string(content.format->parts[i].name));
    p.extra(content.extra);
    return p.out;
}

}  // namespace kestrel::records
