#include "orbeni/layouts/layout_menu.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "orbeni/game/program_info.h"
#include "orbeni/layouts/layout_file.h"
#include "platform/data_folder/data_folder.h"

namespace orbeni {

namespace {

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

std::filesystem::path playerLayoutsFolder(const std::filesystem::path& programFolder,
                                          const std::filesystem::path& userFolder) {
    return platform::writableDataFolder(programFolder, userFolder, "orbeni", "Layouts");
}

bool LayoutMenu::build(const std::filesystem::path& layoutsFolder, int storedNumber,
                       const std::filesystem::path& playerFolder) {
    m_folder = layoutsFolder;
    m_playerFolder = playerFolder.empty() ? layoutsFolder : playerFolder;
    m_list.build(layoutsFolder, m_playerFolder);
    const int number = m_list.startingNumber(storedNumber);
    if (number == 0) {
        return false;
    }
    m_game.setCurrentLayout(number);
    m_path = m_list.entry(number)->file;
    return true;
}

void LayoutMenu::choose(int number) {
    m_path = m_list.entry(number)->file;
    m_game.chooseLayout(number);
}

void LayoutMenu::LoadlayoutClick(int number) {
    if (m_list.entry(number) != nullptr) {
        choose(number);
        RunLayout(m_path);
    }
}

void LayoutMenu::LoadShplayoutClick(int number) {
    if (m_list.entry(number) != nullptr) {
        choose(number);
        RunShpLayout();
    }
}

void LayoutMenu::loadCurrent(LayoutLoad load) {
    if (m_path.string().find(".shp") != std::string::npos) {
        RunShpLayout(load);
    } else {
        RunLayout(m_path, load);
    }
}

void LayoutMenu::RunLayout(const std::filesystem::path& file, LayoutLoad load) {
    auto read = readLayFile(file);
    if (!read) {
        m_host.ask("Error", read.error(), Buttons::Ok, Icon::Error);
        return;
    }
    m_name = read.value().name;
    if (read.value().hasVersionMark) {
        m_game.layoutTemplate() = read.value().layout;
        m_game.setLayoutUnlisted(false);
    }
    reportLoad(load);
}

void LayoutMenu::RunShpLayout(LayoutLoad load) {
    auto read = readShpFile(m_path);
    if (!read) {
        m_host.ask("Error", read.error(), Buttons::Ok, Icon::Error);
        return;
    }
    m_game.layoutTemplate() = read.value();
    m_game.setLayoutUnlisted(false);
    m_name = m_path.string();
    reportLoad(load);
}

void LayoutMenu::reportLoad(LayoutLoad load) {
    m_game.hallOfFame().clearLastRank();
    if (load == LayoutLoad::StartUp) {
        m_game.ShowStatus(kApplicationTitle);
        return;
    }
    m_game.ShowStatus("Layout " + upperCase(m_name) + " selected.");
    Warn();
}

// Tells once a run that a new layout waits for a new game, or starts one at once when the
// player asked for that.
void LayoutMenu::Warn() {
    const Options& options = m_game.options();
    if (!options.neverWarn && !m_warned && !m_game.GameStopped()) {
        m_host.ask("And now for something completely different.",
                   "You selected a new layout. Please note that you will have to start a new game before the "
                   "changes take effect.",
                   Buttons::Ok, Icon::Information);
        m_warned = true;
    }
    if (options.neverWarn) {
        m_game.NewGame();
    }
}

// A save aimed at the program's own "Layouts" folder goes to the player's folder when that is
// another one: the program may not write its own.
std::filesystem::path LayoutMenu::saveTarget(std::filesystem::path path) const {
    if (path.string().find(".lay") == std::string::npos) {
        path += ".lay";
    }
    if (m_playerFolder != m_folder && path.parent_path().lexically_normal() == m_folder.lexically_normal()) {
        std::error_code error;
        std::filesystem::create_directories(m_playerFolder, error);
        return m_playerFolder / path.filename();
    }
    return path;
}

// Writes the template as a ".lay" file, to the current file or to one the player chooses, and
// makes it the current layout. False when nothing was written: the dialog was cancelled, the
// file could not be written, or a new name finds the list full.
bool LayoutMenu::SaveLayout(LayoutSaveTarget target) {
    std::filesystem::path path = target == LayoutSaveTarget::CurrentFile ? m_path : std::filesystem::path();
    if (path.empty()) {
        std::error_code error;
        std::filesystem::create_directories(m_playerFolder, error);
        const auto chosen = m_host.askSaveFileName("Please choose a name for your layout file",
                                                   "LAY Layout files (*.lay)|*.lay", m_playerFolder.string());
        if (!chosen) {
            return false;
        }
        path = *chosen;
    }
    path = saveTarget(path);
    const std::string fileName = path.filename().string();
    const std::string shortName = fileName.substr(0, fileName.size() - 4);
    int number = m_list.find(shortName);
    if (number == 0 && m_list.count() >= kMaxLayoutEntries) {
        m_host.ask("Layout",
                   "The layout list is full: it holds " + std::to_string(kMaxLayoutEntries) +
                       " layouts. Save this layout under the name of one of them.",
                   Buttons::Ok, Icon::Warning);
        return false;
    }
    const auto written = writeLayFile(path, m_name, m_game.layoutTemplate());
    if (!written) {
        m_host.ask("Error", written.error(), Buttons::Ok, Icon::Error);
        return false;
    }
    m_path = path;
    if (number == 0) {
        number = m_list.add({shortName, m_path, LayoutKind::Lay});
        m_game.loadHallSlot(number, shortName);
    } else if (path.parent_path() == m_playerFolder) {
        // The entry shows the player's layout from now on, as it will at the next start.
        m_list.setFile(number, m_path);
    }
    m_game.setCurrentLayout(number);
    m_game.setLayoutUnlisted(false);
    return true;
}

std::vector<ImportOutcome> LayoutMenu::importLayouts(const std::vector<std::filesystem::path>& files) {
    return importLayoutFiles(files, m_playerFolder, m_list, [this](int number) {
        m_game.loadHallSlot(number, m_list.entry(number)->caption);
    });
}

}  // namespace orbeni
