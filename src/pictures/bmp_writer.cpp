#include <algorithm>
#include <vector>

#include "core/le.hpp"
#include "pictures/picture_writer.hpp"

namespace kestrel::pictures {

namespace {

constexpr std::size_t kHeaderSize = kBmpHeaderSize;
constexpr std::size_t kChunkBytes = 256 * 1024;
constexpr std::uint64_t kLargestFile = UINT32_MAX;  // the header holds the size in 32 bits

class BmpWriter final : public PictureWriter {
public:
    BmpWriter(int width, int height, ByteSink sink) : width_(width), height_(height), sink_(std::move(sink)) {}

    bool bottomUp() const override { return true; }

    bool rows(const Surface& band, int first, int count) override {
        if (!started_) {
            started_ = true;
            ok_ = sink_(bmpHeader(width_, height_));
        }
        // Rows go out gathered, a few hundred KB at a time, not one system call each.
        const std::size_t rowSize = bmpRowSize(width_);
        const int perChunk = static_cast<int>(std::max<std::size_t>(1, kChunkBytes / rowSize));
        for (int last = first + count - 1; ok_ && last >= first; last -= perChunk) {
            const int n = std::min(perChunk, last - first + 1);
            chunk_.assign(rowSize * static_cast<std::size_t>(n), 0);
            for (int i = 0; i < n; ++i) putRow(band, last - i, chunk_.data() + rowSize * static_cast<std::size_t>(i));
            ok_ = sink_(chunk_);
        }
        return ok_;
    }

    bool finish() override { return ok_ && started_; }

private:
    void putRow(const Surface& band, int y, std::uint8_t* to) const {
        const Rgb* from = band.pixels().data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        for (std::size_t x = 0; x < static_cast<std::size_t>(width_); ++x) {
            to[3 * x] = from[x].b;
            to[3 * x + 1] = from[x].g;
            to[3 * x + 2] = from[x].r;
        }
    }

    int width_, height_;
    ByteSink sink_;
    core::Bytes chunk_;
    bool started_ = false, ok_ = true;
};

}  // namespace

std::size_t bmpRowSize(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

core::Bytes bmpHeader(int width, int height) {
    const std::size_t imageSize = bmpRowSize(width) * static_cast<std::size_t>(height);
    core::Bytes out(kHeaderSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    core::putU32(out, 2, static_cast<std::uint32_t>(kHeaderSize + imageSize));
    core::putU32(out, 10, kHeaderSize);
    core::putU32(out, 14, 40);
    core::putS32(out, 18, width);
    core::putS32(out, 22, height);
    core::putU16(out, 26, 1);
    core::putU16(out, 28, 24);
    core::putU32(out, 34, static_cast<std::uint32_t>(imageSize));
    return out;
}

std::unique_ptr<PictureWriter> makeBmpWriter(int width, int height, ByteSink sink) {
    if (width <= 0 || height <= 0 ||
        kHeaderSize + bmpRowSize(width) * static_cast<std::uint64_t>(height) > kLargestFile)
        return nullptr;
    return std::make_unique<BmpWriter>(width, height, std::move(sink));
}

std::unique_ptr<PictureWriter> makePictureWriter(PictureFormat format, int width, int height, ByteSink sink) {
    return format == PictureFormat::Png ? makePngWriter(width, height, std::move(sink))
                                        : makeBmpWriter(width, height, std::move(sink));
}

}  // namespace kestrel::pictures
