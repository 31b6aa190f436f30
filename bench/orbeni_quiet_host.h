#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "orbeni/game/host.h"

namespace orbeni::bench {

// A window whose clocks stand still but for the time of day, which seeds each deal differently.
// It draws what the game asks through the painter it is given, or nothing.
class QuietHost : public Host {
public:
    void playSound(Sound) override {}
    void redrawTile(int tile, Position place) override {
        if (tileRedrawn) {
            tileRedrawn(tile, place);
        }
    }
    void redrawBoard() override {
        if (boardRedrawn) {
            boardRedrawn();
        }
    }
    void repaintNow() override {}
    void setStatusText(StatusPanel, std::string_view) override {}
    void setPauseCaptions(std::string_view, std::string_view) override {}
    Button ask(std::string_view, std::string_view, Buttons, Icon) override { return Button::Ok; }
    std::optional<std::string> askSeed(int) override { return std::nullopt; }
    std::string showScores(ScoresOpening) override { return "Player1"; }
    std::optional<std::string> askSaveFileName(std::string_view, std::string_view,
                                               const std::string&) override {
        return std::nullopt;
    }
    void redrawHallPanel() override {}
    void riverJoined(RiverJoin) override {}
    void processPendingEvents() override {}
    void pollMusic() override {}
    std::uint32_t tickMilliseconds() override { return 0; }
    std::uint32_t timeOfDayMilliseconds() override { return m_time++; }

    std::function<void(int, Position)> tileRedrawn;
    std::function<void()> boardRedrawn;

private:
    std::uint32_t m_time = 1;
};

}  // namespace orbeni::bench
