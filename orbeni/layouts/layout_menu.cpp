#include "orbeni/layouts/layout_menu.h"

#include <algorithm>
#include <cctype>

#include "orbeni/game/program_info.h"
#include "orbeni/layouts/layout_file.h"

namespace orbeni {

namespace {

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

bool LayoutMenu::build(const std::filesystem::path& layoutsFolder, int storedNumber) {
    m_folder = layoutsFolder;
    m_list.build(layoutsFolder);
    const int number = m_list.startingNumber(storedNumber);
    if (number == 0) {
        return false;
    }
    m_game.setCurrentLayout(number);
    m_path = m_list.entry(number)->file;
    return true;
}

void LayoutMenu::choose(int number) {
    m_game.leaveRivers();
    m_path = m_list.entry(number)->file;
    m_game.setCurrentLayout(number);
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

void LayoutMenu::SaveLayout() {
    if (m_path.empty()) {
        const auto chosen = m_host.askSaveFileName("Please choose a name for your layout file",
                                                   "LAY Layout files (*.lay)|*.lay", m_folder.string());
        if (!chosen) {
            return;
        }
        m_path = *chosen;
    }
    if (m_path.string().find(".lay") == std::string::npos) {
        m_path += ".lay";
    }
    const auto written = writeLayFile(m_path, m_name, m_game.layoutTemplate());
    if (!written) {
        m_host.ask("Error", written.error(), Buttons::Ok, Icon::Error);
        return;
    }
    m_game.setEditorMode(false);
    const std::string fileName = m_path.filename().string();
    const std::string shortName = fileName.substr(0, fileName.size() - 4);
    int number = m_list.find(shortName);
    if (number == 0) {
        number = m_list.add({shortName, m_path, LayoutKind::Lay});
        if (number == 0) {
            return;
        }
        m_game.loadHallSlot(number, shortName);
    }
    m_game.setCurrentLayout(number);
}

}  // namespace orbeni
