// Checks both PO exports share: how many entries a file holds, and that
// Debian's msgfmt accepts it.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_root.hpp"

namespace kestrel::textx {

inline std::size_t poEntries(const std::string& po) {
    std::size_t entries = 0;
    for (std::size_t at = 0; (at = po.find("\nmsgctxt ", at)) != std::string::npos; ++at) ++entries;
    return entries;
}

// Warnings on the header fields left for the translator's tool are fine; errors are not.
inline void expectMsgfmtAccepts(const kestrel::testing::TempRoot& t, const std::filesystem::path& po) {
    if (std::system("command -v msgfmt >/dev/null") != 0) GTEST_SKIP() << "msgfmt is not installed";
    const auto log = t.path() / "msgfmt.log";
    const auto said = [&] {
        const auto bytes = t.read("msgfmt.log");
        return std::string(bytes.begin(), bytes.end());
    };
    EXPECT_EQ(std::system(("msgfmt --check -o /dev/null '" + po.string() + "' 2>'" + log.string() + "'").c_str()), 0)
        << said();
}

}  // namespace kestrel::textx
