#include <QActionGroup>
#include <QMenuBar>

#include "orbeni/ui/orbeni_window.h"

namespace orbeni {

void TOrbeni::createMenus() {
    createFileMenu();
    createPlayMenu();
    createViewMenu();
    createHighlightMenu();
    createConfigurationMenu();
    createPictureMenus();
    createLayoutMenu();
    createMusicMenu();
    createHelpMenu();
}

// Runs a command of the game, then shows its outcome in the menus.
void TOrbeni::runCommand(const std::function<void()>& command) {
    command();
    updateActions();
}

QAction* TOrbeni::addCommand(QMenu* menu, const char* caption, std::function<void()> command) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    return action;
}

// Adds a check item showing a mark; the command (a plain toggle when none) changes the mark.
QAction* TOrbeni::addMark(QMenu* menu, const char* caption, bool& mark, std::function<void()> command) {
    if (!command) {
        command = [&mark] { mark = !mark; };
    }
    QAction* action = addCommand(menu, caption, std::move(command));
    action->setCheckable(true);
    m_marks.push_back({action, &mark});
    return action;
}

// Adds one item of a group of which exactly one is checked: the one whose value is chosen. The
// command (by default, choosing the value) makes the choice.
QAction* TOrbeni::addChoice(QMenu* menu, QActionGroup* group, const char* caption, int& choice, int value,
                            std::function<void()> command) {
    if (!command) {
        command = [&choice, value] { choice = value; };
    }
    QAction* action = addCommand(menu, caption, std::move(command));
    action->setCheckable(true);
    group->addAction(action);
    m_choices.push_back({action, &choice, value});
    return action;
}

// Adds an entry whose command is not written yet; it shows, greyed.
QAction* TOrbeni::addMissing(QMenu* menu, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setEnabled(false);
    return action;
}

void TOrbeni::createFileMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(menu, "Mah-Jongg Solitaire : New Fully Random Game",
               [this] { m_game.RandomSolitaireGame1Click(); });
    addCommand(menu, "Mah-Jongg Solitaire : New Random Specific Game",
               [this] { m_game.NewRandomSpecificGame1Click(); });
    addCommand(menu, "Mah-Jongg Solitaire : New Specific Game", [this] { m_game.NewSpecificGame1Click(); });
    addCommand(menu, "Mah-Jongg Rivers : New Game", [this] { m_game.FourRivers(); });
    menu->addSeparator();
    addCommand(menu, "E&xit", [this] { Exit1Click(); });
}

void TOrbeni::createPlayMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Play"));
    addCommand(menu, "&Back", [this] { m_game.Back(); });
    addCommand(menu, "&Hint", [this] { m_game.Hint(); });
    m_pauseAction = addCommand(menu, "&Pause", [this] { m_game.PauseClick(); });
    addCommand(menu, "Shu&ffle", [this] { m_game.Shuffle1Click(); });
    addCommand(menu, "&Stop", [this] { m_game.Stop(); });
    addCommand(menu, "&Restart", [this] { m_game.Restart(); });
    menu->addSeparator();
    addCommand(menu, "&Player Name", [this] { ConfigClick(); });
    addCommand(menu, "Delete Scores", [this] { m_game.DeleteHighscores1Click(); });
    menu->addSeparator();
    Options& options = m_game.options();
    addMark(menu, "Vertical Variation", options.Vertical, [this] { m_game.VerticalClick(); });
    addMark(menu, "Random Seed", options.RandomSeed1, [this] { m_game.RandomSeed1Click(); });
}

void TOrbeni::createViewMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("View"));
    Options& options = m_game.options();
    // FIXME: the board painter does not draw the inverted selection yet; the mark is kept.
    addMark(menu, "&Invert selection", m_settings.invert);
    addMark(menu, "Cool Status", options.coolStatus);
    // FIXME: the custom pointer "TECHNO" is not drawn yet; the mark is kept.
    addMark(menu, "Cool Mouse", m_settings.coolMouse);
    // FIXME: the toolbar and its texture are not built yet; the mark is kept.
    addMark(menu, "Cool Toolbar", m_settings.coolToolbar);
    addMark(menu, "&Show Time Left", options.showTime);
    addMark(menu, "Show &Moves Left", options.showMoves, [this] { m_game.NStatus(); });
    menu->addSeparator();
    // FIXME: the side panel HofBox is not built yet; the mark is kept.
    addMark(menu, "Show Hall of &Fame", options.showHallOfFame);
    addMark(menu, "Show Status Bar", m_settings.showStatus, [this] { ShowTitleClick(); });
    // FIXME: the toolbar is not built yet; the mark is kept.
    addMark(menu, "Show &Toolbar", m_settings.showToolbar);
}

