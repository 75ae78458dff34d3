#include "records/root_json.hpp"

#include <algorithm>
#include <cerrno>
#include <variant>

#include "core/atomic_file.hpp"
#include "core/background_replacer.hpp"
#include "core/host_file.hpp"
#include "core/text_case.hpp"
#include "records/file_json.hpp"
#include "records/file_kinds.hpp"

namespace kestrel::records {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kJson = ".json";

// Regular files below `dir`, relative, in a reproducible order; what is not a
// regular file is skipped, links included, and reported.
std::vector<fs::path> filesBelow(const fs::path& dir, TreeReport& report) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        // The type the folder listing gave, where it gave one: no call per file.
        const bool link = it->is_symlink(ec);
        if (!link && it->is_directory(ec)) continue;
        const fs::path relative = it->path().lexically_relative(dir);
        if (!link && it->is_regular_file(ec))
            files.push_back(relative);
        else
            report.skipped.push_back(relative.generic_string() + ": not a regular file");
    }
    if (ec) report.errors.push_back(dir.string() + ": " + ec.message());
    std::sort(files.begin(), files.end());
    return files;
}

bool endsWithJson(const fs::path& file) {
    const std::string name = file.filename().string();
    return name.size() > kJson.size() &&
           core::equalsNoCase(std::string_view(name).substr(name.size() - kJson.size()), kJson);
}

std::string gamePath(const fs::path& relative) {
    std::string path;
    for (const fs::path& part : relative) {
        if (!path.empty()) path += '\\';
        path += part.string();
    }
    return path;
}

bool makeFolders(const core::DataRoot& root, const fs::path& relative) {
    fs::path folder;
    for (const fs::path& part : relative.parent_path()) {
        folder /= part;
        if (!root.makeDirectory(gamePath(folder))) return false;
    }
    return true;
}

// The tree is made from the root and can be made again, so nothing waits for
// the disk: a new file is written in place, an old one is replaced whole for
// its readers, or left as it is, its time too, when it holds these bytes.
bool writeTreeFile(const fs::path& target, std::span<const std::uint8_t> bytes) {
    if (core::writeNewHostFile(target, bytes)) return true;
    if (errno != EEXIST) return false;
    const auto old = core::readWholeHostFile(target, bytes.size());
    if (old && std::equal(old->begin(), old->end(), bytes.begin(), bytes.end())) return true;
    return core::writeHostFileAtomic(target, bytes, core::Sync::ForReaders);
}

// The JSON files, written on background threads while the root is read on.
class TreeWrites {
public:
    void write(fs::path target, std::string json) {
        writes_.queue([target, json = std::move(json)] {
            return writeTreeFile(target, {reinterpret_cast<const std::uint8_t*>(json.data()), json.size()});
        });
        targets_.push_back(std::move(target));
    }

    // Waits for them all.
    void reportFailures(TreeReport& report) {
        const std::vector<bool> outcomes = writes_.outcomes();
        for (std::size_t i = 0; i < outcomes.size(); ++i)
            if (!outcomes[i]) report.errors.push_back(targets_[i].string() + ": cannot be written");
    }

private:
    core::BackgroundReplacer writes_;
    std::vector<fs::path> targets_;  // in the order queued
};

struct Converted {
    fs::path target;  // relative to the root
    core::Bytes bytes;
    fs::path copiedFrom;  // empty: bytes were converted
};

}  // namespace

TreeReport rootToJson(const fs::path& root, const fs::path& dir) {
    TreeReport report;
    TreeWrites writes;
    fs::path folder;  // made last; the files come folder by folder
    for (const fs::path& relative : filesBelow(root, report)) {
        const FileKind* kind = kindOfFile(relative.filename().string());
        core::FileError why = core::FileError::None;
        const auto bytes = core::readWholeHostFile(root / relative, kind ? kLargestConvertedFile : UINT64_MAX, &why);
        std::error_code ec;
        if ((dir / relative).parent_path() != folder) {
            folder = (dir / relative).parent_path();
            fs::create_directories(folder, ec);
        }
        if (kind && bytes) {
            fs::path target = dir / relative;
            target += kJson;
            writes.write(std::move(target), fileToJson(*kind, *bytes));
            ++report.converted;
            continue;
        }
        if (!bytes && why != core::FileError::TooLarge) {
            report.errors.push_back(relative.generic_string() + ": " + std::string(core::describe(why)));
            continue;
        }
        if (!fs::copy_file(root / relative, dir / relative, fs::copy_options::overwrite_existing, ec))
            report.errors.push_back((dir / relative).string() + ": " + ec.message());
        ++report.copied;
    }
    writes.reportFailures(report);
    return report;
}

TreeReport rootFromJson(const fs::path& dir, const core::DataRoot& root) {
    TreeReport report;
    std::vector<Converted> plan;
    for (const fs::path& relative : filesBelow(dir, report)) {
        const fs::path target = endsWithJson(relative) ? fs::path(relative).replace_extension() : relative;
        const FileKind* kind = endsWithJson(relative) ? kindOfFile(target.filename().string()) : nullptr;
        if (!kind) {
            plan.push_back({relative, {}, dir / relative});
            continue;
        }
        core::FileError why = core::FileError::None;
        const auto json = core::readWholeHostFile(dir / relative, kLargestConvertedFile * 8, &why);
        if (!json) {
            report.errors.push_back(relative.generic_string() + ": " + std::string(core::describe(why)));
            continue;
        }
        auto bytes = fileFromJson(*kind, {reinterpret_cast<const char*>(json->data()), json->size()});
        if (const auto* refusal = std::get_if<JsonRefusal>(&bytes))
            report.errors.push_back(relative.generic_string() + ": " + describe(*refusal));
        else
            plan.push_back({target, std::move(std::get<core::Bytes>(bytes)), {}});
    }
    // Two files of the tree for one file of the root: which one is meant?
    std::sort(plan.begin(), plan.end(), [](const Converted& a, const Converted& b) { return a.target < b.target; });
    for (std::size_t i = 1; i < plan.size(); ++i)
        if (core::equalsNoCase(plan[i - 1].target.generic_string(), plan[i].target.generic_string()))
            report.errors.push_back(plan[i].target.generic_string() + ": given twice in the tree");
    if (!report.ok()) return report;
    fs::path folder;  // made last; the plan goes folder by folder
    for (const Converted& c : plan) {
        const std::string path = gamePath(c.target);
        if (c.target.parent_path() != folder && makeFolders(root, c.target)) folder = c.target.parent_path();
        const bool written =
            c.target.parent_path() == folder &&
            (c.copiedFrom.empty() ? root.writeAtomic(path, c.bytes) : root.copyFromHost(c.copiedFrom, path));
        if (!written) report.errors.push_back(c.target.generic_string() + ": cannot be written");
        ++(c.copiedFrom.empty() ? report.converted : report.copied);
    }
    return report;
}

}  // namespace kestrel::records
