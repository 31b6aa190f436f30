// CMainFrame's commands: the actions made from the command table, the menus, the tool bar, the
// status-bar panes, and what each command does.

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "morvane/game/commands.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"
#include "morvane/ui/main_frame.h"
#include "morvane/ui/morvane_view.h"
#include "platform/qt/bitmap_image.h"

namespace morvane {

namespace {

constexpr QSize kButtonPicture(16, 15);

// The status-bar panes right of the message, with the sample texts their widths are made for.
struct PaneRule {
    int id;
    const char* sample;
};
constexpr PaneRule kPanes[] = {{59145, "WWWWWW"}, {59143, "9999"}, {59144, "99"}, {59142, "999:99"}};

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

enum : int {
    kLoadGame = 32771,
    kNewGame = 32772,
    kRestartGame = 32773,
    kDefaultGame = 32825,
    kExit = 57665,
    kUndo = 32778,
    kShowMoves = 32777,
    kPrevious = 32782,
    kNext = 32783,
    kDoIt = 32784,
    kExitShowMoves = 32785,
    kUseSound = 32827,
    kHallOfFame = 32824,
    kEnterDesign = 32779,
    kEditSettings = 32780,
    kSaveGame = 32781,
    kShiftRight = 32788,
    kShiftLeft = 32789,
    kShiftUp = 32790,
    kShiftDown = 32791,
    kInsertMode = 32792,
    kRemoveMode = 32793,
    kClearBoard = 32803,
    kExitDesign = 32787,
    kToolbar = 59392,
    kStatusBar = 59393,
    kFullScreen = 32826,
    kManual = 32776,
    kAbout = 57664,
};
constexpr int kSetBookmark[] = {32815, 32816, 32817, 32819};
constexpr int kGoToBookmark[] = {32820, 32821, 32822, 32823};

}  // namespace

void CMainFrame::createActions() {
    for (const CommandRule& command : commandRules()) {
        auto* action = new QAction(qText(command.item), this);
        action->setStatusTip(qText(morvane::statusTip(command)));
        action->setToolTip(qText(morvane::toolTip(command)));
        action->setCheckable(command.checked != CheckedWhen::Never);
        if (!command.accelerator.empty()) {
            action->setShortcut(QKeySequence(qText(command.accelerator)));
            // Still reached in full screen, where the menu bar is hidden.
            addAction(action);
        }
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions.insert(id, action);
    }
}

void CMainFrame::createMenus() {
    for (const MenuEntry& menu : morvane::menuBar()) {
        fillMenu(QMainWindow::menuBar()->addMenu(qText(menu.submenu)), menu);
    }
}

void CMainFrame::fillMenu(QMenu* menu, const MenuEntry& entry) {
    for (const MenuEntry& line : entry.entries) {
        if (line.isSeparator()) {
            menu->addSeparator();
        } else if (!line.submenu.empty()) {
            fillMenu(menu->addMenu(qText(line.submenu)), line);
        } else {
            menu->addAction(m_actions.value(line.id));
        }
    }
}

// The buttons take their pictures from the tool-bar strip in their order; without the strip
// they show their short names.
void CMainFrame::createToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setIconSize(kButtonPicture);
    const QImage pictures = platform::qt::loadImage(m_programFolder / "toolbar.bmp");
    int picture = 0;
    for (const int id : toolBarButtons()) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = m_actions.value(id);
        const QRect cut(picture++ * kButtonPicture.width(), 0, kButtonPicture.width(),
                        kButtonPicture.height());
        if (!pictures.isNull() && pictures.rect().contains(cut)) {
            action->setIcon(QIcon(QPixmap::fromImage(pictures.copy(cut))));
        }
        m_toolBar->addAction(action);
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

// One place turns every command on and off and sets its check mark, from the game's state.
void CMainFrame::updateActions() {
    const FrameState frame{m_toolBar->isVisible() || !isVisible(), statusBar()->isVisible() || !isVisible()};
    for (const CommandRule& command : commandRules()) {
        QAction* action = m_actions.value(command.id);
        action->setEnabled(morvane::isEnabled(command, m_view->game()));
        if (action->isCheckable()) {
            action->setChecked(isChecked(command, m_view->game(), frame));
        }
    }
}

void CMainFrame::updatePanes() {
    const Game& game = m_view->game();
    const auto set = [this](int id, const std::string& text) {
        if (QLabel* pane = m_panes.value(id); pane->text() != qText(text)) {
            pane->setText(qText(text));
        }
    };
    set(59145, game.rulesOrCursorText());
    set(59143, game.tilesText());
    set(59144, game.selectedCodeText());
    set(59142, game.timeText());
}

void CMainFrame::runCommand(int id) {
    const CommandRule* command = findCommand(id);
    if (command == nullptr || !morvane::isEnabled(*command, m_view->game())) {
        return;
    }
    switch (id) {
        case kExit:
            close();
            return;
        case kToolbar:
            m_toolBar->setVisible(!m_toolBar->isVisible());
            break;
        case kStatusBar:
            statusBar()->setVisible(!statusBar()->isVisible());
            break;
        case kFullScreen:
            toggleFullScreen();
            break;
        case kManual:
            showManual(this);
            break;
        case kAbout:
            showAboutBox(this);
            break;
        case kLoadGame:
            loadGame();
            break;
        default:
            runGameCommand(id);
            break;
    }
    updateActions();
    updatePanes();
}

void CMainFrame::runGameCommand(int id) {
    Game& game = m_view->game();
    for (int bookmark = 0; bookmark < kBookmarks; ++bookmark) {
        if (id == kSetBookmark[bookmark]) {
            game.setBookmark(bookmark);
        } else if (id == kGoToBookmark[bookmark]) {
            game.goToBookmark(bookmark);
        }
    }
    switch (id) {
        case kNewGame:
            game.newGame();
            break;
        case kRestartGame:
            game.restartGame();
            break;
        case kDefaultGame:
            game.defaultGame();
            break;
        case kUndo:
            game.undo();
            break;
        case kShowMoves:
            game.showMoves();
            break;
        case kPrevious:
            game.previousMove();
            break;
        case kNext:
            game.nextMove();
            break;
        case kDoIt:
            game.doIt();
            break;
        case kExitShowMoves:
            game.exitShowMoves();
            break;
        case kUseSound:
            game.useSound();
            break;
        case kHallOfFame:
            game.hallOfFame();
            break;
        default:
            runDesignCommand(id);
            break;
    }
}

void CMainFrame::runDesignCommand(int id) {
    Game& game = m_view->game();
    switch (id) {
        case kEnterDesign:
            game.enterDesignMode();
            break;
        case kEditSettings:
            editSettings();
            break;
        case kSaveGame:
            saveGame();
            break;
        case kShiftRight:
            game.shift(ShiftDirection::Right);
            break;
        case kShiftLeft:
            game.shift(ShiftDirection::Left);
            break;
        case kShiftUp:
            game.shift(ShiftDirection::Up);
            break;
        case kShiftDown:
            game.shift(ShiftDirection::Down);
            break;
        case kInsertMode:
            game.setDesignTool(DesignTool::Insert);
            break;
        case kRemoveMode:
            game.setDesignTool(DesignTool::Remove);
            break;
        case kClearBoard:
            game.clearBoard();
            break;
        case kExitDesign:
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
