#include "textx/data_import.hpp"

#include <algorithm>
#include <unordered_set>

#include "core/background_replacer.hpp"
#include "core/cp1252.hpp"
#include "core/text_case.hpp"
#include "datasets/catalogue.hpp"
#include "textx/po_reader.hpp"
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

std::string folded(std::string text) {
    for (char& c : text) c = core::foldCase(c);
    return text;
}

// One record file between its "#ID:" line and the next one.
struct OpenRecord {
    std::string path;
    core::FolderFile file;
    std::size_t length = 0;  // as read: an earlier layout is known by it
    bool changed = false;
};

class DataImport {
public:
    explicit DataImport(const core::DataRoot& root) : root_(root) {}

    // From here on, tags go to the record file that `idPath` names.
    void record(std::string_view idPath) {
        close();
        path_ = std::string(idPath);
    }
    // The path stays across banners, as the file's grammar has it; it is
    // checked against the section of each tag.
    void banner() { close(); }

    void apply(const DataSection& section, const DataTag& tag, std::string_view text) {
        if (text.empty()) return;
        if (!tried_) open(section);
        if (!record_) return;
        const FieldAt at = fieldIn(section, tag, record_->length);
        record_->changed |= putText(record_->file.bytes, at.offset, at.size, tag.limit, text, recordSize(section));
    }

    void refuse(std::string context) { result_.unencodable.push_back(std::move(context)); }
    const std::string& path() const { return path_; }

    ImportResult finish() {
        close();
        folder_.reset();
        const std::vector<bool> outcomes = writes_.outcomes();
        for (std::size_t i = 0; i < queued_.size(); ++i)
            (outcomes[i] ? result_.written : result_.failed).push_back(std::move(queued_[i]));
        result_.opened = true;
        return std::move(result_);
    }

private:
    // A path outside the section's files, or a file that cannot be read,
    // leaves every tag up to the next "#ID:" line unapplied.
    void open(const DataSection& section) {
        tried_ = true;
        const auto path = sectionRecordFile(section, path_);
        if (!path) return;
        const std::size_t cut = path->rfind('\\');
        const std::string folder = path->substr(0, cut);
        // One section's files share a folder: it is looked up once.
        if (!folder_ || !core::equalsNoCase(folder, folderPath_)) {
            folder_ = root_.openFolder(folder);
            folderPath_ = folder;
        }
        if (!folder_) return;
        // A file named twice is read again only once its first changes are in.
        if (queuedPaths_.contains(folded(*path))) writes_.wait();
        auto file = folder_->read(path->substr(cut + 1), recordSize(section));
        if (!file) return;
        const std::size_t length = file->bytes.size();
        record_ = OpenRecord{*path, std::move(*file), length};
    }

    void close() {
        if (record_ && record_->changed) {
            writes_.replace(folder_, std::move(record_->file));
            queuedPaths_.insert(folded(record_->path));
            queued_.push_back(std::move(record_->path));
        }
        record_.reset();
        tried_ = false;
    }

    const core::DataRoot& root_;
    ImportResult result_;
    std::string path_;
    bool tried_ = false;
    std::optional<OpenRecord> record_;
    std::string folderPath_;
    std::shared_ptr<const core::FolderFiles> folder_;
    core::BackgroundReplacer writes_;
    std::vector<std::string> queued_;              // the paths of what `writes_` replaces
    std::unordered_set<std::string> queuedPaths_;  // folded
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

ImportResult importDataText(const core::DataRoot& root, std::string_view text) {
    DataImport import(root);
    TextReader reader(text);
    while (const auto line = reader.next()) {
        if (line->kind == LineKind::Banner) {
            import.banner();
        } else if (line->kind == LineKind::Id) {
            import.record(line->path);
        } else if (const DataSection* section = sectionNumbered(reader.section())) {
            if (const DataTag* tag = findTag(*section, line->tag.spelled()))
                import.apply(*section, *tag, line->tag.text);
        }
    }
    return import.finish();
}

ImportResult importDataPo(const core::DataRoot& root, std::string_view po) {
    DataImport import(root);
    for (const PoTranslation& entry : poTranslations(po)) {
        const auto context = core::utf8ToCp1252(entry.context);
        if (!context) continue;  // names no record file
        const auto [path, name] = splitPoContext(*context);
        for (const DataSection& section : dataSections()) {
            if (!sectionRecordFile(section, path)) continue;
            // Captured by copy: clang before 16 cannot capture a structured binding.
            const auto tag = std::find_if(section.tags.begin(), section.tags.end(),
                                          [name = name](const DataTag& t) { return tagName(t.written) == name; });
            if (tag == section.tags.end()) break;
            const auto text = core::utf8ToCp1252(entry.text);
            if (!text) {
                import.refuse(*context);
                break;
            }
            if (path != import.path()) import.record(path);
            import.apply(section, *tag, *text);
            break;
        }
    }
    return import.finish();
}

ImportResult importDataFile(const core::DataRoot& root, const std::filesystem::path& file) {
    const auto bytes = readImportFile(file);
    if (!bytes) return {};
    return isPoFile(file) ? importDataPo(root, asText(*bytes)) : importDataText(root, asText(*bytes));
}

}  // namespace kestrel::textx
