// A fresh data root per test, removed afterwards.
#pragma once
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <system_error>

#include "core/bytes.hpp"
#include "core/data_root.hpp"

namespace kestrel::testing {

// A new empty folder that no other test or run shares, whatever was left behind before.
inline std::filesystem::path makeUniqueTempDir(const std::string& prefix) {
    std::string name = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    if (!::mkdtemp(name.data()))
        throw std::filesystem::filesystem_error("mkdtemp", name, std::error_code(errno, std::generic_category()));
    return name;
}

// Every folder on the way to `files` and the files, as TempRoot::files() lists them.
inline std::vector<std::string> treeOf(const std::vector<std::string>& files) {
    std::set<std::string> out(files.begin(), files.end());
    for (const auto& f : files)
        for (auto slash = f.find('/'); slash != std::string::npos; slash = f.find('/', slash + 1))
            out.insert(f.substr(0, slash + 1));
    return {out.begin(), out.end()};
}

class TempRoot {
public:
    TempRoot() : path_(makeUniqueTempDir("kestrel-test-")), root_(path_) {}
    ~TempRoot() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& rel) const { return path_ / rel; }
    const core::DataRoot& root() const { return root_; }

    // Host-relative helpers with '/' separators, exact case.
    void write(const std::string& rel, const core::Bytes& bytes) const {
        const auto p = path_ / rel;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
    }
    void write(const std::string& rel, const std::string& text) const { write(rel, core::Bytes(text.begin(), text.end())); }
    core::Bytes read(const std::string& rel) const {
        std::ifstream in(path_ / rel, std::ios::binary);
        return core::Bytes(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const std::string& rel) const { return std::filesystem::exists(path_ / rel); }
    void mkdir(const std::string& rel) const { std::filesystem::create_directories(path_ / rel); }
    // Every file below the root, as relative paths, sorted.
    std::vector<std::string> files() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::recursive_directory_iterator(path_))
            out.push_back(e.path().lexically_relative(path_).string() + (e.is_directory() ? "/" : ""));
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    std::filesystem::path path_;
    core::DataRoot root_;
};

}  // namespace kestrel::testing
