#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "orbeni/board/board.h"
#include "orbeni/view/face_cells.h"
#include "platform/bitmap/bitmap.h"
#include "platform/bitmap/raster_ops.h"

namespace orbeni {

class Game;

inline constexpr int kBoardImageWidth = 704;
inline constexpr int kBoardImageHeight = 468;
inline constexpr int kMinTilesetWidth = 369;
inline constexpr int kMinTilesetHeight = 567;
inline constexpr platform::Pixel kNoBackgroundTeal = platform::rgb(0, 128, 128);
inline constexpr platform::Pixel kKeyCursorColour = platform::rgb(255, 0, 255);

// The hover feedback of the Highlight menu, numbered as the settings file stores it.
enum class HighlightMode {
    None = 0,
    RedRectangle = 1,
    ColoredTile = 2,
    GreenRectangle = 3,
    BlueRectangle = 4
};

// A rectangle by its edges, right and bottom excluded.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Edges&) const = default;
};

// Composes the board off screen: the background, the tiles in an order that lets their edges
// overlap, the marks of selected and hinted tiles and the hover feedback. The window shows
// gameImage() and repaints the areas it is told have changed. Every place and area is given in
// board pixels; the pictures hold pixelScale() pixels for each of them. The check marks that change
// how tiles are drawn (invert selection, show current tile, only possible moves) are read from the
// game's options.
class BoardPainter {
public:
    explicit BoardPainter(const Game& game);

    // Tells the window which area of gameImage() changed, and that the side panel changed.
    void setChangeListeners(std::function<void(platform::Rect)> boardChanged,
                            std::function<void()> panelChanged);

    // Tilesets and backgrounds. A file that cannot be used gives the reason and leaves the
    // pictures in use as they were.
    std::optional<std::string> LoadTileset(const std::filesystem::path& file);
    std::optional<std::string> NouveauFond(const std::filesystem::path& file);
    void drawNoBackground();
    void ChangeTexture();
    // The side panel's picture; without one the panel has none.
    std::optional<std::string> loadHallPicture(const std::filesystem::path& file);

    void FullRedraw();
    void Redraw();
    // Redraws the area of a tile's place and every tile overlapping it.
    void redrawPlace(Position place);
    void RedrawTile(int tile);

    // Hover feedback for the pointer at (x, y) of the board image.
    void FormMouseMove(int x, int y);
    // The Highlight menu: None, one of the rectangles, Colored Tile.
    void Highlight1Click();
    void Highlight2Click(HighlightMode rectangle);
    void Highlight3Click();
    void setHighlightMode(HighlightMode mode) { m_highlightMode = mode; }
    HighlightMode highlightMode() const { return m_highlightMode; }
    // Forgets the tile under the pointer and its marks, as a new deal does.
    void clearHover();
    // Leaves the editor's preview and the hover rectangle, as entering or leaving the editor does.
    void resetPreview();
    // Marks the keyboard's cursor at a place (off the board for none), repainting only the place
    // it leaves and the one it comes to.
    void setKeyCursor(Position place);
    Position keyCursor() const { return m_keyCursor; }

    // How many pixels the screen shows for each board pixel: 2 on a HiDPI screen. A tileset loaded
    // afterwards is drawn from its twice-size version when there is one.
    void setWantedPixelScale(int scale) { m_wantedScale = scale >= 2 ? 2 : 1; }
    // How many pixels each picture holds for a board pixel, each way: 2 when the tileset in use
    // was loaded at twice its size.
    int pixelScale() const { return m_pixelScale; }

