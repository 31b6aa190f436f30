#pragma once

#include "pocketquillet/game/texts.h"

namespace pocketquillet {

// The captions of the dialogs that come in both languages (the hiscore dialogs are English only).
struct DialogTexts {
    const char* ok;
    const char* cancel;
    const char* aboutTitle;
    const char* rules;
    const char* solitaireMode;
    const char* tournamentMode;
    const char* challengeMode;
    const char* challengeTitle;
    const char* player1;
    const char* player2;
    const char* optionsTitle;
    const char* allowHelp;
    const char* allowJump;
    const char* intermission;
    const char* soundOn;
    const char* language;
    const char* modeGroup;
    const char* modes[3];
    const char* skillGroup;
    const char* skills[3];
    const char* startAt;
    const char* sounds;
    const char* apply;
    const char* defaults;
};

const DialogTexts& dialogTexts(Language language);

}  // namespace pocketquillet
