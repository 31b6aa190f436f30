// CMainFrame's commands: the actions made from the command table, the menus, the tool bar, the
// status-bar panes, and what each command does.

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>

#include "morvane/game/commands.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"
#include "morvane/ui/main_frame.h"
#include "morvane/ui/morvane_view.h"
#include "morvane/view/command_table.h"
#include "platform/qt/bitmap_image.h"
#include "platform/qt/command_actions.h"
#include "platform/qt/conversions.h"

namespace morvane {

namespace {

constexpr QSize kButtonPicture(16, 15);

// The status-bar panes right of the message, with the sample texts their widths are made for.
struct PaneRule {
    int id;
    const char* sample;
};
constexpr PaneRule kPanes[] = {{59145, "WWWWWW"}, {59143, "9999"}, {59144, "99"}, {59142, "999:99"}};

}  // namespace

// Every menu item, button and key comes from the command table.
void CMainFrame::createCommands() {
    m_commands = std::make_unique<platform::qt::CommandActions>(*this, commandTable(),
                                                                [this](int id, int) { runCommand(id); });
    m_commands->addMenus(*QMainWindow::menuBar(), morvane::menuBar());
}

QAction* CMainFrame::action(int id) const {
    return m_commands->action(id);
}

// The buttons take their pictures from the tool-bar strip in their order, and so do the buttons'
// menu items; without the strip the buttons show their short names.
void CMainFrame::createToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setIconSize(kButtonPicture);
    m_commands->addToolButtons(*m_toolBar, toolBarButtons());
    const QImage pictures = platform::qt::loadImage(m_programFolder / "toolbar.bmp");
    int picture = 0;
    for (const int id : toolBarButtons()) {
        if (id == 0) {
            continue;
        }
        const QRect cut(picture++ * kButtonPicture.width(), 0, kButtonPicture.width(),
                        kButtonPicture.height());
        if (!pictures.isNull() && pictures.rect().contains(cut)) {
            action(id)->setIcon(QIcon(QPixmap::fromImage(pictures.copy(cut))));
        }
    }
}

void CMainFrame::createStatusBar() {
    for (const PaneRule& rule : kPanes) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QStringLiteral("pane%1").arg(rule.id));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(rule.sample)) + 12);
        statusBar()->addPermanentWidget(pane);
        m_panes.insert(rule.id, pane);
    }
    statusBar()->showMessage(tr("Ready"));
}

// One place turns every command on and off and sets its check mark, from the game's rules.
void CMainFrame::updateActions() {
    const FrameState frame{m_toolBar->isVisible() || !isVisible(), statusBar()->isVisible() || !isVisible()};
    const Game& game = m_view->game();
    m_commands->update(
        [&game](int id, int) { return morvane::isEnabled(static_cast<Command>(id), game); },
        [&game, frame](int id, int) { return morvane::isChecked(static_cast<Command>(id), game, frame); });
}

void CMainFrame::updatePanes() {
    const Game& game = m_view->game();
    const auto set = [this](int id, const std::string& text) {
        if (QLabel* pane = m_panes.value(id); pane->text() != platform::qt::text(text)) {
            pane->setText(platform::qt::text(text));
        }
    };
    set(59145, game.rulesOrCursorText());
    set(59143, game.tilesText());
    set(59144, game.selectedCodeText());
    set(59142, game.timeText());
}

void CMainFrame::runCommand(int id) {
    const auto command = static_cast<Command>(id);
    if (!morvane::isEnabled(command, m_view->game())) {
        return;
    }
    switch (command) {
        case Command::Exit:
            close();
            return;
        case Command::Toolbar:
            m_toolBar->setVisible(!m_toolBar->isVisible());
            break;
        case Command::StatusBar:
            statusBar()->setVisible(!statusBar()->isVisible());
            break;
        case Command::FullScreen:
            toggleFullScreen();
            break;
        case Command::Manual:
            showManual(this);
            break;
        case Command::About:
            showAboutBox(this);
            break;
        case Command::LoadGame:
            loadGame();
            break;
        default:
            runGameCommand(command);
            break;
    }
    updateActions();
    updatePanes();
}

