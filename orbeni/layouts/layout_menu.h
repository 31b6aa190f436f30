#pragma once

#include <filesystem>
#include <string>

#include "orbeni/game/game.h"
#include "orbeni/layouts/layout_import.h"
#include "orbeni/layouts/layout_list.h"

namespace orbeni {

// Where the player's saved and imported layouts go: the program's "Layouts" folder while it keeps
// its written files beside itself (userFolder is programFolder) and may write there, else
// $XDG_DATA_HOME/orbeni/Layouts.
std::filesystem::path playerLayoutsFolder(const std::filesystem::path& programFolder,
                                          const std::filesystem::path& userFolder);

// Where a layout is saved: to the current layout's file, or to one the player chooses.
enum class LayoutSaveTarget { CurrentFile, ChosenFile };

// Whether a load is the one at start-up, which neither reports the layout nor gives the notice.
enum class LayoutLoad { StartUp, Chosen };

// The Layout menu: its list, the current layout's file and name, and the loads and saves that
// change the game's layout template.
class LayoutMenu {
public:
    LayoutMenu(Game& game, Host& host) : m_game(game), m_host(host) {}

    // Builds the list from the "Layouts" folder, with the player's own layouts when they are kept
    // in another folder, and chooses the current layout from the stored number. False when no
    // layout is found: the program cannot run.
    bool build(const std::filesystem::path& layoutsFolder, int storedNumber,
               const std::filesystem::path& playerFolder = {});

    void LoadlayoutClick(int number);
    void LoadShplayoutClick(int number);
    void RunLayout(const std::filesystem::path& file, LayoutLoad load = LayoutLoad::Chosen);
    void RunShpLayout(LayoutLoad load = LayoutLoad::Chosen);
    // Loads the current layout file again, through the loader its name calls for.
    void loadCurrent(LayoutLoad load);
    // Writes the template as a ".lay" file and makes it the current layout, adding it to the
    // list when its name is new. False when nothing was written.
    bool SaveLayout(LayoutSaveTarget target);
    // Imports other programs' layout files into the player's folder and lists what they hold;
    // one line for each layout.
    std::vector<ImportOutcome> importLayouts(const std::vector<std::filesystem::path>& files);

    const LayoutList& list() const { return m_list; }
    int currentNumber() const { return m_game.currentLayout(); }
    const std::string& currentName() const { return m_name; }
    void setCurrentName(std::string name) { m_name = std::move(name); }
    const std::filesystem::path& currentPath() const { return m_path; }
    void setCurrentPath(std::filesystem::path path) { m_path = std::move(path); }

private:
    void choose(int number);
    void reportLoad(LayoutLoad load);
    void Warn();
    std::filesystem::path saveTarget(std::filesystem::path path) const;

    Game& m_game;
    Host& m_host;
    LayoutList m_list;
    std::filesystem::path m_folder;
    // Where saved and imported layouts go: the "Layouts" folder, or the player's own when the
    // program may not write its folder.
    std::filesystem::path m_playerFolder;
    std::filesystem::path m_path;
    std::string m_name = "External Layout";
    bool m_warned = false;
};

}  // namespace orbeni
