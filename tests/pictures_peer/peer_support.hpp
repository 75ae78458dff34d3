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

// The external converter, when it is installed.
std::optional<std::filesystem::path> findConverter();
// Runs the converter with `args` (already quoted); true on exit status 0.
bool runConverter(const std::string& args);

Bytes readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const Bytes& bytes);
void writePpm(const std::filesystem::path& path, const RgbImage& img);
std::optional<RgbImage> readPpm(const std::filesystem::path& path);

// A fresh folder per test, removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace kestrel::pictures::peer
