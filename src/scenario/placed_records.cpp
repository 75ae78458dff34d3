#include "scenario/placed_records.hpp"

#include <algorithm>
#include <cstdlib>

#include "core/record_fields.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {
constexpr std::size_t kCountAt = core::kCountFormat.at("count"), kCountSize = core::kCountFormat.size;
}  // namespace

std::size_t placedCount(std::span<const std::uint8_t> file, const PlacedFile& layout) {
    const int stored = core::RecordReader(file).s16(kCountAt);
    const std::size_t inFile = file.size() < kCountSize ? 0 : (file.size() - kCountSize) / layout.recordSize;
    return std::min<std::size_t>({static_cast<std::size_t>(std::clamp(stored, 0, layout.limit)), inFile});
}

std::optional<std::vector<Placed>> readPlaced(const core::DataRoot& root, std::string_view scenario,
                                              const PlacedFile& layout) {
    const auto file = root.read(scenarioFile(scenario, layout.file), kCountSize + layout.limit * layout.recordSize);
    if (!file) return std::nullopt;
    std::vector<Placed> placed;
    const std::size_t count = placedCount(*file, layout);
    for (std::size_t i = 0; i < count; ++i) {
        const core::RecordReader r{
            std::span<const std::uint8_t>(*file).subspan(kCountSize + i * layout.recordSize, layout.recordSize)};
        placed.push_back({r.text(0, kPlacedNameSize), {r.s16(layout.positionAt), r.s16(layout.positionAt + 2)}});
    }
    return placed;
}

int nearestPlaced(std::span<const MapPosition> positions, MapPosition at, int start) {
    int best = -1;
    int bestDistance = start;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int d = std::max(std::abs(positions[i].x - at.x), std::abs(positions[i].y - at.y));
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

std::vector<MapPosition> positionsOf(std::span<const Placed> placed) {
    std::vector<MapPosition> out;
    for (const auto& p : placed) out.push_back(p.at);
    return out;
}

}  // namespace kestrel::scenario
