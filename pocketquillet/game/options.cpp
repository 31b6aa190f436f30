#include "pocketquillet/game/options.h"

#include <algorithm>

#include "pocketquillet/game/profile_access.h"
#include "pocketquillet/game/text_encoding.h"

namespace pocketquillet {

namespace {

constexpr std::u16string_view kMain = u"MAIN";
constexpr std::array<std::u16string_view, kSoundNameCount> kSoundKeys = {
    u"HiscoreSound", u"HelpSound", u"FaultSound", u"AboutSound",
    u"OKSound",      u"GongSound", u"BackSound",  u"NoStoneSound"};
constexpr int kSoundNameCapacity = kSoundNameLength + 1;
constexpr int kStartPicCapacity = 41;
constexpr int kSwitchCapacity = 10;
constexpr int kWindowPosCapacity = 64;

bool readSwitch(const ProfileAccess& profile, std::u16string_view key, bool defaultOn) {
    return isOnText(profile.readText(kMain, key, defaultOn ? u"ON" : u"OFF", kSwitchCapacity));
}

void writeSwitch(ProfileAccess& profile, std::u16string_view key, bool on) {
    profile.writeText(kMain, key, on ? u"ON" : u"OFF");
}

void writeNumber(ProfileAccess& profile, std::u16string_view key, int number) {
    profile.writeText(kMain, key, decimalText(static_cast<std::uint32_t>(number)));
}

// A number outside an enumeration's values keeps the enumeration's default.
template <class Enum>
Enum readChoice(const ProfileAccess& profile, std::u16string_view key, Enum defaultChoice, int choices) {
    const int value = profile.readNumber(kMain, key, static_cast<int>(defaultChoice));
    return value >= 0 && value < choices ? static_cast<Enum>(value) : defaultChoice;
}

}  // namespace

bool isOnText(std::u16string_view text) {
    return equalsIgnoringCase(text, u"ON");
}

Options readOptions(const ProfileAccess& profile) {
    Options options;
    options.allowHelp = readSwitch(profile, u"AllowHelp", options.allowHelp);
    options.intermission = readSwitch(profile, u"Intermission", options.intermission);
    options.allowNextRound = readSwitch(profile, u"AllowNextRound", options.allowNextRound);
    options.sound = readSwitch(profile, u"Sound", options.sound);
    for (int i = 0; i < kSoundNameCount; ++i) {
        options.soundNames[i] =
            profile.readText(kMain, kSoundKeys[i], options.soundNames[i], kSoundNameCapacity);
    }
    options.startPic = profile.readText(kMain, u"StartPic", options.startPic, kStartPicCapacity);
    // Rounds are counted from 0 up; a negative start makes no round.
    options.startRound = std::max(profile.readNumber(kMain, u"StartRound", options.startRound), 0);
    options.playMode = readChoice(profile, u"PlayMode", options.playMode, 3);
    options.skill = readChoice(profile, u"Skill", options.skill, 3);
    options.language = readChoice(profile, u"Language", options.language, kLanguageCount);
    options.windowPos = profile.readText(kMain, u"WindowPos", options.windowPos, kWindowPosCapacity);
    return options;
}

void writeOptions(const Options& options, ProfileAccess& profile) {
    writeSwitch(profile, u"AllowHelp", options.allowHelp);
    writeSwitch(profile, u"Intermission", options.intermission);
    writeSwitch(profile, u"AllowNextRound", options.allowNextRound);
    writeSwitch(profile, u"Sound", options.sound);
    for (int i = 0; i < kSoundNameCount; ++i) {
        profile.writeText(kMain, kSoundKeys[i], options.soundNames[i]);
    }
    writeNumber(profile, u"StartRound", options.startRound);
    writeNumber(profile, u"PlayMode", static_cast<int>(options.playMode));
    writeNumber(profile, u"Skill", static_cast<int>(options.skill));
    writeNumber(profile, u"Language", static_cast<int>(options.language));
}

}  // namespace pocketquillet
