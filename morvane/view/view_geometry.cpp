#include "morvane/view/view_geometry.h"

#include <algorithm>

namespace morvane {

namespace {

// One scale in single precision, as the board has always been fitted; none for a tile image too
// small to have a face (a half face of 0 pixels) or a client area smaller than the margins.
float scaleFor(int clientExtent, int highestIndex, int halfFace) {
    if (halfFace <= 0 || clientExtent <= 2 * kViewMargin) {
        return 0.0f;
    }
    return static_cast<float>(clientExtent - 2 * kViewMargin) / static_cast<float>(highestIndex + 3) /
           static_cast<float>(halfFace);
}

int scaled(int pixels, float scale) {
    return static_cast<int>(static_cast<float>(pixels) * scale);
}

}  // namespace

PlayGeometry::PlayGeometry(int clientWidth, int clientHeight, int hlimit, int vlimit, TileImageSize tile) {
    const float sx = scaleFor(clientWidth, hlimit, (tile.width - tile.depth) / 2);
    const float sy = scaleFor(clientHeight, vlimit, (tile.height - tile.depth) / 2);
    m_byHeight = !(sy > sx);
    m_scale = m_byHeight ? sy : sx;
    m_tileWidth = scaled(tile.width, m_scale);
    m_tileHeight = scaled(tile.height, m_scale);
    m_depth = scaled(tile.depth, m_scale);
    if (m_byHeight) {
        m_originY = kViewMargin;
        m_originX = std::max(0, (clientWidth - (hlimit + 1) * (m_tileWidth / 2)) / 2);
    } else {
        m_originX = kViewMargin;
        m_originY = std::max(0, (clientHeight - (vlimit + 1) * (m_tileHeight / 2)) / 2);
    }
    m_columnStep = m_tileWidth / 2 - m_depth / 2;
    m_rowStep = m_tileHeight / 2 - m_depth / 2;
}

platform::Rect PlayGeometry::imageRect(const Position& tile) const {
    return {m_depth * tile.z + m_columnStep * tile.x + m_originX,
            m_rowStep * tile.y + m_originY - m_depth * tile.z, m_tileWidth, m_tileHeight};
}

platform::Rect PlayGeometry::faceRect(const Position& tile) const {
    return {m_depth * (tile.z + 1) + m_columnStep * tile.x + m_originX,
            m_rowStep * tile.y + m_originY - m_depth * tile.z, m_tileWidth - m_depth, m_tileHeight - m_depth};
}

platform::Rect PlayGeometry::repaintRect(const Position& tile, TileRepaint kind) const {
    const int spread = (tile.z + (kind == TileRepaint::Removed ? 6 : 2)) * m_depth;
    return {tile.x * ((m_tileWidth - m_depth) / 2) + m_originX,
            tile.y * ((m_tileHeight - m_depth) / 2) + m_originY - (tile.z + 1) * m_depth,
            m_tileWidth + spread, m_tileHeight + spread};
}

std::optional<Position> hitTest(const Board& play, int hlimit, int vlimit, const PlayGeometry& geometry,
                                int px, int py) {
    for (int z = kTopLayer; z >= 0; --z) {
        for (int x = 0; x <= hlimit; ++x) {
            for (int y = 0; y <= vlimit; ++y) {
                if (play.at(x, y, z) == 0) {
                    continue;
                }
                const platform::Rect face = geometry.faceRect({x, y, z});
                if (face.x < px && px < face.x + face.width && face.y < py && py < face.y + face.height) {
                    return Position{x, y, z};
                }
            }
        }
    }
    return std::nullopt;
}

platform::Rect DesignGeometry::markerRect(int column, int row, int layer) const {
    return {column * m_cellWidth + 4 * layer, row * m_cellHeight - 4 * layer, 2 * m_cellWidth - 6,
            2 * m_cellHeight - 6};
}

platform::Rect DesignGeometry::clickRepaintRect(int column, int row) const {
    return {column * m_cellWidth, (row - 2) * m_cellHeight, 3 * m_cellWidth, 5 * m_cellHeight};
}

}  // namespace morvane
