#include "sample/template_art.hpp"

#include <gtest/gtest.h>

#include "sample_folder.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "pcx_test_decoder.hpp"
#include "sample/pcx_writer.hpp"

namespace fs = std::filesystem;

namespace kestrel::sample {
namespace {

using pcx_test::decodePcx8;

std::size_t countColour(const IndexedImage& img, std::uint8_t c) {
    return static_cast<std::size_t>(std::count(img.pixels.begin(), img.pixels.end(), c));
}

const std::set<std::string_view> kSprites{"ARMY", "FLAG", "SHIELD", "BONUS", "RUIN", "SITE"};

TEST(IndexedImageDrawing, ShapesClipAndCover) {
    IndexedImage img = IndexedImage::blank(8, 6, 0, {});
    ASSERT_EQ(img.pixels.size(), 48u);
    fillRect(img, -3, -3, 5, 5, 1);
    EXPECT_EQ(countColour(img, 1), 4u);
    frameRect(img, 4, 2, 6, 6, 2);  // right and bottom sides fall outside
    EXPECT_EQ(countColour(img, 2), 7u);
    img.set(8, 0, 3);
    img.set(0, -1, 3);
    EXPECT_EQ(countColour(img, 3), 0u);
    EXPECT_TRUE(IndexedImage::blank(-4, 3, 0, {}).pixels.empty());
}

TEST(TemplateArt, PaletteKeepsBlackAndUniqueMagenta) {
    const Palette& p = templatePalette();
    EXPECT_EQ(p[0], (Rgb{0, 0, 0}));
    EXPECT_EQ(p[kTransparentIndex], (Rgb{255, 0, 255}));
    EXPECT_EQ(std::count(p.begin(), p.end(), Rgb{255, 0, 255}), 1);
}

TEST(TemplateArt, TableNamesAndSizes) {
    const std::map<std::string_view, std::pair<int, int>> expected{
        {"CITY", {64, 64}}, {"TERR", {64, 64}},      {"BONUS", {32, 32}},     {"ARMY", {54, 54}},
        {"RUIN", {48, 48}}, {"SITE", {48, 48}},      {"ADVISOR", {120, 150}}, {"SHIELD", {32, 40}},
        {"FLAG", {32, 24}}, {"STRAT_S", {100, 125}}, {"STRAT_L", {200, 250}}, {"SCENARIO", {160, 120}},
    };
    std::map<std::string_view, std::pair<int, int>> actual;
    for (const TemplatePicture& t : templatePictures()) actual[t.name] = {t.width, t.height};
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(templatePictures().size(), expected.size());
}

TEST(TemplateArt, EveryFileDecodesToItsDeclaredPicture) {
    const auto files = templatePictureFiles();
    const auto table = templatePictures();
    ASSERT_EQ(files.size(), table.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const TemplatePicture& t = table[i];
        SCOPED_TRACE(std::string(t.name));
        EXPECT_EQ(files[i].first, "WSDATA\\" + std::string(t.name) + ".PCX");
        const auto img = decodePcx8(files[i].second);
        ASSERT_TRUE(img);
        EXPECT_EQ(img->width, t.width);
        EXPECT_EQ(img->height, t.height);
        EXPECT_EQ(img->palette, templatePalette());
        EXPECT_EQ(img->pixels, t.draw(t.width, t.height).pixels);
        const std::set<std::uint8_t> colours(img->pixels.begin(), img->pixels.end());
        EXPECT_GT(colours.size(), 2u);
    }
}

TEST(TemplateArt, OnlySpritesUseTheTransparentColour) {
    for (const TemplatePicture& t : templatePictures()) {
        SCOPED_TRACE(std::string(t.name));
        const IndexedImage img = t.draw(t.width, t.height);
        if (kSprites.contains(t.name)) {
            EXPECT_EQ(img.at(0, 0), kTransparentIndex);
            EXPECT_EQ(img.at(t.width - 1, 0), kTransparentIndex);
            EXPECT_EQ(img.at(t.width - 1, t.height - 1), kTransparentIndex);
            EXPECT_LT(countColour(img, kTransparentIndex), img.pixels.size());
        } else {
            EXPECT_EQ(countColour(img, kTransparentIndex), 0u);
        }
    }
}

using TemplateFolder = SampleFolder;

TEST_F(TemplateFolder, WritesEveryPicture) {
    const core::DataRoot root(dir_);
    ASSERT_TRUE(writeTemplatePictures(root));
    const auto files = templatePictureFiles();
    std::size_t written = 0;
    for (const auto& entry : fs::directory_iterator(dir_ / "WSDATA")) written += entry.is_regular_file();
    EXPECT_EQ(written, 12u);
    for (const auto& [path, bytes] : files) {
        const fs::path host = dir_ / "WSDATA" / path.substr(path.find('\\') + 1);
        const core::Bytes onDisk = readHost(host);
        ASSERT_FALSE(onDisk.empty()) << path;
        EXPECT_EQ(onDisk[0], 10) << path;
        EXPECT_EQ(onDisk, bytes) << path;
    }
    // Writing again replaces the files in place.
    EXPECT_TRUE(writeTemplatePictures(root));
}

TEST_F(TemplateFolder, ReusesFolderInAnyCase) {
    ASSERT_TRUE(fs::create_directory(dir_ / "wsdata"));
    ASSERT_TRUE(writeTemplatePictures(core::DataRoot(dir_)));
    EXPECT_TRUE(fs::exists(dir_ / "wsdata" / "CITY.PCX"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TemplateFolder, FailsWhenFolderIsAFile) {
    std::ofstream(dir_ / "WSDATA") << "not a folder";
    EXPECT_FALSE(writeTemplatePictures(core::DataRoot(dir_)));
    EXPECT_FALSE(writeTemplatePictures(core::DataRoot(dir_ / "missing")));
}

}  // namespace
}  // namespace kestrel::sample
