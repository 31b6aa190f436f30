#pragma once

#include <string_view>

namespace pocketquillet {

// The events the game marks with a sound.
enum class Sound {
    Select,     // a stone is selected
    Back,       // the selection is taken back
    Fault,      // a chosen pair does not match or does not connect
    NoStone,    // a click on an empty cell
    Pair,       // a pair is removed and the game goes on
    About,      // the About box opens
    Help,       // a hint is shown
    Gong,       // the turn passes after the turn time
    Hiscore,    // a hiscore dialog opens
    Dealt,      // a round has been dealt
    BoardDone,  // a Solitaire board is cleared, or the pause between rounds begins
};

// The name of the built-in wave that an event plays.
constexpr std::string_view soundResource(Sound sound) {
    switch (sound) {
        case Sound::Select:
            return "QZ4";
        case Sound::Back:
            return "QZ6";
        case Sound::Fault:
            return "QZ7";
        case Sound::NoStone:
            return "QZ11";
        case Sound::Pair:
        case Sound::About:
            return "QZ2";
        case Sound::Help:
            return "QZ9";
        case Sound::Gong:
            return "QZ8";
        case Sound::Hiscore:
            return "QZ1";
        case Sound::Dealt:
            return "QZ10";
        case Sound::BoardDone:
            return "QZ3";
    }
    return {};
}

}  // namespace pocketquillet
