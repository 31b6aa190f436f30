#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>

#include "orbeni/ui/orbeni_window.h"

namespace orbeni {

// The Layout menu's items beside its layouts: "Create Layout", "Edit Layout" and a separator above
// them, a separator and "Import layout..." below.
constexpr int kLayoutMenuFixedItems = 5;

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
    m_mainMenus = menuBar()->actions();
    createEditorMenus();
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

void TOrbeni::createFileMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(menu, "Mah-Jongg Solitaire : New Fully Random Game",
               [this] { newDeal([this] { m_game.RandomSolitaireGame1Click(); }); });
    addCommand(menu, "Mah-Jongg Solitaire : New Random Specific Game",
               [this] { newDeal([this] { m_game.NewRandomSpecificGame1Click(); }); });
    addCommand(menu, "Mah-Jongg Solitaire : New Specific Game",
               [this] { newDeal([this] { m_game.NewSpecificGame1Click(); }); });
    addCommand(menu, "Mah-Jongg Rivers : New Game", [this] { newDeal([this] { m_game.FourRivers(); }); });
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
    addCommand(menu, "&Restart", [this] { newDeal([this] { m_game.Restart(); }); });
    menu->addSeparator();
    addCommand(menu, "&Player Name", [this] { ConfigClick(); });
    addCommand(menu, "Delete Scores", [this] { m_game.DeleteHighscores1Click(); });
    menu->addSeparator();
    Options& options = m_game.options();
    addMark(menu, "Vertical Variation", options.Vertical, [this] { m_game.VerticalClick(); });
    addMark(menu, "Random Seed", options.RandomSeed1, [this] { m_game.RandomSeed1Click(); });
    createSolverCommands(menu);
}

void TOrbeni::createViewMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("View"));
    Options& options = m_game.options();
    DrawingOptions& drawing = m_painter.options();
    addMark(menu, "&Invert selection", drawing.invertSelection);
    addMark(menu, "Cool Status", options.coolStatus);
    addMark(menu, "Cool Mouse", m_settings.coolMouse, [this] { CoolMouseClick(); });
    addMark(menu, "Cool Toolbar", m_settings.coolToolbar, [this] { CoolToolbarClick(); });
    addMark(menu, "&Show Time Left", options.showTime);
    addMark(menu, "Show &Moves Left", options.showMoves, [this] { m_game.NStatus(); });
    menu->addSeparator();
    addMark(menu, "Show Hall of &Fame", options.showHallOfFame, [this] { ShowHallPanel(); });
    addMark(menu, "Show Status Bar", m_settings.showStatus, [this] { ShowTitleClick(); });
    addMark(menu, "Show &Toolbar", m_settings.showToolbar, [this] { Toolbar1Click(); });
    menu->addSeparator();
    addMark(menu, "Scale board to window", m_settings.scaleBoard, [this] { ScaleBoardClick(); });
}

void TOrbeni::createHighlightMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Highlight"));
    auto* group = new QActionGroup(menu);
    const auto highlight = [&](const char* caption, HighlightMode mode) {
        addChoice(menu, group, caption, m_settings.highlight, int(mode),
                  [this, mode] { chooseHighlight(int(mode)); });
    };
    highlight("None", HighlightMode::None);
    highlight("Red Rectangle", HighlightMode::RedRectangle);
    highlight("Green Rectangle", HighlightMode::GreenRectangle);
    highlight("Blue Rectangle", HighlightMode::BlueRectangle);
    highlight("Colored Tile", HighlightMode::ColoredTile);
    menu->addSeparator();
    DrawingOptions& drawing = m_painter.options();
    addMark(menu, "Show Current Tile", drawing.showCurrentTile);
    addMark(menu, "Only possible moves", drawing.onlyPossibleMoves);
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
    MusicOptions& music = m_music.options();
    addMark(menu, "Play music", music.playMusic, [this] { m_music.PlayMusicClick(); });
    addMark(menu, "Run music automatically at startup", music.startMusic,
            [this] { m_music.StartMusicClick(); });
    // The game asks for its effects only while they are on; the music plays them under the same mark.
    addMark(menu, "Play sound effects", music.playSounds, [this] {
        m_music.PlaySoundsClick();
        m_game.options().playSounds = m_music.options().playSounds;
    });
    menu->addSeparator();
    addMark(menu, "Switch to 800x600 at startup", m_settings.setRes800);
    addMark(menu, "Begin new game at startup", m_settings.startDirectly);
    addMark(menu, "Start new game when changing layout", options.neverWarn);
    addMark(menu, "Warn when the game cannot be won any more", options.warnUnwinnable);
}

