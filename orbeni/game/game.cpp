#include "orbeni/game/game.h"

#include <charconv>

namespace orbeni {

namespace {

// Converts the seed dialog's text as the original's integer conversion does: optional sign and
// decimal digits that fit 32 bits, surrounding blanks allowed.
std::optional<int> parseSeed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

void Game::tilePlaced(int tile) {
    m_host.redrawTile(tile, m_board.position(tile));
    m_host.repaintNow();
}

void Game::boardChanged() {
    m_host.redrawBoard();
    m_host.repaintNow();
}

// Deals build up visibly only for games nobody needs to repeat, and not over a running game.
bool Game::dealAnimated() const {
    return m_options.Animate && !m_editorMode && !m_options.RandomSeed1 && !m_gameStopped;
}

// The reason a layout cannot be dealt: a game needs an even number of places, at most 144; the
// editor also lays out odd and empty ones.
std::optional<std::string> Game::dealRefusal() const {
    const int positions = m_layout.positionCount();
    const bool playable = positions % 2 == 0 && positions > 0;
    if ((playable || m_editorMode) && positions <= kMaxTiles) {
        return std::nullopt;
    }
    return "This layout has " + std::to_string(positions) +
           " tile positions; a game needs an even number, at most 144.";
}

bool Game::BeginGame() {
    if (const std::optional<std::string> refusal = dealRefusal()) {
        m_host.ask("Layout", *refusal, Buttons::Ok, Icon::Warning);
        return false;
    }
    m_riversMode = m_layoutChosen = false;
    setPauseCaptions(false);
    m_currentLayout = m_layoutUnlisted ? 0 : m_checkedLayout;
    dealSolitaire(m_layout.positionCount());
    m_dealtBoard = m_board;
    resetPlay();
    m_gameStopped = false;
    m_host.redrawHallPanel();
    redrawBoard();
    m_startTick = m_host.tickMilliseconds();
    return true;
}

void Game::chooseLayout(int number) {
    m_checkedLayout = number;
    m_layoutChosen = true;
    if (m_gameStopped || m_boardFinished) {
        m_riversMode = false;
        m_currentLayout = number;
    }
}

void Game::closeEditor() {
    m_editorMode = false;
    m_board.clear();
    m_tilesLeft = m_tilesTotal = 0;
    resetPlay();
    Stop();
}

// Fills the reserved layout with tiles: winnable when asked and possible, otherwise at random
// (from the specific game's seed when one is chosen). A layout in the making is only laid out.
void Game::dealSolitaire(int tileCount) {
    DealAnimation* animation = dealAnimated() ? this : nullptr;
    m_board.clear();
    reserveLayout(m_board, m_layout);
    m_tilesLeft = m_tilesTotal = tileCount;
    bool unclearable = false;
    if (m_options.Winnable && !m_editorMode) {
        if (CreateBoard(m_board, m_layout, m_generator, m_host.timeOfDayMilliseconds(), animation)) {
            showDealMessage();
            return;
        }
        unclearable = true;
    }
    if (m_options.RandomSeed1 && m_specificSeed >= 1) {
        m_generator.setSeed(static_cast<std::uint32_t>(m_specificSeed));
    } else {
        m_generator.randomize(m_host.timeOfDayMilliseconds());
    }
    dealFullyRandom(m_board, tileCount, m_generator, animation);
    showDealMessage();
    if (unclearable) {
        ShowStatus("No removal order clears this layout: tiles dealt at random.");
    }
}

void Game::showDealMessage() {
    if (m_editorMode) {
        return;
    }
    if (!m_options.neverWarn) {
        ShowStatus("Mahjongg Solitaire started.");
    }
    if (m_options.RandomSeed1 && m_specificSeed >= 1) {
        ShowStatus("Specific Board started. Random Seed #" + std::to_string(m_specificSeed));
    }
    if (m_status.position() < 2) {
        ShowStatus("New game started.");
    }
}

void Game::resetPlay() {
    ++m_dealNumber;
    m_boardFinished = m_finishHandled = m_gamePaused = m_noMovesShown = false;
    m_riverPathFound = m_riverPathShown = false;
    m_hintIndex = m_hintTileA = m_hintTileB = m_firstTile = m_secondTile = 0;
    m_elapsedSeconds = m_penaltySeconds = 0;
    m_pauseElapsed = 0;
}

// A new game plays the last game's kind, or the layout chosen since.
void Game::NewGame() {
    if (m_riversMode && !m_layoutChosen) {
        FourRivers();
    } else {
        BeginGame();
    }
}

void Game::RandomSolitaireGame1Click() {
    m_options.RandomSeed1 = false;
    BeginGame();
}

void Game::NewRandomSpecificGame1Click() {
    m_options.RandomSeed1 = true;
    m_generator.randomize(m_host.timeOfDayMilliseconds());
    m_specificSeed = m_generator.random(2147483647);
    BeginGame();
}

void Game::NewSpecificGame1Click() {
    m_options.RandomSeed1 = true;
    const std::optional<std::string> text = m_host.askSeed(m_specificSeed);
    if (!text) {
        return;
    }
    const std::optional<int> seed = parseSeed(*text);
    if (!seed) {
        m_host.ask("Error", "'" + *text + "' is not a valid integer value", Buttons::Ok, Icon::Error);
        return;
    }
    if (*seed >= 1) {
        m_specificSeed = *seed;
        BeginGame();
    }
}

bool Game::isFree(int tile) const {
    return isFreeUnder(tile, m_options.Vertical ? FreeRule::Vertical : FreeRule::Horizontal);
}

bool Game::Dispo(int tile) const {
    return isFreeUnder(tile, FreeRule::Horizontal);
}

bool Game::Dispo_Vertical(int tile) const {
    return isFreeUnder(tile, FreeRule::Vertical);
}

// In Rivers and in the editor every tile may be picked; otherwise the tile must be on the board
// and free under the rule.
bool Game::isFreeUnder(int tile, FreeRule rule) const {
    if (m_riversMode || m_editorMode) {
        return true;
    }
    const Position p = m_board.position(tile);
    return (p.x != 0 || p.y != 0) && m_board.isFree(p, rule);
}

void Game::IsItFree() {
    if (!m_riversMode && !m_editorMode) {
        m_board.countFree(m_options.Vertical ? FreeRule::Vertical : FreeRule::Horizontal, m_free);
    }
}

void Game::playSound(Sound sound) {
    if (m_options.playSounds) {
        m_host.playSound(sound);
    }
}

void Game::redrawTile(int tile) {
    m_host.redrawTile(tile, m_board.position(tile));
}

}  // namespace orbeni
