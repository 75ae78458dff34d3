#include "core/data_root.hpp"

#include <algorithm>
#include <array>

#include "core/atomic_file.hpp"
#include "core/folder_files.hpp"
#include "core/host_file.hpp"
#include "core/text_case.hpp"

namespace fs = std::filesystem;

namespace kestrel::core {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::optional<std::string> findNoCase(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    if (fs::exists(dir / name, ec)) return name;
    std::optional<std::string> best;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().native();
        if (equalsNoCase(candidate, name) && (!best || lessNoCase(candidate, *best))) best = candidate;
    }
    return best;
}

bool isPortableFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
    }
    if (name.back() == '.' || name.back() == ' ') return false;
    // Device names are refused whatever extension follows them.
    const std::string_view stem = name.substr(0, name.find('.'));
    static constexpr std::array<std::string_view, 4> devices{"CON", "PRN", "AUX", "NUL"};
    for (const auto d : devices)
        if (equalsNoCase(stem, d)) return false;
    if (stem.size() == 4 && (startsWithNoCase(stem, "COM") || startsWithNoCase(stem, "LPT")) && stem[3] >= '1' &&
        stem[3] <= '9')
        return false;
    return true;
}

std::optional<std::vector<std::string>> splitGamePath(std::string_view path) {
    if (path.empty() || isSeparator(path.front())) return std::nullopt;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        const std::string_view part = path.substr(start, end - start);
        if (part == "..") return std::nullopt;
        if (part.find(':') != std::string_view::npos || part.find('\0') != std::string_view::npos)
            return std::nullopt;
        if (!part.empty() && part != ".") parts.emplace_back(part);
        start = end + 1;
    }
    if (parts.empty()) return std::nullopt;
    return parts;
}

DataRoot::DataRoot(fs::path root) : root_(std::move(root)) {}

std::optional<fs::path> DataRoot::resolve(std::string_view path) const {
    const auto parts = splitGamePath(path);
    if (!parts) return std::nullopt;
    fs::path current = root_;
    bool existing = true;
    for (const auto& part : *parts) {
        std::optional<std::string> found;
        if (existing) found = findNoCase(current, part);
        existing = found.has_value();
        current /= found ? *found : part;
    }
    return current;
}

bool DataRoot::isFile(std::string_view path) const {
    std::error_code ec;
    const auto p = resolve(path);
    return p && fs::is_regular_file(*p, ec);
}

bool DataRoot::isDirectory(std::string_view path) const {
    std::error_code ec;
    const auto p = resolve(path);
    return p && fs::is_directory(*p, ec);
}

std::optional<Bytes> DataRoot::read(std::string_view path, std::size_t maxBytes) const {
    const auto p = resolve(path);
    if (!p) return std::nullopt;
    return readHostFile(*p, maxBytes);
}

bool DataRoot::writeAtomic(std::string_view path, std::span<const std::uint8_t> bytes) const {
    const auto p = resolve(path);
    return p && writeHostFileAtomic(*p, bytes);
}

bool DataRoot::replaceStart(std::string_view path, std::span<const std::uint8_t> start) const {
    const auto p = resolve(path);
    return p && replaceHostFileStart(*p, start);
}

std::unique_ptr<FolderFiles> DataRoot::openFolder(std::string_view path) const {
    const auto p = resolve(path);
    return p ? FolderFiles::open(*p) : nullptr;
}

bool DataRoot::copy(std::string_view from, std::string_view to) const {
    const auto src = resolve(from);
    return src && copyFromHost(*src, to);
}

bool DataRoot::copyFromHost(const fs::path& from, std::string_view to, std::uint64_t limit, FileError* readError) const {
    const auto target = resolve(to);
    return target && copyHostFileAtomic(from, *target, limit, readError);
}

bool DataRoot::remove(std::string_view path) const {
    std::error_code ec;
    const auto p = resolve(path);
    if (!p) return false;
    // A link goes, not what it names; folders and special files stay.
    const auto status = fs::symlink_status(*p, ec);
    return (fs::is_regular_file(status) || fs::is_symlink(status)) && fs::remove(*p, ec);
}

bool DataRoot::makeDirectory(std::string_view path) const {
    std::error_code ec;
    const auto p = resolve(path);
    if (!p) return false;
    if (fs::is_directory(*p, ec)) return true;
    return fs::create_directory(*p, ec);
}

std::vector<std::string> DataRoot::listFiles(std::string_view pattern) const {
    std::vector<std::string> names;
    std::size_t cut = pattern.size();
    while (cut > 0 && !isSeparator(pattern[cut - 1])) --cut;
    const std::string_view mask = pattern.substr(cut);
    std::optional<fs::path> dir = cut == 0 ? std::optional<fs::path>(root_) : resolve(pattern.substr(0, cut));
    if (!dir || mask.empty()) return names;
    std::error_code ec;
    for (fs::directory_iterator it(*dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().native();
        if (wildcardMatch(mask, name) && it->is_regular_file(ec)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

std::vector<std::string> DataRoot::listDirectories(std::string_view folder) const {
    std::vector<std::string> names;
    const auto dir = resolve(folder);
    if (!dir) return names;
    std::error_code ec;
    for (fs::directory_iterator it(*dir, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec)) names.push_back(it->path().filename().native());
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

}  // namespace kestrel::core
