#include "orbeni/game/game_snapshot.h"

#include "orbeni/game/game_clock.h"
#include "orbeni/game/game_phase.h"
#include "orbeni/game/hall_entry.h"
#include "orbeni/game/options.h"
#include "orbeni/game/rivers.h"
#include "orbeni/game/saved_game.h"
#include "orbeni/game/solitaire.h"

namespace orbeni {

std::optional<SavedGame> GameSnapshot::take(int slot) const {
    if (m_phase.stopped() || m_phase.finished() || m_phase.editor()) {
        return std::nullopt;
    }
    SavedGame saved;
    saved.kind = m_phase.rivers() ? GameKind::Rivers : GameKind::Solitaire;
    saved.rule = m_options.Vertical ? FreeRule::Vertical : FreeRule::Horizontal;
    saved.layoutSlot = slot;
    saved.layoutName = oneLineName(m_hall.layoutName(slot));
    m_play.saveTo(saved);
    m_rivers.saveTo(saved);
    m_clock.saveTo(saved);
    if (savedGameProblem(saved)) {
        return std::nullopt;
    }
    return saved;
}

int GameSnapshot::slotOf(const SavedGame& saved) const {
    if (saved.kind == GameKind::Rivers) {
        return kRiversSlot;
    }
    return saved.layoutSlot != 0 ? m_hall.slotOfLayout(saved.layoutName) : 0;
}

void GameSnapshot::restore(const SavedGame& saved) {
    m_play.restoreFrom(saved);
    m_clock.restoreFrom(saved);
}

}  // namespace orbeni