void CMainFrame::runGameCommand(Command command) {
    Game& game = m_view->game();
    for (int bookmark = 0; bookmark < kBookmarks; ++bookmark) {
        if (command == kSetBookmark[bookmark]) {
            game.setBookmark(bookmark);
        } else if (command == kGoToBookmark[bookmark]) {
            game.goToBookmark(bookmark);
        }
    }
    switch (command) {
        case Command::NewGame:
            game.newGame();
            break;
        case Command::RestartGame:
            game.restartGame();
            break;
        case Command::DefaultGame:
            game.defaultGame();
            break;
        case Command::Undo:
            game.undo();
            break;
        case Command::ShowMoves:
            game.showMoves();
            break;
        case Command::Previous:
            game.previousMove();
            break;
        case Command::Next:
            game.nextMove();
            break;
        case Command::DoIt:
            game.doIt();
            break;
        case Command::ExitShowMoves:
            game.exitShowMoves();
            break;
        case Command::UseSound:
            game.useSound();
            break;
        case Command::HallOfFame:
            game.hallOfFame();
            break;
        default:
            runDesignCommand(command);
            break;
    }
}

void CMainFrame::runDesignCommand(Command command) {
    Game& game = m_view->game();
    switch (command) {
        case Command::EnterDesign:
            game.enterDesignMode();
            break;
        case Command::EditSettings:
            editSettings();
            break;
        case Command::SaveGame:
            saveGame();
            break;
        case Command::ShiftRight:
            game.design().shift(ShiftDirection::Right);
            break;
        case Command::ShiftLeft:
            game.design().shift(ShiftDirection::Left);
            break;
        case Command::ShiftUp:
            game.design().shift(ShiftDirection::Up);
            break;
        case Command::ShiftDown:
            game.design().shift(ShiftDirection::Down);
            break;
        case Command::InsertMode:
            game.design().setTool(DesignTool::Insert);
            break;
        case Command::RemoveMode:
            game.design().setTool(DesignTool::Remove);
            break;
        case Command::ClearBoard:
            game.design().clear();
            break;
        case Command::ExitDesign:
            game.exitDesignMode();
            break;
        default:
            break;
    }
}

// The sample games beside the program, else the current folder (the game's own).
QString CMainFrame::fileDialogFolder() const {
    const std::filesystem::path samples = m_programFolder / "Games";
    std::error_code error;
    return QString::fromStdString(std::filesystem::is_directory(samples, error)
                                      ? samples.string()
                                      : std::filesystem::current_path(error).string());
}

void CMainFrame::loadGame() {
    const QString file = QFileDialog::getOpenFileName(this, tr("Load Game"), fileDialogFolder() + "/*.RVQ",
                                                      tr("Game files (*.RVQ *.rvq);;All files (*)"));
    if (!file.isEmpty()) {
        m_view->game().loadGame(file.toStdString());
    }
}

void CMainFrame::saveGame() {
    QFileDialog dialog(this, tr("Save Game"), fileDialogFolder() + "/*.RVQ",
                       tr("Game files (*.RVQ *.rvq);;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("RVQ"));
    // Saving over a game file is what the player chose it for.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        if (m_view->game().saveGame(dialog.selectedFiles().first().toStdString())) {
            statusBar()->showMessage(tr("Saved %1").arg(dialog.selectedFiles().first()));
        }
    }
}

void CMainFrame::editSettings() {
    const std::optional<GameSettings> chosen = editGameSettings(
        this, m_view->game().settings(), [this](const std::string& file) { m_view->testSound(file); });
    if (chosen) {
        m_view->game().setSettings(*chosen);
    }
}

}  // namespace morvane
