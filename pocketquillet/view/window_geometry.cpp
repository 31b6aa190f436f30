#include "pocketquillet/view/window_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace pocketquillet {

namespace {

constexpr int kHalfBand = kPathBandWidth / 2;

platform::Rect spanning(int left, int top, int right, int bottom) {
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

// A band along a row from x1 to x2, covering both ends' squares.
platform::Rect rowBand(int y, int x1, int x2) {
    return spanning(std::min(x1, x2) - kHalfBand, y - kHalfBand, std::max(x1, x2) + kHalfBand, y + kHalfBand);
}

platform::Rect columnBand(int x, int y1, int y2) {
    return spanning(x - kHalfBand, std::min(y1, y2) - kHalfBand, x + kHalfBand, std::max(y1, y2) + kHalfBand);
}

// Leaves out of a band the square at its start, which the band before it already covers.
platform::Rect withoutStart(platform::Rect band, Point start, Point end) {
    if (start.y == end.y) {
        const int cut = end.x > start.x ? start.x + kHalfBand : start.x - kHalfBand;
        return end.x > start.x ? spanning(cut, band.y, band.x + band.width, band.y + band.height)
                               : spanning(band.x, band.y, cut, band.y + band.height);
    }
    const int cut = end.y > start.y ? start.y + kHalfBand : start.y - kHalfBand;
    return end.y > start.y ? spanning(band.x, cut, band.x + band.width, band.y + band.height)
                           : spanning(band.x, band.y, band.x + band.width, cut);
}

bool overlap(const platform::Rect& a, const platform::Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

platform::Rect unite(const platform::Rect& a, const platform::Rect& b) {
    return spanning(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x + a.width, b.x + b.width),
                    std::max(a.y + a.height, b.y + b.height));
}

// The two stones' bands towards one edge; bands that would overlap (one row, or cells thinner
// than a band) become one, so that no pixel is inverted twice.
PathBands edgeBands(const ConnectionPath& path, const BoardGeometry& geometry) {
    const GeometryInput& input = geometry.input();
    PathBands result;
    for (const Cell stone : {path.chosen, path.before}) {
        const Point c = geometry.cellCentre(stone);
        platform::Rect band;
        switch (path.kind) {
            case PathKind::LeftEdge:
                band = spanning(kLeftMargin, c.y - kHalfBand, c.x + kHalfBand, c.y + kHalfBand);
                break;
            case PathKind::RightEdge:
                band = spanning(c.x - kHalfBand, c.y - kHalfBand, input.clientWidth - kRightMargin,
                                c.y + kHalfBand);
                break;
            case PathKind::TopEdge:
                band = spanning(c.x - kHalfBand, geometry.topMargin(), c.x + kHalfBand, c.y + kHalfBand);
                break;
            default:
                band = spanning(c.x - kHalfBand, c.y - kHalfBand, c.x + kHalfBand, geometry.bottomEdge());
                break;
        }
        if (result.count == 1 && overlap(result.bands[0], band)) {
            result.bands[0] = unite(result.bands[0], band);
        } else {
            result.bands[result.count++] = band;
        }
    }
    return result;
}

bool stepsAlongRow(Cell from, Cell to) {
    return from.y == to.y;
}

// One band per straight run of the chain, from centre to centre.
PathBands innerBands(const ConnectionPath& path, const BoardGeometry& geometry) {
    PathBands result;
    int runStart = 0;
    for (int i = 1; i < path.chainLength; ++i) {
        const bool alongRow = stepsAlongRow(path.chain[i - 1], path.chain[i]);
        if (i + 1 < path.chainLength && stepsAlongRow(path.chain[i], path.chain[i + 1]) == alongRow) {
            continue;
        }
        const Point start = geometry.cellCentre(path.chain[runStart]);
        const Point end = geometry.cellCentre(path.chain[i]);
        platform::Rect band =
            alongRow ? rowBand(start.y, start.x, end.x) : columnBand(start.x, start.y, end.y);
        if (result.count > 0) {
            band = withoutStart(band, start, end);
        }
        result.bands[result.count++] = band;
        runStart = i;
    }
    return result;
}

}  // namespace

BoardGeometry::BoardGeometry(const GeometryInput& input) : m_input(input) {
    const int columns = std::max(input.extent.columns(), 1);
    const int rows = std::max(input.extent.rows(), 1);
    m_cellWidth = std::max((input.clientWidth - kLeftMargin - kRightMargin) / columns, 0);
    m_cellHeight = std::max((input.clientHeight - statusHeight() - topMargin() - kBottomMargin) / rows, 0);
}

platform::Rect BoardGeometry::cellRect(Cell cell) const {
    return {(cell.x - m_input.extent.firstColumn) * m_cellWidth + kLeftMargin,
            (cell.y - m_input.extent.firstRow) * m_cellHeight + topMargin(), m_cellWidth, m_cellHeight};
}

Point BoardGeometry::cellCentre(Cell cell) const {
    const platform::Rect rect = cellRect(cell);
    return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

std::optional<Cell> BoardGeometry::cellAt(Point click) const {
    const int x = click.x - kLeftMargin;
    const int y = click.y - topMargin();
    if (m_cellWidth <= 0 || m_cellHeight <= 0 || x < 0 || y < 0) {
        return std::nullopt;
    }
    const Cell cell{m_input.extent.firstColumn + x / m_cellWidth, m_input.extent.firstRow + y / m_cellHeight};
    if (cell.x >= m_input.extent.endColumn || cell.y >= m_input.extent.endRow || !isOnBoard(cell)) {
        return std::nullopt;
    }
    return cell;
}

int BoardGeometry::bottomEdge() const {
    return m_input.clientHeight - statusHeight() - kStatusBottomGap;
}

int BoardGeometry::statusHeight() const {
    return m_input.showScore ? kStatusLineCount * m_input.metrics.lineHeight : 0;
}

platform::Rect BoardGeometry::statusBox() const {
    constexpr int kBoxLeft = 8;
    constexpr int kBoxCharacters = 54;
    constexpr int kBoxRightGap = 16;
    const int height = kStatusLineCount * m_input.metrics.lineHeight + kStatusBoxPadding;
    const int right = kBoxCharacters * m_input.metrics.charWidth + kBoxRightGap;
    return {kBoxLeft, m_input.clientHeight - height, right - kBoxLeft, height};
}

int BoardGeometry::statusLineTop(int line) const {
    return m_input.clientHeight - kStatusBottomGap - (kStatusLineCount - line) * m_input.metrics.lineHeight;
}

int BoardGeometry::statusColumnLeft(int characters) const {
    constexpr int kStatusLeft = 15;
    return characters * m_input.metrics.charWidth + kStatusLeft;
}

Point startPictureOrigin(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
    return {(clientWidth - pictureWidth) / 2,
            std::max((clientHeight - pictureHeight) / 2, kStartPictureTopLimit)};
}

PathBands pathBands(const ConnectionPath& path, const BoardGeometry& geometry) {
    return path.kind == PathKind::Inner ? innerBands(path, geometry) : edgeBands(path, geometry);
}

}  // namespace pocketquillet
