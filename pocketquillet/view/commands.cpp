#include "pocketquillet/view/commands.h"

#include <array>
#include <string_view>

#include "pocketquillet/game/pocket_game.h"

namespace pocketquillet {

namespace {

using platform::MenuLine;

// Whether a command shows a check mark that follows its option.
constexpr bool isCheckable(Command command) {
    switch (command) {
        case Command::AllowHelp:
        case Command::AllowNextRound:
        case Command::Intermission:
        case Command::Sound:
        case Command::ShowScore:
            return true;
        default:
            return false;
    }
}

// The game names no keys; Exit answers the desktop's own quit key.
constexpr platform::Command command(Command id, std::string_view caption) {
    return platform::Command{
        .id = static_cast<int>(id),
        .caption = caption,
        .standardKey = id == Command::Exit ? platform::StandardKey::Quit : platform::StandardKey::None,
        .checkable = isCheckable(id),
    };
}

constexpr MenuLine line(Command id) {
    return MenuLine{.id = static_cast<int>(id)};
}

constexpr MenuLine kSeparator{};

constexpr std::array kEnglishCommands = {
    command(Command::StartGame, "&Start Game"),
    command(Command::PauseGame, "&Pause Game"),
    command(Command::EndGame, "&End Game"),
    command(Command::NextRound, "Next &Round"),
    command(Command::ShowHiscore, "Show &Hiscore ..."),
    command(Command::Exit, "E&xit"),
    command(Command::AllowHelp, "Allow Help"),
    command(Command::AllowNextRound, "Allow next round"),
    command(Command::Intermission, "Hiscore between rounds"),
    command(Command::Sound, "&Sound"),
    command(Command::ShowScore, "Show Score"),
    command(Command::Options, "&Options ..."),
    command(Command::NextMove, "&Next Move "),
    command(Command::Info, "&Info ..."),
};

constexpr std::array kGermanCommands = {
    command(Command::StartGame, "&Spiel starten "),
    command(Command::PauseGame, "Spiel &anhalten"),
    command(Command::EndGame, "Spiel &beenden"),
    command(Command::NextRound, "Nächste &Runde"),
    command(Command::ShowHiscore, "&Hiscore zeigen ..."),
    command(Command::Exit, "&B&eenden"),
    command(Command::AllowHelp, "Hilfe zulassen"),
    command(Command::AllowNextRound, "Rundenwechsel zulassen"),
    command(Command::Intermission, "Hiscore zwischen Runden"),
    command(Command::Sound, "&Sound"),
    command(Command::ShowScore, "Zeig Ergebnis"),
    command(Command::Options, "&Optionen ..."),
    command(Command::NextMove, "&Nächster Zug"),
    command(Command::Info, "&Info ..."),
};

// Both languages order their menus alike; only the titles differ.
constexpr std::array kGameMenu = {
    line(Command::StartGame),
    line(Command::PauseGame),
    line(Command::EndGame),
    line(Command::NextRound),
    kSeparator,
    line(Command::ShowHiscore),
    kSeparator,
    line(Command::Exit),
};
constexpr std::array kOptionsMenu = {
    line(Command::AllowHelp), line(Command::AllowNextRound), line(Command::Intermission),
    line(Command::Sound),     line(Command::ShowScore),      kSeparator,
    line(Command::Options),
};
constexpr std::array kHelpMenu = {
    line(Command::NextMove),
    line(Command::Info),
};

constexpr std::array kEnglishBar = {
    MenuLine{.submenu = "Game", .lines = kGameMenu},
    MenuLine{.submenu = "Options", .lines = kOptionsMenu},
    MenuLine{.submenu = "?", .lines = kHelpMenu},
};
constexpr std::array kGermanBar = {
    MenuLine{.submenu = "Spiel", .lines = kGameMenu},
    MenuLine{.submenu = "Optionen", .lines = kOptionsMenu},
    MenuLine{.submenu = "?", .lines = kHelpMenu},
};

}  // namespace

std::span<const platform::Command> commandTable(Language language) {
    return language == Language::German ? std::span<const platform::Command>(kGermanCommands)
                                        : std::span<const platform::Command>(kEnglishCommands);
}

std::span<const platform::MenuLine> menuBar(Language language) {
    return language == Language::German ? std::span<const platform::MenuLine>(kGermanBar)
                                        : std::span<const platform::MenuLine>(kEnglishBar);
}

}  // namespace pocketquillet
