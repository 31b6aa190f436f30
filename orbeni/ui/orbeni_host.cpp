#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include "orbeni/ui/bitmap_view.h"
#include "orbeni/ui/configu_dialog.h"
#include "orbeni/ui/dialogs/about_box.h"
#include "orbeni/ui/dialogs/aide_dialog.h"
#include "orbeni/ui/dialogs/high_score_dialog.h"
#include "orbeni/ui/dialogs/ok_glyph.h"
#include "orbeni/ui/dialogs/randomiz_dialog.h"
#include "orbeni/ui/orbeni_window.h"
#include "platform/qt/command_actions.h"

namespace orbeni {

namespace {

constexpr std::array<int, kStatusPanelCount> kPanelWidths{60, 45, 70, 35, 40, 50, 45, 50};
constexpr std::array<const char*, kStatusPanelCount> kPanelLabels{"Tiles left", "", "Moves left", "",
                                                                  "Time",       "", "Status",     ""};
constexpr int kMessagePanel = 7;

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Turns a filter the game names the Windows way, "Text|*.ext|Text|*.ext", into Qt's
// "Text (*.ext);;Text (*.ext)"; a text that already shows its pattern is kept as it is.
QString qtFileFilter(std::string_view filter) {
    const QStringList parts = toQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        const QString& text = parts[index];
        filters << (text.contains(QLatin1Char('('))
                        ? text
                        : text + QStringLiteral(" (") + parts[index + 1] + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

int panelIndex(StatusPanel panel) {
    switch (panel) {
        case StatusPanel::TilesLeft:
            return 1;
        case StatusPanel::MovesLeft:
            return 3;
        case StatusPanel::Time:
            return 5;
        case StatusPanel::Message:
            return kMessagePanel;
    }
    return kMessagePanel;
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

// Builds LigneStatus: fixed labels in the even panels, sunken values in the odd ones.
void TOrbeni::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("LigneStatus"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(kBarHeight);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    for (int index = 0; index < kStatusPanelCount; ++index) {
        auto* panel = new QLabel(QString::fromUtf8(kPanelLabels[std::size_t(index)]), bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(index));
        panel->setFont(font);
        panel->setStyleSheet(QStringLiteral("color: navy;"));
        panel->setMinimumWidth(kPanelWidths[std::size_t(index)]);
        const bool value = index % 2 == 1;
        panel->setFrameStyle(value ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        const bool message = index == kMessagePanel;
        panel->setAlignment(message ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        if (!message) {
            panel->setFixedWidth(kPanelWidths[std::size_t(index)]);
        }
        bar->addWidget(panel, message ? 1 : 0);
        m_statusPanels[std::size_t(index)] = panel;
    }
}

void TOrbeni::playSound(Sound sound) {
    constexpr std::chrono::milliseconds kSoundTail{250};
    m_soundEnded.start(m_music.playSound(sound) + kSoundTail);
}

void TOrbeni::redrawTile(int, Position place) {
    m_painter.redrawPlace(place);
}

void TOrbeni::redrawBoard() {
    m_painter.FullRedraw();
}

void TOrbeni::repaintNow() {
    m_boardImage->repaint();
}

// Sets a panel's text only when it changes, so that an idle clock costs nothing.
void TOrbeni::setStatusText(StatusPanel panel, std::string_view text) {
    QLabel* label = m_statusPanels[std::size_t(panelIndex(panel))];
    const QString value = toQString(text);
    if (label->text() != value) {
        label->setText(value);
    }
}

void TOrbeni::setPauseCaptions(std::string_view menuCaption, std::string_view buttonCaption) {
    if (!m_commands) {
        return;
    }
    const int pause = static_cast<int>(Command::Pause);
    m_commands->action(pause)->setText(toQString(menuCaption));
    m_commands->button(pause)->setText(toQString(buttonCaption));
}

Button TOrbeni::ask(std::string_view title, std::string_view text, Buttons buttons, Icon icon) {
    QMessageBox box(messageIcon(icon), toQString(title), toQString(text),
                    buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    this);
    return box.exec() == QMessageBox::Ok ? Button::Ok : Button::Cancel;
}

std::optional<std::string> TOrbeni::askSeed(int currentSeed) {
    TRandomiz dialog(okGlyph(m_programFolder), this);
    return dialog.ask(currentSeed);
}

// Shows the best times of the current layout; after a new entry the player names it.
std::string TOrbeni::showScores(ScoresOpening opening) {
    THighScore dialog(m_game.hallOfFame(), m_layoutMenu.list().captions(), m_game.currentLayout(),
                      m_game.playerName(), opening, okGlyph(m_programFolder), this);
    dialog.exec();
    const std::string name = dialog.enteredName();
    m_playerPanel->setText(toQString(name));
    return name;
}

void TOrbeni::ShowScores() {
    m_game.ShowScores(ScoresOpening::Browse);
}

std::optional<std::string> TOrbeni::askSaveFileName(std::string_view title, std::string_view filter,
                                                    const std::string& initialFolder) {
    const QString file = QFileDialog::getSaveFileName(
        this, toQString(title), QString::fromStdString(initialFolder), qtFileFilter(filter));
    return file.isEmpty() ? std::nullopt : std::optional<std::string>(file.toStdString());
}

std::optional<std::string> TOrbeni::askPictureFile(std::string_view title, std::string_view filter,
                                                   const std::filesystem::path& folder) {
    const QString file = QFileDialog::getOpenFileName(
        this, toQString(title), QString::fromStdString(folder.string()), toQString(filter));
    return file.isEmpty() ? std::nullopt : std::optional<std::string>(file.toStdString());
}

void TOrbeni::redrawHallPanel() {
    ShowPanelHOF();
}

void TOrbeni::processPendingEvents() {
    QCoreApplication::processEvents();
}

void TOrbeni::pollMusic() {
    m_music.poll();
}

std::optional<std::uint32_t> TOrbeni::musicPollDelay() {
    return m_music.pollDelay();
}

void TOrbeni::showStatus(std::string_view text) {
    m_game.ShowStatus(text);
    wakeTempsSoon();
}

void TOrbeni::showError(std::string_view text) {
    showMessage("Orbeni", std::string(text));
}

void TOrbeni::showMessage(const std::string& title, const std::string& text) {
    ask(title, text, Buttons::Ok, Icon::Warning);
}

std::uint32_t TOrbeni::tickMilliseconds() {
    return static_cast<std::uint32_t>(m_clock.elapsed());
}

std::uint32_t TOrbeni::timeOfDayMilliseconds() {
    return static_cast<std::uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

void TOrbeni::Exit1Click() {
    close();
}

// Lets the player type a new name; every change is the player name at once.
void TOrbeni::ConfigClick() {
    TConfigu dialog(toQString(m_game.playerName()), okGlyph(m_programFolder), this);
    connect(&dialog, &TConfigu::PlayerNameChange, this, [this](const QString& name) {
        m_game.setPlayerName(name.toStdString());
        m_playerPanel->setText(name);
    });
    dialog.exec();
    update();
}

void TOrbeni::About1Click() {
    TAboutBox box(m_programFolder, this);
    box.exec();
}

// Opens the help window; without its notes file it says which file is missing.
void TOrbeni::HelpClick() {
    const platform::Result<std::unique_ptr<TAide>> help =
        TAide::create(m_programFolder, m_painter.tileImages(), this);
    if (!help) {
        showMessage("Orbeni Help", help.error());
        return;
    }
    help.value()->exec();
}

}  // namespace orbeni