    bool hasTileset() const { return !m_paiBuffer.isNull(); }
    const platform::Bitmap& gameImage() const { return m_gameImage; }
    // The background as laid from (0, 0) of the board image, to go on around it in a larger view.
    const platform::Bitmap& surround() const { return m_surround; }
    const platform::Bitmap& tileImages() const { return m_pai; }
    const platform::Bitmap& hallPicture() const { return m_hofPic; }
    // The side panel as shown: its picture, the hall-of-fame texts and the current-tile picture.
    platform::Bitmap& hallPanel() { return m_saveHof; }
    // Tells that the side panel was drawn again from its picture, without the current tile.
    void hallPanelRedrawn() { m_currentTilePicture = 0; }
    Position preview() const { return m_preview; }
    int hoverTile() const { return m_hoverTile; }
    bool cursorShown() const { return m_cursorShown; }

private:
    bool isRectangleMode() const;
    bool hidesTiles() const;
    void paintTiles();
    void drawRiverPath();
    void drawKeyCursor();
    void forgetGoneMarks();
    Edges redrawArea() const;
    void transfer();
    void ShowIt(Position place, int tile);
    bool isClipped(int px, int py) const;
    void drawBody(Position place, int px, int py, CellOrigin source);
    void markFace(int tile, int px, int py);
    void copyFace(int px, int py, int sourceX, int sourceY);
    void redrawWithin(Edges frame);

    void moveOverTile(int tile);
    void moveOffTiles();
    void takeFeedbackOff();
    void restoreUnderCursor();
    void saveUnderCursorAndDraw();
    void showCurrentTile(int tile);
    void eraseCurrentTile();
    void panelChanged();
    void editorPreview(int boardX, int boardY);
    platform::Pixel penColour() const;
    void boardChanged(Edges area);
    void setPixelScale(int scale);
    void layBackground();
    void putMasked(int x, int y, int width, int height, CellOrigin mask, const platform::Bitmap& picture,
                   CellOrigin from);
    void put(platform::Bitmap& dest, int x, int y, int width, int height, const platform::Bitmap& source,
             int sourceX, int sourceY, platform::RasterOp op = platform::RasterOp::SourceCopy) const;
    void fill(platform::Bitmap& dest, platform::Rect area, platform::Pixel colour) const;
    void drawOutline(platform::Bitmap& image, Edges outline, platform::Pixel colour) const;

    const Game& m_game;
    platform::Bitmap m_imageFond{kBoardImageWidth, kBoardImageHeight, kNoBackgroundTeal};
    platform::Bitmap m_buffer{kBoardImageWidth, kBoardImageHeight, kNoBackgroundTeal};
    platform::Bitmap m_gameImage{kBoardImageWidth, kBoardImageHeight, kNoBackgroundTeal};
    platform::Bitmap m_paiBuffer;
    platform::Bitmap m_pai{kTileImagesWidth, kTileImagesHeight};
    platform::Bitmap m_smallBuf{kTileImageWidth, kTileImageHeight};
    platform::Bitmap m_filled{kFaceWidth, kFaceHeight, platform::kWhite};
    platform::Bitmap m_backgroundBitmap;
    platform::Bitmap m_surround{1, 1, kNoBackgroundTeal};
    platform::Bitmap m_hofSource;  // the side panel's picture as loaded
    platform::Bitmap m_hofPic;
    platform::Bitmap m_saveHof;
    int m_wantedScale = 1;
    int m_pixelScale = 1;

    HighlightMode m_highlightMode = HighlightMode::RedRectangle;
    std::optional<Edges> m_redrawRect;  // none: the whole image
    int m_pointerTile = 0;
    int m_prevPointerTile = 0;
    int m_hoverTile = 0;
    Position m_hoverPlace;         // where the hovered tile stood when the pointer came onto it
    int m_currentTilePicture = 0;  // the tile the side panel shows, 0 for none
    bool m_cursorShown = false;
    Edges m_cursorRect;
    Position m_preview;  // the editor's preview place; off the board when there is none
    Position m_keyCursor;
    std::function<void(platform::Rect)> m_boardChanged;
    std::function<void()> m_panelChanged;
};

// The redraw rectangle of a place: its tile image moved 26 pixels right and 19 down.
Edges redrawFrame(Position place);

}  // namespace orbeni
