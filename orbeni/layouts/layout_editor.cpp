#include "orbeni/layouts/layout_editor.h"

namespace orbeni {

// Lays the template out on the board for editing; a template the deal refuses (more than 144
// places) keeps the editor closed, and the player is told why.
bool LayoutEditor::enter() {
    m_game.setEditorMode(true);
    m_game.ShowStatus("      ");
    if (!m_game.BeginGame()) {
        m_game.setEditorMode(false);
        return false;
    }
    m_templateAtEntry = m_game.layoutTemplate();
    recount();
    return true;
}

void LayoutEditor::CreateLayout1Click() {
    m_game.layoutTemplate().clear();
    m_menu.setCurrentName("New Layout");
    m_creating = true;
    enter();
}

// A layout created and only tried so far has no file yet: it is still saved as a new one.
void LayoutEditor::Editlayout1Click() {
    m_creating = m_creating && m_game.layoutUnlisted();
    enter();
}

void LayoutEditor::ButtonDown(MouseButton button, int mouseX, int mouseY) {
    const int px = mouseX - kBoardOffsetX;
    const int py = mouseY - kBoardOffsetY;
    if (!m_game.EditorMode() || px / 20 >= kColumns + 1 || py / 25 >= kRows + 1) {
        return;
    }
    if (button == MouseButton::Left) {
        placeAt(m_game.board().WhatAdd(px, py));
    } else if (button == MouseButton::Right) {
        removeTile(m_game.board().WhatTileThere(px, py));
    }
}

Position LayoutEditor::previewAt(int px, int py) const {
    return m_game.board().WhatAdd(px, py);
}

void LayoutEditor::placeAt(Position p) {
    if (m_tilesLeft < 1 || !p.onBoard() || !m_game.board().canAdd(p)) {
        return;
    }
    int tile = 1;
    while (tile <= kMaxTiles && m_game.board().position(tile).onBoard()) {
        ++tile;
    }
    if (tile > kMaxTiles) {
        return;
    }
    m_game.board().place(tile, p);
    m_game.layoutTemplate().set(p.x, p.y, p.z, 1);
    m_host.redrawTile(tile, p);
    --m_tilesLeft;
}

void LayoutEditor::removeTile(int tile) {
    Board& board = m_game.board();
    if (m_tilesLeft >= kMaxTiles || !board.position(tile).onBoard()) {
        return;
    }
    const Position p = board.position(tile);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (p.z < kLayers && board.cell(p.x + dx, p.y + dy, p.z + 1) != 0) {
                return;
            }
        }
    }
    m_game.layoutTemplate().set(p.x, p.y, p.z, 0);
    board.remove(tile);
    m_host.redrawTile(tile, p);
    ++m_tilesLeft;
}

bool LayoutEditor::edgeHoldsTiles(int dx, int dy) const {
    const LayoutTemplate& layout = m_game.layoutTemplate();
    for (int z = 1; z <= kLayers; ++z) {
        for (int i = 1; i <= (dx != 0 ? kRows : kColumns); ++i) {
            const int x = dx < 0 ? 1 : dx > 0 ? kColumns : i;
            const int y = dy < 0 ? 1 : dy > 0 ? kRows : i;
            if (layout.at(x, y, z) != 0) {
                return true;
            }
        }
    }
    return false;
}

// Shifts the whole arrangement one cell, unless that would push tiles off the edge.
void LayoutEditor::moveBoard(int dx, int dy) {
    if (edgeHoldsTiles(dx, dy)) {
        return;
    }
    LayoutTemplate& layout = m_game.layoutTemplate();
    LayoutTemplate moved;
    for (int z = 1; z <= kLayers; ++z) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns; ++x) {
                moved.set(x + dx, y + dy, z, layout.at(x, y, z));
            }
        }
    }
    layout = moved;
    Board& board = m_game.board();
    std::array<Position, kMaxTiles + 1> places{};
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        places[tile] = board.position(tile);
    }
    board.clear();
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        if (places[tile].onBoard()) {
            board.place(tile, {places[tile].x + dx, places[tile].y + dy, places[tile].z});
        }
    }
    m_host.redrawBoard();
    m_host.repaintNow();
}

// Leaves with a finished layout: a new one is saved to a file the player chooses; a save that
// writes nothing keeps the editor open. A layout tried unsaved enters no hall of fame.
void LayoutEditor::SaveandexitClick(EditorExit exit, const std::string& layoutName) {
    recount();
    if (m_tilesLeft != 0) {
        m_host.ask("Orbeni", "You haven't finished building the layout yet !", Buttons::Ok,
                   Icon::Information);
        return;
    }
    m_menu.setCurrentName(layoutName);
    if (exit != EditorExit::TryIt) {
        const bool ownFile = exit == EditorExit::Save && !m_creating;
        if (!m_menu.SaveLayout(ownFile ? LayoutSaveTarget::CurrentFile : LayoutSaveTarget::ChosenFile)) {
            return;
        }
    } else if (m_creating || m_game.layoutTemplate() != m_templateAtEntry) {
        m_game.setLayoutUnlisted(true);
    }
    m_game.setEditorMode(false);
    m_game.BeginGame();
}

// Leaves without a game, the current layout file loaded again over the changes.
void LayoutEditor::Cancel2Click() {
    if (m_creating || m_game.layoutTemplate() != m_templateAtEntry) {
        m_game.setLayoutUnlisted(true);
    }
    m_game.closeEditor();
    m_menu.loadCurrent(LayoutLoad::Chosen);
}

}  // namespace orbeni
