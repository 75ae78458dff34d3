// The pictures a fresh sample data root starts with, drawn here from simple
// shapes so the editor ships without borrowed art.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/bytes.hpp"
#include "core/data_root.hpp"
#include "sample/indexed_image.hpp"

namespace kestrel::sample {

// Index 0 is black; the last index is magenta, the background of sprites.
const Palette& templatePalette();
inline constexpr std::uint8_t kTransparentIndex = 255;

// Each drawer fits its art to the size it is given.
using PictureDrawer = IndexedImage (*)(int width, int height);

struct TemplatePicture {
    std::string_view name;  // file name without extension, upper case
    int width;
    int height;
    PictureDrawer draw;
};

std::span<const TemplatePicture> templatePictures();

IndexedImage drawCity(int width, int height);
IndexedImage drawTerrain(int width, int height);
IndexedImage drawBonus(int width, int height);
IndexedImage drawArmy(int width, int height);
IndexedImage drawRuin(int width, int height);
IndexedImage drawSite(int width, int height);
IndexedImage drawAdvisor(int width, int height);
IndexedImage drawShield(int width, int height);
IndexedImage drawFlag(int width, int height);
IndexedImage drawStrategicMap(int width, int height);
IndexedImage drawScenario(int width, int height);

// Game path ("WSDATA\\CITY.PCX") and PCX bytes of every template picture.
std::vector<std::pair<std::string, core::Bytes>> templatePictureFiles();

// Creates WSDATA and writes every picture into it; false at the first failure.
bool writeTemplatePictures(const core::DataRoot& root);

}  // namespace kestrel::sample
