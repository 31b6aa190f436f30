#pragma once

#include <optional>
#include <string>

#include "morvane/game/game_settings.h"
#include "morvane/game/host.h"
#include "morvane/game/layout.h"

namespace morvane {

enum class MouseButton { Left, Right };
enum class DesignTool { Insert, Remove };

// The design-mode cursor: the grid cell under the mouse and the height of its stack.
struct DesignCursor {
    int column = 0;
    int row = 0;
    int height = 0;
};

// Design mode: the spaces of the game's layout edited on the 40 x 40 cells of the design view, the
// tool the left button uses, the cursor under the mouse and the count of spaces.
class LayoutDesign {
public:
    LayoutDesign(Host& host, GameSettings& settings) : m_host(host), m_settings(settings) {}

    bool active() const { return m_active; }
    void enter();
    void leave() { m_active = false; }
    // The left button uses the tool, the right one the other.
    void click(int column, int row, MouseButton button);
    const DesignCursor& moveCursor(int column, int row);
    void shift(ShiftDirection direction);
    void clear();
    void setTool(DesignTool tool) { m_tool = tool; }
    DesignTool tool() const { return m_tool; }
    const DesignCursor& cursor() const { return m_cursor; }
    int spaceCount() const { return m_spaceCount; }
    // Counts the spaces again after the layout was replaced.
    void countLayoutSpaces();
    // "column - row - height" of the cursor, for the status bar.
    std::string cursorText() const;
    // What the player is warned of on leaving with more tiles than spaces or fewer; none when they
    // are as many.
    std::optional<std::string> tileCountWarning() const;

private:
    bool insertSpace(int column, int row);
    bool removeSpace(int column, int row);

    Host& m_host;
    GameSettings& m_settings;
    bool m_active = false;
    DesignTool m_tool = DesignTool::Insert;
    int m_spaceCount = 0;
    DesignCursor m_cursor;
};

}  // namespace morvane
