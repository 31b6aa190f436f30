#pragma once

#include <optional>

#include "morvane/game/board.h"
#include "morvane/view/view_geometry.h"
#include "platform/bitmap/bitmap.h"

namespace morvane {

class Game;

// Composes the view of a game off screen: the play board scaled to the client area, or the design
// grid with its markers. The window shows the composed picture and copies only what changed.
class ViewPainter {
public:
    // The tile images and the size they are cut at; pixel (0, 0) is the play background.
    void setTiles(platform::Bitmap tiles, TileImageSize size);
    void setMarker(platform::Bitmap marker) { m_marker = std::move(marker); }
    const platform::Bitmap& tiles() const { return m_tiles; }
    TileImageSize tileSize() const { return m_tileSize; }
    platform::Pixel background() const { return m_tiles.pixel(0, 0); }

    // Paints the client area from the game's state: all of it, or only the area given when the
    // picture already has the client's size. The design cursor's outline is drawn only when given.
    const platform::Bitmap& paint(const Game& game, int clientWidth, int clientHeight,
                                  std::optional<Position> designCursor = std::nullopt,
                                  std::optional<platform::Rect> area = std::nullopt);
    const platform::Bitmap& picture() const { return m_picture; }

    // The geometry of the play board at this client size with the game's limits and our tiles.
    PlayGeometry playGeometry(const Game& game, int clientWidth, int clientHeight) const;

private:
    void paintPlay(const Game& game);
    void paintTile(const Board& play, const PlayGeometry& geometry, const Position& tile);
    void paintDesign(const Game& game, std::optional<Position> designCursor);
    // Copies a stretched part of a picture, only inside the area being painted.
    void stretch(platform::Rect destination, const platform::Bitmap& source, platform::Rect part);

    platform::Bitmap m_tiles;
    TileImageSize m_tileSize;
    platform::Bitmap m_marker;
    platform::Bitmap m_picture;
    platform::Rect m_area;  // what this paint changes
};

}  // namespace morvane
