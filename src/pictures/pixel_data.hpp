// Decoded pixel data. The buffer is not cleared when it is made: decoding a
// large PCX is bound by memory traffic, and clearing first would add a full
// pass. Every decoder therefore writes each byte, zero where the file ends.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace kestrel::pictures {

template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <typename U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
    // Construction without arguments leaves the value as it is.
    template <typename U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

using PixelData = std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>>;

}  // namespace kestrel::pictures
