#include <gtest/gtest.h>

#include "picture_files.hpp"

namespace kestrel::pictures {
namespace {

using testing::ScratchDir;

TEST(Detect, IconsNeedTheirLengthThenSignaturesDecide) {
    auto detect = [](const core::Bytes& start, std::uint64_t length) { return detectPictureKind(start, length); };
    const core::Bytes icon{0, 0, 1, 0, 1, 0, 32, 32};
    EXPECT_EQ(detect(icon, 766), PictureKind::Icon);
    EXPECT_EQ(detect(icon, 765), std::nullopt);
    EXPECT_EQ(detect({0, 0, 1, 0, 1, 0, 32, 16}, 766), std::nullopt);
    EXPECT_EQ(detect({'G', 'I', 'F', '8'}, 4), PictureKind::Gif);
    EXPECT_EQ(detect({'G', 'I', 'F', '9'}, 4), std::nullopt);
    EXPECT_EQ(detect({'B', 'M'}, 2), PictureKind::Bmp);
    EXPECT_EQ(detect({10, 5, 1}, 3), PictureKind::Pcx);
    EXPECT_EQ(detect({10, 5, 0}, 3), std::nullopt);
    EXPECT_EQ(detect({}, 0), std::nullopt);
}

TEST(Detect, ContentWinsOverTheName) {
    ScratchDir dir;
    testing::Bytes gif;
    gif.text("GIF89a").u16(1).u16(1).u8({0x80, 0, 0}).fill(6);  // screen, 2-entry table
    gif.u8({0x2C}).u16(0).u16(0).u16(1).u16(1).u8({0});         // 1 x 1 image
    gif.u8({2, 1, 0x0C, 0});                                    // codes clear, 1
    const auto picture = OpenPicture(dir.write("REALLY.PCX", gif));
    ASSERT_TRUE(picture);
    EXPECT_TRUE(dynamic_cast<GifPicture*>(picture.get()));
    EXPECT_TRUE(picture->opened());
    EXPECT_TRUE(picture->Load());

    core::Bytes shortIcon(765, 0);  // one byte short: nothing at all
    std::copy_n(core::Bytes{0, 0, 1, 0, 1, 0, 32, 32}.begin(), 8, shortIcon.begin());
    EXPECT_EQ(DetectPictureKind(dir.write("short.ico", shortIcon)), std::nullopt);
    EXPECT_EQ(OpenPicture(dir / "short.ico"), nullptr);
    EXPECT_EQ(OpenPicture(dir.write("text.pcx", core::Bytes{'h', 'i'})), nullptr);

    testing::Bytes bmp;  // recognised, but its headers are cut short
    const auto broken = OpenPicture(dir.write("broken.bmp", bmp.text("BM").fill(20)));
    ASSERT_TRUE(broken);
    EXPECT_FALSE(broken->opened());
    EXPECT_FALSE(broken->Load());
}

TEST(OpenPicture, MissingFilesTakeTheirKindFromTheEnding) {
    ScratchDir dir;
    const auto pcx = OpenPicture(dir / "missing.pcx");
    ASSERT_TRUE(pcx);
    EXPECT_EQ(pcx->kind(), PictureKind::Pcx);
    EXPECT_FALSE(pcx->opened());
    EXPECT_FALSE(pcx->Load());
    EXPECT_FALSE(pcx->Realize());
    Surface target(2, 2, kDialogFace);
    pcx->Draw(0, 0, 2, 2, target, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), kDialogFace);

    EXPECT_EQ(OpenPicture(dir / "MISSING.Gif")->kind(), PictureKind::Gif);
    EXPECT_EQ(OpenPicture(dir / "missing.ico")->kind(), PictureKind::Icon);
    EXPECT_EQ(OpenPicture(dir / "noextpcx")->kind(), PictureKind::Pcx);  // the last three characters
    EXPECT_EQ(OpenPicture(dir / (std::string(300, 'n') + "/deep.BMP"))->kind(), PictureKind::Bmp);
    EXPECT_EQ(OpenPicture(dir / "missing.TXT"), nullptr);
    EXPECT_EQ(OpenPicture("x"), nullptr);
}

TEST(PictureLoad, ReadsTheFileAnew) {
    ScratchDir dir;
    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};
    const auto path = dir.write("a.pcx", testing::pcx8(2, {{1, 2}}, {{}, red, green}));
    const auto picture = OpenPicture(path);
    ASSERT_TRUE(picture && picture->Load());
    EXPECT_EQ(picture->shown().pixel(1, 0), green);

    // Same layout, new pixels and colours: taken.
    dir.write("a.pcx", testing::pcx8(2, {{2, 1}}, {{}, red, blue}));
    ASSERT_TRUE(picture->Load());
    EXPECT_EQ(picture->shown().pixels(), (std::vector{blue, red}));

    // Another size no longer matches what was opened; nothing is drawn.
    dir.write("a.pcx", testing::pcx8(4, {{1, 1, 1, 1}}, {{}, red}));
    EXPECT_FALSE(picture->Load());
    Surface target(2, 1, kDialogFace);
    picture->Draw(0, 0, 2, 1, target, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), kDialogFace);

    dir.write("a.pcx", testing::pcx8(2, {{1, 2}}, {{}, red, green}));
    EXPECT_TRUE(picture->Load());
    std::filesystem::remove(path);
    EXPECT_FALSE(picture->Load());
}

}  // namespace
}  // namespace kestrel::pictures
