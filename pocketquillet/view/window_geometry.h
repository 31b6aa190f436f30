#pragma once

#include <array>
#include <optional>

#include "platform/bitmap/bitmap.h"
#include "pocketquillet/game/board.h"
#include "pocketquillet/game/board_definition.h"
#include "pocketquillet/game/connection.h"

namespace pocketquillet {

inline constexpr int kLeftMargin = 2;
inline constexpr int kRightMargin = 2;
inline constexpr int kBottomMargin = 4;
// The gap between the command bar and the board.
inline constexpr int kTopGap = 2;
inline constexpr int kStatusLineCount = 3;
// The status box sits this far below the top of its first line and the bottom of its last.
inline constexpr int kStatusBoxPadding = 6;
// The last status line ends this far above the bottom of the window.
inline constexpr int kStatusBottomGap = 5;
// The start picture never comes closer to the top than this.
inline constexpr int kStartPictureTopLimit = 30;
inline constexpr int kPathBandWidth = 4;

// What the status font measures: its average character width and its line height (height plus
// external leading).
struct StatusMetrics {
    int charWidth = 8;
    int lineHeight = 14;
};

// A pixel position in the window's client area.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(Point, Point) = default;
};

// Everything the window needs to know about the board's size to place it: the client area, the
// command bar above the board, the status font, Show Score and the extent of the board in play.
struct GeometryInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int commandBarHeight = 0;
    StatusMetrics metrics;
    bool showScore = true;
    BoardExtent extent;
};

// Where the cells, the status box and its lines lie in the client area.
class BoardGeometry {
public:
    explicit BoardGeometry(const GeometryInput& input);

    int cellWidth() const { return m_cellWidth; }
    int cellHeight() const { return m_cellHeight; }
    int topMargin() const { return m_input.commandBarHeight + kTopGap; }
    const GeometryInput& input() const { return m_input; }

    platform::Rect cellRect(Cell cell) const;
    Point cellCentre(Cell cell) const;
    // The cell under a click: nothing in a margin, beside or below the cells, or while the cells
    // have no size.
    std::optional<Cell> cellAt(Point click) const;
    // Where paths to the bottom edge end: above the status lines.
    int bottomEdge() const;
    // The height of the status lines together; 0 while Show Score is off.
    int statusHeight() const;
    platform::Rect statusBox() const;
    // The top of status line 0..2.
    int statusLineTop(int line) const;
    // The left of a status column that starts so many characters in.
    int statusColumnLeft(int characters) const;

private:
    GeometryInput m_input;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
};

// Where the start picture goes: centred, but never closer to the top than 30 px.
Point startPictureOrigin(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);

// The bands of a shown path, each 4 px wide and centred on its line, that together cover the
// path once: no two overlap, so inverting them twice restores the picture.
struct PathBands {
    std::array<platform::Rect, kMaxChainCells> bands{};
    int count = 0;
};

PathBands pathBands(const ConnectionPath& path, const BoardGeometry& geometry);

}  // namespace pocketquillet
