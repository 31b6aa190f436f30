#pragma once

#include <string_view>

namespace pocketquillet {

enum class Language { English = 0, German = 1 };
inline constexpr int kLanguageCount = 2;

// The entries of each language's message table, in table order.
enum class Text {
    SunCanShine,
    NoCombinationLeft,
    QuitThisGame,
    NoHintsLeftHintAnyway,
    NoFreePair,
    NoHintsLeftInRound,
    LanguageName,
    Player1,
    Player2,
    OnceAgain,
    WellDoneNextRound,
    NoEntryInSolitaire,
    TooLessPoints,
    StatusStones,
    StatusStonesLeft,
    StatusStonesToNextRound,
    StatusHelpsLeft,
    StatusPoints,
    StatusRound,
    ChallengeStones,
    ChallengePoints,
    ChallengeToNextRound,
    Paused,
    SecondsLeft,
    LayoutBeingBuilt,
    CannotFindBitmap,
    SoundFiles,
    Searching,
    SoundEventHiscore,
    SoundEventHelp,
    SoundEventFault,
    SoundEventAbout,
    SoundEventSelect,
    SoundEventNextRound,
    SoundEventBack,
    SoundEventNoStone,
};
inline constexpr int kTextCount = 36;

// The caption of every question box.
inline constexpr std::string_view kMessageCaption = "Pocket Quillet";

// One entry of a language's message table, in UTF-8. The status entries are printf patterns.
std::string_view text(Language language, Text entry);

// The language at a position of the language list; English for any other position.
Language languageAt(int position);

}  // namespace pocketquillet
