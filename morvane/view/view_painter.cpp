#include "morvane/view/view_painter.h"

#include "morvane/game/game.h"
#include "platform/bitmap/raster_ops.h"

namespace morvane {

using platform::Rect;

void ViewPainter::setTiles(platform::Bitmap tiles, TileImageSize size) {
    m_tiles = std::move(tiles);
    m_tileSize = size;
}

PlayGeometry ViewPainter::playGeometry(const Game& game, int clientWidth, int clientHeight) const {
    return {clientWidth, clientHeight, game.settings().hlimit, game.settings().vlimit, m_tileSize};
}

const platform::Bitmap& ViewPainter::paint(const Game& game, int clientWidth, int clientHeight,
                                           std::optional<Position> designCursor, std::optional<Rect> area) {
    if (m_picture.width() != clientWidth || m_picture.height() != clientHeight) {
        m_picture = platform::Bitmap(clientWidth, clientHeight);
        area.reset();
    }
    m_area = area ? platform::intersected(*area, m_picture.rect()) : m_picture.rect();
    if (m_area.width == 0) {
        return m_picture;
    }
    if (game.design().active()) {
        paintDesign(game, designCursor);
    } else {
        paintPlay(game);
    }
    return m_picture;
}

// Lower layers first, and within a layer from the right, so that higher and more left tiles
// cover the edges of the others; then the selection marks.
void ViewPainter::paintPlay(const Game& game) {
    platform::fillRect(m_picture, m_area, background());
    const PlayGeometry geometry = playGeometry(game, m_picture.width(), m_picture.height());
    const Board& play = game.playBoard();
    const int hlimit = game.settings().hlimit;
    const int vlimit = game.settings().vlimit;
    for (int z = 0; z < kLayers; ++z) {
        for (int x = hlimit; x >= 0; --x) {
            for (int y = 0; y <= vlimit; ++y) {
                if (play.at(x, y, z) != 0 &&
                    platform::intersected(geometry.imageRect({x, y, z}), m_area).width > 0) {
                    paintTile(play, geometry, {x, y, z});
                }
            }
        }
    }
    for (const Position& selected : {game.firstSelection(), game.secondSelection()}) {
        if (!selected.isNone() && play.at(selected) != 0) {
            platform::invertRect(m_picture, platform::intersected(geometry.faceRect(selected), m_area));
        }
    }
}

// Draws the face with its left edge, and the halves of the bottom edge that no tile of the same
// layer two rows below hides.
void ViewPainter::paintTile(const Board& play, const PlayGeometry& geometry, const Position& tile) {
    const TileCode code = play.at(tile);
    const int w = m_tileSize.width;
    const int h = m_tileSize.height;
    const int d = m_tileSize.depth;
    const int sourceX = w * ((code & 0x0F) - 1);
    const int sourceY = h * ((code >> 4) - 1);
    const Rect image = geometry.imageRect(tile);
    const int faceHeight = geometry.tileHeight() - geometry.depth();
    stretch({image.x, image.y, image.width, faceHeight}, m_tiles, {sourceX, sourceY, w, h - d});
    if (play.at(tile.x, tile.y + 2, tile.z) != 0) {
        return;
    }
    const int halfWidth = geometry.tileWidth() / 2;
    const int edgeY = image.y + faceHeight;
    if (play.at(tile.x - 1, tile.y + 2, tile.z) == 0) {
        stretch({image.x, edgeY, halfWidth, geometry.depth()}, m_tiles, {sourceX, sourceY + h - d, w / 2, d});
    }
    if (play.at(tile.x + 1, tile.y + 2, tile.z) == 0) {
        stretch({image.x + halfWidth, edgeY, halfWidth, geometry.depth()}, m_tiles,
                {sourceX + w / 2, sourceY + h - d, w / 2, d});
    }
}

// The layout on black: a marker per space, lifted per layer, then the white grid over it, and the
// outline where the next space would go.
void ViewPainter::paintDesign(const Game& game, std::optional<Position> designCursor) {
    platform::fillRect(m_picture, m_area, platform::kBlack);
    const DesignGeometry grid(m_picture.width(), m_picture.height());
    const Board& layout = game.settings().layout;
    const Rect markerSource = m_marker.rect();
    for (int z = 0; z < kLayers; ++z) {
        for (int x = kHighestColumn; x >= 0; --x) {
            for (int y = 0; y < kRows; ++y) {
                if (layout.at(x, y, z) == 1) {
                    stretch(grid.markerRect(x, y, z), m_marker, markerSource);
                }
            }
        }
    }
    for (int k = 1; k < kColumns; ++k) {
        const Rect row{0, k * grid.cellHeight(), m_picture.width(), 1};
        const Rect column{k * grid.cellWidth(), 0, 1, m_picture.height()};
        platform::fillRect(m_picture, platform::intersected(row, m_area), platform::kWhite);
        platform::fillRect(m_picture, platform::intersected(column, m_area), platform::kWhite);
    }
    if (designCursor) {
        const Rect outline = grid.markerRect(designCursor->x, designCursor->y, designCursor->z);
        platform::invertRect(m_picture, platform::intersected(outline, m_area));
    }
}

void ViewPainter::stretch(Rect destination, const platform::Bitmap& source, Rect part) {
    if (platform::intersected(destination, m_area).width > 0) {
        platform::stretchBlit(m_picture, destination, source, part, platform::RasterOp::SourceCopy, m_area);
    }
}

}  // namespace morvane
