#pragma once

#include <string>

#include "pocketquillet/game/modes.h"
#include "pocketquillet/game/options.h"

namespace pocketquillet {

// The controls of the Options dialog whose state follows the game.
enum class OptionsControl {
    AllowHelp,
    AllowNextRound,
    Intermission,
    Sound,
    Language,
    PlayMode,
    Skill,
    StartAt,
    HiscoreSound,
};

// What the Options dialog's controls hold while it is open.
struct OptionsForm {
    bool allowHelp = true;
    bool allowNextRound = false;
    bool intermission = false;
    bool sound = true;
    std::string languageName;  // as chosen in the list of language names
    PlayMode playMode = PlayMode::Tournament;
    Skill skill = Skill::Advanced;
    std::u16string startAt;
    std::u16string hiscoreSound;
};

// While a game runs, the mode, the skill, "Start at", Allow help and Allow jump to next round
// cannot change.
bool isControlEnabled(OptionsControl control, GameState state);

OptionsForm optionsForm(const Options& options);

// The "Defaults" button: help allowed, no hiscore between rounds, no jump to the next round,
// sound on.
void restoreDefaults(OptionsForm& form);

// OK and Apply: the form's values over the options, the language by its position in the list
// (English when not found) and "Start at" as a number; controls that are disabled keep the
// options' values.
Options takeOver(const OptionsForm& form, Options options, GameState state);

}  // namespace pocketquillet
