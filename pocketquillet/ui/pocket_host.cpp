#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/qt/command_actions.h"
#include "pocketquillet/ui/board_view.h"
#include "pocketquillet/ui/dialogs/about_dialog.h"
#include "pocketquillet/ui/dialogs/challenge_dialog.h"
#include "pocketquillet/ui/dialogs/hiscore_dialogs.h"
#include "pocketquillet/ui/dialogs/options_dialog.h"
#include "pocketquillet/ui/pocket_window.h"
#include "pocketquillet/view/dialog_texts.h"

namespace pocketquillet {

// Keeps a player while Sound is on; it opens the audio output only while a sound plays.
void PocketWindow::syncAudio() {
    if (m_game.options().sound && !m_wavePlayer) {
        m_wavePlayer = std::make_unique<platform::WavePlayer>(platform::MissingWave::Silence);
    } else if (!m_game.options().sound) {
        m_wavePlayer.reset();
    }
}

void PocketWindow::playSound(Sound sound) {
    if (m_wavePlayer) {
        m_wavePlayer->play(m_art.wave(sound));
        waitForSoundEnd();
    }
}

// The device closes a little after the sound, and opens again for the next one.
void PocketWindow::waitForSoundEnd() {
    constexpr std::chrono::milliseconds kTail{250};
    m_soundEnded.start(m_wavePlayer->timeLeft() + kTail);
}

// The Options dialog's ">" plays a built-in sound by its name, or else a wave file; one that
// is missing or is no wave plays nothing.
void PocketWindow::playNamedSound(const QString& name) {
    if (!m_game.options().sound || !m_wavePlayer) {
        return;
    }
    const std::span<const std::uint8_t> builtIn = m_art.wave(name.toUpper().toStdString());
    if (!builtIn.empty()) {
        m_wavePlayer->play(builtIn);
    } else if (!name.isEmpty()) {
        m_wavePlayer->play(std::filesystem::path(name.toStdString()));
    }
    waitForSoundEnd();
}

void PocketWindow::repaintBoard() {
    showAreas(m_painter.repaintBoard());
}

// A pair's cells are emptied a moment late, so that its path shows over both stones before
// they go; the painter then draws each cell as the game has it, the path still on it.
void PocketWindow::repaintCell(Cell cell) {
    m_cellsToEmpty.push_back(cell);
    m_pairFlash.start();
}

void PocketWindow::emptyRemovedCells() {
    for (const Cell cell : m_cellsToEmpty) {
        showAreas(m_painter.repaintCell(cell));
    }
    m_cellsToEmpty.clear();
}

void PocketWindow::markCell(Cell cell, Mark) {
    showAreas(m_painter.markCell(cell));
}

void PocketWindow::markPath(const ConnectionPath& path, Mark) {
    showAreas(m_painter.markPath(path));
}

void PocketWindow::repaintStatus() {
    showAreas(m_painter.repaintStatus());
}

void PocketWindow::updateCommands() {
    updateActions();
}

Answer PocketWindow::ask(std::string_view caption, std::string_view question) {
    repaintStatus();
    QMessageBox box(QMessageBox::Question, platform::qt::text(caption), platform::qt::text(question),
                    QMessageBox::Yes | QMessageBox::No, this);
    const bool yes = box.exec() == QMessageBox::Yes;
    return yes ? Answer::Yes : Answer::No;
}

void PocketWindow::showHiscores(const HiscoreView& view) {
    repaintStatus();
    ViewHiscoresDialog dialog(view, this);
    dialog.exec();
}

std::optional<std::u16string> PocketWindow::askHiscoreName() {
    EnterHiscoreDialog dialog(this);
    return dialog.ask();
}

std::optional<ChallengeNames> PocketWindow::askChallengeNames() {
    ChallengeDialog dialog(m_game.options().language, {m_game.player(0).name, m_game.player(1).name}, this);
    return dialog.ask();
}

// The program ends once the game's question that asked for it has returned.
void PocketWindow::closeProgram() {
    QTimer::singleShot(0, this, &QWidget::close);
}

// Holds a running game while the About box is up; the status shows it held.
void PocketWindow::showAbout() {
    {
        const PocketGame::Hold hold(m_game);
        repaintStatus();
        updateActions();
        m_game.playSound(Sound::About);
        AboutDialog dialog(m_game.options().language, this);
        dialog.exec();
    }
    repaintStatus();
}

// OK and Apply take the dialog's values over; Apply opens it again at once.
void PocketWindow::showOptions() {
    for (;;) {
        OptionsDialog dialog(
            m_game.options(), m_game.state(), [this](const QString& name) { playNamedSound(name); }, this);
        const OptionsDialog::Outcome outcome = dialog.run();
        if (outcome == OptionsDialog::Outcome::Cancel) {
            return;
        }
        m_game.applyOptions(takeOver(dialog.form(), m_game.options(), m_game.state()));
        syncAudio();
        if (outcome == OptionsDialog::Outcome::Ok) {
            return;
        }
    }
}

}  // namespace pocketquillet
