#include "check/record_checks.hpp"

#include <algorithm>
#include <string>

#include "check/check_context.hpp"
#include "records/record_leaves.hpp"

namespace kestrel::check {

namespace {

using records::FileContent;
using records::Leaf;
using records::LeafKind;
using records::PartShape;

std::string bytesText(std::size_t n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); }

// "a city set file is 80 bytes", "an army type file is 252 bytes (250 in its earlier layout)"
std::string sizesOf(const records::FileKind& kind) {
    const core::Format& current = *kind.layouts.front().head;
    const char first = current.name.empty() ? 'x' : current.name.front();
    std::string text = std::string(std::string_view("aeiou").find(first) != std::string_view::npos ? "an " : "a ") +
                       std::string(current.name) + " file is " + bytesText(current.size);
    for (std::size_t i = 1; i < kind.layouts.size(); ++i)
        text += " (" + std::to_string(kind.layouts[i].head->size) + " in its earlier layout)";
    return text;
}

bool oneRecord(const FileContent& content) {
    return content.format->parts.size() == 1 && content.format->parts.front().shape == PartShape::Record;
}

// What the counts the file gives need, the parts it lacks included.
std::size_t neededSize(const FileContent& content) {
    std::size_t need = 0;
    for (std::size_t i = 0; i < content.format->parts.size(); ++i) {
        const records::Part& part = content.format->parts[i];
        if (i >= content.parts.size()) {
            need += part.shape == PartShape::Counted  ? core::kCountFormat.size
                    : part.shape == PartShape::Record ? part.format->size
                                                      : 0;
            continue;
        }
        const records::PartContent& p = content.parts[i];
        std::int64_t records = static_cast<std::int64_t>(p.records.size());
        if (p.count) {
            need += core::kCountFormat.size;
            records = std::max<std::int64_t>(0, records::numberOf(*p.count, "count"));
        } else if (part.shape == PartShape::Grid) {
            const auto& head = content.parts.front().records.front();
            records = std::max<std::int64_t>(0, records::numberOf(head, part.across)) *
                      std::max<std::int64_t>(0, records::numberOf(head, part.down));
        }
        need += static_cast<std::size_t>(records) * part.format->size;
    }
    return need;
}

void checkLength(Findings& findings, std::string_view path, const records::FileKind& kind, const FileContent& content,
                 std::size_t fileSize) {
    if (oneRecord(content)) {
        if (content.parts.front().records.front().cut() || !content.extra.empty())
            findings.error(path, "", "", "the file is " + bytesText(fileSize) + " long; " + sizesOf(kind));
        return;
    }
    const std::size_t need = neededSize(content);
    if (fileSize < need)
        findings.error(
            path, "", "",
            "the file is cut short: " + bytesText(fileSize) + " where its counts need " + std::to_string(need));
    else if (!content.extra.empty())
        findings.error(path, "", "", bytesText(content.extra.size()) + " follow the last record");
}

void checkCounts(Findings& findings, std::string_view path, const FileContent& content) {
    for (std::size_t i = 0; i < content.parts.size(); ++i) {
        const records::PartContent& p = content.parts[i];
        if (!p.count || p.count->cut()) continue;
        const std::int64_t count = records::numberOf(*p.count, "count");
        const std::string field = content.parts.size() > 1 ? std::string(p.part->name) + ".count" : "count";
        if (count < 0)
            findings.error(path, "", field, "the count is " + std::to_string(count) + "; it cannot be negative");
        else if (p.part->maxCount && count > p.part->maxCount)
            findings.error(path, "", field,
                           "the count is " + std::to_string(count) + "; the editor holds at most " +
                               std::to_string(p.part->maxCount));
    }
}

std::string rangeText(const core::Field& f) { return std::to_string(f.low) + " to " + std::to_string(f.high); }

// "0 (Village) to 4 (Fortress)", or the codes one by one.
std::string meaningsText(const core::Field& f) {
    if (f.codes) {
        std::string text;
        for (const core::NamedValue& code : f.codes()) text += (text.empty() ? "" : ", ") + std::to_string(code.value);
        return "one of " + text;
    }
    const int last = f.first + static_cast<int>(f.names.size()) - 1;
    return std::to_string(f.first) + " (" + std::string(f.names.front()) + ") to " + std::to_string(last) + " (" +
           std::string(f.names.back()) + ")";
}

bool hasMeaning(const core::Field& f, std::int64_t value) {
    if (f.codes) return std::ranges::any_of(f.codes(), [&](const core::NamedValue& c) { return c.value == value; });
    return value >= f.first && value < f.first + static_cast<std::int64_t>(f.names.size());
}

void checkLeaves(Findings& findings, std::string_view path, const std::string& record, const records::RecordBytes& r) {
    for (const Leaf& leaf : records::leavesOf(*r.format).all) {
        if (!leaf.field) continue;
        const core::Field& f = *leaf.field;
        if (leaf.kind == LeafKind::Text) {
            const auto start = r.bytes.begin() + static_cast<std::ptrdiff_t>(leaf.at);
            if (std::find(start, start + static_cast<std::ptrdiff_t>(leaf.size), 0) ==
                start + static_cast<std::ptrdiff_t>(leaf.size))
                findings.error(path, record, leaf.name,
                               "the text fills all " + std::to_string(leaf.size) + " bytes of its field with no NUL");
            continue;
        }
        if (leaf.kind != LeafKind::Number && leaf.kind != LeafKind::Bits) continue;
        const std::int64_t value = records::readLeaf(leaf, r.bytes).number;
        if (f.ranged() && (value < f.low || value > f.high))
            findings.error(path, record, leaf.name,
                           "the value " + std::to_string(value) + " is outside " + rangeText(f));
        else if (f.onlyMeanings && !hasMeaning(f, value))
            findings.error(path, record, leaf.name,
                           "the value " + std::to_string(value) + " means nothing; expected " + meaningsText(f));
    }
}

}  // namespace

void checkRecords(Findings& findings, std::string_view path, const records::FileKind& kind,
                  const records::FileContent& content, std::size_t fileSize) {
    checkLength(findings, path, kind, content, fileSize);
    checkCounts(findings, path, content);
    for (std::size_t p = 0; p < content.parts.size(); ++p)
        for (std::size_t i = 0; i < content.parts[p].records.size(); ++i) {
            const records::RecordBytes& r = content.parts[p].records[i];
            if (!r.cut()) checkLeaves(findings, path, recordLabel(content, p, i), r);
        }
}

}  // namespace kestrel::check
