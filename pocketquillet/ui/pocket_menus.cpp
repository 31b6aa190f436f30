#include <QMenuBar>
#include <QToolButton>

#include "pocketquillet/game/menus.h"
#include "pocketquillet/ui/dialogs/dialog_texts.h"
#include "pocketquillet/ui/pocket_window.h"

namespace pocketquillet {

// Builds the menu bar of the game's language from the core's menus.
void PocketWindow::createMenus() {
    // A language change rebuilds the menus from within one of their own commands.
    for (QAction* shown : menuBar()->actions()) {
        if (shown->menu() != nullptr) {
            shown->menu()->deleteLater();
        }
    }
    menuBar()->clear();
    m_actions.clear();
    m_menuLanguage = m_game.options().language;
    for (const Menu& menu : pocketquillet::menuBar(m_menuLanguage)) {
        QMenu* shown = menuBar()->addMenu(qt(menu.title));
        for (const MenuItem& item : menu.items) {
            if (item.isSeparator()) {
                shown->addSeparator();
                continue;
            }
            QAction* action = shown->addAction(qt(item.caption));
            action->setCheckable(item.checkable);
            action->setData(static_cast<int>(item.command));
            const Command command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
            m_actions[command] = action;
        }
    }
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
    const auto found = m_actions.find(command);
    return found == m_actions.end() ? nullptr : found->second;
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
    for (const auto& [command, action] : m_actions) {
        action->setEnabled(m_game.isEnabled(command));
        if (action->isCheckable()) {
            action->setChecked(m_game.isChecked(command));
        }
    }
    if (m_game.needsTicks() && !m_clock.isActive()) {
        m_clock.start();
    } else if (!m_game.needsTicks() && m_clock.isActive()) {
        m_clock.stop();
    }
}

}  // namespace pocketquillet
