#include "pocketquillet/game/texts.h"

#include <array>

namespace pocketquillet {

namespace {

using Table = std::array<std::string_view, kTextCount>;

constexpr Table kEnglish = {
    "Super, now the sun can shine ! Once again ?",
    "Sorry, but no combination left ! Once again ?",
    "Quit this game ?",
    "No hints left ! Hint anyway ?",
    "No free pair ! Once again ?",
    "No hints left in this round !",
    "English",
    "Player -1-",
    "Player -2-",
    "Once again ?",
    "Well Done ! Now go on to next Round -%d- ",
    "No entry in Hiscore-list in Solitaire Mode",
    "Sorry, too less points to enter the Hiscore",
    " Stones               : %-4d",
    " Stones Left          : %-4d",
    " Stones to next round : %-4d",
    " Helps Left  : %-7d",
    " Points      : %-7lu",
    " Round       : %-4u",
    " Stones  : %-7d",
    " Points  : %-7d",
    " 2 next round: %-4d",
    "  PAUSED PAUSED    ",
    " Secs left   : %-4d",
    "Layout is beeing build !",
    "Cannot find Bitmap : %s",
    "Sound-Files   *.WAV",
    "Searching ...",
    "Hiscore",
    "Gimme Help",
    "Stone does not match",
    "Show About",
    "Select Stone",
    "Next Round",
    "Undo Select Stone",
    "No stone there",
};

constexpr Table kGerman = {
    "Super, jetzt kann die Sonne wieder scheinen. Nochmal ?",
    "Sorry, keine Kombination überig ! Nochmal ?",
    "Dieses Spiel beenden ?",
    "Keine Hilfen übrig! Trotzdem helfen?",
    "Kein freies Paar mehr! Nochmal?",
    "Keine Hilfen in dieser Runde übrig!",
    "Deutsch",
    "Spieler -1-",
    "Spieler -2-",
    "Nochmal ?",
    "Super ! Ab zur nächsten Runde -%d- ",
    "Keine Eintragung in Hiscore beim Solitaire Modus",
    "Sorry, zu wenig Punkte für das Hiscore",
    " Steine               : %-4d",
    " Steine übrig         : %-4d",
    " Steine zur n. Runde  : %-4d",
    " Hilfe übrig : %-7d",
    " Punkte      : %-7lu",
    " Runde       : %-4u",
    " Steine  : %-7d",
    " Punkte  : %-7d",
    " bis n. Runde: %-4d",
    "  PAUSE  PAUSE     ",
    " Seks übrig  : %-4d",
    "Layout wird erstellt !",
    "Bitmap nich gefunden : %s",
    "Klang-Dateien *.WAV",
    "Suchen ...",
    "Hiscore",
    "Gib mir Hilfe",
    "Stein passt nicht",
    "Info Ueber ...",
    "Selektiere Stein",
    "Naechste Runde",
    "Undo Stein Selektion",
    "Kein Stein hier",
};

}  // namespace

std::string_view text(Language language, Text entry) {
    const Table& table = language == Language::German ? kGerman : kEnglish;
    return table[static_cast<std::size_t>(entry)];
}

Language languageAt(int position) {
    return position == 1 ? Language::German : Language::English;
}

}  // namespace pocketquillet
