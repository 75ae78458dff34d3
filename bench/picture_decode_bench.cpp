// Decoding the same in-memory files with our decoders and with the
// reference decoder (GIF, 8-bit BMP), and PCX decoding of drawn art against
// a plain copy of the decoded size.
#include <stb/stb_image.h>

#include <cstring>
#include <memory>

#include "pictures/bench_pictures.hpp"
#include "pictures/picture.hpp"
#include "ratio_reporter.hpp"

namespace {

using namespace kestrel;
using pictures::PictureKind;
using pictures::peer::Bytes;

const Bytes& gifFile() {
    static const Bytes file = pictures::peer::writeGif(bench::photoLike(1024, 768, 1));
    return file;
}
const Bytes& bmpFile() {
    static const Bytes file = pictures::peer::writeBmp(bench::photoLike(1024, 768, 2), 8);
    return file;
}
const Bytes& pcxFile() {
    static const Bytes file = pictures::peer::writePcx(bench::drawnLike(1024, 1024, 3), 8, 1);
    return file;
}
const Bytes& noisyPcxFile() {
    static const Bytes file = pictures::peer::writePcx(bench::photoLike(1024, 1024, 4), 8, 1);
    return file;
}

// Header and pixels, as a picture's Load reads them.
void decodeOurs(benchmark::State& state, PictureKind kind, const Bytes& file) {
    const auto display = pictures::Display::trueColour();
    for (auto _ : state) {
        const auto header = pictures::readPictureHeader(kind, file, display);
        if (!header) {
            state.SkipWithError("the file did not open");
            return;
        }
        pictures::PixelData pixels = pictures::decodePixels(*header, file);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}

void decodeReference(benchmark::State& state, const Bytes& file) {
    for (auto _ : state) {
        int w = 0, h = 0, channels = 0;
        stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &w, &h, &channels, 0);
        if (!pixels) {
            state.SkipWithError("the reference did not decode the file");
            return;
        }
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}

void OurGifDecode(benchmark::State& state) { decodeOurs(state, PictureKind::Gif, gifFile()); }
void ReferenceGifDecode(benchmark::State& state) { decodeReference(state, gifFile()); }
void OurBmpDecode(benchmark::State& state) { decodeOurs(state, PictureKind::Bmp, bmpFile()); }
void ReferenceBmpDecode(benchmark::State& state) { decodeReference(state, bmpFile()); }
void OurPcxDecode(benchmark::State& state) { decodeOurs(state, PictureKind::Pcx, pcxFile()); }
// Noise leaves few runs: reported for scale, with no limit.
void OurNoisyPcxDecode(benchmark::State& state) { decodeOurs(state, PictureKind::Pcx, noisyPcxFile()); }

// What decoding can at best approach: the decoded bytes copied into fresh
// (not zeroed) memory.
void PlainCopyOfPcxSize(benchmark::State& state) {
    const std::size_t size = 1024 * 1024;
    const core::Bytes source(size, 0x5A);
    for (auto _ : state) {
        const std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size]);
        std::memcpy(copy.get(), source.data(), size);
        benchmark::DoNotOptimize(copy.get());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

BENCHMARK(OurGifDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(ReferenceGifDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(OurBmpDecode)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReferenceBmpDecode)->Unit(benchmark::kMicrosecond);
BENCHMARK(OurPcxDecode)->Unit(benchmark::kMicrosecond);
BENCHMARK(OurNoisyPcxDecode)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainCopyOfPcxSize)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return kestrel::bench::runWithRatios(argc, argv,
                                         {{"OurGifDecode", "ReferenceGifDecode", 1.0},
                                          {"OurBmpDecode", "ReferenceBmpDecode", 1.0},
                                          {"OurPcxDecode", "PlainCopyOfPcxSize", 4.0}});
}
