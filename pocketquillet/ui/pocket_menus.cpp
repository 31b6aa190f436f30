#include <QMenuBar>
#include <QToolButton>
#include <memory>
#include <utility>

#include "platform/qt/command_actions.h"
#include "pocketquillet/ui/pocket_window.h"
#include "pocketquillet/view/commands.h"

namespace pocketquillet {

namespace {

// Keeps the menus of the language just left until the command that changed the language has
// returned: it runs from one of their own actions.
class RetiredCommands : public QObject {
public:
    explicit RetiredCommands(std::unique_ptr<platform::qt::CommandActions> commands)
        : m_commands(std::move(commands)) {}

private:
    std::unique_ptr<platform::qt::CommandActions> m_commands;
};

}  // namespace

// Builds the menu bar of the game's language from its command table.
void PocketWindow::createMenus() {
    for (QAction* shown : menuBar()->actions()) {
        if (shown->menu() != nullptr) {
            shown->menu()->deleteLater();
        }
    }
    menuBar()->clear();
    if (m_commands) {
        for (const platform::Command& command : m_commands->table()) {
            removeAction(m_commands->action(command.id));
        }
        (new RetiredCommands(std::move(m_commands)))->deleteLater();
    }
    m_menuLanguage = m_game.options().language;
    m_commands = std::make_unique<platform::qt::CommandActions>(
        *this, commandTable(m_menuLanguage), [this](int id, int) { runCommand(static_cast<Command>(id)); });
    m_commands->addMenus(*menuBar(), pocketquillet::menuBar(m_menuLanguage));
}

// The handheld's command bar carried a close button at its right end; so does the menu bar.
void PocketWindow::createCloseButton() {
    auto* close = new QToolButton(menuBar());
    close->setObjectName(QStringLiteral("closeButton"));
    close->setText(QStringLiteral("\u2715"));
    close->setToolTip(QStringLiteral("Close"));
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    menuBar()->setCornerWidget(close, Qt::TopRightCorner);
}

QAction* PocketWindow::action(Command command) const {
    return m_commands->action(static_cast<int>(command));
}

void PocketWindow::runCommand(Command command) {
    switch (command) {
        case Command::Exit:
            close();
            return;
        case Command::StartGame:
            m_game.startGame();
            break;
        case Command::PauseGame:
            m_game.pauseGame();
            break;
        case Command::EndGame:
            m_game.endGame();
            break;
        case Command::NextRound:
            m_game.nextRound();
            break;
        case Command::NextMove:
            m_game.nextMove();
            break;
        case Command::ShowHiscore:
            m_game.showHiscore();
            break;
        case Command::Options:
            showOptions();
            break;
        case Command::Info:
            showAbout();
            break;
        default:
            m_game.toggleOption(command);
            break;
    }
    syncAudio();
    updateActions();
    repaintStatus();
}

// The one place that turns commands on and off and sets their marks, from the game; the clock
// runs only while a Challenge turn counts down.
void PocketWindow::updateActions() {
    if (m_game.options().language != m_menuLanguage) {
        createMenus();
    }
    m_commands->update([this](int id, int) { return m_game.isEnabled(static_cast<Command>(id)); },
                       [this](int id, int) { return m_game.isChecked(static_cast<Command>(id)); });
    if (m_game.needsTicks() && !m_clock.isActive()) {
        m_clock.start();
    } else if (!m_game.needsTicks() && m_clock.isActive()) {
        m_clock.stop();
    }
}

}  // namespace pocketquillet
