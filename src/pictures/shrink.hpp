// Shrinking a picture by a whole factor: each pixel of the small picture is
// the mean of the factor x factor pixels it stands for.
#pragma once
#include "pictures/surface.hpp"

namespace kestrel::pictures {

// The first `rows` rows of `from` (a multiple of `factor`) into the first
// rows / factor rows of `to`, which is from.width() / factor wide. Each mean
// is rounded to the nearest value, a half up.
void shrinkRows(const Surface& from, int rows, int factor, Surface& to);

}  // namespace kestrel::pictures