void TOrbeni::createPictureMenus() {
    QMenu* backgrounds = menuBar()->addMenu(QStringLiteral("&Background"));
    auto* backgroundGroup = new QActionGroup(backgrounds);
    const auto background = [&](const char* caption, int item) {
        addChoice(backgrounds, backgroundGroup, caption, m_settings.background, item,
                  [this, item] { chooseBackground(item); });
    };
    background("Load from disk", 3);
    background("None", 2);
    background("&Dragons", 1);
    background("Andromeda", 4);
    background("&Kanji (classic)", 0);

    QMenu* tilesets = menuBar()->addMenu(QStringLiteral("Tileset"));
    auto* tilesetGroup = new QActionGroup(tilesets);
    const auto tileset = [&](const char* caption, int item) {
        addChoice(tilesets, tilesetGroup, caption, m_settings.tileset, item,
                  [this, item] { chooseTileset(item); });
    };
    tileset("Load from disk", 0);
    tileset("Mahjongg (normal)", 1);
    tileset("Mahjongg (darker)", 2);
    tileset("Mahjongg (blue)", 3);
}

void TOrbeni::createLayoutMenu() {
    m_layoutItems = menuBar()->addMenu(QStringLiteral("&Layout"));
    rebuildLayoutItems();
}

// Lists the layouts after the editor's entries; saving a new layout adds one.
void TOrbeni::rebuildLayoutItems() {
    for (QAction* action : m_layoutItems->actions()) {
        m_choices.erase(std::remove_if(m_choices.begin(), m_choices.end(),
                                       [action](const Choice& choice) { return choice.action == action; }),
                        m_choices.end());
    }
    m_layoutItems->clear();
    delete m_layoutGroup;
    m_layoutGroup = new QActionGroup(m_layoutItems);
    addCommand(m_layoutItems, "Create Layout",
               [this] { enterEditor([this] { m_editor.CreateLayout1Click(); }); });
    addCommand(m_layoutItems, "Edit Layout",
               [this] { enterEditor([this] { m_editor.Editlayout1Click(); }); });
    m_layoutItems->addSeparator();
    const LayoutList& list = m_layoutMenu.list();
    for (int number = 1; number <= list.count(); ++number) {
        const LayoutEntry* entry = list.entry(number);
        const bool shape = entry->kind == LayoutKind::Shp;
        addChoice(m_layoutItems, m_layoutGroup, entry->caption.c_str(), m_checkedLayout, number,
                  [this, number, shape] {
                      newDeal([this, number, shape] {
                          shape ? m_layoutMenu.LoadShplayoutClick(number)
                                : m_layoutMenu.LoadlayoutClick(number);
                      });
                  });
    }
    m_layoutItems->addSeparator();
    addCommand(m_layoutItems, "Import layout...", [this] { ImportLayoutClick(); });
}

void TOrbeni::createMusicMenu() {
    m_musicMenu = menuBar()->addMenu(QStringLiteral("M&usic"));
    addMark(m_musicMenu, "Random Music", m_music.options().randomMusic,
            [this] { m_music.RandomMusicClick(); });
    m_musicMenu->addSeparator();
    for (int piece = 1; piece <= m_music.MusicCount(); ++piece) {
        QAction* entry = addCommand(m_musicMenu, m_music.pieces()[std::size_t(piece - 1)].caption.c_str(),
                                    [this, piece] { m_music.LoadMidiClick(piece); });
        entry->setCheckable(true);
        m_musicPieces.push_back(entry);
    }
}

void TOrbeni::createHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(menu, "&Contents", [this] { HelpClick(); });
    addCommand(menu, "&Hall of Fame", [this] { ShowScores(); });
    menu->addSeparator();
    addCommand(menu, "&About...", [this] { About1Click(); });
}

// Checks the piece that is selected; the end of a piece may choose another at random.
void TOrbeni::updateMusicMarks() {
    for (std::size_t index = 0; index < m_musicPieces.size(); ++index) {
        m_musicPieces[index]->setChecked(m_music.isChecked(int(index) + 1));
    }
}

// Shows every check mark and choice as the game and the settings hold it.
void TOrbeni::updateActions() {
    if (m_layoutItems != nullptr &&
        m_layoutItems->actions().size() != m_layoutMenu.list().count() + kLayoutMenuFixedItems) {
        rebuildLayoutItems();
    }
    m_checkedLayout = m_game.checkedLayout();
    updateMusicMarks();
    if (m_editorTilesLeft != nullptr) {
        m_editorTilesLeft->setText(QString::number(m_editor.EditorTilesLeft()));
    }
    updateSolverActions();
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
