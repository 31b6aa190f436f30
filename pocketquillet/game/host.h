#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "pocketquillet/game/board.h"
#include "pocketquillet/game/sounds.h"

namespace pocketquillet {

struct ConnectionPath;
struct HiscoreView;

// Highlights and paths are drawn by inverting the cells under them, so drawing twice erases.
enum class Mark { Draw, Erase };

enum class Answer { Yes, No };

// The two names typed into the Challenge dialog.
using ChallengeNames = std::array<std::u16string, 2>;

// What the game asks of the window around it.
class Host {
public:
    virtual ~Host() = default;

    virtual void playSound(Sound sound) = 0;
    virtual void repaintBoard() = 0;
    virtual void repaintCell(Cell cell) = 0;
    virtual void markCell(Cell cell, Mark mark) = 0;
    virtual void markPath(const ConnectionPath& path, Mark mark) = 0;
    virtual void repaintStatus() = 0;
    // The game's commands may have been enabled, disabled, checked or unchecked.
    virtual void updateCommands() = 0;

    // A question box with Yes and No buttons.
    virtual Answer ask(std::string_view caption, std::string_view question) = 0;
    virtual void showHiscores(const HiscoreView& view) = 0;
    // The "Enter Hiscore Table" dialog: the typed name, or nothing when it was not left by OK.
    virtual std::optional<std::u16string> askHiscoreName() = 0;
    // The Challenge dialog: both names, or nothing when it was not left by OK.
    virtual std::optional<ChallengeNames> askChallengeNames() = 0;
    virtual void closeProgram() = 0;
};

}  // namespace pocketquillet
