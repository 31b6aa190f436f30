#pragma once

#include <cstdint>

namespace pocketquillet {

// Idle shows the start picture; Held is a running game behind a dialog or the pause.
enum class GameState { Idle = 0, Held = 1, Running = 2 };

enum class PlayMode { Solitaire = 0, Tournament = 1, Challenge = 2 };

enum class Skill { Novice = 0, Advanced = 1, Profi = 2 };

// What a skill level sets at every round start.
struct SkillValues {
    int thresholdDivisor = 0;
    std::uint32_t pointsFactor = 0;
    int turnSeconds = 0;
};

constexpr SkillValues skillValues(Skill skill) {
    switch (skill) {
        case Skill::Novice:
            return {2, 5, 60};
        case Skill::Advanced:
            return {4, 10, 30};
        case Skill::Profi:
            return {144, 15, 10};
    }
    return {4, 10, 30};
}

// The points factor while no game runs.
inline constexpr std::uint32_t kIdlePointsFactor = 15;

// The computer moves in a second when a draw of 0..9 is at most its skill value: 1, 2 or 3 in 10.
constexpr bool computerMovesOn(std::uint32_t draw, Skill skill) {
    return draw % 10 <= static_cast<std::uint32_t>(skill);
}

}  // namespace pocketquillet
