#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "orbeni/board/board.h"

namespace orbeni {

enum class Sound { Select, NoWay, Done };
enum class Buttons { Ok, OkCancel };
enum class Icon { Information, Question, Warning, Error };
enum class Button { Ok, Cancel };
enum class StatusPanel { TilesLeft, MovesLeft, Time, Message };
// How a joined Rivers pair leaves: at once, or after its first tile slid along the river.
enum class RiverJoin { AtOnce, Slides };
// How the hall-of-fame dialog opens: to browse the lists, or to name a new entry.
enum class ScoresOpening { Browse, NewEntry };

// What the game asks of the window around it. The window implements it; tests record it.
class Host {
public:
    virtual ~Host() = default;

    virtual void playSound(Sound sound) = 0;
    // Redraws the board at a tile's place (which erases it once it has left).
    virtual void redrawTile(int tile, Position place) = 0;
    // Redraws the whole board from the game state (only the background while stopped or paused).
    virtual void redrawBoard() = 0;
    // Paints what was redrawn at once, so that animations show step by step.
    virtual void repaintNow() = 0;
    virtual void setStatusText(StatusPanel panel, std::string_view text) = 0;
    virtual void setPauseCaptions(std::string_view menuCaption, std::string_view buttonCaption) = 0;
    virtual Button ask(std::string_view title, std::string_view text, Buttons buttons, Icon icon) = 0;
    // Shows the "Random Seed" dialog with the current number; the entered text, none on Cancel.
    virtual std::optional<std::string> askSeed(int currentSeed) = 0;
    // Shows the "High Scores" dialog; the text of its name field when it closes.
    virtual std::string showScores(ScoresOpening opening) = 0;
    // Shows the save-file dialog; the chosen file name, none on Cancel.
    virtual std::optional<std::string> askSaveFileName(std::string_view title, std::string_view filter,
                                                       const std::string& initialFolder) = 0;
    virtual void redrawHallPanel() = 0;
    // A Rivers pair was joined: the river is shown for a moment, and a slide is paced by calls to
    // Game::advanceRiverSlide() until it answers false.
    virtual void riverJoined(RiverJoin join) = 0;
    virtual void processPendingEvents() = 0;
    // Gives the music a chance to notice that its piece has ended.
    virtual void pollMusic() = 0;
    // Milliseconds until pollMusic() can find the piece ended; none while no piece plays.
    virtual std::optional<std::uint32_t> musicPollDelay() { return std::nullopt; }

    // Milliseconds since an arbitrary start, wrapping at 2^32.
    virtual std::uint32_t tickMilliseconds() = 0;
    // Milliseconds since midnight, UTC.
    virtual std::uint32_t timeOfDayMilliseconds() = 0;
};

}  // namespace orbeni
