// The system palette entry a colour is shown with.
#pragma once
#include <span>

#include "pictures/surface.hpp"

namespace kestrel::pictures {

// The first entry equal to `c`; otherwise the entry of least squared
// distance, the earlier one on a tie. An empty palette gives 0.
int nearestColourIndex(std::span<const Rgb> palette, Rgb c);

}  // namespace kestrel::pictures
