// A fresh folder for the tests that write sample files, and a reader of
// host files for checking what landed there.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/bytes.hpp"
#include "support/temp_root.hpp"

namespace kestrel::sample {

class SampleFolder : public ::testing::Test {
protected:
    static core::Bytes readHost(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    kestrel::testing::TempRoot temp_;
    const std::filesystem::path dir_ = temp_.path();
};

}  // namespace kestrel::sample
