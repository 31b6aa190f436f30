#include <algorithm>
#include <limits>

#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/game/random_source.h"

namespace pocketquillet {

void PocketGame::clickCell(Cell cell) {
    if (m_state != GameState::Running || isComputer(m_currentPlayer)) {
        return;
    }
    erasePath();
    if (!isOnBoard(cell)) {
        return;
    }
    if (m_grid.isEmpty(cell)) {
        if (m_options.playMode != PlayMode::Challenge) {
            playSound(Sound::NoStone);
        }
        return;
    }
    if (!m_selection) {
        m_host.markCell(cell, Mark::Draw);
        m_selection = cell;
        playSound(Sound::Select);
        return;
    }
    if (*m_selection == cell) {
        playSound(Sound::Back);
        clearSelection();
        return;
    }
    tryPair(*m_selection, cell);
}

// A pair that does not match or connect costs the mover five times the points factor.
void PocketGame::tryPair(Cell before, Cell chosen) {
    std::optional<ConnectionPath> path;
    if (facesMatch(m_grid.face(before), m_grid.face(chosen))) {
        path = findConnection(m_grid, chosen, before);
    }
    if (!path) {
        playSound(Sound::Fault);
        takePoints(mover(), 5 * m_skill.pointsFactor);
        clearSelection();
        m_host.repaintStatus();
        return;
    }
    removePair(*path);
}

// Takes a connected pair off the board and scores it; in Challenge the turn passes.
void PocketGame::removePair(const ConnectionPath& path) {
    Player& moving = mover();
    addPoints(moving, pathPoints(path, m_skill.pointsFactor));
    m_selection.reset();
    for (const Cell cell : {path.chosen, path.before}) {
        m_grid.setFace(cell, 0);
        m_host.repaintCell(cell);
    }
    m_stonesLeft -= 2;
    showPath(path);
    if (m_options.playMode == PlayMode::Challenge) {
        addPoints(moving, static_cast<std::uint32_t>(std::max(m_secondsLeft, 0)));
        moving.stonesRemoved += 2;
        passTurn();
    }
    m_host.updateCommands();
    m_host.repaintStatus();
    continueAfterPair();
}

// The game goes on while matching stones are left and either a pair still connects or, in the
// scored modes, the round has not yet reached its threshold; otherwise the round is over.
void PocketGame::continueAfterPair() {
    const bool matchingLeft = hasMatchingStones(m_grid);
    const bool scoredAboveThreshold = m_options.playMode != PlayMode::Solitaire && m_stonesLeft > m_threshold;
    if (matchingLeft && (scoredAboveThreshold || findPair(m_grid))) {
        playSound(Sound::Pair);
        return;
    }
    if (m_options.playMode != PlayMode::Solitaire) {
        startRound(RoundStart::NextOfGame);
        return;
    }
    if (!matchingLeft) {
        playSound(Sound::BoardDone);
    }
    askOnceAgain(matchingLeft ? Text::NoCombinationLeft : Text::SunCanShine);
}

void PocketGame::nextMove() {
    if (!isEnabled(Command::NextMove)) {
        return;
    }
    switch (m_options.playMode) {
        case PlayMode::Solitaire:
            if (!showHint()) {
                askOnceAgain(Text::NoFreePair);
            }
            break;
        case PlayMode::Tournament:
            hintTournament();
            break;
        case PlayMode::Challenge:
            hintChallenge();
            break;
    }
}

// Shows the pair the search finds, at ten times the points factor; false when there is none.
bool PocketGame::showHint() {
    const std::optional<StonePair> pair = findPair(m_grid);
    if (!pair) {
        return false;
    }
    showPath(pair->path);
    playSound(Sound::Help);
    takePoints(mover(), 10 * m_skill.pointsFactor);
    m_host.repaintStatus();
    return true;
}

// A hint past the last help ends the game once it is shown; with no pair left the round is
// over at the threshold, and the game above it.
void PocketGame::hintTournament() {
    Player& player = mover();
    if (player.helpsLeft <= 0 && askQuestion(Text::NoHintsLeftHintAnyway) != Answer::Yes) {
        return;
    }
    const bool found = showHint();
    --player.helpsLeft;
    m_host.repaintStatus();
    if (!found && m_stonesLeft <= m_threshold) {
        startRound(RoundStart::NextOfGame);
    } else if (!found || player.helpsLeft < 0) {
        endGameWithScores();
    }
}

// A player without helps may not take one while the other still has some.
void PocketGame::hintChallenge() {
    Player& player = mover();
    if (player.helpsLeft <= 0) {
        if (m_players[static_cast<std::size_t>(1 - m_currentPlayer)].helpsLeft > 0) {
            askQuestion(Text::NoHintsLeftInRound);
            return;
        }
        if (askQuestion(Text::NoHintsLeftHintAnyway) != Answer::Yes) {
            return;
        }
    }
    const bool found = showHint();
    if (m_stonesLeft > m_threshold || found) {
        --player.helpsLeft;
        m_host.repaintStatus();
        if (!found || player.helpsLeft < 0) {
            endGameWithScores();
        }
        return;
    }
    startRound(RoundStart::NextOfGame);
}

// Runs one second of a Challenge turn: the computer thinks, the clock counts down, a turn that
// runs out passes with the gong, and the computer moves once its turn is under way.
void PocketGame::tick() {
    if (m_state != GameState::Running || m_options.playMode != PlayMode::Challenge) {
        return;
    }
    if (isComputer(m_currentPlayer)) {
        const std::uint32_t draw = m_random.nextRandom();
        --m_secondsLeft;
        if (!computerMovesOn(draw, m_options.skill)) {
            m_host.repaintStatus();
            return;
        }
    }
    --m_secondsLeft;
    if (m_secondsLeft < 1) {
        passTurn();
        playSound(Sound::Gong);
        m_host.updateCommands();
    }
    if (isComputer(m_currentPlayer) && m_secondsLeft < m_skill.turnSeconds) {
        computerMove();
        return;
    }
    m_host.repaintStatus();
}

void PocketGame::computerMove() {
    erasePath();
    clearSelection();
    if (const std::optional<StonePair> pair = findPair(m_grid)) {
        removePair(pair->path);
    } else {
        endGameWithScores();
    }
}

void PocketGame::passTurn() {
    m_currentPlayer = 1 - m_currentPlayer;
    m_secondsLeft = m_skill.turnSeconds;
}

void PocketGame::showPath(const ConnectionPath& path) {
    erasePath();
    m_shownPath = path;
    m_host.markPath(path, Mark::Draw);
}

void PocketGame::erasePath() {
    if (m_shownPath) {
        m_host.markPath(*m_shownPath, Mark::Erase);
        m_shownPath.reset();
    }
}

void PocketGame::clearSelection() {
    if (m_selection) {
        m_host.markCell(*m_selection, Mark::Erase);
        m_selection.reset();
    }
}

void PocketGame::addPoints(Player& player, std::uint32_t points) {
    constexpr std::uint32_t kMost = std::numeric_limits<std::uint32_t>::max();
    player.points = points > kMost - player.points ? kMost : player.points + points;
}

void PocketGame::takePoints(Player& player, std::uint32_t points) {
    player.points = points > player.points ? 0 : player.points - points;
}

}  // namespace pocketquillet
