#pragma once

#include <string_view>
#include <vector>

#include "platform/bitmap/bitmap.h"
#include "pocketquillet/view/status_lines.h"
#include "pocketquillet/view/window_geometry.h"

namespace pocketquillet {

class PocketGame;
struct ConnectionPath;

// Draws the status font's text into a bitmap; the window supplies it from its font system.
class TextDrawer {
public:
    virtual ~TextDrawer() = default;
    virtual StatusMetrics metrics() const = 0;
    // Draws a UTF-8 text with its top-left corner at (x, y), on a background unless transparent.
    virtual void drawText(platform::Bitmap& target, Point origin, std::string_view text,
                          platform::Pixel colour, const platform::Pixel* background) = 0;
};

// The game's built-in pictures; a picture that could not be read is a null bitmap.
struct Pictures {
    platform::Bitmap stones;   // 18 x 3 faces of StoneXL x StoneYL
    platform::Bitmap start;    // shown while no game runs
    platform::Bitmap pattern;  // inverted over the selected stone and the paths
};

// Composes the window's client area off screen: the start picture while idle, else the stones
// stretched to their cells, the status box, the highlight and the shown path. Each call returns
// the areas that changed, for the window to copy to the screen.
class BoardPainter {
public:
    using Areas = std::vector<platform::Rect>;

    BoardPainter(const PocketGame& game, const Pictures& pictures, TextDrawer& text);

    // Follows a new client size (the cells grow with it) and redraws everything.
    Areas resize(int width, int height);
    Areas repaintBoard();
    Areas repaintCell(Cell cell);
    // Inverts the selected stone's cell, or a path's bands; doing it again restores them.
    Areas markCell(Cell cell);
    Areas markPath(const ConnectionPath& path);
    // Draws the status lines whose text changed since they were last drawn.
    Areas repaintStatus();

    const platform::Bitmap& image() const { return m_image; }
    BoardGeometry geometry() const;

private:
    bool showsBoard() const;
    void drawStone(Cell cell, const BoardGeometry& geometry);
    static platform::Rect litBox(const BoardGeometry& geometry);
    // Draws the status box and every status line.
    void drawStatus(const BoardGeometry& geometry);
    void drawStatusBox(const BoardGeometry& geometry);
    Areas drawStatusLines(const StatusLines& lines, const std::bitset<kMostStatusLines>& which);
    void invert(const platform::Rect& area, const platform::Rect& clip);
    // Inverts again what the game shows marked inside an area that was just drawn plain.
    void reapplyMarks(const platform::Rect& area, const BoardGeometry& geometry);

    const PocketGame& m_game;
    const Pictures& m_pictures;
    TextDrawer& m_text;
    platform::Bitmap m_image;
    StatusLines m_drawnStatus;
};

}  // namespace pocketquillet
