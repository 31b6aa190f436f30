#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

#include "orbeni/ui/configu_dialog.h"
#include "orbeni/ui/orbeni_window.h"

namespace orbeni {

namespace {

constexpr std::array<int, kStatusPanelCount> kPanelWidths{60, 45, 70, 35, 40, 50, 45, 50};
constexpr std::array<const char*, kStatusPanelCount> kPanelLabels{"Tiles left", "", "Moves left", "",
                                                                  "Time",       "", "Status",     ""};
constexpr int kStatusBarHeight = 35;
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
    bar->setFixedHeight(kStatusBarHeight);
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

void TOrbeni::playSound(Sound) {
    // FIXME: there is no wave player yet; the effects are silent.
}

void TOrbeni::redrawTile(int, Position) {
    m_boardImage->update();
}

void TOrbeni::redrawBoard() {
    m_boardImage->update();
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

void TOrbeni::setPauseCaptions(std::string_view menuCaption, std::string_view) {
    // FIXME: the toolbar's Pause button caption waits for the toolbar.
    m_pauseAction->setText(toQString(menuCaption));
}

Button TOrbeni::ask(std::string_view title, std::string_view text, Buttons buttons, Icon icon) {
    QMessageBox box(messageIcon(icon), toQString(title), toQString(text),
                    buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    this);
    return box.exec() == QMessageBox::Ok ? Button::Ok : Button::Cancel;
}

std::optional<std::string> TOrbeni::askSeed(int currentSeed) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(this, QStringLiteral("Random Seed"),
                              QStringLiteral("Choose a specific game number (from 1 to 2,147,483,647)"),
                              QLineEdit::Normal, QString::number(currentSeed), &accepted);
    return accepted ? std::optional<std::string>(text.toStdString()) : std::nullopt;
}

std::string TOrbeni::showScores(ScoresOpening) {
    // FIXME: the "High Scores" dialog THighScore is not built yet; the entry keeps the player's name.
    return m_game.playerName();
}

std::optional<std::string> TOrbeni::askSaveFileName(std::string_view title, std::string_view filter,
                                                    const std::string& initialFolder) {
    const QString file = QFileDialog::getSaveFileName(
        this, toQString(title), QString::fromStdString(initialFolder), qtFileFilter(filter));
    return file.isEmpty() ? std::nullopt : std::optional<std::string>(file.toStdString());
}

void TOrbeni::redrawHallPanel() {
    // FIXME: the side panel HofBox is not built yet.
}

void TOrbeni::processPendingEvents() {
    QCoreApplication::processEvents();
}

void TOrbeni::pollMusic() {
    // FIXME: there is no music player yet.
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
    TConfigu dialog(toQString(m_game.playerName()), this);
    connect(&dialog, &TConfigu::PlayerNameChange, this,
            [this](const QString& name) { m_game.setPlayerName(name.toStdString()); });
    dialog.exec();
    update();
}

void TOrbeni::About1Click() {
    QMessageBox::about(
        this, QStringLiteral("About Orbeni"),
        QStringLiteral("Orbeni 4.52\n\nA Mah-Jongg solitaire with Mah-Jongg Rivers, layouts of your "
                       "own, tilesets and backgrounds."));
}

// Shows or hides the status bar; the window changes height with it so the board keeps its size.
void TOrbeni::ShowTitleClick() {
    m_settings.showStatus = !m_settings.showStatus;
    statusBar()->setVisible(m_settings.showStatus);
    resize(width(), height() + (m_settings.showStatus ? kStatusBarHeight : -kStatusBarHeight));
}

}  // namespace orbeni
