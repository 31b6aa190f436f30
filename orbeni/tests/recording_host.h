#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "orbeni/game/host.h"

namespace orbeni::test {

// A host that keeps every call as a line of text and answers message boxes from a script
// (OK once the script runs out). Tests move its clocks by hand.
class RecordingHost : public Host {
public:
    void playSound(Sound sound) override {
        static const char* const names[] = {"select", "noway", "done"};
        record(std::string("sound ") + names[static_cast<int>(sound)]);
    }
    void redrawTile(int tile, Position place) override {
        record("tile " + std::to_string(tile) + " at " + std::to_string(place.x) + "," +
               std::to_string(place.y) + "," + std::to_string(place.z));
    }
    void redrawBoard() override { record("board"); }
    void repaintNow() override { record("repaint"); }
    void setStatusText(StatusPanel panel, std::string_view text) override {
        panels[static_cast<int>(panel)] = std::string(text);
    }
    void setPauseCaptions(std::string_view menu, std::string_view button) override {
        record("captions " + std::string(menu) + " / " + std::string(button));
    }
    Button ask(std::string_view title, std::string_view text, Buttons, Icon) override {
        record("ask " + std::string(title) + ": " + std::string(text));
        if (answers.empty()) {
            return Button::Ok;
        }
        const Button answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> askSeed(int current) override {
        record("seed dialog " + std::to_string(current));
        return seedAnswer;
    }
    std::string showScores(ScoresOpening opening) override {
        record(opening == ScoresOpening::NewEntry ? "scores new entry" : "scores browse");
        return scoresName;
    }
    std::optional<std::string> askSaveFileName(std::string_view title, std::string_view,
                                               const std::string&) override {
        record("save dialog " + std::string(title));
        return saveAnswer;
    }
    void redrawHallPanel() override { record("hall panel"); }
    void riverJoined(RiverJoin join) override {
        record(join == RiverJoin::Slides ? "river slides" : "river at once");
    }
    void processPendingEvents() override { record("events"); }
    // A piece ends at `musicEndsAt` and starts again, a minute long, once a poll notices.
    void pollMusic() override {
        if (musicEndsAt && tick >= *musicEndsAt) {
            *musicEndsAt += 60000;
        }
    }
    std::optional<std::uint32_t> musicPollDelay() override {
        if (!musicEndsAt) {
            return std::nullopt;
        }
        return *musicEndsAt > tick ? *musicEndsAt - tick : 0;
    }
    std::uint32_t tickMilliseconds() override { return tick; }
    std::uint32_t timeOfDayMilliseconds() override { return timeOfDay++; }

    std::string panel(StatusPanel which) const { return panels[static_cast<int>(which)]; }
    int count(const std::string& prefix) const {
        int n = 0;
        for (const auto& line : calls) {
            n += line.rfind(prefix, 0) == 0 ? 1 : 0;
        }
        return n;
    }
    void record(std::string line) { calls.push_back(std::move(line)); }

    std::vector<std::string> calls;
    std::deque<Button> answers;
    std::optional<std::string> seedAnswer;
    std::optional<std::string> saveAnswer;
    std::string scoresName = "Player1";
    std::string panels[4];
    std::uint32_t tick = 1000;
    std::optional<std::uint32_t> musicEndsAt;
    std::uint32_t timeOfDay = 12345;
};

}  // namespace orbeni::test
