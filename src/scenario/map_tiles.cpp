#include "scenario/map_tiles.hpp"

#include <algorithm>

#include "pictures/game_picture.hpp"
#include "scenario/map_picture.hpp"
#include "scenario/placed_records.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

constexpr int kTile = MapTiles::kTileSize;
constexpr int kLastGridSlot = 10;  // slots above are drawn in 3 by 3 blocks
constexpr int kBlock = 3, kBlocksPerRow = 6;
// Cells of the symbol sheet.
constexpr MapPosition kRuinSymbol{96, 0}, kSiteSymbol{96, 48};
constexpr int kRoadOverlay = 1, kSymbolOverlay = 0;

std::vector<MapPosition> placedPositions(const core::DataRoot& root, std::string_view scenario,
                                         const PlacedFile& layout) {
    const auto placed = readPlaced(root, scenario, layout);
    return placed ? positionsOf(*placed) : std::vector<MapPosition>{};
}

// A picture named by an entry name below TERRAIN\DATA; a name that is no
// plain file name cannot be loaded.
std::unique_ptr<pictures::Picture> terrainPicture(const core::DataRoot& root, const std::string& name,
                                                  const pictures::Display& display) {
    if (!core::isPortableFileName(name)) return nullptr;
    return pictures::loadGamePicture(root, std::string(kTerrainPictures) + name, display);
}

bool before(int ay, int ax, int by, int bx) { return ay < by || (ay == by && ax < bx); }

std::string notLoaded(std::string_view base) { return "cannot load the picture " + std::string(base) + " (.BMP or .PCX)"; }

}  // namespace

TerrainCell terrainCell(int slot, int variant, MapPosition at) {
    if (slot <= kLastGridSlot) return {variant & 7, (variant >> 3) & 3};
    // Positions are on the map, so never negative.
    return {(variant % kBlocksPerRow) * kBlock + at.x % kBlock, (variant / kBlocksPerRow) * kBlock + at.y % kBlock};
}

MapTiles::MapTiles() = default;
MapTiles::~MapTiles() = default;
MapTiles::MapTiles(MapTiles&&) noexcept = default;
MapTiles& MapTiles::operator=(MapTiles&&) noexcept = default;

std::optional<std::string> MapTiles::load(const core::DataRoot& root, std::string_view scenario,
                                          const pictures::Display& display) {
    *this = MapTiles();
    const std::string mapPath = scenarioFile(scenario, kMapFile);
    const auto map = root.read(mapPath, kMapReadLimit);
    if (!map) return "cannot read " + mapPath;
    MapHeader header = readMapHeader(*map);
    const std::size_t blockSize = static_cast<std::size_t>(std::max(0, header.stride)) *
                                  static_cast<std::size_t>(std::max(0, header.height)) * kMapCellSize;
    // More than the largest map that is read: the header cannot be right.
    if (blockSize > kMapReadLimit) return "cannot read " + mapPath + ": its header names more tiles than a map holds";
    // Tiles the file does not reach read as zero.
    core::Bytes block(blockSize, 0);
    if (map->size() > MapHeaderLayout::kSize)
        std::copy_n(map->begin() + MapHeaderLayout::kSize, std::min(blockSize, map->size() - MapHeaderLayout::kSize),
                    block.begin());

    const ScenarioTerrain names = loadScenarioTerrain(root, scenario).value_or(ScenarioTerrain{});
    // In the order they win a tile: cities in file order, then ruins, then sites.
    decltype(symbolAt_) placed;
    for (const MapPosition& city : placedPositions(root, scenario, kCityPlaces))
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx) placed.push_back({city.y + dy, city.x + dx, {dx * kTile, dy * kTile}});
    for (const MapPosition& ruin : placedPositions(root, scenario, kRuinPlaces))
        placed.push_back({ruin.y, ruin.x, kRuinSymbol});
    for (const MapPosition& site : placedPositions(root, scenario, kSitePlaces))
        placed.push_back({site.y, site.x, kSiteSymbol});
    const auto order = [](const Symbol& a, const Symbol& b) { return before(a.y, a.x, b.y, b.x); };
    std::stable_sort(placed.begin(), placed.end(), order);
    placed.erase(std::unique(placed.begin(), placed.end(),
                             [](const Symbol& a, const Symbol& b) { return a.y == b.y && a.x == b.x; }),
                 placed.end());

    decltype(terrain_) terrain;
    for (int s = 0; s < kTerrainSlots; ++s) {
        const std::string& name = names.terrain[static_cast<std::size_t>(s)];
        if (name.empty()) continue;
        terrain[static_cast<std::size_t>(s)] = terrainPicture(root, name, display);
        if (!terrain[static_cast<std::size_t>(s)]) return notLoaded(std::string(kTerrainPictures) + name);
    }
    decltype(roads_) roads;
    for (int r = 0; r < kRoadTypes; ++r) {
        const std::string& name = names.roads[static_cast<std::size_t>(r)];
        if (name.empty()) continue;
        roads[static_cast<std::size_t>(r)] = terrainPicture(root, name, display);
        if (!roads[static_cast<std::size_t>(r)]) return notLoaded(std::string(kTerrainPictures) + name);
    }
    auto symbols = pictures::loadGamePicture(root, kSymbolSheet, display);
    if (!symbols) return notLoaded(kSymbolSheet);

    header_ = header;
    fileSize_ = map->size();
    block_ = std::move(block);
    terrain_ = std::move(terrain);
    roads_ = std::move(roads);
    symbols_ = std::move(symbols);
    symbolAt_ = std::move(placed);
    loaded_ = true;
    return std::nullopt;
}

