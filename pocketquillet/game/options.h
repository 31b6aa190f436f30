#pragma once

#include <array>
#include <string>
#include <string_view>

#include "pocketquillet/game/modes.h"
#include "pocketquillet/game/texts.h"

namespace pocketquillet {

class ProfileAccess;

// The eight sound names the Options dialog shows, in the order of their keys.
enum class SoundName { Hiscore, Help, Fault, About, Ok, Gong, Back, NoStone };
inline constexpr int kSoundNameCount = 8;
inline constexpr int kSoundNameLength = 12;

// The game's options, read from section "MAIN" at start-up.
struct Options {
    bool allowHelp = true;
    bool intermission = false;
    bool allowNextRound = true;
    bool sound = true;
    bool showScore = true;  // not stored
    std::array<std::u16string, kSoundNameCount> soundNames{u"QZ1", u"QZ9", u"QZ7", u"QZ2",
                                                           u"QZ5", u"QZ8", u"QZ6", u"QZ11"};
    std::u16string startPic = u"DEFSTART";
    int startRound = 1;
    PlayMode playMode = PlayMode::Tournament;
    Skill skill = Skill::Advanced;
    Language language = Language::English;
    std::u16string windowPos = u"MAX";

    const std::u16string& soundName(SoundName name) const {
        return soundNames[static_cast<std::size_t>(name)];
    }
};

// An option text is on when it reads "ON", ignoring case.
bool isOnText(std::u16string_view text);

Options readOptions(const ProfileAccess& profile);

// Writes what the Options dialog edits.
void writeOptions(const Options& options, ProfileAccess& profile);

}  // namespace pocketquillet
