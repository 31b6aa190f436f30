#include "pocketquillet/view/dialog_texts.h"

namespace pocketquillet {

namespace {

constexpr DialogTexts kEnglish = {
    "OK",
    "Cancel",
    "Info",
    "Remove all stones by clicking on a pair of stones. The stone may only be moved parallel to a "
    "side if no stone is blocking.",
    "Solitaire: Single player mode without stress - no points - no highscore",
    "Tournament: One player - points - hiscore",
    "Challenge: Two players, against a friend or the computer - limited time per turn",
    "Challenge Mode",
    "Player 1 :",
    "Player 2 :",
    "Options",
    "Allow help",
    "Allow jump to next round",
    "Hiscore between rounds",
    "Sound on",
    "Language",
    "Mode",
    {"Solitaire", "Tournament", "Challenge"},
    "Skill",
    {"Novice", "Advanced", "Profi"},
    "Start at",
    "Sounds",
    "Apply",
    "Defaults",
};

constexpr DialogTexts kGerman = {
    "OK",
    "Abbrechen",
    "Info",
    "Entferne alle Steine, indem du auf ein Paar Steine klickst. Ein Stein darf nur parallel zu "
    "einer Seite bewegt werden, wenn kein Stein im Weg ist.",
    "Solitaire: Einzelspieler ohne Stress - keine Punkte - kein Hiscore",
    "Turnier: Ein Spieler - Punkte - Hiscore",
    "Herausforderung: Zwei Spieler, gegen einen Freund oder den Computer - begrenzte Zeit pro Zug",
    "Herausforderung",
    "Spieler 1 :",
    "Spieler 2 :",
    "Optionen",
    "Hilfe zulassen",
    "Sprung zur nächsten Runde zulassen",
    "Hiscore zwischen Runden",
    "Sound an",
    "Sprache",
    "Modus",
    {"Solitaire", "Turnier", "Herausforderung"},
    "Spielstärke",
    {"Anfänger", "Fortgeschritten", "Profi"},
    "Start bei",
    "Klänge",
    "Übernehmen",
    "Standard",
};

}  // namespace

const DialogTexts& dialogTexts(Language language) {
    return language == Language::German ? kGerman : kEnglish;
}

}  // namespace pocketquillet
