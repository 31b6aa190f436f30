#include <QMenuBar>

#include "orbeni/ui/orbeni_window.h"
#include "orbeni/view/command_table.h"
#include "platform/qt/command_actions.h"

// The window's commands: both command tables turned into the menus, the tool bar's buttons and
// the keys, each command bound to what it runs, and the one place that shows their state.

namespace orbeni {

// Makes the actions of both tables; their keys act from the start, as the rules allow.
void TOrbeni::createCommands() {
    const auto run = [this](int id, int item) { runCommand(static_cast<Command>(id), item); };
    m_commands = std::make_unique<platform::qt::CommandActions>(*this, commandTable(), run);
    m_editorCommands = std::make_unique<platform::qt::CommandActions>(*this, editorCommandTable(), run);
    bindFileAndPlayCommands();
    bindViewCommands();
    bindConfigurationCommands();
    bindLayoutAndMusicCommands();
    bindHelpAndToolCommands();
    bindEditorCommands();
    m_solveTimer.onTimeout([this] { stepSolve(); });
}

// The game's menu bar, and the editor's kept aside until the editor runs.
void TOrbeni::createMenus() {
    m_editorDriver.setChrome(m_tools, m_commands->addMenus(*menuBar(), gameMenuBar()),
                             m_editorCommands->addMenus(*menuBar(), editorMenuBar()));
    std::vector<std::string> pieces;
    for (const MusicPiece& piece : m_music.pieces()) {
        pieces.push_back(piece.caption);
    }
    m_commands->setList(static_cast<int>(Command::MusicPieces), pieces);
    showLayoutList();
}

// Lists the layouts after the editor's entries; saving a new layout adds one.
void TOrbeni::showLayoutList() {
    std::vector<std::string> captions = m_layoutMenu.list().captions();
    if (captions != m_shownLayouts) {
        m_commands->setList(static_cast<int>(Command::Layouts), captions);
        m_shownLayouts = std::move(captions);
    }
}

void TOrbeni::bind(Command command, std::function<void()> handler) {
    m_handlers[command] = [handler = std::move(handler)](int) { handler(); };
}

void TOrbeni::bindList(Command command, std::function<void(int item)> handler) {
    m_handlers[command] = std::move(handler);
}

// A mark that only turns its option on and off; what reads the option follows it.
void TOrbeni::bindToggle(Command command, bool& mark) {
    bind(command, [&mark] { mark = !mark; });
}

// Runs a command of the menus, the tool bar or the keys; a choice of highlight, background or
// tileset goes to its group.
void TOrbeni::runCommand(Command command, int item) {
    if (const std::optional<Choice> choice = choiceOf(command)) {
        runCommand([this, choice] { m_pictures.choose(*choice); });
        return;
    }
    const auto handler = m_handlers.find(command);
    if (handler != m_handlers.end()) {
        runCommand([&] { handler->second(item); });
    }
}

// Runs a command of the game, then shows its outcome in the menus and keeps the keyboard's
// cursor on a tile. A Rivers slide still under way ends first, so that the command finds the
// pair gone.
void TOrbeni::runCommand(const std::function<void()>& command) {
    stopSolving();
    m_game.finishRiverSlide();
    command();
    followBoardChange();
}

// What follows any change of the game: the saved game, the keyboard's cursor, the menus and the
// status bar's counts.
void TOrbeni::followBoardChange() {
    m_savedGame.follow(m_game);
    settleKeyCursor();
    updateActions();
    wakeTempsSoon();
}

CommandState TOrbeni::commandState() const {
    return {
        .editor = m_game.EditorMode(),
        .solverAvailable = m_game.solverAvailable(),
        .options = m_settings.options,
        .highlight = m_settings.highlight,
        .background = m_settings.background,
        .tileset = m_settings.tileset,
        .checkedLayout = m_game.checkedLayout(),
        .musicPiece = m_music.midiNumber(),
    };
}

// The one place that turns the commands on and off and sets their marks, from the game's rules.
void TOrbeni::updateActions() {
    if (!m_commands) {
        return;
    }
    showLayoutList();
    m_editorDriver.showTilesLeft();
    m_shownState = commandState();
    const auto enabled = [this](int id, int item) {
        return orbeni::isEnabled(static_cast<Command>(id), item, m_shownState);
    };
    const auto checked = [this](int id, int item) {
        return orbeni::isChecked(static_cast<Command>(id), item, m_shownState);
    };
    m_commands->update(enabled, checked);
    m_editorCommands->update(enabled, checked);
}

}  // namespace orbeni
