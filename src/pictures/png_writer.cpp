#include <png.h>

#include <csetjmp>

#include "pictures/picture_writer.hpp"

namespace kestrel::pictures {

namespace {

static_assert(sizeof(Rgb) == 3, "a surface's row is a PNG row of 8-bit RGB as it is");

// Fastest deflate: a map picture is large, and speed matters more than the
// last tenth of its size. The Sub filter costs little and finds the runs of
// a tile's rows.
constexpr int kCompressionLevel = 1;

class PngWriter final : public PictureWriter {
public:
    PngWriter(int width, int height, ByteSink sink) : width_(width), height_(height), sink_(std::move(sink)) {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &PngWriter::fail, &PngWriter::warn);
        if (png_) info_ = png_create_info_struct(png_);
        ok_ = png_ && info_;
    }
    ~PngWriter() override { png_destroy_write_struct(&png_, &info_); }
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    bool bottomUp() const override { return false; }

    bool rows(const Surface& band, int first, int count) override {
        if (ok_ && !started_) {
            started_ = true;
            ok_ = start();
        }
        if (!ok_) return false;
        const auto* pixels = reinterpret_cast<png_const_bytep>(band.pixels().data());
        const std::size_t rowBytes = static_cast<std::size_t>(width_) * 3;
        for (int y = first; ok_ && y < first + count; ++y)
            ok_ = writeRow(pixels + static_cast<std::size_t>(y) * rowBytes);
        return ok_;
    }

    bool finish() override { return ok_ && started_ && end(); }

private:
    // libpng reports its errors by a long jump: each call that may fail
    // stands alone in a function of its own that holds nothing to destroy.
    bool start() {
        if (setjmp(png_jmpbuf(png_))) return false;
        png_set_write_fn(png_, this, &PngWriter::put, &PngWriter::flush);
        png_set_IHDR(png_, info_, static_cast<png_uint_32>(width_), static_cast<png_uint_32>(height_), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png_, kCompressionLevel);
        png_set_filter(png_, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
        png_write_info(png_, info_);
        return true;
    }
    bool writeRow(png_const_bytep row) {
        if (setjmp(png_jmpbuf(png_))) return false;
        png_write_row(png_, row);
        return true;
    }
    bool end() {
        if (setjmp(png_jmpbuf(png_))) return false;
        png_write_end(png_, nullptr);
        return true;
    }

    static void put(png_structp png, png_bytep data, png_size_t size) {
        auto* self = static_cast<PngWriter*>(png_get_io_ptr(png));
        if (!self->sink_({data, size})) png_error(png, "the file cannot be written");
    }
    static void flush(png_structp) {}
    static void fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
    static void warn(png_structp, png_const_charp) {}

    int width_, height_;
    ByteSink sink_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    bool started_ = false, ok_ = false;
};

}  // namespace

std::unique_ptr<PictureWriter> makePngWriter(int width, int height, ByteSink sink) {
    if (width <= 0 || height <= 0 || width > PNG_USER_WIDTH_MAX || height > PNG_USER_HEIGHT_MAX) return nullptr;
    return std::make_unique<PngWriter>(width, height, std::move(sink));
}

}  // namespace kestrel::pictures
