#include "textx/data_import.hpp"

#include <set>

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

// The tag of a PO context: "LVL0".
const DataTag* tagNamed(const DataSection& section, std::string_view name) {
    for (const DataTag& tag : section.tags)
        if (tagName(tag.written) == name) return &tag;
    return nullptr;
}

// The section whose record files include `path`.
const DataSection* sectionOf(std::string_view path) {
    for (const DataSection& section : dataSections())
        if (sectionRecordFile(section, path)) return &section;
    return nullptr;
}

// One record file between its "#ID:" line and the next one.
struct OpenRecord {
    std::string path;
    core::FolderFile file;
    std::size_t length = 0;  // as read: an earlier layout is known by it
    std::size_t changes = 0;
};

// A record file handed to the writer, and the texts it carries.
struct Queued {
    std::string path;
    std::size_t changes;
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
        if (!record_) return result_.skip(missing_);
        const FieldAt at = fieldIn(section, tag, record_->length);
        if (putText(record_->file.bytes, at.offset, at.size, tag.limit, text, recordSize(section))) ++record_->changes;
    }

    void skip(Skip why) { result_.skip(why); }
    void refuse(std::string context) { result_.unencodable.push_back(std::move(context)); }
    const std::string& path() const { return path_; }

    ImportResult finish() {
        close();
        folder_.reset();
        const std::vector<bool> outcomes = writes_.outcomes();
        for (std::size_t i = 0; i < queued_.size(); ++i) {
            (outcomes[i] ? result_.written : result_.failed).push_back(std::move(queued_[i].path));
            if (outcomes[i]) result_.changed += queued_[i].changes;
        }
        result_.opened = true;
        return std::move(result_);
    }

private:
    // A path outside the section's files, or a file that cannot be read,
    // leaves every tag up to the next "#ID:" line unapplied.
    void open(const DataSection& section) {
        tried_ = true;
        missing_ = Skip::RefusedPath;
        const auto path = sectionRecordFile(section, path_);
        if (!path) return;
        missing_ = Skip::UnreadableFile;
        const std::size_t cut = path->rfind('\\');
        const std::string folder = path->substr(0, cut);
        // One section's files share a folder: it is looked up once.
        if (!folder_ || !core::equalsNoCase(folder, folderPath_)) {
            folder_ = root_.openFolder(folder);
            folderPath_ = folder;
        }
        if (!folder_) return;
        const std::string name = path->substr(cut + 1);
        auto file = folder_->read(name, recordSize(section));
        // A file named twice, in any case or through a link, is read again
        // once its first changes are in, so that they are not written over.
        if (file && queuedFiles_.contains(file->id)) {
            writes_.wait();
            queuedFiles_.clear();
            file = folder_->read(name, recordSize(section));
        }
        if (!file) return;
        const std::size_t length = file->bytes.size();
        record_ = OpenRecord{*path, std::move(*file), length};
    }

    void close() {
        if (record_ && record_->changes > 0) {
            queuedFiles_.insert(record_->file.id);
            writes_.replace(folder_, std::move(record_->file));
            queued_.push_back({std::move(record_->path), record_->changes});
        }
        record_.reset();
        tried_ = false;
    }

    const core::DataRoot& root_;
    ImportResult result_;
    std::string path_;
    bool tried_ = false;
    Skip missing_ = Skip::RefusedPath;  // why a record that was tried is missing
    std::optional<OpenRecord> record_;
    std::string folderPath_;
    std::shared_ptr<const core::FolderFiles> folder_;
    core::BackgroundReplacer writes_;
    std::vector<Queued> queued_;          // what `writes_` replaces
    std::set<core::FileId> queuedFiles_;  // of the replacements that may still be pending
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
        } else if (!line->tag.text.empty()) {
            const DataSection* section = sectionNumbered(reader.section());
            const DataTag* tag = section ? findTag(*section, line->tag.spelled()) : nullptr;
            if (tag)
                import.apply(*section, *tag, line->tag.text);
            else
                import.skip(Skip::UnknownTag);
        }
    }
    return import.finish();
}

ImportResult importDataPo(const core::DataRoot& root, std::string_view po) {
    const auto entries = poFileTranslations(po);
    if (!entries) return charsetRefused(poCharset(po));
    DataImport import(root);
    for (const PoTranslation& entry : *entries) {
        const auto context = core::utf8ToCp1252(entry.context);
        if (!context) {
            import.skip(Skip::UnknownTag);  // names no record file
            continue;
        }
        const auto [path, name] = splitPoContext(*context);
        const DataSection* section = sectionOf(path);
        const DataTag* tag = section ? tagNamed(*section, name) : nullptr;
        const auto text = core::utf8ToCp1252(entry.text);
        if (!tag) {
            import.skip(section ? Skip::UnknownTag : Skip::RefusedPath);
        } else if (!text) {
            import.refuse(*context);
        } else {
            if (path != import.path()) import.record(path);
            import.apply(*section, *tag, *text);
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
