#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "orbeni/game/hall_of_fame.h"

namespace orbeni {

class Host;
struct Options;
enum class ScoresOpening;

// The hall of fame as the game keeps it: "Hallfame.ini" for the layouts of the list and Rivers,
// the player's name, and the entry of a won game.
class HallEntry {
public:
    HallEntry(Host& host, const Options& options) : m_host(host), m_options(options) {}

    HallOfFame& hallOfFame() { return m_hall; }
    const HallOfFame& hallOfFame() const { return m_hall; }
    void setPlayerName(std::string name) { m_playerName = std::move(name); }
    const std::string& playerName() const { return m_playerName; }

    // Reads "Hallfame.ini" for the layouts of the list (in list order) and Rivers.
    void loadHallOfFame(const std::filesystem::path& file, std::vector<std::string> layoutNames);
    bool saveHallOfFame();
    // Reads the slot of a layout added to the list while the program runs.
    void loadHallSlot(int slot, const std::string& layoutName);
    // The name of a layout of the list by its slot; empty for a slot the list does not hold.
    std::string layoutName(int slot) const;
    // The slot of a layout found by name in the list; 0 when the list does not hold it.
    int slotOfLayout(const std::string& name) const;

    // Tells the player the game is won, entering it in the slot when it beats rank 10.
    void announceWin(int slot, int totalSeconds, int penaltySeconds);
    // Shows the dialog; a name changed there renames the last entry of the slot.
    void ShowScores(int slot, ScoresOpening opening);
    void DeleteHighscores1Click(int slot);

private:
    std::string finishedText(int totalSeconds) const;

    Host& m_host;
    const Options& m_options;
    HallOfFame m_hall;
    std::filesystem::path m_hallFile;
    std::vector<std::string> m_layoutNames;
    std::string m_playerName = "Player1";
};

}  // namespace orbeni
