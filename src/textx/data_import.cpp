#include "textx/data_import.hpp"

#include "core/text_case.hpp"
#include "datasets/catalogue.hpp"
#include "textx/text_format.hpp"
#include "textx/text_reader.hpp"

namespace kestrel::textx {

namespace {

const DataSection* sectionNumbered(int number) {
    const auto sections = dataSections();
    return number >= 1 && static_cast<std::size_t>(number) <= sections.size() ? &sections[number - 1] : nullptr;
}

const DataTag* findTag(const DataSection& section, std::string_view spelled) {
    for (const DataTag& tag : section.tags)
        if (bareTag(tag.written) == spelled) return &tag;
    return nullptr;
}

// One record file between its "#ID:" line and the next one.
struct OpenRecord {
    std::string path;
    core::Bytes bytes;
    std::size_t length = 0;  // as read: an earlier layout is known by it
    bool changed = false;
};

class DataImport {
public:
    explicit DataImport(const core::DataRoot& root) : root_(root) {}

    ImportResult run(std::string_view text) {
        result_.opened = true;
        TextReader reader(text);
        while (const auto line = reader.next()) {
            if (line->kind == LineKind::Tag) {
                apply(reader.section(), line->tag);
                continue;
            }
            close();
            // The path stays across banners, as the file's grammar has it;
            // it is checked against the section of each tag.
            if (line->kind == LineKind::Id) path_ = std::string(line->path);
        }
        close();
        return std::move(result_);
    }

private:
    void apply(int sectionNumber, const TagLine& tag) {
        if (tag.text.empty()) return;
        const DataSection* section = sectionNumbered(sectionNumber);
        const DataTag* field = section ? findTag(*section, tag.spelled()) : nullptr;
        if (!field) return;
        if (!tried_) open(*section);
        if (!record_) return;
        const FieldAt at = fieldIn(*section, *field, record_->length);
        record_->changed |= putText(record_->bytes, at.offset, at.size, field->limit, tag.text, recordSize(*section));
    }

    // A path outside the section's files, or a file that cannot be read,
    // leaves every tag up to the next "#ID:" line unapplied.
    void open(const DataSection& section) {
        tried_ = true;
        const auto path = sectionRecordFile(section, path_);
        if (!path) return;
        auto bytes = root_.read(*path, recordSize(section));
        if (!bytes) return;
        const std::size_t length = bytes->size();
        record_ = OpenRecord{*path, std::move(*bytes), length};
    }

    void close() {
        if (record_ && record_->changed) {
            if (root_.writeAtomic(record_->path, record_->bytes))
                result_.written.push_back(record_->path);
            else
                result_.failed.push_back(record_->path);
        }
        record_.reset();
        tried_ = false;
    }

    const core::DataRoot& root_;
    ImportResult result_;
    std::string path_;
    bool tried_ = false;
    std::optional<OpenRecord> record_;
};

}  // namespace

std::optional<std::string> sectionRecordFile(const DataSection& section, std::string_view idPath) {
    const std::string_view folder = datasets::info(section.kind).directory;
    const auto parts = core::splitGamePath(idPath);
    const auto folderParts = core::splitGamePath(folder);
    if (!parts || !folderParts || parts->size() != folderParts->size() + 1) return std::nullopt;
    for (std::size_t i = 0; i < folderParts->size(); ++i)
        if (!core::equalsNoCase((*parts)[i], (*folderParts)[i])) return std::nullopt;
    const std::string& name = parts->back();
    const std::string pattern = recordPattern(section);
    const std::string_view mask = std::string_view(pattern).substr(pattern.rfind('\\') + 1);
    if (!core::isPortableFileName(name) || !core::wildcardMatch(mask, name)) return std::nullopt;
    return std::string(folder) + '\\' + name;
}

ImportResult importDataText(const core::DataRoot& root, std::string_view text) { return DataImport(root).run(text); }

ImportResult importDataFile(const core::DataRoot& root, const std::filesystem::path& file) {
    const auto bytes = readImportFile(file);
    if (!bytes) return {};
    return importDataText(root, asText(*bytes));
}

}  // namespace kestrel::textx
