#include "textx/data_export.hpp"

#include <array>

#include "core/atomic_file.hpp"
#include "core/host_file.hpp"
#include "core/record_fields.hpp"
#include "textx/po_file.hpp"
#include "textx/text_format.hpp"

namespace kestrel::textx {

namespace {

constexpr std::array<std::string_view, 4> kBeginning{"//", "// Main Text Data File for Kestrel III", "//", "//"};

// The "#ID:" line ends at a blank when read back, and a separator would name another file.
bool carriesName(std::string_view name) {
    return core::isPortableFileName(name) && name.find(' ') == std::string_view::npos;
}

void writeRecord(TextWriter& out, const DataSection& section, const RecordTexts& record) {
    out.indented(section.indent, std::string(section.idTag) + record.path);
    for (std::size_t i = 0; i < section.tags.size(); ++i) {
        const DataTag& tag = section.tags[i];
        out.tag(section.indent, tag.written, record.texts[i], section.locTag);
        if (tag.blankAfter) out.blank();
    }
    for (const std::string_view note : section.notes) out.indented(section.indent, note);
    out.blank(2);
}

}  // namespace

void forEachRecord(const core::DataRoot& root, const DataSection& section,
                   const std::function<void(const RecordTexts&)>& visit) {
    // The folder is resolved once and its files read by the names it lists:
    // resolving every record's path again would double the cost of a large export.
    const auto folder = root.resolve(datasets::info(section.kind).directory);
    if (!folder) return;
    const std::size_t size = recordSize(section);
    RecordTexts record;
    for (const std::string& name : root.listFiles(recordPattern(section))) {
        if (!carriesName(name)) continue;
        const auto bytes = core::readHostFile(*folder / name, size);
        if (!bytes) continue;
        const core::RecordReader reader(*bytes);
        record.path = idPath(section, name);
        record.texts.clear();
        for (const DataTag& tag : section.tags) {
            const FieldAt at = fieldIn(section, tag, bytes->size());
            record.texts.push_back(reader.text(at.offset, at.size));
        }
        visit(record);
    }
}

std::string dataSetText(const core::DataRoot& root) {
    TextWriter out;
    for (const std::string_view line : kBeginning) out.line(line);
    out.blank(2);
    for (const DataSection& section : dataSections()) {
        out.banner(section.title);
        forEachRecord(root, section, [&](const RecordTexts& record) { writeRecord(out, section, record); });
        out.blank(2);
    }
    return out.take();
}

bool exportDataSets(const core::DataRoot& root) {
    const std::string text = dataSetText(root);
    return root.writeAtomic(kDataTextFile, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::string dataSetPo(const core::DataRoot& root) {
    PoWriter out("KS_Data");
    for (const DataSection& section : dataSections())
        forEachRecord(root, section, [&](const RecordTexts& record) {
            for (std::size_t i = 0; i < section.tags.size(); ++i)
                out.entry(poContext(record.path, section.tags[i].written), record.texts[i], section.tags[i].limit);
        });
    return out.take();
}

bool exportDataSetsPo(const core::DataRoot& root, const std::filesystem::path& out) {
    const std::string text = dataSetPo(root);
    return core::writeHostFileAtomic(out, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace kestrel::textx
