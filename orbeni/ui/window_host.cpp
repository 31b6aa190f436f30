#include "orbeni/ui/window_host.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>

#include "orbeni/game/game.h"
#include "orbeni/layouts/layout_menu.h"
#include "orbeni/music/system_music.h"
#include "orbeni/ui/bitmap_view.h"
#include "orbeni/ui/configu_dialog.h"
#include "orbeni/ui/dialogs/about_box.h"
#include "orbeni/ui/dialogs/aide_dialog.h"
#include "orbeni/ui/dialogs/high_score_dialog.h"
#include "orbeni/ui/dialogs/ok_glyph.h"
#include "orbeni/ui/dialogs/randomiz_dialog.h"
#include "orbeni/ui/window_chrome.h"
#include "orbeni/view/board_painter.h"
#include "platform/qt/conversions.h"

namespace orbeni {

namespace {

// Turns a filter the game names the Windows way, "Text|*.ext|Text|*.ext", into Qt's
// "Text (*.ext);;Text (*.ext)"; a text that already shows its pattern is kept as it is.
QString qtFileFilter(std::string_view filter) {
    const QStringList parts = platform::qt::text(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        const QString& text = parts[index];
        filters << (text.contains(QLatin1Char('('))
                        ? text
                        : text + QStringLiteral(" (") + parts[index + 1] + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QMessageBox::Icon messageIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

WindowHost::WindowHost(QWidget& window, std::filesystem::path programFolder, Game& game,
                       const LayoutMenu& layoutMenu, BoardPainter& painter, SystemMusic& music,
                       WindowChrome& chrome, std::function<void(RiverJoin)> riverJoined,
                       std::function<void()> statusShown)
    : m_window(window),
      m_programFolder(std::move(programFolder)),
      m_game(game),
      m_layoutMenu(layoutMenu),
      m_painter(painter),
      m_music(music),
      m_chrome(chrome),
      m_riverJoined(std::move(riverJoined)),
      m_statusShown(std::move(statusShown)) {
    m_clock.start();
    m_soundEnded.setSingleShot(true);
    m_soundEnded.onTimeout([this] { m_music.closeSilentEffects(); });
}

void WindowHost::playSound(Sound sound) {
    constexpr std::chrono::milliseconds kSoundTail{250};
    m_soundEnded.start(m_music.playSound(sound) + kSoundTail);
}

void WindowHost::redrawTile(int, Position place) {
    m_painter.redrawPlace(place);
}

void WindowHost::redrawBoard() {
    m_painter.FullRedraw();
}

void WindowHost::repaintNow() {
    m_chrome.boardView().repaint();
}

void WindowHost::setStatusText(StatusPanel panel, std::string_view text) {
    m_chrome.setStatusText(panel, text);
}

void WindowHost::setPauseCaptions(std::string_view menuCaption, std::string_view buttonCaption) {
    m_chrome.setPauseCaptions(menuCaption, buttonCaption);
}

Button WindowHost::ask(std::string_view title, std::string_view text, Buttons buttons, Icon icon) {
    QMessageBox box(messageIcon(icon), platform::qt::text(title), platform::qt::text(text),
                    buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    &m_window);
    return box.exec() == QMessageBox::Ok ? Button::Ok : Button::Cancel;
}

std::optional<std::string> WindowHost::askSeed(int currentSeed) {
    TRandomiz dialog(okGlyph(m_programFolder), &m_window);
    return dialog.ask(currentSeed);
}

// Shows the best times of the current layout; after a new entry the player names it.
std::string WindowHost::showScores(ScoresOpening opening) {
    THighScore dialog(m_game.hallOfFame(), m_layoutMenu.list().captions(), m_game.currentLayout(),
                      m_game.playerName(), opening, okGlyph(m_programFolder), &m_window);
    dialog.exec();
    const std::string name = dialog.enteredName();
    m_chrome.showPlayerName(name);
    return name;
}

void WindowHost::ShowScores() {
    m_game.ShowScores(ScoresOpening::Browse);
}

std::optional<std::string> WindowHost::askSaveFileName(std::string_view title, std::string_view filter,
                                                       const std::string& initialFolder) {
    const QString file = QFileDialog::getSaveFileName(
        &m_window, platform::qt::text(title), QString::fromStdString(initialFolder), qtFileFilter(filter));
    return file.isEmpty() ? std::nullopt : std::optional<std::string>(file.toStdString());
}

std::optional<std::string> WindowHost::askPictureFile(std::string_view title, std::string_view filter,
                                                      const std::filesystem::path& folder) {
    const QString file =
        QFileDialog::getOpenFileName(&m_window, platform::qt::text(title),
                                     QString::fromStdString(folder.string()), platform::qt::text(filter));
    return file.isEmpty() ? std::nullopt : std::optional<std::string>(file.toStdString());
}

void WindowHost::redrawHallPanel() {
    m_chrome.ShowPanelHOF();
}

void WindowHost::riverJoined(RiverJoin join) {
    m_riverJoined(join);
}

void WindowHost::processPendingEvents() {
    QCoreApplication::processEvents();
}

void WindowHost::pollMusic() {
    m_music.poll();
}

std::optional<std::uint32_t> WindowHost::musicPollDelay() {
    return m_music.pollDelay();
}

void WindowHost::showStatus(std::string_view text) {
    m_game.ShowStatus(text);
    m_statusShown();
}

void WindowHost::showError(std::string_view text) {
    showMessage("Orbeni", std::string(text));
}

void WindowHost::showMessage(const std::string& title, const std::string& text) {
    ask(title, text, Buttons::Ok, Icon::Warning);
}

void WindowHost::followPixelScale() {
    m_chrome.followPixelScale();
}

std::uint32_t WindowHost::tickMilliseconds() {
    return static_cast<std::uint32_t>(m_clock.elapsed());
}

std::uint32_t WindowHost::timeOfDayMilliseconds() {
    return static_cast<std::uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

// Lets the player type a new name; every change is the player name at once.
void WindowHost::ConfigClick() {
    TConfigu dialog(platform::qt::text(m_game.playerName()), okGlyph(m_programFolder), &m_window);
    QObject::connect(&dialog, &TConfigu::PlayerNameChange, &dialog, [this](const QString& name) {
        m_game.setPlayerName(name.toStdString());
        m_chrome.showPlayerName(name.toStdString());
    });
    dialog.exec();
    m_window.update();
}

void WindowHost::About1Click() {
    TAboutBox box(m_programFolder, &m_window);
    box.exec();
}

// Opens the help window; without its notes file it says which file is missing.
void WindowHost::HelpClick() {
    const platform::Result<std::unique_ptr<TAide>> help =
        TAide::create(m_programFolder, m_painter.tileImages(), &m_window);
    if (!help) {
        showMessage("Orbeni Help", help.error());
        return;
    }
    help.value()->exec();
}

}  // namespace orbeni
