#include "pocketquillet/view/board_painter.h"

#include <algorithm>

#include "platform/bitmap/raster_ops.h"
#include "pocketquillet/game/pocket_game.h"

namespace pocketquillet {

namespace {

constexpr int kFacesPerRow = 18;

platform::Rect intersection(const platform::Rect& a, const platform::Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

bool isEmpty(const platform::Rect& rect) {
    return rect.width <= 0 || rect.height <= 0;
}

// Draws a one-pixel outline; the fill, when given, covers the inside.
void drawFrame(platform::Bitmap& image, const platform::Rect& rect, platform::Pixel border) {
    platform::fillRect(image, {rect.x, rect.y, rect.width, 1}, border);
    platform::fillRect(image, {rect.x, rect.y + rect.height - 1, rect.width, 1}, border);
    platform::fillRect(image, {rect.x, rect.y, 1, rect.height}, border);
    platform::fillRect(image, {rect.x + rect.width - 1, rect.y, 1, rect.height}, border);
}

}  // namespace

BoardPainter::BoardPainter(const PocketGame& game, const Pictures& pictures, TextDrawer& text)
    : m_game(game), m_pictures(pictures), m_text(text) {}

BoardGeometry BoardPainter::geometry() const {
    return BoardGeometry(GeometryInput{m_image.width(), m_image.height(), 0, m_text.metrics(),
                                       m_game.options().showScore, m_game.extent()});
}

bool BoardPainter::showsBoard() const {
    return m_game.state() != GameState::Idle;
}

BoardPainter::Areas BoardPainter::resize(int width, int height) {
    m_image = platform::Bitmap(width, height, platform::kWhite);
    return repaintBoard();
}

BoardPainter::Areas BoardPainter::repaintBoard() {
    platform::fillRect(m_image, m_image.rect(), platform::kWhite);
    m_drawnStatus = {};
    if (!showsBoard()) {
        const platform::Bitmap& start = m_pictures.start;
        const Point origin =
            startPictureOrigin(m_image.width(), m_image.height(), start.width(), start.height());
        platform::blit(m_image, origin.x, origin.y, start.width(), start.height(), start, 0, 0);
        return {m_image.rect()};
    }
    const BoardGeometry geometry = this->geometry();
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            drawStone({x, y}, geometry);
        }
    }
    if (m_game.options().showScore) {
        drawStatus(geometry);
    }
    reapplyMarks(m_image.rect(), geometry);
    return {m_image.rect()};
}

BoardPainter::Areas BoardPainter::repaintCell(Cell cell) {
    if (!showsBoard()) {
        return {};
    }
    const BoardGeometry geometry = this->geometry();
    const platform::Rect rect = geometry.cellRect(cell);
    drawStone(cell, geometry);
    reapplyMarks(rect, geometry);
    Areas areas{rect};
    // The bottom row of cells may reach under the status box, which lies on top of it.
    const platform::Rect box = litBox(geometry);
    if (m_game.options().showScore && !isEmpty(intersection(rect, box))) {
        drawStatus(geometry);
        reapplyMarks(box, geometry);
        areas.push_back(box);
    }
    return areas;
}

BoardPainter::Areas BoardPainter::markCell(Cell cell) {
    if (!showsBoard()) {
        return {};
    }
    const platform::Rect rect = geometry().cellRect(cell);
    invert(rect, rect);
    return {rect};
}

BoardPainter::Areas BoardPainter::markPath(const ConnectionPath& path) {
    if (!showsBoard()) {
        return {};
    }
    const PathBands bands = pathBands(path, geometry());
    Areas areas(bands.bands.begin(), bands.bands.begin() + bands.count);
    for (const platform::Rect& band : areas) {
        invert(band, band);
    }
    return areas;
}

BoardPainter::Areas BoardPainter::repaintStatus() {
    if (!showsBoard() || !m_game.options().showScore) {
        return {};
    }
    const StatusLines now = statusLines(m_game, geometry());
    const std::bitset<kMostStatusLines> changed = changedLines(m_drawnStatus, now);
    Areas areas = drawStatusLines(now, changed);
    m_drawnStatus = now;
    return areas;
}

