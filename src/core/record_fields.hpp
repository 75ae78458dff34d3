// Fields of a fixed-layout record. Reading tolerates records shorter than
// their layout: they read as if padded with zero bytes. Writing assembles
// the record in a zero-filled buffer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"
#include "core/fixed_text.hpp"
#include "core/le.hpp"

namespace kestrel::core {

class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    std::uint8_t u8(std::size_t at) const { return at < bytes_.size() ? bytes_[at] : std::uint8_t{0}; }
    std::int8_t s8(std::size_t at) const { return static_cast<std::int8_t>(u8(at)); }
    std::int16_t s16(std::size_t at) const { return static_cast<std::int16_t>(u8(at) | u8(at + 1) << 8); }
    std::string text(std::size_t at, std::size_t size) const { return readFixedText(bytes_, at, size); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    std::span<const std::uint8_t> bytes_;
};

class RecordWriter {
public:
    explicit RecordWriter(std::size_t size) : bytes_(size, 0) {}

    // Values are stored in the field's width, as the dialog's number fields
    // give them; callers range-check first.
    void u8(std::size_t at, int value) { bytes_.at(at) = static_cast<std::uint8_t>(value); }
    void s8(std::size_t at, int value) { u8(at, value); }
    void s16(std::size_t at, int value) { putS16(span(at, 2), 0, static_cast<std::int16_t>(value)); }
    void text(std::size_t at, std::size_t size, std::string_view value) { writeFixedText(span(at, size), 0, size, value); }
    std::span<std::uint8_t> span(std::size_t at, std::size_t size) { return std::span(bytes_).subspan(at, size); }
    Bytes take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

}  // namespace kestrel::core