void TOrbeni::createHighlightMenu() {
    // FIXME: the hover feedback is drawn by the board painter, not connected yet; the marks are kept.
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Highlight"));
    auto* group = new QActionGroup(menu);
    addChoice(menu, group, "None", m_settings.highlight, 0);
    addChoice(menu, group, "Red Rectangle", m_settings.highlight, 1);
    addChoice(menu, group, "Green Rectangle", m_settings.highlight, 3);
    addChoice(menu, group, "Blue Rectangle", m_settings.highlight, 4);
    addChoice(menu, group, "Colored Tile", m_settings.highlight, 2);
    menu->addSeparator();
    addMark(menu, "Show Current Tile", m_settings.showTile);
    addMark(menu, "Only possible moves", m_settings.onlyPossible);
}

void TOrbeni::createConfigurationMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Configuration"));
    Options& options = m_game.options();
    addMark(menu, "Winnable Layouts (in at least one way)", options.Winnable,
            [this] { m_game.WinnableClick(); });
    addMark(menu, "Winnable Shuffles (in at least one way)", options.Shuffable,
            [this] { m_game.ShuffableClick(); });
    addMark(menu, "Enable time tracking for the Hall of fame", options.enableHall);
    addMark(menu, "Animate Board while building the tiles", options.Animate,
            [this] { m_game.AnimateClick(); });
    addMark(menu, "Animate Tile Rivers in Mahjongg Rivers", options.tileRivers);
    menu->addSeparator();
    // FIXME: there is no music player yet; the music marks are kept only.
    addMark(menu, "Play music", m_settings.playMusic);
    addMark(menu, "Run music automatically at startup", m_settings.startMusic);
    addMark(menu, "Play sound effects", options.playSounds);
    menu->addSeparator();
    // FIXME: the switch to 800 x 600 is not built yet; the mark is kept.
    addMark(menu, "Switch to 800x600 at startup", m_settings.setRes800);
    addMark(menu, "Begin new game at startup", m_settings.startDirectly);
    addMark(menu, "Start new game when changing layout", options.neverWarn);
}

void TOrbeni::createPictureMenus() {
    // FIXME: backgrounds and tilesets are loaded by the board painter, not connected yet; the
    // choices are kept, and "Load from disk" waits for its file dialog.
    QMenu* backgrounds = menuBar()->addMenu(QStringLiteral("&Background"));
    auto* backgroundGroup = new QActionGroup(backgrounds);
    addMissing(backgrounds, "Load from disk");
    addChoice(backgrounds, backgroundGroup, "None", m_settings.background, 2);
    addChoice(backgrounds, backgroundGroup, "&Dragons", m_settings.background, 1);
    addChoice(backgrounds, backgroundGroup, "Andromeda", m_settings.background, 4);
    addChoice(backgrounds, backgroundGroup, "&Kanji (classic)", m_settings.background, 0);

    QMenu* tilesets = menuBar()->addMenu(QStringLiteral("Tileset"));
    auto* tilesetGroup = new QActionGroup(tilesets);
    addMissing(tilesets, "Load from disk");
    addChoice(tilesets, tilesetGroup, "Mahjongg (normal)", m_settings.tileset, 1);
    addChoice(tilesets, tilesetGroup, "Mahjongg (darker)", m_settings.tileset, 2);
    addChoice(tilesets, tilesetGroup, "Mahjongg (blue)", m_settings.tileset, 3);
}

void TOrbeni::createLayoutMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Layout"));
    // FIXME: the layout editor's window side is not built yet.
    addMissing(menu, "Create Layout");
    addMissing(menu, "Edit Layout");
    menu->addSeparator();
    auto* group = new QActionGroup(menu);
    const LayoutList& list = m_layoutMenu.list();
    for (int number = 1; number <= list.count(); ++number) {
        const LayoutEntry* entry = list.entry(number);
        const bool shape = entry->kind == LayoutKind::Shp;
        addChoice(menu, group, entry->caption.c_str(), m_checkedLayout, number, [this, number, shape] {
            shape ? m_layoutMenu.LoadShplayoutClick(number) : m_layoutMenu.LoadlayoutClick(number);
        });
    }
}

void TOrbeni::createMusicMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("M&usic"));
    addMark(menu, "Random Music", m_settings.randomMusic);
    // FIXME: the pieces of "Musics" are listed here once the music player exists.
}

void TOrbeni::createHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    // FIXME: the help window TAide and the hall-of-fame dialog THighScore are not built yet.
    addMissing(menu, "&Contents");
    addMissing(menu, "&Hall of Fame");
    menu->addSeparator();
    addCommand(menu, "&About...", [this] { About1Click(); });
}

// Shows every check mark and choice as the game and the settings hold it.
void TOrbeni::updateActions() {
    m_checkedLayout = m_game.currentLayout();
    for (const Mark& mark : m_marks) {
        mark.action->setChecked(*mark.value);
    }
    for (const Choice& choice : m_choices) {
        if (*choice.choice == choice.value) {
            choice.action->setChecked(true);
        }
    }
}

}  // namespace orbeni
