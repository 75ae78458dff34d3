// What the tests of record files share: the golden `show` texts and files of
// junk bytes.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "records/file_kinds.hpp"
#include "records/file_text.hpp"

namespace kestrel::records::testing {

inline const FileKind& kind(std::string_view name) {
    const FileKind* k = kindNamed(name);
    if (!k) throw std::runtime_error("no kind " + std::string(name));
    return *k;
}

// Bytes that are never all zero, the same for the same seed.
inline core::Bytes junk(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    core::Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random() | 1);
    return bytes;
}

// `show` of the file against golden/NAME.txt. With KESTREL_UPDATE_GOLDEN set
// the golden file is written instead: read it before committing it.
inline void expectShownAs(std::string_view kindName, const core::Bytes& file, std::string_view golden) {
    const std::string shown = showFile(kind(kindName), file);
    const std::string path = std::string(KESTREL_GOLDEN_DIR) + "/" + std::string(golden) + ".txt";
    if (std::getenv("KESTREL_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << shown;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << path;
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(shown, expected.str()) << "golden file " << path;
}

}  // namespace kestrel::records::testing
