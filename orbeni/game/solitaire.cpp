#include "orbeni/game/solitaire.h"

#include <algorithm>

#include "orbeni/game/game_clock.h"
#include "orbeni/game/game_phase.h"
#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "orbeni/game/saved_game.h"
#include "orbeni/game/status_line.h"

namespace orbeni {

void Solitaire::tilePlaced(int tile) {
    m_host.redrawTile(tile, m_board.position(tile));
    m_host.repaintNow();
}

void Solitaire::boardChanged() {
    m_host.redrawBoard();
    m_host.repaintNow();
}

// Deals build up visibly only for games nobody needs to repeat, and not over a running game.
bool Solitaire::dealAnimated() const {
    return m_options.Animate && !m_phase.editor() && !m_options.RandomSeed1 && !m_phase.stopped();
}

FreeRule Solitaire::freeRule() const {
    return m_options.Vertical ? FreeRule::Vertical : FreeRule::Horizontal;
}

DealOutcome Solitaire::deal(const LayoutTemplate& layout, int specificSeed) {
    DealAnimation* animation = dealAnimated() ? this : nullptr;
    m_board.clear();
    reserveLayout(m_board, layout);
    const int tileCount = layout.positionCount();
    m_tilesLeft = m_tilesTotal = tileCount;
    DealOutcome outcome = DealOutcome::Random;
    if (m_options.Winnable && !m_phase.editor()) {
        if (CreateBoard(m_board, layout, m_generator, m_host.timeOfDayMilliseconds(), animation)) {
            m_dealtBoard = m_board;
            return DealOutcome::Winnable;
        }
        outcome = DealOutcome::Unclearable;
    }
    if (m_options.RandomSeed1 && specificSeed >= 1) {
        m_generator.setSeed(static_cast<std::uint32_t>(specificSeed));
    } else {
        m_generator.randomize(m_host.timeOfDayMilliseconds());
    }
    dealFullyRandom(m_board, tileCount, m_generator, animation);
    m_dealtBoard = m_board;
    return outcome;
}

void Solitaire::takeDeal(int tileCount) {
    m_tilesLeft = m_tilesTotal = tileCount;
    m_dealtBoard = m_board;
}

void Solitaire::clear() {
    m_board.clear();
    m_tilesLeft = m_tilesTotal = 0;
}

void Solitaire::resetSelection() {
    m_hintIndex = m_hintTileA = m_hintTileB = m_firstTile = m_secondTile = 0;
}

bool Solitaire::isFree(int tile) const {
    return isFreeUnder(tile, freeRule());
}

// In Rivers and in the editor every tile may be picked; otherwise the tile must be on the board
// and free under the rule.
bool Solitaire::isFreeUnder(int tile, FreeRule rule) const {
    if (m_phase.everyTilePickable()) {
        return true;
    }
    const Position p = m_board.position(tile);
    return (p.x != 0 || p.y != 0) && m_board.isFree(p, rule);
}

void Solitaire::IsItFree() {
    if (!m_phase.everyTilePickable()) {
        m_board.countFree(freeRule(), m_free);
    }
}

void Solitaire::playSound(Sound sound) {
    if (m_options.playSounds) {
        m_host.playSound(sound);
    }
}

void Solitaire::redrawTile(int tile) {
    m_host.redrawTile(tile, m_board.position(tile));
}

void Solitaire::pick(int tile) {
    if (!isFree(tile)) {
        playSound(Sound::NoWay);
        return;
    }
    if (m_firstTile == 0) {
        m_firstTile = tile;
    } else if (tile == m_firstTile) {
        m_firstTile = m_secondTile = 0;
    } else {
        m_secondTile = tile;
    }
    playSound(Sound::Select);
    redrawTile(tile);
}

bool Solitaire::selectionMatches() const {
    return matchGroup(m_firstTile) == matchGroup(m_secondTile);
}

void Solitaire::unselectFirst() {
    const int previous = m_firstTile;
    m_firstTile = m_secondTile;
    m_secondTile = 0;
    redrawTile(previous);
}

void Solitaire::unselectAll() {
    m_firstTile = m_secondTile = m_hintTileA = m_hintTileB = 0;
}

void Solitaire::removePair(Position firstPlace) {
    const Position firstNow = m_board.position(m_firstTile);
    const Position secondPlace = m_board.position(m_secondTile);
    m_history[static_cast<std::size_t>(kMaxTiles - m_tilesLeft)] = HistoryEntry{m_firstTile, firstPlace};
    m_history[static_cast<std::size_t>(kMaxTiles + 1 - m_tilesLeft)] =
        HistoryEntry{m_secondTile, secondPlace};
    m_board.remove(m_firstTile);
    m_board.remove(m_secondTile);
    m_host.redrawTile(m_firstTile, firstNow);
    m_host.redrawTile(m_secondTile, secondPlace);
    m_firstTile = m_secondTile = 0;
    m_tilesLeft -= 2;
    playSound(Sound::Done);
}

void Solitaire::takePair(TilePair pair) {
    m_hintTileA = m_hintTileB = 0;
    m_firstTile = pair.first;
    m_secondTile = pair.second;
    removePair(m_board.position(pair.first));
}

bool Solitaire::Hint(std::optional<TilePair> chosen) {
    if (m_free.movesLeft <= 0) {
        return false;
    }
    m_hintTileA = m_hintTileB = 0;
    IsItFree();
    if (m_free.count < 2 || m_free.movesLeft == 0) {
        return false;
    }
    if (chosen) {
        showHint(*chosen);
    } else {
        m_hintIndex = m_hintIndex % m_free.movesLeft + 1;
        int pair = 0;
        for (int k = 0; k + 1 < m_free.count; ++k) {
            if (matchGroup(m_free.list[k]) == matchGroup(m_free.list[k + 1]) && ++pair == m_hintIndex) {
                showHint({m_free.list[k], m_free.list[k + 1]});
                break;
            }
        }
    }
    m_clock.addPenalty(kHintPenaltySeconds);
    return true;
}

void Solitaire::hintAmong(const TilePair* pairs, int count) {
    m_hintIndex = m_hintIndex % count + 1;
    showHint(pairs[m_hintIndex - 1]);
}

void Solitaire::showHint(TilePair pair) {
    m_hintTileA = pair.first;
    m_hintTileB = pair.second;
}

void Solitaire::BackHistory() {
    if (m_tilesLeft >= m_tilesTotal) {
        return;
    }
    m_tilesLeft += 2;
    unselectAll();
    for (int index = kMaxTiles - m_tilesLeft; index <= kMaxTiles + 1 - m_tilesLeft; ++index) {
        const HistoryEntry& removed = m_history[static_cast<std::size_t>(index)];
        m_board.place(removed.tile, removed.place);
    }
}

void Solitaire::Restart() {
    m_board = m_dealtBoard;
    m_tilesLeft = m_tilesTotal;
    unselectAll();
}

void Solitaire::saveTo(SavedGame& saved) const {
    saved.tilesTotal = m_tilesTotal;
    saved.tilesLeft = m_tilesLeft;
    saved.dealtBoard = m_dealtBoard;
    saved.board = m_board;
    const auto firstRemoved = m_history.begin() + (kMaxTiles - m_tilesTotal);
    saved.removed.assign(firstRemoved, firstRemoved + (m_tilesTotal - m_tilesLeft));
    saved.hintIndex = m_hintIndex;
    // A hinted pair stays marked after it was taken off; only one still on the board is kept.
    const bool hintOnBoard =
        m_board.position(m_hintTileA).onBoard() && m_board.position(m_hintTileB).onBoard();
    saved.hintTileA = hintOnBoard ? m_hintTileA : 0;
    saved.hintTileB = hintOnBoard ? m_hintTileB : 0;
    saved.generatorSeed = m_generator.seed();
}

void Solitaire::restoreFrom(const SavedGame& saved) {
    m_dealtBoard = saved.dealtBoard;
    m_board = saved.board;
    m_tilesTotal = saved.tilesTotal;
    m_tilesLeft = saved.tilesLeft;
    m_history = {};
    std::copy(saved.removed.begin(), saved.removed.end(), m_history.begin() + (kMaxTiles - m_tilesTotal));
    m_generator.setSeed(saved.generatorSeed);
    m_hintIndex = saved.hintIndex;
    m_hintTileA = saved.hintTileA;
    m_hintTileB = saved.hintTileB;
}

}  // namespace orbeni
