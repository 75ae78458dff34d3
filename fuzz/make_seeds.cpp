// Writes small valid pictures of every kind as seed corpora:
//   make_seeds DIR  ->  DIR/pcx, DIR/bmp, DIR/gif, DIR/icon, DIR/open (all of them)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "picture_writers.hpp"

namespace fs = std::filesystem;
using namespace kestrel::pictures::peer;

namespace {

fs::path root;

void save(const std::string& kind, const std::string& name, const Bytes& bytes) {
    for (const std::string& dir : {kind, std::string("open")}) {
        fs::create_directories(root / dir);
        std::ofstream(root / dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
}

RgbImage rgbPattern(int w, int h) {
    RgbImage img{w, h, {}};
    Lcg rng(static_cast<std::uint32_t>(w * 31 + h));
    for (int i = 0; i < w * h; ++i)
        img.pixels.push_back({std::uint8_t(rng.below(256)), std::uint8_t(rng.below(256)), std::uint8_t(rng.below(256))});
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    root = argv[1];

    save("pcx", "mono_13x7.pcx", writePcx(patternImage(13, 7, 2, 1), 1, 1));
    save("pcx", "planes4_17x9.pcx", writePcx(patternImage(17, 9, 16, 2), 1, 4));
    save("pcx", "planes2_10x4.pcx", writePcx(patternImage(10, 4, 4, 3), 1, 2));
    save("pcx", "bits2_9x5.pcx", writePcx(patternImage(9, 5, 4, 4), 2, 1));
    save("pcx", "bits4_11x6.pcx", writePcx(patternImage(11, 6, 16, 5), 4, 1));
    save("pcx", "bits8_19x11.pcx", writePcx(patternImage(19, 11, 256, 6), 8, 1));
    save("pcx", "bits8_1x1.pcx", writePcx(patternImage(1, 1, 256, 7), 8, 1));
    save("pcx", "bits8_runs_70x3.pcx", writePcx(patternImage(70, 3, 2, 8), 8, 1));
    save("pcx", "bits8_wide_300x4.pcx", writePcx(patternImage(300, 4, 3, 9), 8, 1));
    save("pcx", "bits8_padded_301x3.pcx", writePcx(patternImage(301, 3, 256, 10), 8, 1, 5));

    save("bmp", "bits1_13x7.bmp", writeBmp(patternImage(13, 7, 2, 11), 1));
    save("bmp", "bits4_9x5.bmp", writeBmp(patternImage(9, 5, 16, 12), 4));
    save("bmp", "bits8_7x3.bmp", writeBmp(patternImage(7, 3, 256, 13), 8));
    save("bmp", "bits8_1x1.bmp", writeBmp(patternImage(1, 1, 256, 14), 8));
    save("bmp", "bits24_5x3.bmp", writeBmpTrueColour(rgbPattern(5, 3), 24));
    save("bmp", "bits32_3x2.bmp", writeBmpTrueColour(rgbPattern(3, 2), 32));

    save("gif", "plain_13x7.gif", writeGif(patternImage(13, 7, 256, 21)));
    save("gif", "interlaced_17x13.gif", writeGif(patternImage(17, 13, 256, 22), {.interlaced = true}));
    save("gif", "clears_15x9.gif", writeGif(patternImage(15, 9, 8, 23), {.minCodeSize = 3, .clearEvery = 5}));
    save("gif", "code2_11x5.gif", writeGif(patternImage(11, 5, 4, 24), {.minCodeSize = 2}));
    save("gif", "code5_9x9.gif", writeGif(patternImage(9, 9, 32, 25), {.minCodeSize = 5, .interlaced = true}));
    save("gif", "code8_full_table_64x64.gif", writeGif(patternImage(64, 64, 256, 26)));
    save("gif", "extensions_7x3.gif",
         writeGif(patternImage(7, 3, 256, 27), {.graphicControl = true, .comment = true}));
    save("gif", "local_table_9x7.gif",
         writeGif(patternImage(9, 7, 16, 29), {.minCodeSize = 4, .tableBits = 4, .localTable = true}));
    save("gif", "old_version_5x5.gif", writeGif(patternImage(5, 5, 256, 28), {.version = "GIF87a"}));

    save("icon", "bits4_32x32.ico", writeIcon(patternImage(32, 32, 16, 31), 4));
    save("icon", "bits8_32x32.ico", writeIcon(patternImage(32, 32, 256, 32), 8));
    std::vector<bool> holes(32 * 32);
    for (std::size_t i = 0; i < holes.size(); i += 3) holes[i] = true;
    save("icon", "masked_32x32.ico", writeIcon(patternImage(32, 32, 16, 34), 4, holes));
    return 0;
}
