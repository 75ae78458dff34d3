#include "sample/template_art.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "pcx_test_decoder.hpp"
#include "sample/item_sheet.hpp"
#include "sample/pcx_writer.hpp"
#include "support/temp_root.hpp"

namespace kestrel::sample {
namespace {

using kestrel::testing::TempRoot;
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

// Each file decodes to its picture as drawn; only sprites use the transparent
// colour, for their background.
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
        EXPECT_EQ(std::pair(img->width, img->height), std::pair(t.width, t.height));
        EXPECT_EQ(img->palette, templatePalette());
        EXPECT_EQ(img->pixels, t.draw(t.width, t.height).pixels);
        const std::set<std::uint8_t> colours(img->pixels.begin(), img->pixels.end());
        EXPECT_GT(colours.size(), 2u);
        if (kSprites.contains(t.name)) {
            EXPECT_EQ(img->at(0, 0), kTransparentIndex);
            EXPECT_EQ(img->at(t.width - 1, 0), kTransparentIndex);
            EXPECT_EQ(img->at(t.width - 1, t.height - 1), kTransparentIndex);
            EXPECT_LT(countColour(*img, kTransparentIndex), img->pixels.size());
        } else {
            EXPECT_EQ(countColour(*img, kTransparentIndex), 0u);
        }
    }
}

// Both writers of sample files: each file byte for byte and nothing else,
// again over a stale copy; into folders that exist in another case; false
// where a folder is a file and on a missing root.
TEST(SampleWriters, ReplaceReuseFoldersInAnyCaseAndFailWhereAFolderIsAFile) {
    struct Writer {
        bool (*write)(const core::DataRoot&);
        std::vector<std::pair<std::string, core::Bytes>> files;
        std::vector<std::string> otherCase;  // folders there before, one per run
        std::vector<std::string> blockers;   // a file where a folder goes, one per run
    };
    const Writer writers[]{
        {writeTemplatePictures, templatePictureFiles(), {"wsdata"}, {"WSDATA"}},
        {writeItemSheet, itemSheetFiles(), {"sets", "Sets/FANTASY"}, {"SETS", "SETS/Fantasy"}},
    };
    for (const auto& w : writers) {
        SCOPED_TRACE(w.files[0].first);
        std::vector<std::string> paths;
        for (auto [path, bytes] : w.files) {
            std::replace(path.begin(), path.end(), '\\', '/');
            paths.push_back(path);
        }
        {
            TempRoot t;
            ASSERT_TRUE(w.write(t.root()));
            EXPECT_EQ(t.files(), testing::treeOf(paths));
            for (std::size_t i = 0; i < paths.size(); ++i) EXPECT_EQ(t.read(paths[i]), w.files[i].second) << paths[i];
            t.write(paths[0], "stale");
            ASSERT_TRUE(w.write(t.root()));
            EXPECT_EQ(t.read(paths[0]), w.files[0].second);
        }
        for (const std::string& folder : w.otherCase) {
            TempRoot t;
            t.mkdir(folder);
            ASSERT_TRUE(w.write(t.root())) << folder;
            std::vector<std::string> there;
            for (const auto& p : paths) there.push_back(folder + p.substr(folder.size()));
            EXPECT_EQ(t.files(), testing::treeOf(there)) << folder;
        }
        for (const std::string& blocker : w.blockers) {
            TempRoot t;
            t.write(blocker, "not a folder");
            EXPECT_FALSE(w.write(t.root())) << blocker;
        }
        const TempRoot t;
        EXPECT_FALSE(w.write(core::DataRoot(t.path() / "missing")));
    }
}

}  // namespace
}  // namespace kestrel::sample
