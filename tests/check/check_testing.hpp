// A clean root (the sample's files) and faults planted in a copy of it: each
// plant must be found once, at its place, and nothing else.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/sample_root.hpp"
#include "check/check_root.hpp"
#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "core/finding.hpp"
#include "records/file_format.hpp"
#include "records/file_kinds.hpp"
#include "records/record_leaves.hpp"
#include "support/temp_root.hpp"

namespace kestrel::testing {

// The sample root, written once per test binary and copied for each plant.
inline const std::filesystem::path& cleanRoot() {
    static const TempRoot root;
    static const bool written = app::writeSampleRoot(root.root());
    if (!written) throw std::runtime_error("sample root not written");
    return root.path();
}

inline core::Bytes readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return core::Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::filesystem::path& file, const core::Bytes& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A record file of the root opened by its kind's layout, changed leaf by
// leaf ("side[2].armyTypes[0]", "production[1]") and written back.
class RecordEdit {
public:
    // `file` relative to the root with '/'; `kind` as --kind names it.
    RecordEdit(std::filesystem::path root, std::string file, std::string_view kind)
        : path_(root / file), kind_(records::kindNamed(kind)) {
        if (!kind_) throw std::runtime_error("no kind " + std::string(kind));
        const core::Bytes bytes = readBytes(path_);
        content_ = records::splitFile(records::layoutFor(*kind_, bytes.size()), bytes);
    }
    ~RecordEdit() { writeBytes(path_, records::joinFile(content_)); }

    RecordEdit& number(std::size_t part, std::size_t record, std::string_view leaf, std::int64_t value) {
        records::LeafValue v;
        v.number = value;
        return set(part, record, leaf, v);
    }
    RecordEdit& text(std::size_t part, std::size_t record, std::string_view leaf, std::string value) {
        records::LeafValue v;
        v.bytes = std::move(value);
        return set(part, record, leaf, v);
    }
    // Part 0's count record, for counted files.
    RecordEdit& count(std::size_t part, std::int64_t value) {
        records::RecordBytes& r = *content_.parts.at(part).count;
        records::LeafValue v;
        v.number = value;
        records::writeLeaf(*records::leavesOf(*r.format).find("count"), r.bytes, v);
        return *this;
    }
    records::FileContent& content() { return content_; }

private:
    RecordEdit& set(std::size_t part, std::size_t record, std::string_view leaf, const records::LeafValue& v) {
        records::RecordBytes& r = content_.parts.at(part).records.at(record);
        const records::Leaf* l = records::leavesOf(*r.format).find(leaf);
        if (!l) throw std::runtime_error("no leaf " + std::string(leaf));
        records::writeLeaf(*l, r.bytes, v);
        return *this;
    }

    std::filesystem::path path_;
    const records::FileKind* kind_;
    records::FileContent content_;
};

// One planted fault and the one finding it must give.
struct Plant {
    std::string name;  // for the test's output
    std::function<void(const std::filesystem::path& root)> plant;
    core::Finding expected;
};

inline std::ostream& operator<<(std::ostream& out, const Plant& p) { return out << p.name; }

// The findings of a fresh copy of the clean root with the plant in it.
inline std::vector<core::Finding> findingsWith(const Plant& p) {
    TempRoot copy;
    std::filesystem::copy(cleanRoot(), copy.path(), std::filesystem::copy_options::recursive);
    p.plant(copy.path());
    const check::CheckResult result = check::checkRoot(copy.path());
    EXPECT_TRUE(result.usable) << result.error;
    EXPECT_EQ(result.mostReads, 1u) << "a file was read twice";
    return result.findings;
}

inline core::Finding error(std::string path, std::string record, std::string field, std::string message) {
    return {std::move(path), std::move(record), std::move(field), core::Severity::Error, std::move(message)};
}
inline core::Finding warning(std::string path, std::string record, std::string field, std::string message) {
    return {std::move(path), std::move(record), std::move(field), core::Severity::Warning, std::move(message)};
}

// Each plant found once, at its place, with its message, and nothing else.
class PlantedFault : public ::testing::TestWithParam<Plant> {};

inline void expectFoundAlone(const Plant& p) {
    const std::vector<core::Finding> found = findingsWith(p);
    ASSERT_EQ(found.size(), 1u) << ::testing::PrintToString(found);
    EXPECT_EQ(found.front(), p.expected);
}

}  // namespace kestrel::testing

namespace kestrel::core {
inline void PrintTo(const Finding& f, std::ostream* out) { *out << findingLine(f); }
}  // namespace kestrel::core