bool MapTiles::onMap(MapPosition at) const {
    if (!loaded_ || at.x < 0 || at.y < 0 || at.x >= header_.width || at.y >= header_.height) return false;
    const std::size_t offset = mapCellOffset(header_, at.x, at.y) - MapHeaderLayout::kSize;
    return offset < block_.size() && block_.size() - offset >= kMapCellSize;
}

MapCell MapTiles::cell(MapPosition at) const {
    if (!onMap(at)) return {};
    return readMapCell(block_, mapCellOffset(header_, at.x, at.y) - MapHeaderLayout::kSize);
}

void MapTiles::paintTile(pictures::Surface& target, MapPosition at, int left, int top) {
    if (!onMap(at)) return;
    const MapCell c = cell(at);
    const int slot = c.terrainSlot();
    if (slot < kTerrainSlots && terrain_[static_cast<std::size_t>(slot)]) {
        const TerrainCell from = terrainCell(slot, c.variant(), at);
        if (const pictures::Surface* piece = terrainPiece(slot, from))
            target.copyRect(*piece, {0, 0, kTile, kTile}, left, top);
        else  // a picture too small for the cell: what it has of it
            terrain_[static_cast<std::size_t>(slot)]->Draw(from.column * kTile, from.row * kTile, kTile, kTile,
                                                           target, left, top);
    }
    if (c.overlayKind() == kSymbolOverlay) {
        paintSymbols(target, at, left, top);
    } else if (c.overlayKind() == kRoadOverlay && c.roadPicture() < kRoadTypes) {
        if (auto& road = roads_[static_cast<std::size_t>(c.roadPicture())])
            road->DrawTransparent(c.roadColumn() * kTile, c.roadRow() * kTile, kTile, kTile, target, left, top,
                                  kTransparent);
    }
}

const pictures::Surface* MapTiles::terrainPiece(int slot, TerrainCell cell) {
    const pictures::Picture& picture = *terrain_[static_cast<std::size_t>(slot)];
    if ((cell.column + 1) * kTile > picture.shown().width() || (cell.row + 1) * kTile > picture.shown().height())
        return nullptr;
    const auto key = static_cast<std::uint32_t>(slot << 16 | cell.row << 8 | cell.column);
    auto [it, added] = pieces_.try_emplace(key);
    if (added) {
        it->second = pictures::Surface(kTile, kTile);
        picture.Draw(cell.column * kTile, cell.row * kTile, kTile, kTile, it->second, 0, 0);
    }
    return &it->second;
}

void MapTiles::paintSymbols(pictures::Surface& target, MapPosition at, int left, int top) {
    const auto found = std::lower_bound(symbolAt_.begin(), symbolAt_.end(), at,
                                        [](const Symbol& s, MapPosition p) { return before(s.y, s.x, p.y, p.x); });
    if (found == symbolAt_.end() || found->y != at.y || found->x != at.x) return;
    symbols_->DrawTransparent(found->cell.x, found->cell.y, kTile, kTile, target, left, top, kTransparent);
}

bool canPaintWhole(const MapTiles& tiles) {
    return tiles.loaded() && tiles.width() > 0 && tiles.height() > 0 &&
           static_cast<long>(tiles.width()) * tiles.height() <= kMostTilesPainted;
}

bool paintWholeMap(MapTiles& tiles, pictures::Rgb background, pictures::Surface& map) {
    if (!canPaintWhole(tiles) || map.width() != tiles.width() * kTile || map.height() != tiles.height() * kTile)
        return false;
    paintMapBand(tiles, background, {0, 0, tiles.width(), tiles.height()}, 0, map);
    return true;
}

pictures::Surface paintWholeMap(MapTiles& tiles, pictures::Rgb background) {
    if (!canPaintWhole(tiles)) return {};
    pictures::Surface map(tiles.width() * kTile, tiles.height() * kTile);
    paintWholeMap(tiles, background, map);
    return map;
}

}  // namespace kestrel::scenario
