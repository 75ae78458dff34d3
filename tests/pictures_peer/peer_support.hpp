// What the differential tests share: our decoded pixels as colours, the
// reference decoders' output, and a scratch folder for files handed to the
// external converter.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "picture_writers.hpp"
#include "pictures/picture.hpp"
#include "support/temp_root.hpp"

namespace kestrel::pictures::peer {

// Our decoded data mapped through our palette, one colour per pixel.
// Nothing when an index falls outside the palette.
std::optional<RgbImage> coloursOf(const PictureHeader& header, const core::Bytes& data);

// readPictureHeader (true-colour display) + decodePixels + coloursOf.
struct OurDecode {
    PictureHeader header;
    RgbImage image;
};
std::optional<OurDecode> decodeOurs(PictureKind kind, const Bytes& file);

// The image's own colours, as a correct decoder must give them.
RgbImage expectedColours(const IndexedImage& img);

// The in-process reference decoder (GIF, BMP).
std::optional<RgbImage> decodeReference(const Bytes& file);

::testing::AssertionResult sameImage(const RgbImage& expected, const RgbImage& actual);

// Whether the external converter is installed.
bool haveConverter();

Bytes ppmOf(const RgbImage& img);
std::optional<RgbImage> readPpm(const Bytes& ppm);

// Tests of what the external converter writes or reads; skipped without it.
class WithConverter : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveConverter()) GTEST_SKIP() << "the convert program is not installed";
    }
    // The converter turns the scratch file `from` into `to`, written with the
    // converter's format prefix ("BMP3:", "ppm:", "" for the name's own);
    // the bytes of `to`, none when it fails.
    Bytes converted(const std::string& from, const std::string& options, const std::string& format,
                    const std::string& to);
    ::kestrel::testing::TempRoot dir_;
};

}  // namespace kestrel::pictures::peer
