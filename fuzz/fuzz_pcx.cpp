// Fuzzes the PCX header reader and decoder.
#include "picture_fuzz.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return kestrel::fuzz::fuzzDecoder(kestrel::pictures::PictureKind::Pcx, data, size);
}
