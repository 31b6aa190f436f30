#include "pocketquillet/game/menus.h"

#include <array>

namespace pocketquillet {

namespace {

constexpr MenuItem kSeparator{Command::Exit, {}, false};

constexpr MenuItem item(Command command, std::string_view caption) {
    return {command, caption, isCheckable(command)};
}

constexpr std::array kEnglishGame = {
    item(Command::StartGame, "&Start Game"),
    item(Command::PauseGame, "&Pause Game"),
    item(Command::EndGame, "&End Game"),
    item(Command::NextRound, "Next &Round"),
    kSeparator,
    item(Command::ShowHiscore, "Show &Hiscore ..."),
    kSeparator,
    item(Command::Exit, "E&xit"),
};
constexpr std::array kEnglishOptions = {
    item(Command::AllowHelp, "Allow Help"),
    item(Command::AllowNextRound, "Allow next round"),
    item(Command::Intermission, "Hiscore between rounds"),
    item(Command::Sound, "&Sound"),
    item(Command::ShowScore, "Show Score"),
    kSeparator,
    item(Command::Options, "&Options ..."),
};
constexpr std::array kEnglishHelp = {
    item(Command::NextMove, "&Next Move "),
    item(Command::Info, "&Info ..."),
};

constexpr std::array kGermanGame = {
    item(Command::StartGame, "&Spiel starten "),
    item(Command::PauseGame, "Spiel &anhalten"),
    item(Command::EndGame, "Spiel &beenden"),
    item(Command::NextRound, "Nächste &Runde"),
    kSeparator,
    item(Command::ShowHiscore, "&Hiscore zeigen ..."),
    kSeparator,
    item(Command::Exit, "&B&eenden"),
};
constexpr std::array kGermanOptions = {
    item(Command::AllowHelp, "Hilfe zulassen"),
    item(Command::AllowNextRound, "Rundenwechsel zulassen"),
    item(Command::Intermission, "Hiscore zwischen Runden"),
    item(Command::Sound, "&Sound"),
    item(Command::ShowScore, "Zeig Ergebnis"),
    kSeparator,
    item(Command::Options, "&Optionen ..."),
};
constexpr std::array kGermanHelp = {
    item(Command::NextMove, "&Nächster Zug"),
    item(Command::Info, "&Info ..."),
};

constexpr std::array<Menu, 3> kEnglishBar = {
    Menu{"Game", kEnglishGame},
    Menu{"Options", kEnglishOptions},
    Menu{"?", kEnglishHelp},
};
constexpr std::array<Menu, 3> kGermanBar = {
    Menu{"Spiel", kGermanGame},
    Menu{"Optionen", kGermanOptions},
    Menu{"?", kGermanHelp},
};

}  // namespace

std::span<const Menu> menuBar(Language language) {
    return language == Language::German ? std::span<const Menu>(kGermanBar)
                                        : std::span<const Menu>(kEnglishBar);
}

}  // namespace pocketquillet
