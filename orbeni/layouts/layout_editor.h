#pragma once

#include <string>

#include "orbeni/game/game.h"
#include "orbeni/layouts/layout_menu.h"

namespace orbeni {

// How the player leaves the editor with a finished layout.
enum class EditorExit { Save, SaveAs, TryIt };

// The layout editor's operations on the template and the board; the window shows its menu bar
// and panel while the game's EditorMode is set.
class LayoutEditor {
public:
    LayoutEditor(Game& game, Host& host, LayoutMenu& menu) : m_game(game), m_host(host), m_menu(menu) {}

    void CreateLayout1Click();
    void Editlayout1Click();
    // A click on the board: the left button places a tile, the right one removes the top tile.
    void ButtonDown(MouseButton button, int mouseX, int mouseY);
    // The place a left click at the board pixel would fill, for the preview; none is (0, 0, 0).
    Position previewAt(int px, int py) const;
    // Puts the lowest unused tile number at a place that carries it and has room.
    void placeAt(Position p);
    // Takes a tile away unless something on the layer above covers it.
    void removeTile(int tile);

    void Movetoleft1Click() { moveBoard(-1, 0); }
    void Movetoright1Click() { moveBoard(1, 0); }
    void Movetotop1Click() { moveBoard(0, -1); }
    void Movetobottom1Click() { moveBoard(0, 1); }

    // Leaves with the layout named as the panel's name field says, when all 144 are placed.
    void SaveandexitClick(EditorExit exit, const std::string& layoutName);
    // Leaves, dropping the changes: the current layout file is loaded again.
    void Cancel2Click();

    int EditorTilesLeft() const { return m_tilesLeft; }

private:
    bool enter();
    void moveBoard(int dx, int dy);
    bool edgeHoldsTiles(int dx, int dy) const;
    void recount() { m_tilesLeft = kMaxTiles - m_game.layoutTemplate().positionCount(); }

    Game& m_game;
    Host& m_host;
    LayoutMenu& m_menu;
    int m_tilesLeft = kMaxTiles;
    // A layout begun empty has no file of its own yet, whatever layout was current.
    bool m_creating = false;
    LayoutTemplate m_templateAtEntry;
};

}  // namespace orbeni