// A stone is its face cut from the stone bitmap and stretched to the cell; an empty cell is white.
void BoardPainter::drawStone(Cell cell, const BoardGeometry& geometry) {
    const platform::Rect rect = geometry.cellRect(cell);
    const int face = m_game.board().face(cell);
    platform::fillRect(m_image, rect, platform::kWhite);
    if (face <= 0 || m_pictures.stones.isNull()) {
        return;
    }
    const StoneSize size = m_game.stoneSize();
    const platform::Rect source{size.width * ((face - 1) % kFacesPerRow),
                                size.height * ((face - 1) / kFacesPerRow), size.width, size.height};
    platform::stretchBlit(m_image, rect, m_pictures.stones, source);
}

// The status box with its white border one pixel up and left.
platform::Rect BoardPainter::litBox(const BoardGeometry& geometry) {
    const platform::Rect box = geometry.statusBox();
    return {box.x - 1, box.y - 1, box.width + 1, box.height + 1};
}

void BoardPainter::drawStatus(const BoardGeometry& geometry) {
    drawStatusBox(geometry);
    m_drawnStatus = statusLines(m_game, geometry);
    drawStatusLines(m_drawnStatus, std::bitset<kMostStatusLines>().set());
}

// A dark grey box with a black border, lit by a white border one pixel up and left.
void BoardPainter::drawStatusBox(const BoardGeometry& geometry) {
    const platform::Rect box = geometry.statusBox();
    drawFrame(m_image, {box.x - 1, box.y - 1, box.width, box.height}, standardColour(kWhiteIndex));
    platform::fillRect(m_image, {box.x + 1, box.y + 1, box.width - 2, box.height - 2},
                       standardColour(kGreyIndex));
    drawFrame(m_image, box, standardColour(kBlackIndex));
}

// Draws each chosen line over the box's fill: its shadow on its background, then its text. A
// line is composed apart and cut to its own place, so that lines drawn alone or all together
// look the same.
BoardPainter::Areas BoardPainter::drawStatusLines(const StatusLines& lines,
                                                  const std::bitset<kMostStatusLines>& which) {
    const StatusMetrics metrics = m_text.metrics();
    Areas areas;
    for (int i = 0; i < lines.count; ++i) {
        if (!which[static_cast<std::size_t>(i)]) {
            continue;
        }
        const StatusLine& line = lines.lines[static_cast<std::size_t>(i)];
        int characters = characterCount(line.text);
        if (i < m_drawnStatus.count) {
            characters = std::max(characters, characterCount(m_drawnStatus.lines[i].text));
        }
        platform::Bitmap composed(characters * metrics.charWidth, metrics.lineHeight,
                                  standardColour(kGreyIndex));
        m_text.drawText(composed, {1, 1}, line.text, line.shadow, &line.shadowBackground);
        m_text.drawText(composed, {0, 0}, line.text, line.colour, nullptr);
        platform::blit(m_image, line.origin.x, line.origin.y, composed.width(), composed.height(), composed,
                       0, 0);
        areas.push_back({line.origin.x, line.origin.y, composed.width(), composed.height()});
    }
    return areas;
}

// Inverts the part of an area inside clip with the pattern stretched over the whole area, so
// that a mark drawn in pieces matches the mark drawn whole. Without a pattern it inverts plainly.
void BoardPainter::invert(const platform::Rect& area, const platform::Rect& clip) {
    const platform::Rect part = intersection(area, clip);
    if (isEmpty(part)) {
        return;
    }
    if (m_pictures.pattern.isNull()) {
        platform::invertRect(m_image, part);
        return;
    }
    platform::Bitmap stretched(area.width, area.height);
    platform::stretchBlit(stretched, stretched.rect(), m_pictures.pattern, m_pictures.pattern.rect());
    platform::blit(m_image, part.x, part.y, part.width, part.height, stretched, part.x - area.x,
                   part.y - area.y, platform::RasterOp::SourceInvert);
}

void BoardPainter::reapplyMarks(const platform::Rect& area, const BoardGeometry& geometry) {
    if (const std::optional<Cell> selection = m_game.selection()) {
        invert(geometry.cellRect(*selection), area);
    }
    if (const std::optional<ConnectionPath>& path = m_game.shownPath()) {
        const PathBands bands = pathBands(*path, geometry);
        for (int i = 0; i < bands.count; ++i) {
            invert(bands.bands[static_cast<std::size_t>(i)], area);
        }
    }
}

}  // namespace pocketquillet
