#pragma once

#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "morvane/game/host.h"

namespace morvane {

// Keeps every call of the game as one line of text and answers the dialogs from a script.
class RecordingHost : public Host {
public:
    std::vector<std::string> calls;
    std::vector<SoundSlot> sounds;
    std::vector<std::string> messages;  // "caption: text"
    std::deque<MessageAnswer> answers;  // OK when empty
    std::deque<std::string> names;      // empty name when empty
    WonChoice wonChoice = WonChoice::Ok;
    HallOfFameRows lastHallOfFame;
    int hallOfFameShown = 0;

    void playSound(SoundSlot slot, const std::string& file) override {
        sounds.push_back(slot);
        calls.push_back("sound " + file);
    }
    void toggleHighlight(const Position& tile) override { calls.push_back("highlight " + text(tile)); }
    void repaintTile(const Position& tile, TileRepaint kind) override {
        calls.push_back((kind == TileRepaint::Removed ? "removed " : "restored ") + text(tile));
    }
    void repaintDesignCell(int column, int row) override {
        calls.push_back("design cell " + std::to_string(column) + "," + std::to_string(row));
    }
    void repaintAll() override { calls.push_back("repaint all"); }
    void loadTileBitmap(const std::string& path) override { calls.push_back("bitmap " + path); }
    MessageAnswer messageBox(std::string_view text, std::string_view caption, MessageIcon,
                             MessageButtons) override {
        messages.push_back(std::string(caption) + ": " + std::string(text));
        calls.push_back("message " + messages.back());
        if (answers.empty()) {
            return MessageAnswer::Ok;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string askWinnerName() override {
        calls.push_back("ask name");
        if (names.empty()) {
            return {};
        }
        std::string name = names.front();
        names.pop_front();
        return name;
    }
    WonChoice showWonDialog(std::string_view time) override {
        calls.push_back("won dialog " + std::string(time));
        return wonChoice;
    }
    void showHallOfFame(const HallOfFameRows& rows) override {
        calls.push_back("hall of fame");
        lastHallOfFame = rows;
        ++hallOfFameShown;
    }
    void startClock() override { calls.push_back("start clock"); }
    void stopClock() override { calls.push_back("stop clock"); }

    static std::string text(const Position& p) {
        return std::to_string(p.x) + "," + std::to_string(p.y) + "," + std::to_string(p.z);
    }
};

// A fresh temporary folder that is the current folder and the settings home for one test.
class TemporaryHome {
public:
    TemporaryHome() {
        m_previous = std::filesystem::current_path();
        m_folder = std::filesystem::temp_directory_path() /
                   ("morvane-test-" + std::to_string(::getpid()) + "-" + std::to_string(s_counter++));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        std::filesystem::current_path(m_folder);
        ::setenv("XDG_CONFIG_HOME", (m_folder / "config").c_str(), 1);
    }
    ~TemporaryHome() {
        std::filesystem::current_path(m_previous);
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }
    const std::filesystem::path& folder() const { return m_folder; }

private:
    static inline int s_counter = 0;
    std::filesystem::path m_previous;
    std::filesystem::path m_folder;
};

}  // namespace morvane
