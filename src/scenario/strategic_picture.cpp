#include "scenario/strategic_picture.hpp"

#include <cstdint>
#include <string>

#include "scenario/map_file.hpp"
#include "scenario/scenario_files.hpp"
#include "ui/host.hpp"

namespace kestrel::scenario {

namespace {

// Positions are kept in 16 bits, as the map's own numbers are.
int sixteen(long value) { return static_cast<std::int16_t>(value); }

}  // namespace

bool LargeStrategicPicture::load(ui::Host& host, const core::DataRoot& root, std::string_view scenario) {
    picture_.reset();
    const std::string base = scenarioFile(scenario, "STRAT_L");
    const std::string bmp = base + ".BMP";
    const auto path = root.resolve(root.read(bmp, 0) ? bmp : base + ".PCX");
    auto picture = path ? pictures::OpenPicture(*path) : nullptr;
    if (!picture) {
        host.error(kStrategicFindError);
        return false;
    }
    if (!picture->Load()) {
        host.error(kPictureLoadError);
        return false;
    }
    picture_ = std::move(picture);
    const auto header = loadMapHeader(root, scenario);
    if (!header) {
        host.error(kMapMissingError);
        width_ = 32;
        height_ = 40;
    } else {
        width_ = header->width;
        height_ = header->height;
    }
    return true;
}

MapPosition LargeStrategicPicture::pixelOf(MapPosition at) const {
    // A map without a size puts every record in the corner rather than dividing by zero.
    const long w = width_ == 0 ? 1 : width_, h = height_ == 0 ? 1 : height_;
    return {sixteen(kLeft + static_cast<long>(at.x) * kWidth / w), sixteen(kTop + static_cast<long>(at.y) * kHeight / h)};
}

std::optional<MapPosition> LargeStrategicPicture::positionAt(int px, int py) const {
    if (px < kLeft || px >= kLeft + kWidth || py < kTop || py >= kTop + kHeight) return std::nullopt;
    return MapPosition{sixteen(static_cast<long>(width_) * (px - kLeft) / kWidth),
                       sixteen(static_cast<long>(height_) * (py - kTop) / kHeight)};
}

void LargeStrategicPicture::paint(pictures::Surface& client, std::span<const MapPosition> markers, int current) const {
    if (!picture_) return;
    picture_->Draw(0, 0, kWidth, kHeight, client, kLeft, kTop);
    const int side = kMarkerBefore + kMarkerAfter;
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const MapPosition p = pixelOf(markers[i]);
        const pictures::PixelRect marker{p.x - kMarkerBefore, p.y - kMarkerBefore, side, side};
        const bool isCurrent = static_cast<int>(i) == current;
        client.fill(marker, isCurrent ? kRed : kWhite);
        client.frame(marker, isCurrent ? kWhite : kRed);
    }
}

}  // namespace kestrel::scenario
