#include "orbeni/view/board_painter.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "orbeni/game/game.h"
#include "orbeni/view/picture_scale.h"
#include "orbeni/view/tileset_layout.h"
#include "platform/bitmap/bmp_file.h"
#include "platform/bitmap/raster_ops.h"

namespace orbeni {

namespace {

using platform::blit;
using platform::RasterOp;

using namespace tileset;

// A tileset's face cells are 41 x 51 apart, each picture one pixel in from the cell's corner.
constexpr int kFacePitchX = 41;
constexpr int kFacePitchY = 51;
// The bottom edge a tile keeps when a tile sits half a tile lower-right of it.
constexpr int kCutEdgeLeftPart = 21;
// Where the redraw frame lies from a tile's image.
constexpr int kFrameShiftX = 26;
constexpr int kFrameShiftY = 19;
constexpr int kRiverLineWidth = 5;
constexpr platform::Pixel kRiverLineColour = platform::rgb(255, 200, 0);

int facePictureX(FaceCell cell) {
    return kFacePitchX * cell.column + 1;
}
int facePictureY(FaceCell cell) {
    return kFacePitchY * cell.row + 1;
}
int faceMaskY(FaceCell cell) {
    return kFacePitchY * cell.row + kFaceMasksTop + 1;
}

bool overlaps(Edges a, Edges b) {
    return a.left < b.right && a.right > b.left && a.top < b.bottom && a.bottom > b.top;
}

platform::Rect rectOf(Edges edges) {
    return {edges.left, edges.top, edges.right - edges.left, edges.bottom - edges.top};
}

// The picture beside its mirror images, right, below and diagonally: repeated, it goes on past
// each edge without a seam.
platform::Bitmap mirroredFourfold(const platform::Bitmap& picture) {
    const int width = picture.width();
    const int height = picture.height();
    platform::Bitmap fourfold(2 * width, 2 * height);
    for (int y = 0; y < height; ++y) {
        const platform::Pixel* source = picture.row(y);
        platform::Pixel* upper = fourfold.row(y);
        platform::Pixel* lower = fourfold.row(2 * height - 1 - y);
        for (int x = 0; x < width; ++x) {
            upper[x] = upper[2 * width - 1 - x] = source[x];
            lower[x] = lower[2 * width - 1 - x] = source[x];
        }
    }
    return fourfold;
}

// Says why a tileset held at scale pixels for each board pixel cannot be cut, if it cannot.
std::optional<std::string> tilesetTooSmall(const platform::Bitmap& tileset, int scale) {
    if (tileset.width() >= scale * kMinTilesetWidth && tileset.height() >= scale * kMinTilesetHeight) {
        return std::nullopt;
    }
    return "the picture is " + std::to_string(tileset.width()) + " x " + std::to_string(tileset.height()) +
           " pixels; a tileset needs at least " + std::to_string(scale * kMinTilesetWidth) + " x " +
           std::to_string(scale * kMinTilesetHeight);
}

}  // namespace

Edges redrawFrame(Position place) {
    const int x = CoordX(place.x, place.z);
    const int y = CoordY(place.y, place.z);
    return {x - kTileEdge, y, x + kFaceWidth, y + kTileImageHeight};
}

BoardPainter::BoardPainter(const Game& game) : m_game(game) {}

void BoardPainter::setChangeListeners(std::function<void(platform::Rect)> boardChanged,
                                      std::function<void()> panelChanged) {
    m_boardChanged = std::move(boardChanged);
    m_panelChanged = std::move(panelChanged);
}

std::optional<std::string> BoardPainter::LoadTileset(const std::filesystem::path& file) {
    platform::Result<platform::Bitmap> loaded = platform::loadBmp(file);
    if (!loaded) {
        return loaded.error();
    }
    if (std::optional<std::string> unusable = tilesetTooSmall(loaded.value(), 1)) {
        return unusable;
    }
    int scale = 1;
    // A tileset of the player's own has no twice-size version: the window enlarges its pictures.
    if (m_wantedScale == 2) {
        platform::Result<platform::Bitmap> twice = platform::loadBmp(twiceSizeFile(file));
        if (twice && !tilesetTooSmall(twice.value(), 2)) {
            loaded = std::move(twice);
            scale = 2;
        }
    }
    m_paiBuffer = std::move(loaded).value();
    setPixelScale(scale);
    ChangeTexture();
    FullRedraw();
    return std::nullopt;
}

// Builds each face's whole tile once per tileset, so that drawing a tile is two raster operations:
// the blank tile, its face area cut out by the face mask, the face picture laid into the hole.
void BoardPainter::ChangeTexture() {
    for (int face = 1; face <= kFaceCount; ++face) {
        const FaceCell cell = kFaceCells[std::size_t(face)];
        const CellOrigin origin = tileImageOrigin(face);
        put(m_pai, origin.x, origin.y, kTileImageWidth, kTileImageHeight, m_paiBuffer, kBlankTileX,
            kSpecialTop);
        const int faceLeft = origin.x + kTileEdge;
        put(m_pai, faceLeft, origin.y, kFaceWidth, kFaceHeight, m_paiBuffer, facePictureX(cell),
            faceMaskY(cell), RasterOp::SourceAnd);
        put(m_pai, faceLeft, origin.y, kFaceWidth, kFaceHeight, m_paiBuffer, facePictureX(cell),
            facePictureY(cell), RasterOp::SourcePaint);
    }
}

// Lays a background under the board: a picture as large as the board once, a smaller one tiled.
std::optional<std::string> BoardPainter::NouveauFond(const std::filesystem::path& file) {
    platform::Result<platform::Bitmap> loaded = platform::loadBmp(file);
    if (!loaded) {
        return loaded.error();
    }
    if (loaded.value().isNull()) {
        return std::string("the picture has no pixels");
    }
    m_backgroundBitmap = std::move(loaded).value();
    const bool wholeBoard =
        m_backgroundBitmap.width() >= kBoardImageWidth && m_backgroundBitmap.height() >= kBoardImageHeight;
    m_surround = wholeBoard ? mirroredFourfold(m_backgroundBitmap) : m_backgroundBitmap;
    layBackground();
    FullRedraw();
    return std::nullopt;
}

void BoardPainter::drawNoBackground() {
    m_backgroundBitmap = platform::Bitmap();
    m_surround = platform::Bitmap(1, 1, kNoBackgroundTeal);
    layBackground();
    FullRedraw();
}

// Lays the background picture (teal without one) on the background layer at the pictures' scale,
// the picture enlarged smoothly when the tileset is drawn at twice the size.
void BoardPainter::layBackground() {
    if (m_backgroundBitmap.isNull()) {
        platform::fillRect(m_imageFond, m_imageFond.rect(), kNoBackgroundTeal);
    } else {
        const platform::Bitmap picture = smoothlyEnlarged(m_backgroundBitmap, m_pixelScale);
        const int width = m_backgroundBitmap.width();
        const int height = m_backgroundBitmap.height();
        if (width >= kBoardImageWidth && height >= kBoardImageHeight) {
            put(m_imageFond, 0, 0, width, height, picture, 0, 0);
        } else {
            for (int y = 0; y <= kBoardImageHeight; y += height) {
                for (int x = 0; x <= kBoardImageWidth; x += width) {
                    put(m_imageFond, x, y, width, height, picture, 0, 0);
                }
            }
        }
    }
    m_buffer = m_imageFond;
}

std::optional<std::string> BoardPainter::loadHallPicture(const std::filesystem::path& file) {
    platform::Result<platform::Bitmap> loaded = platform::loadBmp(file);
    if (!loaded) {
        return loaded.error();
    }
    m_hofSource = std::move(loaded).value();
    m_hofPic = smoothlyEnlarged(m_hofSource, m_pixelScale);
    m_saveHof = m_hofPic;
    m_currentTilePicture = 0;
    return std::nullopt;
}

// Makes every picture hold scale pixels for each board pixel. The pictures are laid again, the
// board and the side panel are to be drawn again, and nothing drawn over them is kept.
void BoardPainter::setPixelScale(int scale) {
    if (scale == m_pixelScale) {
        return;
    }
    m_pixelScale = scale;
    m_imageFond = platform::Bitmap(scale * kBoardImageWidth, scale * kBoardImageHeight, kNoBackgroundTeal);
    m_gameImage = m_imageFond;
    m_pai = platform::Bitmap(scale * kTileImagesWidth, scale * kTileImagesHeight);
    m_smallBuf = platform::Bitmap(scale * kTileImageWidth, scale * kTileImageHeight);
    m_filled = platform::Bitmap(scale * kFaceWidth, scale * kFaceHeight, platform::kWhite);
    m_hofPic = smoothlyEnlarged(m_hofSource, scale);
    m_saveHof = m_hofPic;
    m_currentTilePicture = 0;
    m_cursorShown = false;
    m_pointerTile = m_prevPointerTile = 0;
    layBackground();
}

// Copies a block given in board pixels between pictures held at the pictures' scale.
void BoardPainter::put(platform::Bitmap& dest, int x, int y, int width, int height,
                       const platform::Bitmap& source, int sourceX, int sourceY, RasterOp op) const {
    const int k = m_pixelScale;
    blit(dest, k * x, k * y, k * width, k * height, source, k * sourceX, k * sourceY, op);
}

// Draws a masked picture on the buffer in one pass: the mask, from the tileset's masks, keeps what
// the picture leaves transparent.
void BoardPainter::putMasked(int x, int y, int width, int height, CellOrigin mask,
                             const platform::Bitmap& picture, CellOrigin from) {
    const int k = m_pixelScale;
    platform::maskedBlit(m_buffer, k * x, k * y, k * width, k * height, m_paiBuffer, k * mask.x, k * mask.y,
                         picture, k * from.x, k * from.y);
}

void BoardPainter::fill(platform::Bitmap& dest, platform::Rect area, platform::Pixel colour) const {
    const int k = m_pixelScale;
    platform::fillRect(dest, {k * area.x, k * area.y, k * area.width, k * area.height}, colour);
}

void BoardPainter::FullRedraw() {
    m_redrawRect.reset();
    Redraw();
}

void BoardPainter::redrawPlace(Position place) {
    if (place.onBoard()) {
        redrawWithin(redrawFrame(place));
    }
}

void BoardPainter::RedrawTile(int tile) {
    redrawPlace(m_game.board().position(tile));
}

void BoardPainter::redrawWithin(Edges frame) {
    m_redrawRect = frame;
    Redraw();
    m_redrawRect.reset();
}

bool BoardPainter::hidesTiles() const {
    return m_game.GameStopped() || m_game.BoardFinished() || m_game.GamePaused();
}

// Composes the board into the buffer and brings the changed part to the visible image; a stopped,
// paused or finished game shows its background only.
void BoardPainter::Redraw() {
    // A tile that left its place while highlighted is drawn plain wherever it is now.
    if (m_hoverTile != 0 && m_game.board().position(m_hoverTile) != m_hoverPlace) {
        m_hoverTile = 0;
    }
    // Only the area being redrawn is composed afresh; the tiles that reach into it are drawn whole,
    // and what they draw beyond it never leaves the buffer.
    const platform::Rect area = rectOf(redrawArea());
    put(m_buffer, area.x, area.y, area.width, area.height, m_imageFond, area.x, area.y);
    if (!hidesTiles()) {
        paintTiles();
        drawRiverPath();
        drawKeyCursor();
    }
    transfer();
}

// Draws the river that joined the last Rivers pair as a line through the cells it crossed.
void BoardPainter::drawRiverPath() {
    if (!m_game.riverPathShown()) {
        return;
    }
    std::array<Position, kMaxRiverCells + 2> points;
    const int count = m_game.riverPath(points);
    const auto centre = [](Position p) {
        return std::pair{faceX(p) + kFaceWidth / 2, faceY(p) + kFaceHeight / 2};
    };
    for (int i = 0; i + 1 < count; ++i) {
        const auto [x1, y1] = centre(points[std::size_t(i)]);
        const auto [x2, y2] = centre(points[std::size_t(i + 1)]);
        const int left = std::min(x1, x2) - kRiverLineWidth / 2;
        const int top = std::min(y1, y2) - kRiverLineWidth / 2;
        fill(m_buffer, {left, top, std::abs(x2 - x1) + kRiverLineWidth, std::abs(y2 - y1) + kRiverLineWidth},
             kRiverLineColour);
    }
}

// Paints right to left and top to bottom, layer by layer, so that each tile covers the left and
// bottom edges of its right and upper neighbours and higher layers cover lower ones.
void BoardPainter::paintTiles() {
    const Board& board = m_game.board();
    for (int z = 1; z <= kLayers; ++z) {
        for (int x = kColumns; x >= 1; --x) {
            for (int y = 1; y <= kRows; ++y) {
                const Position place{x, y, z};
                const int tile = board.cell(place);
                if ((tile >= 1 && tile <= kMaxTiles) || (tile != kReservedCell && place == m_preview)) {
                    ShowIt(place, tile == kReservedCell ? 0 : tile);
                }
            }
        }
    }
}

// The part of the board image a redraw changes: all of it, or the frame's, moved from the
// frame's coordinates to the image's.
Edges BoardPainter::redrawArea() const {
    if (!m_redrawRect) {
        return {0, 0, kBoardImageWidth, kBoardImageHeight};
    }
    return {m_redrawRect->left - kFrameShiftX, m_redrawRect->top - kFrameShiftY,
            m_redrawRect->right - kFrameShiftX, m_redrawRect->bottom - kFrameShiftY};
}

void BoardPainter::transfer() {
    const bool cursor = m_cursorShown && isRectangleMode() && !m_game.EditorMode();
    if (!m_redrawRect) {
        // The image takes the composed buffer whole; the buffer is composed afresh next time.
        std::swap(m_gameImage, m_buffer);
        boardChanged({0, 0, kBoardImageWidth, kBoardImageHeight});
    } else {
        if (cursor) {
            restoreUnderCursor();
        }
        const Edges area = redrawArea();
        const platform::Rect rect = rectOf(area);
        put(m_gameImage, rect.x, rect.y, rect.width, rect.height, m_buffer, rect.x, rect.y);
        boardChanged(area);
    }
    forgetGoneMarks();
    if (cursor && m_cursorShown) {
        saveUnderCursorAndDraw();
    }
}

// Forgets the hover marks of a tile that is no longer where it was marked (taken off, slid on,
// a new deal) and every mark while only the background shows.
void BoardPainter::forgetGoneMarks() {
    if (m_game.EditorMode()) {
        return;
    }
    const Position place = m_game.board().position(m_pointerTile);
    const bool stillThere = m_pointerTile != 0 && place.onBoard() && faceX(place) == m_cursorRect.left &&
                            faceY(place) == m_cursorRect.top;
    if (hidesTiles() || (m_cursorShown && isRectangleMode() && !stillThere)) {
        clearHover();
    }
    if (hidesTiles() ||
        (m_currentTilePicture != 0 && !m_game.board().position(m_currentTilePicture).onBoard())) {
        eraseCurrentTile();
    }
}

void BoardPainter::clearHover() {
    m_hoverTile = 0;
    m_cursorShown = false;
    m_pointerTile = m_prevPointerTile = 0;
}

// Skips a tile outside the area being redrawn; the test is made in the redraw frame.
bool BoardPainter::isClipped(int px, int py) const {
    if (!m_redrawRect) {
        return false;
    }
    const Edges tile{px + kFrameShiftX - kTileEdge, py + kFrameShiftY, px + kFrameShiftX + kFaceWidth,
                     py + kFrameShiftY + kTileImageHeight};
    return !overlaps(tile, *m_redrawRect);
}

void BoardPainter::ShowIt(Position place, int tile) {
    const int px = faceX(place);
    const int py = faceY(place);
    if (isClipped(px, py)) {
        return;
    }
    const bool editor = m_game.EditorMode();
    const CellOrigin source = editor || tile == 0 ? CellOrigin{} : tileImageOrigin(faceOf(tile));
    drawBody(place, px, py, source);
    if (editor) {
        const int faceSourceX = place == m_preview ? kSelectedFaceX : kBlankTileX + kTileEdge;
        copyFace(px, py, faceSourceX, kSpecialTop);
        return;
    }
    if (!m_game.RiverPathFound()) {
        markFace(tile, px, py);
    }
}

// Draws the tile's body; when a tile sits half a tile lower-right on the same layer, only the
// left 21 pixels of the bottom edge and its corner are drawn, so the edge stops short of it.
void BoardPainter::drawBody(Position place, int px, int py, CellOrigin source) {
    const Position lowerRight{place.x + 1, place.y + 2, place.z};
    const int left = px - kTileEdge;
    if (m_game.board().cell(lowerRight) == 0 && lowerRight != m_preview) {
        putMasked(left, py, kTileImageWidth, kTileImageHeight, {kTileMaskX, kSpecialTop}, m_pai, source);
        return;
    }
    putMasked(left, py, kTileImageWidth, kFaceHeight, {kTileMaskX, kSpecialTop}, m_pai, source);
    put(m_buffer, left, py + kFaceHeight, kCutEdgeLeftPart, kTileEdge, m_pai, source.x,
        source.y + kFaceHeight);
    const int cornerX = left + kCutEdgeLeftPart;
    putMasked(cornerX, py + kFaceHeight, kTileEdge, kTileEdge, {kMaskCornerX, kMaskCornerY}, m_pai,
              {source.x + kFaceWidth, source.y + kFaceHeight});
}

// Marks the selected, hinted and hovered tiles, whatever the hover mode.
void BoardPainter::markFace(int tile, int px, int py) {
    if (tile == 0) {
        return;
    }
    const bool selected = tile == m_game.FirstTile() || tile == m_game.SecondTile();
    const bool highlighted = tile == m_game.HintTileA() || tile == m_game.HintTileB() || tile == m_hoverTile;
    if (!selected && !highlighted) {
        return;
    }
    if (m_game.options().invertSelection) {
        put(m_buffer, px, py, kFaceWidth, kFaceHeight, m_filled, 0, 0, RasterOp::SourceInvert);
        return;
    }
    copyFace(px, py, selected ? kSelectedFaceX : kHighlightFaceX, kSpecialTop);
    const FaceCell cell = kFaceCells[std::size_t(faceOf(tile))];
    putMasked(px, py, kFaceWidth, kFaceHeight, {facePictureX(cell), faceMaskY(cell)}, m_paiBuffer,
              {facePictureX(cell), facePictureY(cell)});
}

void BoardPainter::copyFace(int px, int py, int sourceX, int sourceY) {
    put(m_buffer, px, py, kFaceWidth, kFaceHeight, m_paiBuffer, sourceX, sourceY);
}

void BoardPainter::boardChanged(Edges area) {
    if (m_boardChanged) {
        m_boardChanged(rectOf(area));
    }
}

}  // namespace orbeni
