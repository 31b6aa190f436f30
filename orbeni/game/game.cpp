#include "orbeni/game/game.h"

#include <charconv>

#include "orbeni/game/saved_game.h"

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

// The reason a layout cannot be dealt: a game needs an even number of places, at most 144; the
// editor also lays out odd and empty ones.
std::optional<std::string> Game::dealRefusal() const {
    const int positions = m_layout.positionCount();
    const bool playable = positions % 2 == 0 && positions > 0;
    if ((playable || m_phase.editor()) && positions <= kMaxTiles) {
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
    m_phase.setRivers(false);
    m_layoutChosen = false;
    m_clock.setPauseCaptions(false);
    m_currentLayout = m_layoutUnlisted ? 0 : m_checkedLayout;
    const DealOutcome outcome = m_play.deal(m_layout, m_specificSeed);
    showDealMessage();
    if (outcome == DealOutcome::Unclearable) {
        ShowStatus("No removal order clears this layout: tiles dealt at random.");
    }
    resetPlay();
    m_phase.setStopped(false);
    m_host.redrawHallPanel();
    redrawBoard();
    m_clock.start();
    return true;
}

void Game::FourRivers() {
    m_phase.setRivers(true);
    m_layoutChosen = false;
    m_currentLayout = kRiversSlot;
    m_rivers.deal();
    resetPlay();
    m_clock.setPauseCaptions(false);
    m_clock.start();
    ShowStatus("Mahjongg Rivers started.");
    m_phase.setStopped(false);
    redrawBoard();
    m_host.redrawHallPanel();
}

void Game::chooseLayout(int number) {
    m_checkedLayout = number;
    m_layoutChosen = true;
    if (m_phase.stopped() || m_phase.finished()) {
        m_phase.setRivers(false);
        m_currentLayout = number;
    }
}

void Game::closeEditor() {
    m_phase.setEditor(false);
    m_play.clear();
    resetPlay();
    Stop();
}

void Game::showDealMessage() {
    if (m_phase.editor()) {
        return;
    }
    if (!m_options.neverWarn) {
        ShowStatus("Mahjongg Solitaire started.");
    }
    if (m_options.RandomSeed1 && m_specificSeed >= 1) {
        ShowStatus("Specific Board started. Random Seed #" + std::to_string(m_specificSeed));
    }
    if (m_status.message().position() < 2) {
        ShowStatus("New game started.");
    }
}

void Game::resetPlay() {
    ++m_dealNumber;
    m_phase.setFinished(false);
    m_phase.setFinishAnnounced(false);
    m_phase.setPaused(false);
    m_status.clearNoMoreMoves();
    m_rivers.reset();
    m_play.resetSelection();
    m_clock.reset();
}

// A new game plays the last game's kind, or the layout chosen since.
void Game::NewGame() {
    if (m_phase.rivers() && !m_layoutChosen) {
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
    RandomGenerator& generator = m_play.generator();
    generator.randomize(m_host.timeOfDayMilliseconds());
    m_specificSeed = generator.random(2147483647);
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

std::optional<SavedGame> Game::savedGame() const {
    return m_snapshot.take(m_currentLayout);
}

// The game plays on for the hall of fame of its layout, found by name in today's list; a layout
// no longer listed enters none.
bool Game::resumeGame(const SavedGame& saved) {
    if (savedGameProblem(saved)) {
        return false;
    }
    m_currentLayout = m_snapshot.slotOf(saved);
    m_phase.setRivers(saved.kind == GameKind::Rivers);
    m_layoutChosen = false;
    m_options.Vertical = saved.rule == FreeRule::Vertical;
    resetPlay();
    m_snapshot.restore(saved);
    m_phase.setPaused(saved.paused);
    m_clock.setPauseCaptions(saved.paused);
    m_phase.setStopped(false);
    ShowStatus("Game resumed.");
    m_host.redrawHallPanel();
    redrawBoard();
    return true;
}

}  // namespace orbeni
