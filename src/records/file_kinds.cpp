#include "records/file_kinds.hpp"

#include <string>

#include "core/text_case.hpp"

namespace kestrel::records {

namespace {

template <class Visit>
const FileKind* firstKind(Visit visit) {
    for (const auto group : {datasetKinds(), scenarioKinds(), campaignKinds()})
        for (const FileKind& kind : group)
            if (visit(kind)) return &kind;
    return nullptr;
}

const FileKind* kindOfName(std::string_view name) {
    return firstKind([name](const FileKind& kind) {
        for (const std::string_view pattern : kind.names)
            if (!pattern.empty() && core::wildcardMatch(pattern, name)) return true;
        return false;
    });
}

}  // namespace

const FileKind* kindOfFile(std::string_view fileName) {
    const std::size_t slash = fileName.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    for (;;) {
        if (const FileKind* kind = kindOfName(name)) return kind;
        const std::size_t underscore = name.find('_');
        if (underscore == std::string_view::npos) return nullptr;
        name.remove_prefix(underscore + 1);
    }
}

const FileKind* kindNamed(std::string_view kindName) {
    return firstKind([kindName](const FileKind& kind) { return core::equalsNoCase(kind.name, kindName); });
}

std::string kindNames() {
    std::string out;
    firstKind([&out](const FileKind& kind) {
        if (!out.empty()) out += ' ';
        out += kind.name;
        return false;
    });
    return out;
}

const FileFormat& layoutFor(const FileKind& kind, std::size_t fileSize) {
    for (std::size_t i = 1; i < kind.layouts.size(); ++i)
        if (kind.layouts[i].head->size == fileSize) return kind.layouts[i];
    return kind.layouts.front();
}

const FileFormat* layoutNamed(const FileKind& kind, std::string_view formatName) {
    for (const FileFormat& layout : kind.layouts)
        if (layout.name == formatName) return &layout;
    return nullptr;
}

}  // namespace kestrel::records
