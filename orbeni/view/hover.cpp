#include <utility>

#include "orbeni/game/game.h"
#include "orbeni/view/board_painter.h"
#include "orbeni/view/tileset_layout.h"
#include "platform/bitmap/raster_ops.h"

// The hover feedback: a rectangle drawn straight onto the visible board over a save-under, or the
// tile under the pointer drawn in the highlighted style; the current-tile picture of the side
// panel; the layout editor's preview tile.

namespace orbeni {

namespace {

using platform::RasterOp;

using namespace tileset;

// Where the side panel shows the tile under the pointer.
constexpr int kCurrentTileX = 24;
constexpr int kCurrentTileY = 400;
// The hover rectangle's outline and the width of its pen.
constexpr int kFrameLeft = 1;
constexpr int kFrameTop = 1;
constexpr int kFrameRight = 38;
constexpr int kFrameBottom = 49;
constexpr int kPenWidth = 3;

}  // namespace

// Draws a rectangle's outline with a pen of kPenWidth centred on it, as a hollow brush does.
void BoardPainter::drawOutline(platform::Bitmap& image, Edges outline, platform::Pixel colour) const {
    const int half = kPenWidth / 2;
    const int left = outline.left - half;
    const int top = outline.top - half;
    const int width = outline.right - outline.left + 2 * half;
    const int height = outline.bottom - outline.top + 2 * half;
    fill(image, {left, top, width, kPenWidth}, colour);
    fill(image, {left, top + height - kPenWidth, width, kPenWidth}, colour);
    fill(image, {left, top, kPenWidth, height}, colour);
    fill(image, {left + width - kPenWidth, top, kPenWidth, height}, colour);
}

bool BoardPainter::isRectangleMode() const {
    return m_highlightMode == HighlightMode::RedRectangle ||
           m_highlightMode == HighlightMode::GreenRectangle ||
           m_highlightMode == HighlightMode::BlueRectangle;
}

platform::Pixel BoardPainter::penColour() const {
    switch (m_highlightMode) {
        case HighlightMode::GreenRectangle:
            return platform::rgb(0, 128, 0);
        case HighlightMode::BlueRectangle:
            return platform::rgb(0, 0, 255);
        default:
            return platform::rgb(255, 0, 0);
    }
}

void BoardPainter::FormMouseMove(int x, int y) {
    const bool editor = m_game.EditorMode();
    if ((m_highlightMode == HighlightMode::None && !editor) || hidesTiles()) {
        return;
    }
    const int boardX = x - kBoardOffsetX;
    const int boardY = y - kBoardOffsetY;
    const int column = boardX / 20;
    const int row = boardY / 25;
    if (column < 0 || column > kColumns || row < 0 || row > kRows) {
        return;
    }
    if (editor) {
        editorPreview(boardX, boardY);
        return;
    }
    m_prevPointerTile = m_pointerTile;
    const int tile = m_game.board().WhatTileThere(boardX, boardY);
    // Only possible moves asks the horizontal rule, even under the Vertical Variation.
    if (tile > 0 && (!m_game.options().onlyPossibleMoves || m_game.Dispo(tile))) {
        moveOverTile(tile);
    } else {
        moveOffTiles();
    }
}

void BoardPainter::moveOverTile(int tile) {
    m_pointerTile = tile;
    showCurrentTile(tile);
    if (m_pointerTile == m_prevPointerTile) {
        return;
    }
    if (m_prevPointerTile != 0) {
        takeFeedbackOff();
    }
    m_cursorShown = true;
    if (isRectangleMode()) {
        const Position place = m_game.board().position(tile);
        const int px = faceX(place);
        const int py = faceY(place);
        m_cursorRect = {px, py, px + kTileImageWidth, py + kTileImageHeight};
        saveUnderCursorAndDraw();
    } else if (m_highlightMode == HighlightMode::ColoredTile) {
        m_hoverTile = tile;
        m_hoverPlace = m_game.board().position(tile);
        RedrawTile(tile);
    }
}

void BoardPainter::moveOffTiles() {
    eraseCurrentTile();
    takeFeedbackOff();
    m_cursorShown = false;
    m_pointerTile = m_prevPointerTile = 0;
}

void BoardPainter::takeFeedbackOff() {
    if (isRectangleMode() && m_cursorShown) {
        restoreUnderCursor();
    } else if (m_highlightMode == HighlightMode::ColoredTile && m_hoverTile > 0) {
        const int previous = m_hoverTile;
        m_hoverTile = 0;
        RedrawTile(previous);
    }
}

void BoardPainter::restoreUnderCursor() {
    put(m_gameImage, m_cursorRect.left, m_cursorRect.top, kTileImageWidth, kTileImageHeight, m_smallBuf, 0,
        0);
    boardChanged(m_cursorRect);
}

// Keeps what the hover rectangle covers, so that taking it off never recomposes the board.
void BoardPainter::saveUnderCursorAndDraw() {
    put(m_smallBuf, 0, 0, kTileImageWidth, kTileImageHeight, m_gameImage, m_cursorRect.left,
        m_cursorRect.top);
    drawOutline(m_gameImage,
                {m_cursorRect.left + kFrameLeft, m_cursorRect.top + kFrameTop,
                 m_cursorRect.left + kFrameRight, m_cursorRect.top + kFrameBottom},
                penColour());
    boardChanged(m_cursorRect);
}

// Shows the tile under the pointer in the side panel when its face can be seen whole. The panel
// is touched only when its picture changes, so moving over one tile costs nothing.
void BoardPainter::showCurrentTile(int tile) {
    const Position place = m_game.board().position(tile);
    const bool uncovered = place.z == kLayers || m_game.board().cell(place.x, place.y, place.z + 1) == 0;
    if (!m_game.options().showCurrentTile || !uncovered) {
        eraseCurrentTile();
        return;
    }
    if (m_currentTilePicture == tile) {
        return;
    }
    const CellOrigin source = tileImageOrigin(faceOf(tile));
    put(m_saveHof, kCurrentTileX, kCurrentTileY, kTileImageWidth, kTileImageHeight, m_paiBuffer, kTileMaskX,
        kSpecialTop, RasterOp::SourceAnd);
    put(m_saveHof, kCurrentTileX, kCurrentTileY, kTileImageWidth, kTileImageHeight, m_pai, source.x, source.y,
        RasterOp::SourcePaint);
    m_currentTilePicture = tile;
    panelChanged();
}

void BoardPainter::eraseCurrentTile() {
    if (m_currentTilePicture == 0) {
        return;
    }
    put(m_saveHof, kCurrentTileX, kCurrentTileY, kTileImageWidth, kTileImageHeight, m_hofPic, kCurrentTileX,
        kCurrentTileY);
    m_currentTilePicture = 0;
    panelChanged();
}

void BoardPainter::panelChanged() {
    if (m_panelChanged) {
        m_panelChanged();
    }
}

// Moves the editor's preview tile to the place a left click would fill.
void BoardPainter::editorPreview(int boardX, int boardY) {
    if (m_cursorShown) {
        m_preview = Position{};
        redrawWithin(m_cursorRect);
    }
    m_cursorShown = true;
    const Position place = m_game.board().WhatAdd(boardX, boardY);
    if (!place.onBoard()) {
        return;
    }
    m_preview = place;
    m_cursorRect = redrawFrame(place);
    redrawWithin(m_cursorRect);
}

void BoardPainter::resetPreview() {
    m_preview = Position{};
    m_cursorShown = false;
}

void BoardPainter::Highlight1Click() {
    if (isRectangleMode() && m_cursorShown) {
        restoreUnderCursor();
    } else if (m_highlightMode == HighlightMode::ColoredTile) {
        const int previous = std::exchange(m_hoverTile, 0);
        RedrawTile(previous);
    }
    m_cursorShown = false;
    m_highlightMode = HighlightMode::None;
}

void BoardPainter::Highlight2Click(HighlightMode rectangle) {
    if (m_highlightMode == HighlightMode::ColoredTile) {
        const int previous = std::exchange(m_hoverTile, 0);
        RedrawTile(previous);
    }
    m_highlightMode = rectangle;
}

void BoardPainter::Highlight3Click() {
    if (isRectangleMode() && m_cursorShown) {
        restoreUnderCursor();
    }
    m_cursorShown = false;
    m_highlightMode = HighlightMode::ColoredTile;
}

}  // namespace orbeni
