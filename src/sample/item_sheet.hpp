// The sample item icon sheet: one picture holding every item icon in a grid,
// so an item's icon is picked by its index alone.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "sample/indexed_image.hpp"

namespace kestrel::sample {

inline constexpr int kItemIconSize = 32;
inline constexpr int kItemSheetColumns = 8;
inline constexpr int kItemSheetRows = 4;
inline constexpr int kItemIconCount = kItemSheetColumns * kItemSheetRows;

// Icon i sits at column i % 8, row i / 8. Columns share an object, rows a
// colour scheme, and each icon carries its index in its top left corner.
IndexedImage drawItemSheet();

// Game path and PCX bytes of the sheet: {"SETS\\Fantasy\\ITEMS.PCX", ...}.
std::vector<std::pair<std::string, core::Bytes>> itemSheetFiles();

// Creates SETS\Fantasy as needed and replaces the sheet; false on failure.
bool writeItemSheet(const core::DataRoot& root);

}  // namespace kestrel::sample
