#pragma once

namespace orbeni {

// Where the game on the board stands: stopped, paused or finished, Rivers or the solitaire, in
// the layout editor or not. The game changes it; its parts only read it.
class GamePhase {
public:
    bool stopped() const { return m_stopped; }
    bool paused() const { return m_paused; }
    bool finished() const { return m_finished; }
    // The end of a finished game has been announced (and its hall-of-fame entry made).
    bool finishAnnounced() const { return m_finishAnnounced; }
    bool rivers() const { return m_rivers; }
    bool editor() const { return m_editor; }
    // Clicks, hints and shuffles act only on a game that runs: neither stopped, finished nor paused.
    bool inPlay() const { return !m_stopped && !m_finished && !m_paused; }
    // The clock runs, and the time limit counts, until the game is stopped or finished.
    bool clockRuns() const { return !m_stopped && !m_finished; }
    // In Rivers and in the layout editor every tile may be picked and no moves are counted.
    bool everyTilePickable() const { return m_rivers || m_editor; }

    void setStopped(bool stopped) { m_stopped = stopped; }
    void setPaused(bool paused) { m_paused = paused; }
    void setFinished(bool finished) { m_finished = finished; }
    void setFinishAnnounced(bool announced) { m_finishAnnounced = announced; }
    void setRivers(bool rivers) { m_rivers = rivers; }
    void setEditor(bool editor) { m_editor = editor; }

private:
    bool m_stopped = true;
    bool m_paused = false;
    bool m_finished = false;
    bool m_finishAnnounced = false;
    bool m_rivers = false;
    bool m_editor = false;
};

}  // namespace orbeni
