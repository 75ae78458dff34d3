#pragma once
#include <cstdint>
#include <vector>

namespace kestrel::core {
using Bytes = std::vector<std::uint8_t>;
}
