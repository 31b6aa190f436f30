#pragma once

#include "morvane/game/host.h"

namespace morvane {

// A window that draws nothing and answers every dialog with OK, for the game's benchmarks.
class SilentHost : public Host {
public:
    void playSound(SoundSlot, const std::string&) override {}
    void toggleHighlight(const Position&) override {}
    void repaintTile(const Position&, TileRepaint) override {}
    void repaintDesignCell(int, int) override {}
    void repaintAll() override {}
    void loadTileBitmap(const std::string&) override {}
    MessageAnswer messageBox(std::string_view, std::string_view, MessageIcon, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    std::string askWinnerName() override { return {}; }
    WonChoice showWonDialog(std::string_view) override { return WonChoice::Ok; }
    void showHallOfFame(const HallOfFameRows&) override {}
    void startClock() override {}
    void stopClock() override {}
};

}  // namespace morvane
